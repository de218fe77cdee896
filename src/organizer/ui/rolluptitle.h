#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class QToolButton;

namespace zuk::organizer::ui {

// The title bar of a frameless tool window: its caption, and the button "Z"
// that rolls the window up to the bar and back (a double click on the bar
// does the same). Dragging the bar moves the window, through the window
// manager where there is one and by hand otherwise, so the window behaves
// alike with any window manager or none. The window calls setCaption when
// its title changes.
class TRollUpTitle final : public QWidget {
public:
    explicit TRollUpTitle(QWidget* window);

    QToolButton* rollUpButton() const { return m_button; }
    void setCaption(const QString& caption);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QLabel* m_caption = nullptr;
    QToolButton* m_button = nullptr;
    bool m_dragging = false;
    QPoint m_dragOffset; // from the window's corner to the pointer
};

} // namespace zuk::organizer::ui
