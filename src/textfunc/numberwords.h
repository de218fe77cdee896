#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers written as words. The results are Windows-1251 bytes; the German
// words carry ü and ö as their Latin-1 bytes FC and F6, as the program has
// always written them.
namespace zuk::textfunc {

// Every character of the text is a digit (0 for anything that is not 0..9),
// grouped in threes from the right: "Двадцать один", "Две тысячи один".
// A text with no non-zero digit gives "Ноль". No blank at either end.
std::string RussianWords(std::string_view digits);

// "one hundred and fifteen", "fourty", "two point five". The integer part
// must fit 64 bits; throws FormatError otherwise.
std::string EnglishWords(double value);

// "einundzwanzig", "eintausendein", "minus eins"; correct for every 32-bit
// value including the smallest.
std::string GermanWords(std::int32_t value);

} // namespace zuk::textfunc
