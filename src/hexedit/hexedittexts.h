#pragma once

#include "base/texts.h"

namespace zuk::hexedit {

// Section fmhexedit: the hex editor window, its menu, its status line, its
// questions and the failures of its core (bad layout values, a marker index
// out of range, a file that is no regular file or changed while saving).
const TextTable& hexEditTexts();

// Section fmhexedoptz: the hex editor's options window and the failure of a
// value typed there that is no integer.
const TextTable& hexEditOptionsTexts();

} // namespace zuk::hexedit
