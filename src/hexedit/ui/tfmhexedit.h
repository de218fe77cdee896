#pragma once

#include "hexedit/translation.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;

namespace zuk {
class ZukError;
}
namespace zuk::app::ui {
class ToolHost;
}
namespace zuk::hexedit {
class CHexDocument;
}

namespace zuk::hexedit::ui {

class THexEditor;
class Tfmhexedoptz;

// The hex editor window: one file at a time in the hex grid, its menu (open,
// save, save as, exit, options, undo, go to offset, markers) and a status
// line. It owns the open document and the options window; its settings are
// the record's HexEdit, which the options window changes. Closing it asks
// about unsaved changes and closes the file.
class Tfmhexedit final : public QMainWindow {
    Q_OBJECT

public:
    Tfmhexedit(app::ui::ToolHost& host, QWidget* parent);
    ~Tfmhexedit() override;

    // Opens `path` in place of the current file, asking first about unsaved
    // changes. False when the user kept the current file or the file cannot
    // be opened (the reason is shown); the current file, its name and the
    // caption are then unchanged.
    bool openFile(const QString& path);
    // Saves to the current name / to `path`, which then becomes the current
    // name. A file changed on disk since it was opened, or a read-only one,
    // is written over only on the user's yes. False when nothing was saved
    // (the reason is shown; the changes stay).
    bool save();
    bool saveAs(const QString& path);
    // Whether the window may close: true without unsaved changes, or when the
    // user saved them (successfully) or chose to drop them.
    bool queryClose();
    // Drops the file; the window then shows nothing.
    void closeFile();

    // The options, as the options window applies them. A value out of range
    // is refused with its message and changes nothing; false then.
    bool setBytesPerLine(int n);
    bool setBytesPerColumn(int n);
    void setTranslation(Translation t);
    // Markers 0 to 9 at the caret / the caret to a marker. An index out of
    // range, or a marker not set, is refused with a message.
    void setMarker(int index);
    void gotoMarker(int index);

    THexEditor* view() const { return m_view; }
    CHexDocument* document() const { return m_doc.get(); }
    QString fileName() const;
    QString statusText() const;
    // The options window, made on first use and shown.
    Tfmhexedoptz* showOptions();
    Tfmhexedoptz* optionsWindow() const;

    // Test hooks. Without them the real dialogs and boxes are shown.
    std::function<QString()> openDialogHook; // empty: cancelled
    std::function<QString()> saveDialogHook; // empty: cancelled
    std::function<QMessageBox::StandardButton(const QString& question)> saveChangesHook;
    std::function<bool(const QString& question)> questionHook; // true: Yes
    std::function<void(const QString& message)> messageHook;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void localise(bool builtIn);
    void chooseAndOpen();
    void chooseAndSaveAs();
    void gotoOffset();
    void applySettings();
    void updateCaption();
    void updateStatus();
    bool writeTo(const QString& path);
    bool askYesNo(const QString& question);
    void showMessage(const QString& text);
    void showError(const ZukError& error);
    QString text(const char* key) const;
    QString startFolder() const;

    app::ui::ToolHost& m_host;
    THexEditor* m_view = nullptr;
    QLabel* m_status = nullptr;
    QMenu* m_setMarkerMenu = nullptr;
    QMenu* m_gotoMarkerMenu = nullptr;
    std::unique_ptr<CHexDocument> m_doc;
    QPointer<Tfmhexedoptz> m_options;
    QString m_lastFolder;
};

} // namespace zuk::hexedit::ui
