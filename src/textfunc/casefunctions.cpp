#include "textfunc/casefunctions.h"

namespace zuk::textfunc {

void mapBytesInPlace(std::string& text, const CaseTable& table)
{
    for (char& ch : text)
        ch = static_cast<char>(table[static_cast<unsigned char>(ch)]);
}

void upperCaseInPlace(std::string& text) { mapBytesInPlace(text, kBasicUpper); }
void lowerCaseInPlace(std::string& text) { mapBytesInPlace(text, kBasicLower); }

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
