#pragma once

#include <string>
#include <string_view>

namespace zuk::calc {

// The program's general number format: at most 15 significant digits, trailing
// zeros and an unneeded separator dropped, scientific notation only below
// 0.00001 in magnitude or with more than 15 digits before the separator
// ("1E20", "1,5E-7"). Infinities and NaN are written "INF", "-INF", "NAN".
std::string formatGeneral(long double value, char decimalSeparator = '.');

// Reads a whole text as a decimal real number: optional blanks around, an
// optional sign, digits with an optional fraction after decimalSeparator, an
// optional exponent. Returns false when the text is anything else.
bool parseReal(std::string_view text, char decimalSeparator, long double& value);

// The text quoted for an error message, cut to a few dozen bytes on a UTF-8
// character boundary so that a huge input does not make a huge message.
std::string quoteForMessage(std::string_view text);

// The text without blanks, tabs and line breaks at either end (operands typed
// or selected with a trailing break).
std::string_view trimmed(std::string_view s);

} // namespace zuk::calc
