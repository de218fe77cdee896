#pragma once

#include "base/texts.h"

namespace zuk::organizer {

// Section fmbmxtree: the bookmark window, its menu, its question, and the
// failures of the bookmark tree file.
const TextTable& bmxTreeTexts();

// Section frm_cal: the calendar window and the lines it writes.
const TextTable& calendarTexts();

// Section fmPim: the personal manager, its notepad, the year planner with
// its menu and boxes, and the failures of the year files.
const TextTable& pimTexts();

// Section YearGridEditF: the planner's note dialog.
const TextTable& yearGridEditTexts();

// Section fm_GViewer: the picture viewer.
const TextTable& viewerTexts();

// Section frm_CharTable: the character table.
const TextTable& charTableTexts();

// Section Melody: what the melody player tells the user.
const TextTable& melodyTexts();

} // namespace zuk::organizer
