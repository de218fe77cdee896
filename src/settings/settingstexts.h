#pragma once

#include "base/texts.h"

namespace zuk::settings {

// Section PREFS: the settings dialog — its caption, the captions of its pages
// and controls (keyed by component name) and its messages. The highlighting
// page's message is in the highlighting's own PREFS table.
const TextTable& prefsTexts();

// Section Toolbars: the user toolbars' messages.
const TextTable& toolbarTexts();

} // namespace zuk::settings
