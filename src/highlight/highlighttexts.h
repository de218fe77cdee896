#pragma once

#include "base/texts.h"

namespace zuk::highlight {

// The scheme registration dialog (section fmSyntax).
const TextTable& fmSyntaxTexts();

// The highlighting messages the main window shows (section MainForm): the
// warning about a scheme file that cannot be parsed (two rows, shown as two
// lines) and the failures of writing and removing the highlighting files.
const TextTable& highlightMessages();

// The messages of the settings dialog's highlighting pages (section PREFS).
const TextTable& highlightSettingsMessages();

} // namespace zuk::highlight
