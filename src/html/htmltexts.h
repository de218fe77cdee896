#pragma once

#include "base/texts.h"

namespace zuk::html {

// The built-in texts of the HTML tools, one table per window.

// Section MainForm: the messages and questions of the HTML commands.
const TextTable& htmlMessages();

// Section fmText2HTML: the options dialog of text to HTML.
const TextTable& text2HtmlTexts();

// Section fmHTMLCleanUpoptsions: the tag clean-up dialog ("Tag killa").
const TextTable& cleanUpTexts();

// Section tablewizard: the table wizard.
const TextTable& tableWizardTexts();

// Section fmGradtextOpts: the gradient dialog.
const TextTable& gradientTexts();

// Section fmWebSafePalette: the web-safe colour picker.
const TextTable& webSafeTexts();

// Section fmThumbOptions: the gallery options dialog.
const TextTable& thumbOptionsTexts();

} // namespace zuk::html
