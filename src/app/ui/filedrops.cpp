#include "app/ui/filedrops.h"

#include "app/droppedfiles.h"
#include "app/filenames.h"
#include "app/flashimport.h"
#include "app/ui/filecommands.h"
#include "app/ui/mainform.h"
#include "base/zukerror.h"
#include "editor/commandshapes.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "html/ui/picturetag.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace zuk::app::ui {

FileDrops::FileDrops(FileCommands& files, TMainForm& form)
    : QObject(&files), m_files(files), m_form(form)
{
    form.setAcceptDrops(true);
    form.installEventFilter(this);
}

bool FileDrops::insertPicture(const QString& path)
{
    return html::ui::insertPictureTag(m_form.editor(), path);
}

bool FileDrops::insertFlash(const QString& path)
{
    const QString templatePath = m_form.dataPath(QStringLiteral("swfimport.txt"));
    std::string templateText;
    try {
        templateText = plugins::readDocumentFile(m_files.engine(), templatePath.toStdString());
    } catch (const ZukError& e) {
        m_form.showNote(m_form.message(e));
        return false;
    }
    const std::string text =
        flashInsertion(templateText, m_form.settings().Metachar,
                       QFileInfo(path).absoluteFilePath().toStdString(), newGuid());
    return m_form.editor().InsertAtCaret(text);
}

void FileDrops::dropFiles(const QStringList& paths)
{
    const bool flashTemplate = QFileInfo::exists(m_form.dataPath(QStringLiteral("swfimport.txt")));
    for (const QString& path : paths) {
        const DropAction action =
            classifyDroppedFile(path.toStdString(), m_form.documentCount() > 0, flashTemplate);
        switch (action) {
        case DropAction::Open:
            if (QFileInfo::exists(path)) {
                m_files.openFile(path, true);
                m_files.setOpenFolder(QFileInfo(path).absolutePath());
            }
            break;
        case DropAction::ImportRtf:
            if (QFileInfo::exists(path))
                m_files.importRtf(path);
            break;
        case DropAction::InsertPicture:
            insertPicture(path);
            break;
        case DropAction::InsertFlash:
            insertFlash(path);
            break;
        case DropAction::Skip:
        case DropAction::Stop:
            break;
        }
        if (endsDrop(action))
            return;
    }
}

void FileDrops::watch()
{
    for (editor::Ted* ted : m_form.editor().documents()) {
        editor::TedControl* control = ted->control();
        if (control->property("zukDropsWatched").toBool())
            continue;
        control->setProperty("zukDropsWatched", true);
        // The control reports each file of a drop on its own; they are
        // gathered and handled as one drop once the drop is over.
        connect(control, &QsciScintillaBase::SCN_URIDROPPED, this, [this](const QUrl& url) {
            if (!url.isLocalFile())
                return;
            if (m_droppedOnText.isEmpty())
                QTimer::singleShot(0, this, [this] {
                    const QStringList paths = std::exchange(m_droppedOnText, {});
                    dropFiles(paths);
                });
            m_droppedOnText << url.toLocalFile();
        });
    }
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_form && event->type() == QEvent::DragEnter) {
        auto* e = static_cast<QDragEnterEvent*>(event);
        if (e->mimeData()->hasUrls()) {
            e->acceptProposedAction();
            return true;
        }
    } else if (watched == &m_form && event->type() == QEvent::Drop) {
        auto* e = static_cast<QDropEvent*>(event);
        QStringList paths;
        for (const QUrl& url : e->mimeData()->urls())
            if (url.isLocalFile())
                paths << url.toLocalFile();
        if (!paths.isEmpty()) {
            e->acceptProposedAction();
            // Dialogs and boxes must not open inside the drag's own loop.
            QTimer::singleShot(0, this, [this, paths] { dropFiles(paths); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zuk::app::ui
