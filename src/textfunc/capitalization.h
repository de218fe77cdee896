#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Case changes of Windows-1251 text beyond plain upper and lower case
// (those two live in casefunctions.h). InvertCase and Hackerize use the basic
// byte mapping; the two capitalising functions use the full code-page tables.
namespace zuk::textfunc {

// WordBreakSet: the bytes that end a word for CapitalizeWords. Control
// characters, space, ! and the double quote, ( ) * + , - . /, : ; < = > ?,
// [ \ ] ^ and { | }. Everything else, including every byte from 7E up (so the
// Cyrillic letters, guillemets and dashes), belongs to a word.
constexpr bool inWordBreakSet(unsigned char c)
{
    return c <= 0x22 || (c >= 0x28 && c <= 0x2F) || (c >= 0x3A && c <= 0x3F) ||
           (c >= 0x5B && c <= 0x5E) || (c >= 0x7B && c <= 0x7D);
}

// Lower-case letters (a..z, а..я) to upper case and upper to lower; Ё, ё and
// every other byte stay as they are.
std::string InvertCase(std::string_view text);

// Each letter independently upper case with probability 3/5, lower case
// otherwise. The seed makes the result reproducible (tests, zuk-text --seed).
std::string Hackerize(std::string_view text, std::uint64_t seed);
std::string Hackerize(std::string_view text);

// The whole text in lower case except its very first character.
std::string CapitalizeFirst(std::string_view text);

// The first character of every word upper case, the rest lower case.
std::string CapitalizeWords(std::string_view text);

} // namespace zuk::textfunc
