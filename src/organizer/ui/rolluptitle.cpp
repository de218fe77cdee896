#include "organizer/ui/rolluptitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>

namespace zuk::organizer::ui {

TRollUpTitle::TRollUpTitle(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("pnTitle"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Highlight);
    setForegroundRole(QPalette::HighlightedText);
    setCursor(Qt::SizeAllCursor);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 1, 1);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lCaption"));
    m_caption->setForegroundRole(QPalette::HighlightedText);
    m_caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The label lets the bar see the pointer, so it can be grabbed anywhere.
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_button = new QToolButton(this);
    m_button->setObjectName(QStringLiteral("btRollUp"));
    m_button->setText(QStringLiteral("Z"));
    m_button->setAutoRaise(true);
    m_button->setCursor(Qt::ArrowCursor);
    layout->addWidget(m_caption, 1);
    layout->addWidget(m_button);
}

void TRollUpTitle::setCaption(const QString& caption)
{
    m_caption->setText(caption);
}

void TRollUpTitle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    QWidget* w = window();
    if (w->windowHandle() && w->windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - w->pos();
}

void TRollUpTitle::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        window()->move(event->globalPosition().toPoint() - m_dragOffset);
    else
        QWidget::mouseMoveEvent(event);
}

void TRollUpTitle::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void TRollUpTitle::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_button->click();
}

} // namespace zuk::organizer::ui
