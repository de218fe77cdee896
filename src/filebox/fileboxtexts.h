#pragma once

#include "base/texts.h"

namespace zuk::filebox {

// Section filebox: the file box's menus and toolbar (by component name), its
// questions and its reports.
const TextTable& fileBoxTexts();

// Section frm_FileFind: the find-in-files window, its status texts and jokes.
const TextTable& fileFindTexts();

} // namespace zuk::filebox
