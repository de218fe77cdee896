#include "app/ui/toolbarsholder.h"

#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

#include <algorithm>
#include <optional>
#include <utility>

namespace zuk::app::ui {

namespace {

constexpr const char* kHolderName = "CToolbarsHolder";

struct Dock {
    const char* name;
    Qt::ToolBarArea area;
};
constexpr Dock kDocks[] = {
    {"controlBarTop", Qt::TopToolBarArea},
    {"ControlBarL", Qt::LeftToolBarArea},
    {"ControlBarR", Qt::RightToolBarArea},
    {"ControlBarBottom", Qt::BottomToolBarArea},
};

// Freedesktop theme icons for the commands that have an obvious one; the
// others show their caption.
constexpr std::pair<const char*, const char*> kThemeIcons[] = {
    {"mniFileNew", "document-new"},      {"mniOpen", "document-open"},
    {"mniSave", "document-save"},        {"mniFileSaveAs", "document-save-as"},
    {"mniSaveAll", "document-save-all"}, {"mniCloseCurrent", "document-close"},
    {"mniPrint", "document-print"},      {"mniExit", "application-exit"},
    {"EditUndoItem", "edit-undo"},       {"Redo1", "edit-redo"},
    {"EditCopyItem", "edit-copy"},       {"EditCutItem", "edit-cut"},
    {"EditPasteItem", "edit-paste"},     {"mniFind", "edit-find"},
    {"mniReplace", "edit-find-replace"}, {"mniOpts", "preferences-system"},
    {"mniGotoLine", "go-jump"},          {"mniFindNext", "go-down-search"},
};

QString qs(const std::string& win)
{
    return QString::fromStdString(codepages::winToUtf8(win));
}

std::string win(const QString& text)
{
    return codepages::utf8ToWin(text.toStdString());
}

// The fallback theme (hicolor) holds the icons of programs, not of commands,
// and reading its index (hundreds of folders) would cost every start about
// 10 ms to find none: without a theme of its own a desktop gets captions.
bool themeHasCommandIcons()
{
    const QString theme = QIcon::themeName();
    return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

} // namespace

CToolbarsHolder::CToolbarsHolder(TMainForm& form) : QObject(&form), m_form(form)
{
    setObjectName(QString::fromLatin1(kHolderName));
}

CToolbarsHolder* toolbarsHolder(TMainForm& form)
{
    return form.findChild<CToolbarsHolder*>(QString::fromLatin1(kHolderName),
                                            Qt::FindDirectChildrenOnly);
}

ToolbarFolder CToolbarsHolder::folder() const
{
    QString path = m_form.dataPath(QStringLiteral("Toolbars"));
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return ToolbarFolder(path.toStdString());
}

QAction* CToolbarsHolder::menuItem(const QString& componentName) const
{
    if (componentName.isEmpty())
        return nullptr;
    QAction* item = m_form.mainMenu().action(componentName);
    if (!item || item->isSeparator())
        return nullptr;
    return item;
}

void CToolbarsHolder::addButton(QToolBar* bar, QAction* item)
{
    if (item->icon().isNull() && themeHasCommandIcons())
        for (const auto& [name, icon] : kThemeIcons)
            if (item->objectName() == QLatin1String(name) && QIcon::hasThemeIcon(icon))
                item->setIcon(QIcon::fromTheme(icon));
    bar->addAction(item);
}

QToolBar* CToolbarsHolder::makeToolbar(const ToolbarLayout& layout)
{
    auto* bar = new QToolBar(qs(layout.caption), &m_form);
    bar->setObjectName(QStringLiteral("userToolbar:") + qs(layout.caption));
    bar->setFloatable(false); // a floating bar could not be put back where it was
    Entry entry{bar, {}};
    for (const std::string& name : layout.buttons)
        if (QAction* item = menuItem(QString::fromStdString(name))) {
            addButton(bar, item);
            entry.buttons.push_back(name);
        }
    bar->setToolButtonStyle(layout.showCaptions ? Qt::ToolButtonTextBesideIcon
                                                : Qt::ToolButtonIconOnly);
    Qt::ToolBarArea area = Qt::TopToolBarArea;
    for (const Dock& dock : kDocks)
        if (layout.dock == dock.name)
            area = dock.area;
    m_form.addToolBar(area, bar);
    bar->setVisible(layout.visible);
    m_toolbars.push_back(std::move(entry));
    return bar;
}

void CToolbarsHolder::LoadAll()
{
    for (Entry& entry : m_toolbars)
        delete entry.bar.data();
    m_toolbars.clear();
    std::vector<ToolbarLayout> layouts = folder().loadAll([this](std::string_view name) {
        return menuItem(QString::fromStdString(std::string(name))) != nullptr;
    });
    // Within an area the bars stand in the order of their stored positions.
    std::stable_sort(layouts.begin(), layouts.end(), [](const auto& a, const auto& b) {
        return std::pair(a.top, a.left) < std::pair(b.top, b.left);
    });
    for (const ToolbarLayout& layout : layouts)
        makeToolbar(layout);
}

ToolbarLayout CToolbarsHolder::layoutOf(const QToolBar* bar) const
{
    ToolbarLayout layout;
    layout.caption = win(bar->windowTitle());
    layout.top = bar->y();
    layout.left = bar->x();
    const Qt::ToolBarArea area = m_form.toolBarArea(const_cast<QToolBar*>(bar));
    for (const Dock& dock : kDocks)
        if (dock.area == area)
            layout.dock = dock.name;
    layout.visible = !bar->isHidden();
    layout.showCaptions = bar->toolButtonStyle() != Qt::ToolButtonIconOnly;
    if (const Entry* entry = find(bar->windowTitle()))
        layout.buttons = entry->buttons;
    return layout;
}

void CToolbarsHolder::SaveAll()
{
    std::optional<IoError> failure;
    const ToolbarFolder files = folder();
    for (const Entry& entry : m_toolbars) {
        if (!entry.bar)
            continue;
        try {
            files.save(layoutOf(entry.bar));
        } catch (const IoError& e) {
            if (!failure)
                failure = e;
        }
    }
    if (failure)
        throw *failure;
}

CToolbarsHolder::Entry* CToolbarsHolder::find(const QString& name)
{
    for (Entry& entry : m_toolbars)
        if (entry.bar && entry.bar->windowTitle() == name)
            return &entry;
    return nullptr;
}

const CToolbarsHolder::Entry* CToolbarsHolder::find(const QString& name) const
{
    return const_cast<CToolbarsHolder*>(this)->find(name);
}

QStringList CToolbarsHolder::ListToolbars() const
{
    QStringList list;
    for (const Entry& entry : m_toolbars)
        if (entry.bar)
            list << entry.bar->windowTitle();
    return list;
}

QToolBar* CToolbarsHolder::toolbar(const QString& name) const
{
    const Entry* entry = find(name);
    return entry ? entry->bar.data() : nullptr;
}

QStringList CToolbarsHolder::buttons(const QString& name) const
{
    QStringList list;
    if (const Entry* entry = find(name))
        for (const std::string& button : entry->buttons)
            list << QString::fromStdString(button);
    return list;
}

bool CToolbarsHolder::isVisible(const QString& name) const
{
    const QToolBar* bar = toolbar(name);
    return bar && !bar->isHidden();
}

bool CToolbarsHolder::showsCaptions(const QString& name) const
{
    const QToolBar* bar = toolbar(name);
    return bar && bar->toolButtonStyle() != Qt::ToolButtonIconOnly;
}

void CToolbarsHolder::SetVisible(const QString& name, bool visible)
{
    if (QToolBar* bar = toolbar(name))
        bar->setVisible(visible);
}

void CToolbarsHolder::SetShowCaptions(const QString& name, bool show)
{
    if (QToolBar* bar = toolbar(name))
        bar->setToolButtonStyle(show ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
}

bool CToolbarsHolder::AddButton(const QString& name, const QString& componentName)
{
    Entry* entry = find(name);
    QAction* item = menuItem(componentName);
    if (!entry || !item)
        return false;
    addButton(entry->bar, item);
    entry->buttons.push_back(componentName.toStdString());
    return true;
}

void CToolbarsHolder::DeleteButton(const QString& name, int index)
{
    Entry* entry = find(name);
    if (!entry || index < 0 || index >= static_cast<int>(entry->buttons.size()))
        return;
    entry->bar->removeAction(entry->bar->actions().at(index));
    entry->buttons.erase(entry->buttons.begin() + index);
}

std::vector<std::string> CToolbarsHolder::names(const QString& except) const
{
    std::vector<std::string> list;
    for (const QString& name : ListToolbars())
        if (name != except)
            list.push_back(win(name));
    return list;
}

bool CToolbarsHolder::IsFreeName(const QString& name) const
{
    return checkToolbarName(win(name), names()) == ToolbarNameCheck::ok;
}

ToolbarNameCheck CToolbarsHolder::RenameToolbar(const QString& name, const QString& newName)
{
    Entry* entry = find(name);
    if (!entry)
        return ToolbarNameCheck::ok;
    const ToolbarNameCheck check = checkToolbarName(win(newName), names(name));
    if (check != ToolbarNameCheck::ok)
        return check;
    ToolbarLayout layout = layoutOf(entry->bar);
    layout.caption = win(newName);
    const bool oldRemoved = folder().rename(win(name), layout); // throws: the old name stays
    entry->bar->setWindowTitle(newName);
    entry->bar->setObjectName(QStringLiteral("userToolbar:") + newName);
    if (!oldRemoved)
        m_form.showNote(m_form.format("Toolbars", "sCannotDeleteFile", {name}));
    return ToolbarNameCheck::ok;
}

bool CToolbarsHolder::DeleteToolbar(const QString& name)
{
    Entry* entry = find(name);
    if (!entry)
        return true;
    delete entry->bar.data();
    m_toolbars.erase(m_toolbars.begin() + (entry - m_toolbars.data()));
    return folder().remove(win(name));
}

ToolbarNameCheck CToolbarsHolder::NewToolbar(const QString& name)
{
    const ToolbarNameCheck check = checkToolbarName(win(name), names());
    if (check != ToolbarNameCheck::ok)
        return check;
    ToolbarLayout layout;
    layout.caption = win(name);
    layout.dock = kDocks[0].name;
    makeToolbar(layout);
    return ToolbarNameCheck::ok;
}

} // namespace zuk::app::ui
