#pragma once

#include "base/texts.h"

namespace zuk::textfunc {

// The messages of the text functions (section MainForm): why a function
// refused its input, as the main window's status bar shows it, and the count
// line the anagram command writes into the document.
const TextTable& textFunctionMessages();

// The dialog of the enclose command (section fmba).
const TextTable& encloseDialogTexts();

} // namespace zuk::textfunc
