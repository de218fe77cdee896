#pragma once

#include <QString>

#include <functional>
#include <string>

class QComboBox;
class QMenu;
class QWidget;

namespace zuk::app {
class TextService;
}
namespace zuk::editor {
class CdreamEditor;
class Ted;
} // namespace zuk::editor

namespace zuk::highlight {

class CSynMan;
class CMyTextStyles;
class CFontCOlors;
class CColorStyle;

namespace ui {

// Applies the registered scheme `name` (Windows-1251) to a document window:
// the window's own CMyPar is made on first use (and kept for later schemes),
// configured from the scheme file and attached as its highlighter. False, with
// the window unchanged, when no scheme has that name or its file cannot be
// parsed; in the latter case the warning box (schemeParseWarning) is shown
// over `warnParent`. A scheme whose file is missing is attached with the
// keywords the CMyPar had before.
bool ApplyScheme(editor::Ted* ted, const CSynMan& registry, const std::string& name,
                 QWidget* warnParent, const app::TextService& texts);

// The two lines of the warning about a scheme file that cannot be parsed, in
// the current language; a language file without them gets the English ones.
QString schemeParseWarning(const app::TextService& texts);

// Plugs the scheme registry and the text styles (both outlive the editor)
// into the editor interface: the automatic choice on open, SetSyntax of a
// scheme name and ApplyTextStyles. `texts` (which outlives the editor too)
// words a scheme file's warning.
void installSchemeHooks(editor::CdreamEditor& editor, const CSynMan& registry,
                        const CMyTextStyles& styles, const app::TextService& texts);

// Fills the highlighting list: the built-in names, the scheme names, "No".
// The caller guards the change handler while this runs.
void fillSyntaxBox(QComboBox* box, const CSynMan* registry);

// The change handler of the highlighting list (cbSyntax): with a document
// open and the list not being set by the program (HighlightListUpdating),
// "No" detaches the highlighter, a built-in name attaches that highlighter and
// any other name applies the scheme. A name no longer registered refills the
// list without it and shows the document's highlighting again.
void cbSyntaxChange(editor::CdreamEditor& editor, const CSynMan& registry, QComboBox* box,
                    const QString& text);

// Adds to the "Стиль" submenu one item per scheme in list order, captioned with
// its name (no accelerators) and drawn bold in the scheme's own colours, which
// change places while the item is highlighted. `choose` gets the scheme a
// click picks (the last one of the item's name).
void fillColorStylesMenu(QMenu* menu, const CFontCOlors& schemes,
                         std::function<void(const CColorStyle&)> choose);

} // namespace ui
} // namespace zuk::highlight
