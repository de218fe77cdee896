#pragma once

#include "filebox/cfilebox.h"
#include "filebox/processing.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QSplitter;
class QToolBar;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::filebox::ui {

class FileItemDelegate;
class FileListModel;
class ThumbnailLoader;
class THotlist;

// The file box: one folder at a time in a list drawn in the colours of the
// settings and of the file-type table, a navigation bar with the mounted
// volumes and a path field, a pane of thumbnails of the folder's pictures,
// and the batch commands over the selected files. The folder logic is
// CFileBox's; this window wires it to its controls.
class Tnewfilebox final : public QWidget {
    Q_OBJECT

public:
    Tnewfilebox(app::ui::ToolHost& host, QWidget* parent);
    ~Tnewfilebox() override;

    // Lists a folder; one that cannot be listed keeps the old listing and
    // the reason is shown. Returns whether it was listed.
    bool readDir(const QString& folder);
    QString dir() const;
    CFileBox& box() { return *m_box; }

    // The selected items that are files, in list order (full paths).
    std::vector<std::string> selectedFiles() const;
    // The selected items, folders included, never «..».
    std::vector<std::string> selectedItems() const;
    // The current item's full path; "" for none or «..».
    std::string currentPath() const;

    // What the keys of the list do, callable from tests.
    void activateCurrent();
    void goUp();
    void toggleCurrentSelection();
    void selectByMask(const QString& mask);
    void refresh();

    QListView* list() const { return m_list; }
    FileListModel& model() const { return *m_model; }
    QListWidget* thumbnails() const { return m_thumbs; }
    QLineEdit* pathField() const { return m_path; }
    QComboBox* driveSelector() const { return m_drives; }
    QSplitter* splitter() const { return m_splitter; }
    QAction* action(const char* name) const;
    THotlist* hotlist();

    // The selected thumbnails' files, in pane order.
    QStringList selectedThumbnails() const;
    // The rule of the batch commands from the settings and enabled_exts.txt.
    ProcessRule processRule() const;

    // Test hooks: the mask dialog, the text-to-HTML and clean-up dialogs are
    // skipped when these give an answer.
    std::function<std::optional<QString>()> maskHook;

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void localise();
    void applyLook();
    void fillDrives();
    void selectDriveFor(const QString& folder);
    void navigate();
    void onFileChosen(const std::string& path);
    void reloadThumbnails();
    void thumbnailMenu(const QPoint& at);
    void insertThumbnailTag(QListWidgetItem* item);
    void layoutColumns();

    app::ui::ToolHost& m_host;
    std::unique_ptr<CFileBox> m_box;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_listMenu = nullptr;
    QMenu* m_thumbMenu = nullptr;
    std::vector<QMenu*> m_menus;
    QComboBox* m_drives = nullptr;
    QLineEdit* m_path = nullptr;
    QSplitter* m_splitter = nullptr;
    QListView* m_list = nullptr;
    FileListModel* m_model = nullptr;
    FileItemDelegate* m_delegate = nullptr;
    QListWidget* m_thumbs = nullptr;
    QLabel* m_status = nullptr;
    QPointer<THotlist> m_hotlist;
    std::unique_ptr<ThumbnailLoader> m_loader;
    unsigned m_thumbGeneration = 0;
    int m_enteredIndex = 0; // the current item when a folder was last entered
};

} // namespace zuk::filebox::ui
