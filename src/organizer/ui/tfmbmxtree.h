#pragma once

#include "organizer/bookmarktree.h"
#include "organizer/ui/deferredsave.h"

#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

class QLineEdit;
class QMenuBar;
class QSizeGrip;
class QTreeWidget;
class QTreeWidgetItem;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::organizer::ui {

class TRollUpTitle;

// The bookmark window ("ЗАКЛАДКИ"): a tree of bookmarks to places in files,
// the fields to edit the current one's caption and file name, the menu
// "Закладка" and the roll-up button "Z". The tree lives in
// engine/bookmarx/bmxtree.bmx below the program folder; it is read when the
// window is made and written through the safe writer soon after each change
// and when the window goes. A file that cannot be read is kept beside under
// another name and the tree starts empty.
class Tfmbmxtree final : public QWidget {
public:
    Tfmbmxtree(app::ui::ToolHost& host, QWidget* parent);
    ~Tfmbmxtree() override;

    QString treeFile() const { return m_file; }

    // The menu commands. Adding needs an open document; a document whose
    // path is longer than a node holds is refused with a message.
    void addNode();
    void addChild();
    void updateCurrent();
    void deleteCurrent();
    // Double click or Enter: a file that exists is brought up (the open
    // document of it, or the file opened anew) and scrolled so its first
    // visible line is the bookmark's line.
    void openBookmark(QTreeWidgetItem* item);

    // The tree as the file keeps it.
    std::vector<BookmarkNode> nodes() const;
    // Writes the tree now when a change waits; for the program's close.
    void flush() { m_save.flush(); }
    bool savePending() const { return m_save.pending(); }

    void toggleRollUp();
    bool rolledUp() const { return m_rolledUp; }
    // Position and size as section Bmx keeps them (the unrolled height).
    QRect storedGeometry() const;
    void restoreGeometry(const QRect& r);

    QTreeWidget* tree() const { return m_tree; }
    QLineEdit* captionEdit() const { return m_caption; }
    QLineEdit* fileEdit() const { return m_path; }

    // Test hooks: the answer to "Точно удалить хотите?" and the messages the
    // window shows; without them real boxes appear.
    std::function<bool(const QString&)> questionHook;
    std::function<void(const QString&)> messageHook;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void localise(bool builtIn);
    void load();
    void write();
    void add(bool child);
    void showCurrent();
    void captionEdited(const QString& text);
    void pathEdited();
    void showMessage(const QString& text);
    QTreeWidgetItem* makeItem(const RBookmark& node) const;
    RBookmark nodeOf(const QTreeWidgetItem* item) const;

    app::ui::ToolHost& m_host;
    QString m_file;
    DeferredSave m_save;
    bool m_writable = true; // false while an unreadable file stands in the way
    bool m_failureShown = false;
    bool m_closing = false; // in the destructor: the host is not to be asked
    int m_added = 0;        // nodes added in this run
    TRollUpTitle* m_title = nullptr;
    QMenuBar* m_menu = nullptr;
    QWidget* m_body = nullptr;
    QTreeWidget* m_tree = nullptr;
    QLineEdit* m_caption = nullptr;
    QLineEdit* m_path = nullptr;
    QSizeGrip* m_grip = nullptr;
    bool m_rolledUp = false;
    int m_unrolledHeight = 0;
    bool m_filling = false; // the fields are being set, not edited
};

} // namespace zuk::organizer::ui
