#pragma once

#include "base/texts.h"

namespace zuk::io {

// The messages of reading and writing files that the main window shows
// (section MainForm): a file that cannot be read or written, with the
// system's reason, and an RTF file that cannot be imported.
const TextTable& ioMessages();

} // namespace zuk::io
