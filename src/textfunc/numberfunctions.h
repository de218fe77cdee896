#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Roman numerals, number bases and the two date answers. The base functions
// are also the arithmetic of the base converter.
namespace zuk::textfunc {

// "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ": a digit's value is its index.
extern const char DigitAlphabet[37];

// The largest number IntToRoman writes (one M per thousand gets long fast).
constexpr std::int64_t MaxRomanNumber = 100000;

// True for a non-empty text of the digits 0..9 only.
bool isAllDigits(std::string_view text);

// A decimal integer with an optional sign, blanks around it allowed. Throws
// FormatError when the text is not a number or does not fit.
std::int32_t parseInt32(std::string_view text);
std::int64_t parseInt64(std::string_view text);

// A real number with an optional sign, the given decimal separator and an
// optional exponent; throws FormatError otherwise.
double parseReal(std::string_view text, char decimalSeparator);

// MCMXCIV from 1994, the empty text from 0. Throws FormatError for a negative
// number or one above MaxRomanNumber.
std::string IntToRoman(std::int64_t n);

// Case-insensitive; a leading "-" negates. Any character that is not a Roman
// letter makes the result 0. Not checked for well-formedness (IIII is 4).
std::int64_t RomanToInt(std::string_view text);

// Digits of DigitAlphabet (letters in either case) read in the base; the
// arithmetic is 64-bit and wraps, so sixteen F in base 16 read as -1.
// Throws FormatError "Invalid base" for a base above 36 and "Invalid
// character 'c'" for a character that is not a digit of the base.
std::int64_t ParseInBase(std::string_view text, int base);

// Upper-case digits, no leading zeros; 0 gives "0". A negative value is
// written with a leading "-". Throws FormatError for a base outside 2..36.
std::string FormatInBase(std::int64_t value, int base);

bool IsLeapYear(std::int64_t year);

// The selection of the leap-year command followed by its answer. Throws
// FormatError "Че-то не то!" unless the text is all digits and fits 32 bits.
std::string LeapYearAnswer(std::string_view yearText, std::string_view leapNote,
                           std::string_view notLeapNote);
// The same with the built-in Windows-1251 notes.
std::string LeapYearAnswer(std::string_view yearText);

// The day of the year counted from 1 January = 0 (what the day-number
// command inserts); month 1..12, day 1..31.
int DayNumberInYear(int year, int month, int day);
// The same for today in local time.
int DayNumberToday();

} // namespace zuk::textfunc
