#pragma once

class QComboBox;

namespace zuk::app::ui {
class ToolHost;
}
namespace zuk::editor {
class CdreamEditor;
}

namespace zuk::highlight {

class CSynMan;
class CMyTextStyles;
class CFontCOlors;
class CPelagos;

namespace ui {

// The highlighting objects of a run: they live from start-up until the main
// window goes, and are written back then (file types, text styles, and the
// scheme registry last).
struct HighlightObjects {
    CSynMan* synMan = nullptr;
    CMyTextStyles* textStyles = nullptr;
    CFontCOlors* colorStyles = nullptr;
    CPelagos* fileTypes = nullptr;
};

// Start-up step of the highlighting: loads the scheme registry, the text
// styles, the colour schemes and the file types of the program folder, plugs
// the schemes and the text styles into the editor, fills and connects the
// highlighting list `syntaxBox` and provides the "Стиль" submenu. Runs once,
// after the main settings are read and the editor object exists. Unreadable
// files never stop start-up.
void installHighlighting(app::ui::ToolHost& host, editor::CdreamEditor& editor,
                         QComboBox* syntaxBox);

// The objects made by installHighlighting, or all null before it ran.
HighlightObjects highlightObjects(app::ui::ToolHost& host);

// Builds the "Стиль" submenu anew from the colour schemes in memory (after a
// scheme was saved or deleted and the list reloaded).
void rebuildColorStylesMenu(app::ui::ToolHost& host);

// Refills the highlighting list from the registry (after a scheme was added)
// and shows the active document's highlighter in it again.
void refillSyntaxList(app::ui::ToolHost& host);

} // namespace ui
} // namespace zuk::highlight
