#include "app/ui/infoconsole.h"

#include <algorithm>

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
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
    if (!m_placed) {
        m_placed = true;
        place();
    }
    show();
    raise();
}

// The first showing puts the console at the right edge of the main window, and
// wholly on the screen the main window is on, however small that screen is.
void TInfoConsole::place()
{
    QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QSize size = this->size().boundedTo(area.size() * 9 / 10);
    resize(size);
    QPoint at = owner ? owner->frameGeometry().topRight() - QPoint(size.width() + 24, -64)
                      : area.center() - QPoint(size.width() / 2, size.height() / 2);
    at.setX(std::clamp(at.x(), area.left(), area.right() - size.width()));
    at.setY(std::clamp(at.y(), area.top(), area.bottom() - size.height()));
    move(at);
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
