#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;

namespace zuk::app::ui {

// The information console: a tool window with a read-only list of lines. Any
// part of the program may append a message (shown after "> ") and show it.
// Made once at program entry and owned by the main window.
class TInfoConsole final : public QWidget {
public:
    explicit TInfoConsole(QWidget* parent);

    void append(const QString& message);
    void showConsole();
    void clear();
    QStringList lines() const;

private:
    void place();

    QListWidget* m_list = nullptr;
    bool m_placed = false;
};

} // namespace zuk::app::ui
