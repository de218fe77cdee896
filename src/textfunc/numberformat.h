#pragma once

#include <string>

namespace zuk::textfunc {

// A real number in the program's general format: at most 15 significant
// digits, trailing zeros and an unneeded separator dropped, scientific
// notation ("1.5E-7", "1E20") only when the magnitude is below 0.00001 or
// there are more than 15 digits before the separator. Zero is "0"; NaN and
// the infinities are "NAN", "INF" and "-INF". The separator is a parameter
// because interface texts use the locale's, while zuk-text always uses '.'.
std::string formatGeneral(double value, char decimalSeparator = '.');

} // namespace zuk::textfunc
