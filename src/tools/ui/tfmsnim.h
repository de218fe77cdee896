#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

#include "tools/snippets.h"

#include <functional>
#include <vector>

class QLabel;
class QSizeGrip;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zuk::tools::ui {

// The snippet manager ("Snippet manager"): the tree of the Snippets folder
// in a small tool window. Each node keeps its file's full path. Double click
// or Enter on a file inserts it; the right button or Shift+Enter opens it for
// editing. The window draws its own title bar with the roll-up button "Z",
// so it moves and rolls up alike under any window manager.
class TfmSniM final : public QWidget {
public:
    explicit TfmSniM(QWidget* parent = nullptr);

    // What the window does with a chosen file, and where its tree comes from.
    std::function<void(const QString& path)> insertSnippet;
    std::function<void(const QString& path)> openSnippet;
    std::function<std::vector<SnippetEntry>()> snippets;
    // Whether the tree must be made anew (the snippets-changed flag), and
    // clearing it once it was.
    std::function<bool()> changed;
    std::function<void()> clearChanged;

    QTreeWidget* tree() const { return m_tree; }
    // The tree made anew when the flag says so; called on every activation.
    void refreshIfChanged();
    void rebuild();

    void toggleRollUp();
    bool rolledUp() const { return m_rolledUp; }
    // Position and size as stored: the unrolled height.
    QRect storedGeometry() const;
    void restoreGeometry(const QRect& r);

    // The chosen node: its file inserted (Enter, double click) or opened.
    void activate(QTreeWidgetItem* item, bool open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void addNodes(QTreeWidgetItem* parent, const std::vector<SnippetEntry>& entries);

    QWidget* m_titleBar;
    QLabel* m_caption;
    QToolButton* m_rollUp;
    QTreeWidget* m_tree;
    QSizeGrip* m_grip;
    bool m_rolledUp = false;
    int m_unrolledHeight = 0;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace zuk::tools::ui
