#include "app/ui/localiser.h"

#include "app/textservice.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

namespace zuk::app::ui {

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

constexpr std::string_view kCaption = "caption";
constexpr std::string_view kHint = ".hint";

// A page of a tab widget sits in the tab widget's stack.
QTabWidget* tabsOfPage(QWidget* page)
{
    QWidget* stack = page->parentWidget();
    if (!qobject_cast<QStackedWidget*>(stack))
        return nullptr;
    return qobject_cast<QTabWidget*>(stack->parentWidget());
}

QObject* component(QWidget* window, const QString& name)
{
    if (window->objectName() == name)
        return window;
    return window->findChild<QObject*>(name);
}

} // namespace

bool setComponentText(QObject* object, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(object))
        box->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* page = qobject_cast<QWidget*>(object); page && tabsOfPage(page)) {
        QTabWidget* tabs = tabsOfPage(page);
        tabs->setTabText(tabs->indexOf(page), text);
    } else
        return false;
    return true;
}

void localiseWindow(QWidget* window, const TextTable& table, const TextService& texts, bool builtIn)
{
    for (const TextRow& row : table.rows) {
        QString text;
        if (builtIn) {
            text = qs(row.builtIn);
        } else if (const auto value = texts.lookup(table.section, row.key)) {
            text = QString::fromStdString(*value);
        } else {
            continue;
        }
        const std::string_view key = row.key;
        if (key == kCaption) {
            window->setWindowTitle(text);
        } else if (key.size() > kHint.size() && key.substr(key.size() - kHint.size()) == kHint) {
            if (auto* w = qobject_cast<QWidget*>(
                    component(window, qs(key.substr(0, key.size() - kHint.size())))))
                w->setToolTip(text);
        } else if (QObject* c = component(window, qs(key))) {
            setComponentText(c, text);
        }
    }
}

} // namespace zuk::app::ui
