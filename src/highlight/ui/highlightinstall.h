#pragma once

namespace zuk::app::ui {
class TMainForm;
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
// styles, the colour schemes and the file types of the program folder, puts
// the registry and the text styles into the settings record, plugs the
// schemes into the editor, fills and connects the highlighting list and
// builds the "Стиль" submenu. Runs once, after the main settings are read and
// the editor object exists. Unreadable files never stop start-up.
void installHighlighting(app::ui::TMainForm& form);

// The objects made by installHighlighting, or all null before it ran.
HighlightObjects highlightObjects(app::ui::TMainForm& form);

// Builds the "Стиль" submenu anew from the colour schemes in memory (after a
// scheme was saved or deleted and the list reloaded).
void rebuildColorStylesMenu(app::ui::TMainForm& form);

// Refills the highlighting list from the registry (after a scheme was added)
// and shows the active document's highlighter in it again.
void refillSyntaxList(app::ui::TMainForm& form);

} // namespace ui
} // namespace zuk::highlight
