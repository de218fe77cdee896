#pragma once

#include <QObject>
#include <QStringList>

namespace zuk::app::ui {

class FileCommands;
class TMainForm;

// Files dropped on the main window or on a document's text area: text files
// open, RTF files import, pictures insert an img tag with their real size,
// Flash files insert the swfimport.txt template. A child of the file
// commands; it watches the main window and every document's control.
class FileDrops final : public QObject {
public:
    FileDrops(FileCommands& files, TMainForm& form);

    // The files of one drop, in drop order.
    void dropFiles(const QStringList& paths);
    // Watches the controls of documents made since the last call.
    void watch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool insertPicture(const QString& path);
    bool insertFlash(const QString& path);

    FileCommands& m_files;
    TMainForm& m_form;
    QStringList m_droppedOnText; // the files of one drop on a text area
};

} // namespace zuk::app::ui
