#pragma once

#include "editor/textstyles.h"
#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"

#include <vector>

namespace zuk::settings {
struct RConnectionTable;
}

namespace zuk::highlight {

// The text styles as the editor's style list holds them, position i giving
// token class i: colours and flags as stored, a system colour (negative) as
// "use the control's background".
std::vector<editor::TextStyle> textStyleSet(const CMyTextStyles& styles);

// The 17 styles a document gets when the text styles are applied: plain text
// in the main colours; with text_styles_use_back_color every style but
// BreakPoint, Error line and Search Match on BGColor and Marked Block in the
// selection colours; without it every style on its own background. Error line
// and plain text are drawn in the plain font.
std::vector<editor::TextStyle> documentTextStyles(const CMyTextStyles& styles,
                                                  const settings::RConnectionTable& settings);

// Choosing a colour scheme: the four main colours of the settings take the
// scheme's colours, and the text styles of the token classes (isTokenStyle)
// take the scheme's token colours. A class the scheme has no colour for keeps
// its colour when that reads on the background the class is drawn on (a
// contrast ratio of kMinTextContrast), else gets the nearest colour that does,
// so a scheme file of only the four main colours never draws black on black.
// The caller then recolours every document.
void applyColorStyle(const CColorStyle& style, CMyTextStyles& styles,
                     settings::RConnectionTable& settings);

} // namespace zuk::highlight
