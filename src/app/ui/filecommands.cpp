#include "app/ui/filecommands.h"

#include "app/documentfiles.h"
#include "app/droppedfiles.h"
#include "app/flashimport.h"
#include "app/ui/documenttabs.h"
#include "app/ui/filedrops.h"
#include "app/ui/mainform.h"
#include "app/ui/mainstatusbar.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/fileload.h"
#include "editor/syntaxtable.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/doxwindow.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "io/largebuffer.h"
#include "io/rtfreader.h"
#include "io/rtftohtml.h"
#include "plugins/cbasicfileio.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QSessionManager>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace zuk::app::ui {

namespace {

CodePageDetector& detectorSlot()
{
    static CodePageDetector detector;
    return detector;
}

// The dialogs' filters: every text file the program knows (the extensions of
// the highlighters among them), plain text, HTML, every file.
QStringList fileFilters(const TMainForm& form, bool forSaving)
{
    const QString textTypes = QStringLiteral(
        "*.txt *.htm *.html *.shtml *.xml *.css *.js *.php *.ans *.asc *.nfo *.cfg *.ini *.bat "
        "*.sh "
        "*.pas *.dpr *.c *.h *.cpp *.hpp *.cc *.cs *.java *.py *.pl *.pm *.rb *.lua *.sql *.vbs "
        "*.tex *.md *.csv *.log *.rtf");
    QStringList filters{form.text("MainForm", "sFilterAllText") + QStringLiteral(" (") + textTypes +
                            QLatin1Char(')'),
                        form.text("MainForm", "sFilterText") + QStringLiteral(" (*.txt)"),
                        form.text("MainForm", "sFilterHtml") + QStringLiteral(" (*.htm *.html)"),
                        form.text("MainForm", "sFilterAll") + QStringLiteral(" (*)")};
    if (forSaving)
        std::swap(filters[0], filters[3]); // a new name is not held to a type
    return filters;
}

void hideCompleterPopups(QWidget& dialog)
{
    for (QCompleter* completer : dialog.findChildren<QCompleter*>())
        if (QAbstractItemView* popup = completer->popup(); popup && popup->isVisible())
            popup->hide();
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace

void setCodePageDetector(CodePageDetector detector)
{
    detectorSlot() = std::move(detector);
}

FileCommands::FileCommands(TMainForm& form) : QObject(&form), m_form(form)
{
    setObjectName(QStringLiteral("FileCommands"));
    m_backupTimer = new QTimer(this);
    connect(m_backupTimer, &QTimer::timeout, this, &FileCommands::onBackupTimer);
    m_emergencyTimer = new QTimer(this);
    m_emergencyTimer->setInterval(2000);
    connect(m_emergencyTimer, &QTimer::timeout, this, &FileCommands::refreshEmergencyTable);
}

FileCommands::~FileCommands() = default;

FileCommands* FileCommands::of(const QObject& form)
{
    return form.findChild<FileCommands*>(QStringLiteral("FileCommands"),
                                         Qt::FindDirectChildrenOnly);
}

void FileCommands::install()
{
    TMainForm& f = m_form;
    f.addCommands({
        {"mniOpen", [this] { openDialog(); }},
        {"mniSave", [this] { save(); }},
        {"mniFileSaveAs", [this] { saveAs(); }},
        {"mniSaveAll", [this] { saveAllDocuments(); }},
        {"mniSaveCopy", [this] { saveCopy(); }},
        {"mniLoadCopy", [this] { loadCopy(); }},
        {"mniRevertToSaved", [this] { revert(); }},
        {"mniSaveVersion", [this] { saveVersion(); }},
    });
    m_drops = new FileDrops(*this, f);
}

void FileCommands::dropFiles(const QStringList& paths)
{
    m_drops->dropFiles(paths);
}

void FileCommands::watchDrops()
{
    m_drops->watch();
}

void FileCommands::startup()
{
    const settings::RMainWindowProps& props = m_form.windowProps();
    m_openFolder = QString::fromStdString(props.LastOpenDir);
    m_saveFolder = QString::fromStdString(props.LastSaveDir);
    applyBackupTimer();
    if (m_form.settings().do_crash_copy) {
        m_emergency.install();
        m_emergencyTimer->start();
    }
    if (qGuiApp)
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
            if (m_form.settings().shutdown)
                saveAllDocuments(true);
        });
}

void FileCommands::showMessage(const QString& text, bool warning)
{
    if (messageHook) {
        messageHook(text);
        return;
    }
    if (warning)
        QMessageBox::warning(&m_form, m_form.windowTitle(), text);
    else
        QMessageBox::information(&m_form, m_form.windowTitle(), text);
}

namespace {

// The document's text goes to the file in blocks, never copied whole. Returns
// how many '?' it holds.
std::size_t writeTed(const plugins::CFIOINT& engine, const std::string& path,
                     const editor::Ted& ted, const codepages::FileFormat& format)
{
    std::size_t questions = 0;
    plugins::writeDocumentBlocks(
        engine, path,
        [&ted, &questions](const std::function<void(std::string_view)>& sink) {
            ted.writeText([&](std::string_view block) {
                questions += static_cast<std::size_t>(std::count(block.begin(), block.end(), '?'));
                sink(block);
            });
        },
        format);
    return questions;
}

} // namespace

codepages::FileFormat FileCommands::formatOf(const editor::Ted& ted) const
{
    codepages::FileFormat format;
    format.encoding = ted.fileEncoding();
    format.codePage = ted.control()->codePage();
    if (m_form.settings().KeepLineBreaks)
        format.lineBreak = ted.fileLineBreak();
    return format;
}

bool FileCommands::writeDocument(const std::string& path, editor::Ted& ted)
{
    try {
        const std::size_t questions = writeTed(m_engine, path, ted, formatOf(ted));
        tellQuestionMarks(ted, questions, false);
        return true;
    } catch (const ZukError& e) {
        showMessage(m_form.text("MainForm", "sFileNotSaved") + QStringLiteral("\n\n") +
                    m_form.message(e));
        return false;
    }
}

// A character the code page lacks, typed or pasted into a document, became a
// '?'. In a Unicode file that is a character lost: the first save that writes
// more '?' than the file held says so, once per document.
void FileCommands::tellQuestionMarks(editor::Ted& ted, std::size_t written, bool quiet)
{
    if (quiet || !codepages::isUnicode(ted.fileEncoding()) || ted.questionMarksTold() ||
        written <= ted.fileQuestionMarks())
        return;
    ted.setQuestionMarksTold(true);
    showMessage(m_form.format("MainForm", "sUnicodeQuestionMarks",
                              {QString::fromStdString(ted.fileName()),
                               QString::number(written - ted.fileQuestionMarks())}));
}

// --- opening ----------------------------------------------------------------------

bool FileCommands::openFile(const QString& path, bool reportFailure)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return false;
    const QString full = info.absoluteFilePath();
    switch (checkOpen(m_openFiles, full.toStdString(), [](const std::string&) { return true; })) {
    case OpenCheck::Missing:
        return false;
    case OpenCheck::ImportRtf:
        return importRtf(full);
    case OpenCheck::AlreadyOpen:
        showMessage(m_form.text("MainForm", "sCantOpenOpenedYet"), false);
        return false;
    case OpenCheck::Open:
        break;
    }
    return loadIntoNewDocument(full, reportFailure);
}

bool FileCommands::loadIntoNewDocument(const QString& full, bool reportFailure)
{
    editor::CdreamEditor& ed = m_form.editor();
    const settings::RConnectionTable& s = m_form.settings();
    const std::string name = full.toStdString();
    struct Loading {
        bool& flag;
        explicit Loading(bool& f) : flag(f) { flag = true; }
        ~Loading() { flag = false; }
    } const loading(m_loading);
    auto fail = [&](const ZukError& e) {
        if (reportFailure)
            showMessage(m_form.text("MainForm", "sFileNotOpened") + QStringLiteral("\n\n") +
                        m_form.message(e));
        return false;
    };

    // The head of the file: proof that it can be read before a window opens,
    // and enough text for the code-page detector. A file is read twice (to
    // learn what it is and size the editor, then to fill it); what is not a
    // regular file, such as a pipe, can be read only once, so it is read
    // whole here.
    constexpr std::size_t kSample = 256 * 1024;
    // Taken before the first read: a change made while the file loads is
    // noticed at the next save rather than missed.
    const DiskStamp stamp = diskStampOf(name);
    const bool regular = QFileInfo(full).isFile();
    std::string head, whole;
    try {
        if (regular) {
            head = io::readFileHead(name, kSample);
        } else {
            whole = io::readWholeFile(name);
            head = whole.substr(0, kSample);
        }
    } catch (const ZukError& e) {
        return fail(e);
    }
    // The detector guesses among the code pages; a Unicode file never asks it.
    editor::FileLoadOptions options;
    options.unicodeOnOpen = s.UnicodeOnOpen;
    if (s.DoEncDetect && detectorSlot()) {
        const std::string text = head.substr(0, head.find('\0')); // a NUL ends the text
        const std::string detected = detectorSlot()(text);
        if (detected == "dos" || detected == "koi")
            codepages::codePageFromName(detected, options.codePage);
    }
    auto readFile = [&](const std::function<void(std::string_view)>& sink) {
        if (regular)
            plugins::readDocumentBlocks(m_engine, name, sink);
        else
            sink(whole);
    };
    editor::FileLoadPlan plan;
    try {
        editor::FileLoadScan scan(head, options);
        readFile([&scan](std::string_view block) { scan.put(block); });
        plan = scan.finish();
    } catch (const ZukError& e) {
        return fail(e);
    }

    // A big file shows how far it got; the events in between keep the window alive.
    const qint64 size = QFileInfo(full).size();
    std::unique_ptr<QProgressDialog> progress;
    if (size > progressThreshold) {
        progress = std::make_unique<QProgressDialog>(
            m_form.format("MainForm", "sOpeningFile", {QFileInfo(full).fileName()}), QString(), 0,
            100, &m_form);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setCancelButton(nullptr);
        progress->setValue(0);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    int shown = 0;
    auto advance = [&](std::size_t consumed) {
        const int percent = size > 0 ? static_cast<int>(std::min<qint64>(
                                           100, static_cast<qint64>(consumed) * 100 / size))
                                     : 100;
        if (!progress || percent < shown + 5)
            return;
        shown = percent;
        progress->setValue(percent);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };

    ed.NewDocument();
    ed.ApplyTextStyles();
    ed.ApplySettings();
    // The code page is set before the text goes in: it is decoded once.
    if (plan.codePage != codepages::CodePage::Win)
        ed.SetCharset(codepages::codePageName(plan.codePage));
    bool unwrapped = false;
    try {
        // The file goes into the editor block by block, never whole in memory.
        unwrapped = ed.LoadFileBlocks(
            name,
            [&](const std::function<void(std::string_view)>& sink) {
                std::size_t consumed = 0;
                editor::FileLoadReader reader(plan, sink);
                readFile([&](std::string_view block) {
                    reader.put(block);
                    consumed += block.size();
                    advance(consumed);
                });
                reader.finish();
            },
            {}, plan.controlSize);
    } catch (const ZukError& e) {
        // The file failed part way (it vanished or the device failed): the
        // half-filled window goes away again.
        if (editor::Ted* ted = ed.activeDocument()) {
            ted->setModified(false);
            if (auto* window = qobject_cast<QMdiSubWindow*>(ted->parentWidget()))
                window->close();
        }
        return fail(e);
    }
    editor::Ted& ted = *ed.activeDocument();
    ted.setFileEncoding(plan.encoding);
    ted.setFileLineBreak(plan.lineBreak);
    ted.setFileQuestionMarks(plan.questionMarks);
    m_openFiles.add(name);
    ed.SetModified(false);
    ed.SetHasFile(true);
    rememberStamp(ted, stamp);
    if (plan.nulAt) {
        markCut(ted, *plan.nulAt, plan.fileBytes);
        showMessage(m_form.format("MainForm", "sFileHasNul",
                                  {QString::number(*plan.nulAt), QString::number(plan.fileBytes)}),
                    false);
    }
    if (editor::TfmDox* dox = m_form.documentListWindow())
        dox->addDocument(full);
    if (s.bkonopen) {
        try {
            saveBackupCopy(m_engine, name, ed.GetAllText(), formatOf(ted));
        } catch (const ZukError& e) {
            m_form.showStatus(m_form.message(e));
        }
    }
    m_form.documentTabs().sync();
    ed.ApplyBackground();
    watchDrops();
    if (progress)
        progress->setValue(100);
    QStringList notes;
    if (plan.refused != codepages::FileEncoding::CodePage)
        notes << m_form.format("MainForm",
                               plan.refusedMalformed ? "sUnicodeFileMalformed"
                                                     : "sUnicodeFileNotConverted",
                               {codepages::isUtf16(plan.refused) ? QStringLiteral("UTF-16")
                                                                 : QStringLiteral("UTF-8")});
    if (unwrapped)
        notes << m_form.text("MainForm", "sBigFileUnwrapped");
    if (!notes.isEmpty())
        m_form.mainStatusBar().showMessage(notes.join(QLatin1Char(' ')), 15000);
    refreshEmergencyTable();
    return true;
}

QFileDialog& FileCommands::openFileDialog()
{
    if (!m_openDialog) {
        m_openDialog = new QFileDialog(&m_form);
        m_openDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_openDialog->setFileMode(QFileDialog::ExistingFiles);
        m_openDialog->setWindowTitle(m_form.text("MainForm", "sOpenFile"));
        m_openDialog->setSizeGripEnabled(true);
    }
    const settings::RMainWindowProps& props = m_form.windowProps();
    const QSize stored(props.dlgFileOpenSizeX, props.dlgFileOpenSizeY);
    if (!stored.isEmpty() && stored != m_openDialogSize) {
        m_openDialog->resize(stored);
        m_openDialogSize = stored;
    }
    return *m_openDialog;
}

void FileCommands::openDialog()
{
    QStringList files;
    if (openDialogHook) {
        files = openDialogHook();
    } else {
        openFileDialog();
        m_openDialog->setNameFilters(fileFilters(m_form, false));
        m_openDialog->setDirectory(m_openFolder);
        const bool accepted = m_openDialog->exec() == QDialog::Accepted;
        // The file-name box's completer list is a window of its own: Enter
        // accepts the dialog but leaves the list over the document, where it
        // would take the next click. The dialog is kept (it keeps its size).
        hideCompleterPopups(*m_openDialog);
        if (accepted)
            files = m_openDialog->selectedFiles();
    }
    if (files.isEmpty())
        return;
    m_saveFolder = folderOf(files.first());
    for (const QString& file : files)
        if (QFileInfo::exists(file))
            openFile(file, true);
    if (m_form.documentCount() > 0)
        m_form.editor().ApplyBackgroundToAll();
}

// --- documents that hold less than their file -------------------------------------
// A NUL ends the text a document shows. Such a document remembers how much of
// its file it holds, and nothing writes it over that file unasked.

namespace {
constexpr const char* kCutAt = "zukCutAt";         // bytes of the file the document shows
constexpr const char* kFileBytes = "zukFileBytes"; // bytes of the file
} // namespace

void FileCommands::markCut(editor::Ted& ted, std::uint64_t shown, std::uint64_t fileBytes)
{
    ted.setProperty(kCutAt, QVariant::fromValue<qulonglong>(shown));
    ted.setProperty(kFileBytes, QVariant::fromValue<qulonglong>(fileBytes));
}

bool FileCommands::isCut(const editor::Ted& ted)
{
    return ted.property(kFileBytes).isValid();
}

void FileCommands::clearCut(editor::Ted& ted)
{
    ted.setProperty(kCutAt, QVariant());
    ted.setProperty(kFileBytes, QVariant());
}

bool FileCommands::mayWriteOver(editor::Ted& ted, const std::string& target, bool quiet)
{
    if (!isCut(ted) || !sameFile(target, ted.fileName()))
        return true;
    if (quiet)
        return false;
    const qulonglong shown = ted.property(kCutAt).toULongLong();
    const qulonglong total = ted.property(kFileBytes).toULongLong();
    return askYesNo(
        m_form.format("MainForm", "sOverwriteCutFile",
                      {QString::number(shown), QString::number(total),
                       QString::fromStdString(target), QString::number(total - shown)}));
}

bool FileCommands::askYesNo(const QString& question)
{
    if (overwriteHook)
        return overwriteHook(question);
    return QMessageBox::question(&m_form, m_form.windowTitle(), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

// --- files changed on disk behind the document -----------------------------------

namespace {
constexpr const char* kStampSize = "zukStampSize";     // bytes of the file, last seen
constexpr const char* kStampTime = "zukStampTimeNs";   // its modification time, last seen
constexpr const char* kStampDevice = "zukStampDevice"; // the device and inode of the file
constexpr const char* kStampInode = "zukStampInode";
} // namespace

void FileCommands::rememberStamp(editor::Ted& ted, const DiskStamp& stamp)
{
    if (!stamp.exists) {
        ted.setProperty(kStampSize, QVariant());
        ted.setProperty(kStampTime, QVariant());
        ted.setProperty(kStampDevice, QVariant());
        ted.setProperty(kStampInode, QVariant());
        return;
    }
    ted.setProperty(kStampSize, QVariant::fromValue<qulonglong>(stamp.size));
    ted.setProperty(kStampTime, QVariant::fromValue<qlonglong>(stamp.modifiedNs));
    ted.setProperty(kStampDevice, QVariant::fromValue<qulonglong>(stamp.device));
    ted.setProperty(kStampInode, QVariant::fromValue<qulonglong>(stamp.inode));
}

DiskStamp FileCommands::rememberedStamp(const editor::Ted& ted)
{
    DiskStamp stamp;
    const QVariant size = ted.property(kStampSize);
    if (!size.isValid())
        return stamp;
    stamp.exists = true;
    stamp.size = size.toULongLong();
    stamp.modifiedNs = ted.property(kStampTime).toLongLong();
    stamp.device = ted.property(kStampDevice).toULongLong();
    stamp.inode = ted.property(kStampInode).toULongLong();
    return stamp;
}

bool FileCommands::mayOverwriteChanged(editor::Ted& ted, bool quiet)
{
    const std::string name = ted.fileName();
    if (!isFilePath(name))
        return true;
    const QString shown = QString::fromStdString(name);
    if (changedOnDisk(rememberedStamp(ted), name) &&
        (quiet || !askYesNo(m_form.format("MainForm", "sChangedOnDisk", {shown}))))
        return false;
    // The rename of the safe writer would replace a read-only file unasked.
    if (isReadOnlyFile(name) &&
        (quiet || !askYesNo(m_form.format("MainForm", "sOverwriteReadOnly", {shown}))))
        return false;
    return true;
}

// --- saving -----------------------------------------------------------------------

bool FileCommands::save()
{
    editor::CdreamEditor& ed = m_form.editor();
    if (ed.DocumentCount() == 0)
        return false;
    const std::string name = ed.GetFileName();
    const QString qname = QString::fromStdString(name);
    if (!isFilePath(name) || !QFileInfo(qname).isFile())
        return saveAs();
    ed.SetHasFile(true);
    editor::Ted& ted = *ed.activeDocument();
    if (!mayWriteOver(ted, name, false) || !mayOverwriteChanged(ted, false))
        return false;
    if (!writeDocument(name, ted))
        return false;
    rememberStamp(ted, diskStampOf(name));
    clearCut(ted);
    m_openFolder = m_saveFolder = folderOf(qname);
    ed.SetModified(false);
    ed.FocusEditor();
    return true;
}

QString FileCommands::chooseSaveName()
{
    if (saveDialogHook)
        return saveDialogHook();
    QFileDialog dialog(&m_form, m_form.text("MainForm", "sSaveFileAs"), m_saveFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(fileFilters(m_form, true));
    dialog.setSizeGripEnabled(true);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    hideCompleterPopups(dialog);
    if (!accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool FileCommands::saveAs()
{
    editor::CdreamEditor& ed = m_form.editor();
    editor::Ted* ted = ed.activeDocument();
    if (!ted)
        return false;
    const QString chosen = chooseSaveName();
    if (chosen.isEmpty())
        return false;
    const settings::RConnectionTable& s = m_form.settings();
    // The question is about the file that will really be written, default
    // extension included.
    const QString newName =
        QFileInfo(QString::fromStdString(saveAsName(chosen.toStdString(), s.chfileext, s.defext)))
            .absoluteFilePath();
    const std::string target = newName.toStdString();
    if (isCut(*ted) && sameFile(target, ted->fileName())) {
        if (!mayWriteOver(*ted, target, false))
            return false;
    } else if (QFileInfo::exists(newName) &&
               !askYesNo(m_form.format("MainForm", "sOverWrite", {newName}))) {
        return false;
    }
    return writeAs(*ted, newName, true);
}

bool FileCommands::saveAsNamed(const QString& path)
{
    editor::Ted* ted = m_form.editor().activeDocument();
    if (!ted)
        return false;
    const QString newName = QFileInfo(path).absoluteFilePath();
    if (isCut(*ted) && sameFile(newName.toStdString(), ted->fileName()) &&
        !mayWriteOver(*ted, newName.toStdString(), false))
        return false;
    return writeAs(*ted, newName, false);
}

bool FileCommands::writeAs(editor::Ted& ted, const QString& newName, bool rememberFolder)
{
    editor::CdreamEditor& ed = m_form.editor();
    const std::string target = newName.toStdString();
    // The bookkeeping changes only once the text is on the disk.
    if (!writeDocument(target, ted))
        return false;
    rememberStamp(ted, diskStampOf(target));
    clearCut(ted); // the file written holds everything the document has
    if (rememberFolder)
        m_openFolder = m_saveFolder = folderOf(newName);
    ed.activateDocument(&ted);
    ed.SetHasFile(true);
    const std::string oldName = ted.fileName();
    m_openFiles.replace(oldName, target);
    if (editor::TfmDox* dox = m_form.documentListWindow()) {
        dox->removeDocument(QString::fromStdString(oldName));
        dox->addDocument(newName);
    }
    ed.SetFileName(target);
    ed.SetModified(false);
    m_form.documentTabs().sync();
    refreshEmergencyTable();
    return true;
}

bool FileCommands::saveAllDocuments(bool quiet)
{
    const QList<editor::Ted*> docs = m_form.editor().documents();
    QStringList failures;
    for (auto it = docs.crbegin(); it != docs.crend(); ++it) {
        editor::Ted* ted = *it;
        if (!ted->hasFile() || !mayWriteOver(*ted, ted->fileName(), quiet))
            continue;
        if (!mayOverwriteChanged(*ted, quiet)) {
            // Asked and refused: the user's choice. Unasked: left for the user to see.
            if (quiet)
                failures << m_form.format("MainForm",
                                          isReadOnlyFile(ted->fileName()) ? "sReadOnlyKept"
                                                                          : "sChangedOnDiskKept",
                                          {QString::fromStdString(ted->fileName())});
            continue;
        }
        try {
            const std::size_t questions = writeTed(m_engine, ted->fileName(), *ted, formatOf(*ted));
            rememberStamp(*ted, diskStampOf(ted->fileName()));
            clearCut(*ted);
            tellQuestionMarks(*ted, questions, quiet);
        } catch (const ZukError& e) {
            failures << m_form.message(e);
        }
    }
    if (!failures.isEmpty() && !quiet)
        showMessage(m_form.text("MainForm", "sNotAllSaved") + QStringLiteral("\n\n") +
                    failures.join(QLatin1Char('\n')));
    else if (!failures.isEmpty())
        m_form.showStatus(failures.join(QLatin1Char(' ')));
    return failures.isEmpty();
}

void FileCommands::saveCopy()
{
    editor::CdreamEditor& ed = m_form.editor();
    if (ed.DocumentCount() == 0 || !ed.HasFile())
        return;
    try {
        saveBackupCopy(m_engine, ed.GetFileName(), ed.GetAllText(), formatOf(*ed.activeDocument()));
    } catch (const ZukError& e) {
        showMessage(m_form.message(e));
    }
}

void FileCommands::loadCopy()
{
    editor::CdreamEditor& ed = m_form.editor();
    if (ed.DocumentCount() == 0 || ed.GetFileName().empty())
        return;
    const QString copy = QString::fromStdString(backupName(ed.GetFileName()));
    if (QFileInfo::exists(copy))
        openFile(copy, true);
}

void FileCommands::revert()
{
    editor::CdreamEditor& ed = m_form.editor();
    if (ed.DocumentCount() == 0 || !isFilePath(ed.GetFileName()))
        return;
    // Read first: a file that cannot be read changes nothing.
    const DiskStamp stamp = diskStampOf(ed.GetFileName());
    const std::string bytes = io::readWholeFile(ed.GetFileName());
    editor::Ted& ted = *ed.activeDocument();
    // The file is read as on opening, in case it is Unicode (now or no longer).
    editor::FileLoadOptions options;
    options.unicodeOnOpen = m_form.settings().UnicodeOnOpen;
    options.codePage = ted.control()->codePage();
    options.countForControl = false;
    const editor::FileLoadPlan plan = editor::planFile(bytes, options);
    const std::string text = plugins::normalizeLineBreaks(editor::documentBytes(bytes, plan));
    const bool modified = ed.GetModified();
    if (plan.codePage != ted.control()->codePage())
        ed.SetCharset(codepages::codePageName(plan.codePage));
    ed.SetAllText(text);
    ed.SetModified(modified);
    ted.setFileEncoding(plan.encoding);
    ted.setFileLineBreak(plan.lineBreak);
    ted.setFileQuestionMarks(plan.questionMarks);
    rememberStamp(ted, stamp);
}

void FileCommands::saveVersion()
{
    editor::CdreamEditor& ed = m_form.editor();
    if (ed.DocumentCount() == 0)
        return;
    saveVersionOf(ed.GetFileName(), ed.GetAllText(), formatOf(*ed.activeDocument()));
}

void FileCommands::saveVersionOf(const std::string& name, const std::string& text,
                                 const codepages::FileFormat& format)
{
    try {
        app::saveVersion(m_engine, name, text, m_form.settings().SaveOptions, clock, format);
    } catch (const ZukError& e) {
        showMessage(m_form.message(e));
    }
}

editor::Ted* FileCommands::openRecovered(const QString& path, const std::string& charset,
                                         const std::string& syntax, const std::string& text,
                                         codepages::FileEncoding encoding,
                                         codepages::LineBreak lineBreak)
{
    editor::CdreamEditor& ed = m_form.editor();
    const std::string name = path.toStdString();
    const bool bound = !path.isEmpty() && !m_openFiles.contains(name);
    if (bound) {
        ed.NewDocument();
        ed.ApplyTextStyles();
        ed.ApplySettings();
    } else {
        m_form.NewFile();
    }
    editor::Ted& ted = *ed.activeDocument();
    ted.setCharset(charset); // before the text goes in: it is decoded once
    ted.setAllText(text);
    ted.control()->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    if (const editor::BuiltinSyntaxInfo* builtin = editor::builtinByInternalName(syntax))
        ted.setBuiltinSyntax(builtin->id);
    else if (!syntax.empty() && ed.applyScheme)
        ed.applyScheme(&ted, syntax);
    if (bound) {
        ted.setHasFile(true);
        ted.setFileName(name);
        m_openFiles.add(name);
        if (editor::TfmDox* dox = m_form.documentListWindow())
            dox->addDocument(path);
        m_form.documentTabs().sync();
        ed.ApplyBackground();
        watchDrops();
    }
    ted.setFileEncoding(encoding);
    ted.setFileLineBreak(lineBreak);
    // The '?' of the file are not known: every '?' counts as the file's.
    ted.setFileQuestionMarks(static_cast<std::size_t>(std::count(text.begin(), text.end(), '?')));
    ted.setModified(true);
    refreshEmergencyTable();
    return &ted;
}

// --- imports and drops ------------------------------------------------------------

bool FileCommands::importRtf(const QString& path)
{
    io::RtfDocument document;
    std::string text;
    const bool asText = m_form.settings().rtf_import_as_text;
    try {
        document = io::readRtfFile(path.toStdString());
        if (asText) {
            text = io::rtfPlainText(document);
        } else {
            // The external-program engine's temporary copy of an untitled document.
            const std::string temp =
                (QDir::tempPath() + QStringLiteral("/zuk_temp.htm")).toStdString();
            io::writeRtfAsHtml(document, temp);
            text = plugins::readDocumentFile(m_engine, temp);
        }
    } catch (const ZukError& e) {
        showMessage(m_form.text("MainForm", "sFileNotOpened") + QStringLiteral("\n\n") +
                    m_form.message(e));
        return false;
    }
    m_form.NewFile();
    if (asText)
        m_form.editor().SetAllText(text);
    else
        m_form.editor().InsertTextAsLines(text);
    return true;
}

// --- closing and leaving ----------------------------------------------------------

void FileCommands::documentClosed(editor::Ted* ted)
{
    // The window goes away right after this: the emergency table forgets it now.
    m_emergency.clear();
    QTimer::singleShot(0, this, &FileCommands::refreshEmergencyTable);
    const settings::RConnectionTable& s = m_form.settings();
    const std::string name = ted->fileName();
    if (isFilePath(name)) {
        m_form.addToHistory(name, ted->control()->firstVisibleLine());
        if (!s.Closing)
            m_openFiles.remove(name);
        if (s.SaveOptions.SaveVersionOnExit)
            saveVersionOf(name, ted->allText(), formatOf(*ted));
    }
    if (!s.Closing)
        if (editor::TfmDox* dox = m_form.documentListWindow())
            dox->removeDocument(QString::fromStdString(name));
}

ExitChoice FileCommands::askExit(const QStringList& names)
{
    const QString question = m_form.text("MainForm", "sUnsavedDocuments") + QStringLiteral("\n\n") +
                             names.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                             m_form.text("MainForm", "sSaveBeforeExit");
    if (exitChoiceHook)
        return exitChoiceHook(question);
    if (m_form.confirmHook)
        return m_form.confirmHook(question) ? ExitChoice::Discard : ExitChoice::Cancel;
    QMessageBox box(QMessageBox::Warning, m_form.windowTitle(), question, QMessageBox::NoButton,
                    &m_form);
    QPushButton* saveButton =
        box.addButton(m_form.text("MainForm", "sButtonSave"), QMessageBox::AcceptRole);
    QPushButton* discardButton =
        box.addButton(m_form.text("MainForm", "sButtonDontSave"), QMessageBox::DestructiveRole);
    QPushButton* cancelButton =
        box.addButton(m_form.text("MainForm", "sButtonCancel"), QMessageBox::RejectRole);
    box.setDefaultButton(saveButton);
    box.setEscapeButton(cancelButton);
    box.exec();
    if (box.clickedButton() == saveButton)
        return ExitChoice::Save;
    if (box.clickedButton() == discardButton)
        return ExitChoice::Discard;
    return ExitChoice::Cancel;
}

bool FileCommands::prepareExit()
{
    editor::CdreamEditor& ed = m_form.editor();
    const bool autosave = m_form.settings().autosave_on_exit;
    QList<editor::Ted*> unsaved;
    QStringList failures;
    for (editor::Ted* ted : ed.documents()) {
        // An unchanged document whose file someone else changed has nothing
        // to keep: that change stays, unasked.
        if (autosave && ted->hasFile() && !ted->modified() &&
            changedOnDisk(rememberedStamp(*ted), ted->fileName()))
            continue;
        if (autosave && ted->hasFile() && mayWriteOver(*ted, ted->fileName(), false) &&
            mayOverwriteChanged(*ted, false)) {
            try {
                writeTed(m_engine, ted->fileName(), *ted, formatOf(*ted));
                rememberStamp(*ted, diskStampOf(ted->fileName()));
                clearCut(*ted);
                continue;
            } catch (const ZukError& e) {
                // An unchanged document loses nothing when its write fails.
                if (ted->modified())
                    failures << m_form.message(e);
                continue;
            }
        }
        if (ted->modified())
            unsaved << ted;
    }
    if (!failures.isEmpty()) {
        showMessage(m_form.text("MainForm", "sNotAllSaved") + QStringLiteral("\n\n") +
                    failures.join(QLatin1Char('\n')));
        return false;
    }
    if (unsaved.isEmpty())
        return true;
    QStringList names;
    for (editor::Ted* ted : unsaved)
        names << QString::fromStdString(ted->fileName());
    switch (askExit(names)) {
    case ExitChoice::Cancel:
        return false;
    case ExitChoice::Discard:
        return true;
    case ExitChoice::Save:
        break;
    }
    for (editor::Ted* ted : unsaved) {
        ed.activateDocument(ted);
        if (!save())
            return false;
    }
    return true;
}

// --- timers -----------------------------------------------------------------------

void FileCommands::applyBackupTimer()
{
    const settings::RSaveOptions& o = m_form.settings().SaveOptions;
    m_backupTimer->stop();
    if (!o.SaveTimeEnable)
        return;
    m_backupTimer->setInterval(std::max(1, o.SaveTime) * 60000);
    m_backupTimer->start();
}

void FileCommands::onBackupTimer()
{
    editor::CdreamEditor& ed = m_form.editor();
    if (ed.DocumentCount() == 0)
        return;
    m_backupTimer->stop();
    if (ed.HasFile()) {
        try {
            saveBackupCopy(m_engine, ed.GetFileName(), ed.GetAllText(),
                           formatOf(*ed.activeDocument()));
        } catch (const ZukError& e) {
            // A box every few minutes would stop the user's work; the status bar tells.
            m_form.showStatus(m_form.message(e));
        }
    }
    applyBackupTimer();
}

QStringList FileCommands::writeEmergencyCopies()
{
    QStringList failures;
    for (editor::Ted* ted : m_form.editor().documents()) {
        if (!ted->modified())
            continue;
        const std::string name = ted->fileName();
        const QString shown = TDocumentTabs::fileNamePart(QString::fromStdString(name));
        const std::string path =
            ted->hasFile() && isFilePath(name)
                ? emergencyName(name)
                : m_form.dataPath(shown + QStringLiteral(".avr")).toStdString();
        try {
            writeTed(m_engine, path, *ted, formatOf(*ted));
        } catch (const ZukError& e) {
            failures << m_form.message(e);
        }
    }
    return failures;
}

void FileCommands::refreshEmergencyTable()
{
    if (!m_form.settings().do_crash_copy || m_form.documentCount() == 0) {
        m_emergency.clear();
        return;
    }
    m_emergency.refresh(m_form.editor().documents(),
                        [this](const editor::Ted& ted) { return formatOf(ted); });
}

void installFileCommands(TMainForm& form)
{
    auto* commands = new FileCommands(form);
    commands->install();
}

} // namespace zuk::app::ui
