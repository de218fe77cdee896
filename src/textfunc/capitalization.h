#pragma once

#include "codepages/charsets.h"

#include <cstdint>
#include <string>
#include <string_view>

// Case changes of Windows-1251 text beyond plain upper and lower case
// (those two live in casefunctions.h). InvertCase and Hackerize use the basic
// byte mapping; the two capitalising functions use the full code-page tables.
// Each takes the text's code page: the letters of a KOI8-R or CP866 text are
// cased as the same letters of Windows-1251 would be (casefunctions.h,
// inCodePage), and its other bytes stay.
namespace zuk::textfunc {

using codepages::CodePage;

// WordBreakSet: the bytes that end a word for CapitalizeWords. Control
// characters, space, ! and the double quote, ( ) * + , - . /, : ; < = > ?,
// [ \ ] ^ and { | }. Everything else, including every byte from 7E up (so the
// Cyrillic letters, guillemets and dashes), belongs to a word. The set is all
// ASCII, so it is the same in every code page.
constexpr bool inWordBreakSet(unsigned char c)
{
    return c <= 0x22 || (c >= 0x28 && c <= 0x2F) || (c >= 0x3A && c <= 0x3F) ||
           (c >= 0x5B && c <= 0x5E) || (c >= 0x7B && c <= 0x7D);
}

// Lower-case letters (a..z, а..я) to upper case and upper to lower; Ё, ё and
// every other byte stay as they are.
std::string InvertCase(std::string_view text, CodePage cp = CodePage::Win);

// Each letter independently upper case with probability 3/5, lower case
// otherwise. The seed makes the result reproducible (tests, zuk-text --seed).
std::string Hackerize(std::string_view text, std::uint64_t seed, CodePage cp = CodePage::Win);
std::string Hackerize(std::string_view text, CodePage cp = CodePage::Win);

// The whole text in lower case except its very first character.
std::string CapitalizeFirst(std::string_view text, CodePage cp = CodePage::Win);

// The first character of every word upper case, the rest lower case.
std::string CapitalizeWords(std::string_view text, CodePage cp = CodePage::Win);

} // namespace zuk::textfunc
