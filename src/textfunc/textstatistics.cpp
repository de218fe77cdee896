#include "textfunc/textstatistics.h"

#include <cstdio>

namespace zuk::textfunc {

TextStatistics countStatistics(std::string_view text)
{
    TextStatistics s;
    s.length = text.size();
    bool inWord = false;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ')
            ++s.blanks;
        else if (c == '\n')
            ++s.lineFeeds;
        else if (c == '\r')
            ++s.returns;
        const bool separator = isWordSeparator(c);
        if (!separator && !inWord)
            ++s.words;
        inWord = !separator;
    }
    s.charsOnly = s.length - s.blanks - s.lineFeeds - s.returns;
    return s;
}

std::string formatGeneral(double value, char decimalSeparator)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    std::string out(buf);
    // The C library may write the decimal point of the process locale.
    for (char& c : out)
        if (c == '.' || c == ',')
            c = decimalSeparator;
    return out;
}

} // namespace zuk::textfunc
