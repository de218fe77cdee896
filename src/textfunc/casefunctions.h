#pragma once

#include "codepages/charsets.h"

#include <array>
#include <string>
#include <string_view>

// Letter case of Windows-1251 text. Two mappings exist and are deliberately
// different: the basic one knows only the Latin letters, the Russian А..я block
// and Ё/ё; the full one knows every letter pair of the code page (the Serbian,
// Macedonian, Ukrainian and Belarusian letters as well).
namespace zuk::textfunc {

using CaseTable = std::array<unsigned char, 256>;

namespace detail {

// Upper/lower byte pairs of Windows-1251 beyond the ASCII and А..я ranges.
struct CasePair {
    unsigned char upper;
    unsigned char lower;
};
inline constexpr CasePair kExtraCasePairs[] = {
    {0x80, 0x90}, // Ђ ђ
    {0x81, 0x83}, // Ѓ ѓ
    {0x8A, 0x9A}, // Љ љ
    {0x8C, 0x9C}, // Њ њ
    {0x8D, 0x9D}, // Ќ ќ
    {0x8E, 0x9E}, // Ћ ћ
    {0x8F, 0x9F}, // Џ џ
    {0xA1, 0xA2}, // Ў ў
    {0xA3, 0xBC}, // Ј ј
    {0xA5, 0xB4}, // Ґ ґ
    {0xAA, 0xBA}, // Є є
    {0xAF, 0xBF}, // Ї ї
    {0xB2, 0xB3}, // І і
    {0xBD, 0xBE}, // Ѕ ѕ
};

constexpr CaseTable makeCaseTable(bool toUpper, bool full)
{
    CaseTable t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    auto pair = [&t, toUpper](int upper, int lower) {
        if (toUpper)
            t[lower] = static_cast<unsigned char>(upper);
        else
            t[upper] = static_cast<unsigned char>(lower);
    };
    for (int c = 'A'; c <= 'Z'; ++c)
        pair(c, c + 0x20);
    for (int c = 0xC0; c <= 0xDF; ++c)
        pair(c, c + 0x20);
    pair(0xA8, 0xB8); // Ё ё
    if (full) {
        for (const CasePair& p : kExtraCasePairs)
            pair(p.upper, p.lower);
    }
    return t;
}

} // namespace detail

// The basic mapping, one byte at a time: a..z, а..я and ё to upper case (and the
// reverse for lower case). Every other byte is unchanged.
inline constexpr CaseTable kBasicUpper = detail::makeCaseTable(true, false);
inline constexpr CaseTable kBasicLower = detail::makeCaseTable(false, false);

// The full mapping: every letter pair of the code page; µ and the non-letters
// map to themselves.
inline constexpr CaseTable Cp1251Upper = detail::makeCaseTable(true, true);
inline constexpr CaseTable Cp1251Lower = detail::makeCaseTable(false, true);

constexpr unsigned char UpCaseChar(unsigned char c)
{
    return kBasicUpper[c];
}
constexpr unsigned char DownCaseChar(unsigned char c)
{
    return kBasicLower[c];
}

// Every byte through UpCaseChar / DownCaseChar.
std::string UpperCaseText(std::string_view text);
std::string LowerCaseText(std::string_view text);

// The same in place, for callers that own a large buffer (zuk-text on 100 MB).
void upperCaseInPlace(std::string& text);
void lowerCaseInPlace(std::string& text);

// Every byte of the text through a table.
void mapBytesInPlace(std::string& text, const CaseTable& table);

// A byte map of Windows-1251 text carried over to text in `cp`: each byte
// stands for its character in `cp`; when Windows-1251 has that character, it
// goes through `win`, and the result is put back in `cp` if `cp` has it. Any
// other byte maps to itself. For Win the table is `win` itself. This is how
// every case function works in a KOI8-R or CP866 document.
CaseTable inCodePage(const CaseTable& win, codepages::CodePage cp);

} // namespace zuk::textfunc
