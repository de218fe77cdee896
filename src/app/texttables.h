#pragma once

#include "base/texts.h"

#include <vector>

namespace zuk::app {

// The text tables of every window and message, in the order the language
// files list their sections; the menu captions come from the command table.
// A subsystem that adds a window or messages adds its tables here.
const std::vector<const TextTable*>& subsystemTextTables();

} // namespace zuk::app
