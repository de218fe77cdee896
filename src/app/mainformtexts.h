#pragma once

#include "base/texts.h"

namespace zuk::app {

// The messages of the main window (section MainForm): the ones every
// language file knows and those of the main window's own commands.
const TextTable& mainFormMessages();

} // namespace zuk::app
