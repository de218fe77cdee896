#pragma once

#include "base/texts.h"

namespace zuk::platform {

// The messages of the program folder that the main window shows (section
// MainForm): a folder that cannot be made and a shipped data file that
// cannot be copied into the program folder, each with the system's reason.
const TextTable& platformMessages();

// The shell operations' questions and failures (section MainForm).
const TextTable& shellMessages();

// Section fmOpenWith: the chooser of a program to open a file with.
const TextTable& openWithTexts();

// Section fmFileProperties: the properties of a file.
const TextTable& filePropertiesTexts();

} // namespace zuk::platform
