#pragma once

#include <string>
#include <vector>

namespace zuk::calc {

// The unit converter's conversions, named by their exact UTF-8 texts.

// The names the converter's list shows, in their order.
const std::vector<std::string>& unitConversionNames();

// True when name (listed or not) names a conversion.
bool isUnitConversion(const std::string& name);

// x converted by the named conversion. Throws zuk::FormatError for a name
// that names none: a typing slip must not pass for a result of 0.
long double convertUnits(const std::string& name, long double x);

// The converter's whole action on texts: reads numberText with the given
// decimal separator, converts and writes the result in the general format.
// Throws zuk::FormatError for a number that does not parse, a result too
// large to hold, or a name that names no conversion.
std::string convertUnitsText(const std::string& numberText, const std::string& name,
                             char decimalSeparator);

} // namespace zuk::calc
