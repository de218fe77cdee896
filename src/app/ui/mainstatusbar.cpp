#include "app/ui/mainstatusbar.h"

#include <QLabel>

namespace zuk::app::ui {

TMainStatusBar::TMainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    const int widths[] = {90, 90, 220};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setMinimumWidth(widths[i]);
        // A panel that outgrows its width ("Windows · UTF-8") keeps a gap before the next.
        m_panels[i]->setContentsMargins(0, 0, 12, 0);
        addWidget(m_panels[i], i == 2 ? 1 : 0);
    }
}

void TMainStatusBar::setPanel(int panel, const QString& text)
{
    if (panel >= 0 && panel < 3)
        m_panels[panel]->setText(text);
}

QString TMainStatusBar::panel(int panel) const
{
    return panel >= 0 && panel < 3 ? m_panels[panel]->text() : QString();
}

QString TMainStatusBar::loadText(bool showCpu, int cpuPercent, bool showMemory, int memoryPercent)
{
    QString text;
    if (showCpu)
        text = QStringLiteral("CPU::%1%").arg(cpuPercent);
    if (showMemory)
        text += QStringLiteral(" Mem load:%1%").arg(memoryPercent);
    return text;
}

} // namespace zuk::app::ui
