#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The figures of the statistics command over a Windows-1251 text.
namespace zuk::textfunc {

// Bytes that separate words: LF, CR, the blank and the punctuation of
// 21..2F (but not the apostrophe), 3A..40, 5B..60 and 7B..7E. The tab is
// not a separator.
constexpr bool isWordSeparator(unsigned char c)
{
    return c == '\n' || c == '\r' || c == ' ' || (c >= 0x21 && c <= 0x2F && c != 0x27) ||
           (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7E);
}

// Characters in one author's sheet.
constexpr double CharsPerAuthorSheet = 40000.0;

struct TextStatistics {
    std::size_t length = 0;    // every byte
    std::size_t blanks = 0;    // bytes 20
    std::size_t lineFeeds = 0; // bytes 0A
    std::size_t returns = 0;   // bytes 0D
    std::size_t charsOnly = 0; // length less blanks, LF and CR
    std::size_t words = 0;     // maximal runs of bytes that are not separators

    std::size_t charsAndSpaces() const { return blanks + charsOnly; }
    double authorSheets() const { return static_cast<double>(charsOnly) / CharsPerAuthorSheet; }
};

TextStatistics countStatistics(std::string_view text);

// A real number the way the statistics show it: the shortest general form
// of up to 15 significant digits, with the given decimal separator.
std::string formatGeneral(double value, char decimalSeparator);

} // namespace zuk::textfunc
