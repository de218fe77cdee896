#pragma once

#include "base/texts.h"

namespace zuk::app {

// The messages of the main window (section MainForm): the ones every
// language file knows and those of the main window's own commands.
const TextTable& mainFormMessages();

// The information console (section InfoConsole).
const TextTable& infoConsoleTexts();

} // namespace zuk::app
