#pragma once

#include <cstdint>
#include <string>

namespace zuk::calc {

// The base converter: integers between decimal and any base from 2 to 36
// over the digits 0-9, A-Z. Every failure throws zuk::FormatError with the
// message the dialog shows.

// The digits of v in base (upper case, no leading zeros; 0 is "0").
std::string formatInBase(std::uint64_t v, int base);
// Digits of either case in base; 64-bit arithmetic that wraps on overflow, so
// sixteen F digits in base 16 are -1. "Invalid base" outside 2..36,
// "Invalid character 'c'" for a character that is no digit of the base.
std::int64_t parseInBase(const std::string& digits, int base);

// The base field: a 32-bit signed decimal integer taken modulo 256 (272 is 16).
int readBaseField(const std::string& text);

// "Из десятичного в  по такой-то базе": the number field is a 32-bit signed
// decimal integer; a negative number is refused.
std::string decimalToBase(const std::string& numberText, const std::string& baseText);
// "Из такой-то базы в десятичное": the result as a signed 64-bit decimal.
std::string baseToDecimal(const std::string& numberText, const std::string& baseText);

} // namespace zuk::calc
