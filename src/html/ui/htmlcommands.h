#pragma once

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::html::ui {

// Registers the commands of the HTML menu with the host: the tag pairs
// (mniLink ... mniLi, the headings H11 ... H62, mniWebFont and the
// alignments), mniBR, the colour commands (mniColorizeText, mniSafepal,
// mniStdPalette), the picture dialog (mniPictureDlg), text to HTML
// (mniText2HTML), the tag clean-up (mniHTMLCleanUp), the link analysis
// (mniAnHypLinx), the document weight (mniDocWeight), the table wizard
// (mniTableMaster) and the text gradient (mnitextGradient). Every dialog is
// made anew for each use.
void installHtmlCommands(app::ui::ToolHost& host);

// The start-up step of the HTML tools, once the parts folder is known: the
// colour dialog's custom colours from stdpickercolors.txt.
void htmlStartup(app::ui::ToolHost& host);

} // namespace zuk::html::ui
