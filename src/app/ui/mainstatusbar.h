#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace zuk::app::ui {

// The main window's status bar: panel 0 the caret position, panel 1 the
// working code page of the active document, panel 2 the processor and
// memory load.
class TMainStatusBar final : public QStatusBar {
public:
    explicit TMainStatusBar(QWidget* parent);

    void setPanel(int panel, const QString& text);
    QString panel(int panel) const;

    // The load panel's text: "CPU::<n>%" when the processor load is shown,
    // followed by " Mem load:<m>%" when the memory load is shown.
    static QString loadText(bool showCpu, int cpuPercent, bool showMemory, int memoryPercent);

private:
    std::array<QLabel*, 3> m_panels{};
};

} // namespace zuk::app::ui
