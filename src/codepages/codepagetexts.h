#pragma once

#include "base/texts.h"

namespace zuk::codepages {

// The messages and file-dialog captions of the Encoding menu and of the
// import and export commands (section MainForm).
const TextTable& codePageMessages();

} // namespace zuk::codepages
