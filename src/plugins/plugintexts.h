#pragma once

#include "base/texts.h"

namespace zuk::plugins {

// Section MainForm: the failures of plug-in calls and of the plug-in list,
// and the texts of the plug-in menu's progress box and questions. Shown by
// the main window (and by zuk-text, in their built-in words).
const TextTable& pluginMessages();

} // namespace zuk::plugins
