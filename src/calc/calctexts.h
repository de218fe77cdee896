#pragma once

#include "base/texts.h"

#include <string_view>
#include <vector>

namespace zuk::calc {

// The built-in texts of the calculators. Each window has its own section;
// the expression evaluator has no window, so its failures are messages of
// the main window, which shows them in its status bar.

// Section MainForm: the evaluator's failures (sCalc...).
const TextTable& calcMessages();

// Section supacalc: the big-number calculator's captions, the joke lines its
// buttons set as the title (sTitle...), its compare verdicts and the
// failures of the big-number arithmetic it shows in its result field.
const TextTable& supacalcTexts();

// Section fmBaseConv: the base converter dialog and the failures of the
// base conversion.
const TextTable& fmBaseConvTexts();

// Section fm_valconv: the unit converter window, its conversions and its
// failures. A conversion's row has the key "ComboBox2." + a name and the
// conversion's built-in name as its built-in text.
const TextTable& valconvTexts();

// The conversion rows of valconvTexts(), listed ones and the one recognised
// only when typed, in the table's order.
std::vector<const TextRow*> unitConversionRows();

// The key prefix of the conversion rows.
constexpr std::string_view kConversionKeyPrefix = "ComboBox2.";

} // namespace zuk::calc
