#include "textfunc/casefunctions.h"

namespace zuk::textfunc {

void mapBytesInPlace(std::string& text, const CaseTable& table)
{
    for (char& ch : text)
        ch = static_cast<char>(table[static_cast<unsigned char>(ch)]);
}

CaseTable inCodePage(const CaseTable& win, codepages::CodePage cp)
{
    if (cp == codepages::CodePage::Win)
        return win;
    const char16_t* own = codepages::unicodeTable(cp);
    const char16_t* winChars = codepages::unicodeTable(codepages::CodePage::Win);
    CaseTable out{};
    for (int b = 0; b < 256; ++b) {
        out[b] = static_cast<unsigned char>(b);
        const int asWin = codepages::encodeChar(own[b], codepages::CodePage::Win);
        if (asWin < 0)
            continue;
        const int back = codepages::encodeChar(winChars[win[asWin]], cp);
        if (back >= 0)
            out[b] = static_cast<unsigned char>(back);
    }
    return out;
}

void upperCaseInPlace(std::string& text)
{
    mapBytesInPlace(text, kBasicUpper);
}
void lowerCaseInPlace(std::string& text)
{
    mapBytesInPlace(text, kBasicLower);
}

std::string UpperCaseText(std::string_view text)
{
    std::string result(text);
    upperCaseInPlace(result);
    return result;
}

std::string LowerCaseText(std::string_view text)
{
    std::string result(text);
    lowerCaseInPlace(result);
    return result;
}

} // namespace zuk::textfunc
