#include "app/ui/infoconsole.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace zuk::app::ui {

TInfoConsole::TInfoConsole(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("InfoConsole"));
    setWindowTitle(QStringLiteral("Infoconsole"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_list);
    resize(420, 260);
}

void TInfoConsole::append(const QString& message)
{
    m_list->addItem(QStringLiteral("> ") + message);
    m_list->scrollToBottom();
}

void TInfoConsole::showConsole()
{
    show();
    raise();
}

void TInfoConsole::clear()
{
    m_list->clear();
}

QStringList TInfoConsole::lines() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

} // namespace zuk::app::ui
