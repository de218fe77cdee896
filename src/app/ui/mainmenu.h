#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <string_view>

class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;

namespace zuk::app::ui {

// The main menu, built from the command table. Every item is a QAction whose
// objectName is the component name; a submenu's menuAction carries the name
// of its menu row. The menus and actions are children of the menu bar.
class TMainMenu final : public QObject {
public:
    // Builds the whole menu into `bar`. `onCommand` is called with the
    // component name when a command item is triggered.
    TMainMenu(QMenuBar* bar, std::function<void(const QString&)> onCommand, QObject* parent);

    QMenuBar* bar() const { return m_bar; }
    // The item with this component name (a command or a menu's action), or nullptr.
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;

    // Every item of the menu tree depth first in menu order: an item, then the
    // items of its submenu. Separators are left out. Items that other parts add
    // later (history entries, plug-ins, ...) are included.
    QList<QAction*> itemsDepthFirst() const;

    // The shortcut lines of the whole tree: (component name, or the caption as
    // shown for an item without one; shortcut in Windows form) for every item
    // that has a shortcut. Items with equal keys share the first one's line.
    QList<QPair<QString, QString>> shortcutLines() const;

    // Gives every item for which `lookup` (component name, caption) answers a
    // shortcut text (non-empty) that shortcut; other items keep theirs.
    // Returns how many changed.
    int applyShortcuts(
        const std::function<QString(const QString& name, const QString& caption)>& lookup);

    // A shortcut in the Windows form: Shift, Ctrl and Alt in that order, then the key.
    static QString windowsShortcutText(const QKeySequence& keys);

private:
    QMenuBar* m_bar;
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
};

} // namespace zuk::app::ui
