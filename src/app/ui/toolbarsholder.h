#pragma once

#include "app/toolbarfile.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

class QAction;
class QToolBar;

namespace zuk::app::ui {

class TMainForm;

// The user's toolbars: QToolBars in the main window's four areas whose
// buttons share the menu items' actions (so they follow the language and the
// enabled state). Each toolbar is kept in Toolbars/<name>.txt. Made by the
// main window; the settings dialog's toolbar page edits through it by name.
class CToolbarsHolder final : public QObject {
public:
    explicit CToolbarsHolder(TMainForm& form);

    // Every Toolbars/*.txt; a toolbar already shown is replaced.
    void LoadAll();
    // Writes every toolbar (one emptied of buttons too, so it stays empty).
    // Throws IoError after trying them all when one could not be written.
    void SaveAll();

    QStringList ListToolbars() const;
    QToolBar* toolbar(const QString& name) const;
    // The component names of the buttons, left to right.
    QStringList buttons(const QString& name) const;
    bool isVisible(const QString& name) const;
    bool showsCaptions(const QString& name) const;

    void SetVisible(const QString& name, bool visible);
    void SetShowCaptions(const QString& name, bool show);
    // A button for the menu item of this component name; false for an item
    // that is no menu command or submenu (separators have no name).
    bool AddButton(const QString& name, const QString& componentName);
    void DeleteButton(const QString& name, int index);
    // Checks the name, writes the toolbar under it, then removes the old file.
    // Returns what was wrong with the name; a failed write throws IoError and
    // leaves the old name.
    ToolbarNameCheck RenameToolbar(const QString& name, const QString& newName);
    // False when its file could not be removed (the toolbar is gone anyway).
    bool DeleteToolbar(const QString& name);
    ToolbarNameCheck NewToolbar(const QString& name);
    bool IsFreeName(const QString& name) const;

    // The item of a component name anywhere in the menu tree, or nullptr.
    QAction* menuItem(const QString& componentName) const;

private:
    struct Entry {
        QPointer<QToolBar> bar;
        std::vector<std::string> buttons;
    };
    QToolBar* makeToolbar(const ToolbarLayout& layout);
    void addButton(QToolBar* bar, QAction* item);
    ToolbarLayout layoutOf(const QToolBar* bar) const;
    Entry* find(const QString& name);
    const Entry* find(const QString& name) const;
    std::vector<std::string> names(const QString& except = {}) const;
    ToolbarFolder folder() const;

    TMainForm& m_form;
    std::vector<Entry> m_toolbars;
};

// The instance the main window made, or nullptr.
CToolbarsHolder* toolbarsHolder(TMainForm& form);

} // namespace zuk::app::ui
