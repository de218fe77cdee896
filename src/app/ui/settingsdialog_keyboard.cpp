// The keyboard page of the settings dialog: menu shortcuts and the user's
// toolbars.

#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "app/ui/settingsdialog.h"
#include "app/ui/toolbarsholder.h"
#include "base/zukerror.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zuk::app::ui {

namespace {

constexpr int kNameRole = Qt::UserRole;

QString shownCaption(const QAction* item)
{
    QString text = item->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

void addMenuNodes(QTreeWidgetItem* parent, QTreeWidget* tree, const QList<QAction*>& items)
{
    for (QAction* item : items) {
        auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        node->setText(0, item->isSeparator() ? QStringLiteral("-") : shownCaption(item));
        // Only commands can carry a shortcut or be a button.
        if (!item->isSeparator() && !item->menu() && !item->objectName().isEmpty())
            node->setData(0, kNameRole, item->objectName());
        if (QMenu* sub = item->menu())
            addMenuNodes(node, tree, sub->actions());
    }
}

QString toolbarProblem(TMainForm& form, ToolbarNameCheck check, const QString& name)
{
    switch (check) {
    case ToolbarNameCheck::ok:
        return {};
    case ToolbarNameCheck::empty:
        return form.text("Toolbars", "sNameEmpty");
    case ToolbarNameCheck::notAFileName:
        return form.format("Toolbars", "sNameNotFileName", {name});
    case ToolbarNameCheck::taken:
        return form.format("Toolbars", "sNameTaken", {name});
    }
    return {};
}

} // namespace

void Tfopts::buildKeyboardPage()
{
    QWidget* tab = addPage("tsKeyboard");
    auto* outer = new QVBoxLayout(tab);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    outer->addWidget(scroll);
    auto* inner = new QWidget;
    scroll->setWidget(inner);
    auto* page = new QHBoxLayout(inner);

    auto* left = new QVBoxLayout;
    page->addLayout(left, 3);
    m_menuTree = new QTreeWidget;
    m_menuTree->setObjectName(QStringLiteral("vdtMenuItems"));
    m_menuTree->setHeaderHidden(true);
    m_menuTree->setMinimumHeight(260);
    left->addWidget(m_menuTree, 1);
    auto* keys = new QHBoxLayout;
    left->addLayout(keys);
    auto* keyLabel = new QLabel;
    keyLabel->setObjectName(QStringLiteral("lCurrentHotKey"));
    keys->addWidget(keyLabel);
    m_hotKey = new QKeySequenceEdit;
    m_hotKey->setObjectName(QStringLiteral("hkCurrentHotKey"));
    keyLabel->setBuddy(m_hotKey);
    keys->addWidget(m_hotKey, 1);
    auto* assign = new QPushButton;
    assign->setObjectName(QStringLiteral("btAssignShortCut"));
    assign->setAutoDefault(false);
    keys->addWidget(assign);
    auto* clear = new QPushButton;
    clear->setObjectName(QStringLiteral("btDeleteShortCut"));
    clear->setAutoDefault(false);
    keys->addWidget(clear);
    connect(m_menuTree, &QTreeWidget::currentItemChanged, this, [this] {
        QAction* item = focusedItem();
        m_hotKey->setKeySequence(item ? item->shortcut() : QKeySequence());
    });
    connect(assign, &QPushButton::clicked, this, &Tfopts::assignShortcut);
    connect(clear, &QPushButton::clicked, this, &Tfopts::deleteShortcut);
    buildLayoutList(left);

    QGroupBox* bars = group(page, "gbToolbars");
    page->setStretchFactor(bars, 2);
    auto* b = new QVBoxLayout(bars);
    m_toolbars = new QListWidget;
    m_toolbars->setObjectName(QStringLiteral("cbToolbars"));
    b->addWidget(m_toolbars);
    m_showCaptions = check(b, "cbShowCaptions");
    auto* buttonRow = new QHBoxLayout;
    b->addLayout(buttonRow);
    m_toolbarButtons = new QListWidget;
    m_toolbarButtons->setObjectName(QStringLiteral("lbToolbarButtons"));
    buttonRow->addWidget(m_toolbarButtons, 1);
    auto* arrows = new QVBoxLayout;
    buttonRow->addLayout(arrows);
    auto tool = [arrows](const char* name) {
        auto* t = new QToolButton;
        t->setObjectName(QString::fromLatin1(name));
        arrows->addWidget(t);
        return t;
    };
    QToolButton* addButton = tool("sbAddButton");
    QToolButton* delButton = tool("sbDelButton");
    arrows->addStretch();
    auto* edits = new QHBoxLayout;
    b->addLayout(edits);
    auto push = [edits](const char* name) {
        auto* p = new QPushButton;
        p->setObjectName(QString::fromLatin1(name));
        p->setAutoDefault(false);
        edits->addWidget(p);
        return p;
    };
    QPushButton* newBar = push("btNewToolbar");
    QPushButton* renameBar = push("btRenameToolbar");
    QPushButton* deleteBar = push("btDeleteToolbar");
    QPushButton* saveBars = push("btSaveToolbars");

    CToolbarsHolder* holder = toolbarsHolder(m_form);
    bars->setEnabled(holder != nullptr);
    if (!holder)
        return;
    connect(m_toolbars, &QListWidget::currentRowChanged, this, &Tfopts::selectToolbar);
    connect(m_toolbars, &QListWidget::itemChanged, this, [this, holder](QListWidgetItem* item) {
        if (!m_fillingToolbars)
            holder->SetVisible(item->text(), item->checkState() == Qt::Checked);
    });
    connect(m_showCaptions, &QCheckBox::toggled, this, [this, holder](bool on) {
        if (!m_fillingToolbars)
            holder->SetShowCaptions(selectedToolbar(), on);
    });
    connect(addButton, &QToolButton::clicked, this, [this, holder] {
        const QTreeWidgetItem* node = m_menuTree->currentItem();
        if (!node)
            return;
        if (holder->AddButton(selectedToolbar(), node->data(0, kNameRole).toString()))
            selectToolbar();
    });
    connect(delButton, &QToolButton::clicked, this, [this, holder] {
        holder->DeleteButton(selectedToolbar(), m_toolbarButtons->currentRow());
        selectToolbar();
    });
    auto report = [this](ToolbarNameCheck check, const QString& name) {
        const QString problem = toolbarProblem(m_form, check, name);
        if (!problem.isEmpty())
            m_form.showNote(problem);
        return problem.isEmpty();
    };
    connect(newBar, &QPushButton::clicked, this, [this, holder, report] {
        const auto name = m_form.prompt(prefs("sNewToolbar"), prefs("sEnterToolbarName"));
        if (name && report(holder->NewToolbar(*name), *name))
            fillToolbarPage();
    });
    connect(renameBar, &QPushButton::clicked, this, [this, holder, report] {
        const QString old = selectedToolbar();
        if (old.isEmpty())
            return;
        const auto name = m_form.prompt(prefs("sRenameToolbar"), prefs("sEnterNewToolbarName"));
        if (!name)
            return;
        try {
            report(holder->RenameToolbar(old, *name), *name);
        } catch (const ZukError& e) {
            m_form.showNote(m_form.message(e));
        }
        fillToolbarPage();
    });
    connect(deleteBar, &QPushButton::clicked, this, [this, holder] {
        const QString name = selectedToolbar();
        if (name.isEmpty())
            return;
        if (!holder->DeleteToolbar(name))
            m_form.showNote(m_form.format("Toolbars", "sCannotDeleteFile", {name}));
        fillToolbarPage();
    });
    connect(saveBars, &QPushButton::clicked, this, [this, holder] {
        try {
            holder->SaveAll();
        } catch (const ZukError& e) {
            m_form.showNote(m_form.message(e));
        }
    });
    fillToolbarPage();
}

bool Tfopts::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && m_menuTree)
        rebuildMenuTree();
    return QDialog::event(e);
}

void Tfopts::rebuildMenuTree()
{
    if (!m_menuTree)
        return;
    const QString focused = m_menuTree->currentItem()
                                ? m_menuTree->currentItem()->data(0, kNameRole).toString()
                                : QString();
    m_menuTree->clear();
    addMenuNodes(nullptr, m_menuTree, m_form.mainMenu().bar()->actions());
    if (focused.isEmpty())
        return;
    for (QTreeWidgetItemIterator it(m_menuTree); *it; ++it)
        if ((*it)->data(0, kNameRole).toString() == focused) {
            m_menuTree->setCurrentItem(*it);
            break;
        }
}

QAction* Tfopts::focusedItem() const
{
    const QTreeWidgetItem* node = m_menuTree->currentItem();
    if (!node)
        return nullptr;
    const QString name = node->data(0, kNameRole).toString();
    return name.isEmpty() ? nullptr : m_form.mainMenu().action(name);
}

void Tfopts::assignShortcut()
{
    QAction* item = focusedItem();
    if (!item)
        return;
    const QKeySequence keys = m_hotKey->keySequence();
    if (!keys.isEmpty()) {
        // Two items with one shortcut would both stop answering it.
        for (QAction* other : m_form.mainMenu().itemsDepthFirst()) {
            if (other == item || other->shortcut() != keys)
                continue;
            if (!m_form.confirm(
                    m_form.format("PREFS", "sShortcutTaken",
                                  {keys.toString(QKeySequence::NativeText), shownCaption(other)})))
                return;
            other->setShortcut(QKeySequence());
        }
    }
    item->setShortcut(keys);
}

void Tfopts::deleteShortcut()
{
    if (QAction* item = focusedItem()) {
        item->setShortcut(QKeySequence());
        m_hotKey->clear();
    }
}

QString Tfopts::selectedToolbar() const
{
    const QListWidgetItem* item = m_toolbars->currentItem();
    return item ? item->text() : QString();
}

void Tfopts::fillToolbarPage()
{
    CToolbarsHolder* holder = toolbarsHolder(m_form);
    if (!holder)
        return;
    const QString selected = selectedToolbar();
    m_fillingToolbars = true;
    m_toolbars->clear();
    for (const QString& name : holder->ListToolbars()) {
        auto* item = new QListWidgetItem(name, m_toolbars);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(holder->isVisible(name) ? Qt::Checked : Qt::Unchecked);
        if (name == selected)
            m_toolbars->setCurrentItem(item);
    }
    m_fillingToolbars = false;
    if (!m_toolbars->currentItem() && m_toolbars->count() > 0)
        m_toolbars->setCurrentRow(0);
    selectToolbar();
}

void Tfopts::selectToolbar()
{
    CToolbarsHolder* holder = toolbarsHolder(m_form);
    if (!holder)
        return;
    const QString name = selectedToolbar();
    m_fillingToolbars = true;
    m_showCaptions->setChecked(holder->showsCaptions(name));
    m_toolbarButtons->clear();
    for (const QString& button : holder->buttons(name))
        if (QAction* item = holder->menuItem(button))
            m_toolbarButtons->addItem(shownCaption(item));
    m_fillingToolbars = false;
}

} // namespace zuk::app::ui
