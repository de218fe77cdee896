#pragma once

#include "base/texts.h"

namespace zuk::editor {

// The document window (section editor): the items of its context menu by
// component name and its messages.
const TextTable& editorTexts();

// The document-list window (section fmdox).
const TextTable& doxTexts();

// The go-to-line prompt of the text control (section GotoLineDialog).
const TextTable& gotoLineTexts();

// Failures of the editor interface that the main window reports (section
// MainForm, keys beginning sEditor).
const TextTable& editorMessages();

} // namespace zuk::editor
