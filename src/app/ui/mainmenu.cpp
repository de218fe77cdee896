#include "app/ui/mainmenu.h"

#include "app/commandtable.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace zuk::app::ui {

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

void collect(const QList<QAction*>& actions, QList<QAction*>& out)
{
    for (QAction* a : actions) {
        if (a->isSeparator())
            continue;
        out << a;
        if (QMenu* m = a->menu())
            collect(m->actions(), out);
    }
}

} // namespace

TMainMenu::TMainMenu(QMenuBar* bar, std::function<void(const QString&)> onCommand, QObject* parent)
    : QObject(parent), m_bar(bar)
{
    for (const CommandRow& row : commandTable()) {
        const QString name = qs(row.name);
        const QString parentName = qs(row.parent);
        QMenu* holder = parentName.isEmpty() ? nullptr : m_menus.value(parentName);
        switch (row.kind) {
        case RowKind::Menu: {
            QMenu* m = holder ? holder->addMenu(qs(row.caption)) : bar->addMenu(qs(row.caption));
            m->setObjectName(name);
            m->menuAction()->setObjectName(name);
            m_menus.insert(name, m);
            m_actions.insert(name, m->menuAction());
            break;
        }
        case RowKind::Separator:
            if (holder)
                holder->addSeparator()->setObjectName(name);
            break;
        case RowKind::Command: {
            if (!holder)
                break;
            QAction* a = holder->addAction(qs(row.caption));
            a->setObjectName(name);
            a->setCheckable(row.checkable);
            if (!row.shortcut.empty())
                a->setShortcut(
                    QKeySequence::fromString(qs(row.shortcut), QKeySequence::PortableText));
            a->setEnabled(false); // enabled when a handler is registered
            m_actions.insert(name, a);
            QObject::connect(a, &QAction::triggered, this, [onCommand, name] { onCommand(name); });
            break;
        }
        }
    }
}

QAction* TMainMenu::action(const QString& name) const
{
    return m_actions.value(name);
}

QMenu* TMainMenu::menu(const QString& name) const
{
    return m_menus.value(name);
}

QList<QAction*> TMainMenu::itemsDepthFirst() const
{
    QList<QAction*> out;
    collect(m_bar->actions(), out);
    return out;
}

QList<QPair<QString, QString>> TMainMenu::shortcutLines() const
{
    QList<QPair<QString, QString>> lines;
    QSet<QString> seen;
    for (QAction* a : itemsDepthFirst()) {
        const QString key = a->objectName().isEmpty() ? a->text() : a->objectName();
        if (a->shortcut().isEmpty() || seen.contains(key.toLower()))
            continue;
        seen.insert(key.toLower());
        lines.append({key, windowsShortcutText(a->shortcut())});
    }
    return lines;
}

int TMainMenu::applyShortcuts(
    const std::function<QString(const QString& name, const QString& caption)>& lookup)
{
    int changed = 0;
    for (QAction* a : itemsDepthFirst()) {
        const QString keys = lookup(a->objectName(), a->text());
        if (keys.isEmpty())
            continue;
        a->setShortcut(QKeySequence::fromString(keys, QKeySequence::PortableText));
        ++changed;
    }
    return changed;
}

QString TMainMenu::windowsShortcutText(const QKeySequence& keys)
{
    if (keys.isEmpty())
        return {};
    const QKeyCombination combo = keys[0];
    QString text;
    if (combo.keyboardModifiers() & Qt::ShiftModifier)
        text += QStringLiteral("Shift+");
    if (combo.keyboardModifiers() & Qt::ControlModifier)
        text += QStringLiteral("Ctrl+");
    if (combo.keyboardModifiers() & Qt::AltModifier)
        text += QStringLiteral("Alt+");
    return text + QKeySequence(combo.key()).toString(QKeySequence::PortableText);
}

} // namespace zuk::app::ui
