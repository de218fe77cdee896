#include "app/ui/filecommands.h"

#include "app/documentfiles.h"
#include "app/droppedfiles.h"
#include "app/flashimport.h"
#include "app/ui/crashhandler.h"
#include "app/ui/documenttabs.h"
#include "app/ui/mainform.h"
#include "app/ui/mainstatusbar.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/doxwindow.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "io/largebuffer.h"
#include "io/rtfreader.h"
#include "io/rtftohtml.h"

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

#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace zuk::app::ui {

namespace {

CodePageDetector& detectorSlot()
{
    static CodePageDetector detector;
    return detector;
}

const char* const kOpenFilter = "All text files|*.txt;*htm;*.html;*.ans;*.asc;*.nfo;*.cfg;*.css;"
                                "*.bat;*.ini;*.pas;*.cpp;*.h;*.rtf|Text Files (*.txt)|*.txt|"
                                "All files|*.*|HTML|*.HTM;*.HTML";
const char* const kSaveFilter =
    "Все текстовые файлы|*.txt;*.ini;*.htm;*html;*.ans;*.asc;*.nfo;*.cpp;*.pas|"
    "Text Files (*.TXT)|*.txt|HTML-файлы|*.htm;*.html|Все файлы|*.*";

// "Caption|pattern;pattern|..." as Qt name filters: "Caption (pattern pattern)".
// "*.*" means every file, also those without a dot.
QStringList qtFilters(const char* pipeFilter)
{
    const QStringList parts = QString::fromUtf8(pipeFilter).split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        out << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out;
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

QString fromWin(const std::string& s)
{
    return QString::fromStdString(codepages::winToUtf8(s));
}

// Text for a document in its working code page.
std::string inCodePage(const QString& text, const std::string& charset)
{
    codepages::CodePage cp = codepages::CodePage::Win;
    codepages::codePageFromName(charset, cp);
    return codepages::encodeFromUtf8(text.toStdString(), cp);
}

// --- emergency copies -----------------------------------------------------------
// The crash handler runs in a signal context: the paths and the controls are
// put into static storage beforehand, and the hook only reads the controls'
// buffers and writes with open/write/close.

struct EmergencyDocument {
    char path[4096];
    editor::TedControl* control;
    codepages::CodePage codePage;
};

constexpr int kMaxEmergencyDocuments = 256;
EmergencyDocument g_emergency[kMaxEmergencyDocuments];
std::atomic<int> g_emergencyCount{0};
char g_emergencyBuffer[64 * 1024];

struct EmergencyWriter {
    int fd;
    size_t used = 0;
    bool ok = true;
    void flush()
    {
        size_t done = 0;
        while (ok && done < used) {
            const ssize_t n = ::write(fd, g_emergencyBuffer + done, used - done);
            if (n <= 0)
                ok = false;
            else
                done += static_cast<size_t>(n);
        }
        used = 0;
    }
    void put(char c)
    {
        if (used == sizeof g_emergencyBuffer)
            flush();
        g_emergencyBuffer[used++] = c;
    }
};

// Decodes the control's UTF-8 and writes it in the document's code page, every
// line followed by CR LF.
void writeEmergencyCopy(const EmergencyDocument& doc)
{
    const long length = doc.control->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const auto* text = static_cast<const unsigned char*>(
        doc.control->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    if (!text || length < 0)
        return;
    const int fd = ::open(doc.path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    EmergencyWriter out{fd};
    const bool softBreaks = doc.control->hasSoftBreaks();
    bool lineOpen = false;
    for (long i = 0; i < length;) {
        const unsigned char b = text[i];
        if (b == '\n' && softBreaks) { // a lone LF only cuts a long line
            ++i;
            continue;
        }
        if (b == '\r' || b == '\n') {
            i += (b == '\r' && i + 1 < length && text[i + 1] == '\n') ? 2 : 1;
            out.put('\r');
            out.put('\n');
            lineOpen = false;
            continue;
        }
        char32_t c = b;
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (extra)
            c = b & (0x3F >> extra);
        ++i;
        for (; extra > 0 && i < length; --extra, ++i)
            c = (c << 6) | (text[i] & 0x3F);
        const int byte = c < 0x80 ? static_cast<int>(c) : codepages::encodeChar(c, doc.codePage);
        out.put(byte < 0 ? '?' : static_cast<char>(byte));
        lineOpen = true;
    }
    if (lineOpen) {
        out.put('\r');
        out.put('\n');
    }
    out.flush();
    ::close(fd);
}

void emergencyHook()
{
    const int n = g_emergencyCount.load();
    for (int i = 0; i < n; ++i)
        writeEmergencyCopy(g_emergency[i]);
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
    // The table must not be read after its controls are gone.
    connect(this, &QObject::destroyed, [] { g_emergencyCount.store(0); });
}

FileCommands::~FileCommands()
{
    g_emergencyCount.store(0);
}

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
    f.setAcceptDrops(true);
    f.installEventFilter(this);
}

void FileCommands::startup()
{
    const settings::RMainWindowProps& props = m_form.windowProps();
    m_openFolder = fromWin(props.LastOpenDir);
    m_saveFolder = fromWin(props.LastSaveDir);
    applyBackupTimer();
    if (m_form.settings().do_crash_copy) {
        // The reverse tables are made now, outside any signal context.
        for (codepages::CodePage cp :
             {codepages::CodePage::Win, codepages::CodePage::Dos, codepages::CodePage::Koi})
            codepages::encodeChar(0x0416, cp);
        setEmergencyHook(&emergencyHook);
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

// The document's text goes to the file in blocks, never copied whole.
void writeTed(const plugins::CFIOINT& engine, const std::string& path, const editor::Ted& ted)
{
    plugins::writeDocumentBlocks(
        engine, path,
        [&ted](const std::function<void(std::string_view)>& sink) { ted.writeText(sink); });
}

} // namespace

bool FileCommands::writeDocument(const std::string& path, const editor::Ted& ted)
{
    try {
        writeTed(m_engine, path, ted);
        return true;
    } catch (const ZukError& e) {
        showMessage(QString::fromUtf8("Файл не сохранён.\n\n") + QString::fromUtf8(e.what()));
        return false;
    }
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
        showMessage(QString::fromUtf8("Нельзя открыть уже открытый файл"), false);
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
            showMessage(QString::fromUtf8("Файл не открыт.\n\n") + QString::fromUtf8(e.what()));
        return false;
    };

    // The head of the file: proof that it can be read before a window opens,
    // and enough text for the code-page detector. A file is read twice (to
    // size the editor, then to fill it); what is not a regular file, such as
    // a pipe, can be read only once, so it is read whole here.
    constexpr std::size_t kSample = 256 * 1024;
    const bool regular = QFileInfo(full).isFile();
    std::string head, whole;
    try {
        if (regular) {
            head = io::readFileHead(name, kSample);
        } else {
            whole = plugins::readDocumentFile(m_engine, name);
            head = whole.substr(0, kSample);
        }
    } catch (const ZukError& e) {
        return fail(e);
    }
    std::string detected;
    if (s.DoEncDetect && detectorSlot()) {
        head.resize(std::min(head.size(), head.find('\0'))); // a NUL ends the text
        detected = detectorSlot()(head);
    }

    // A big file shows how far it got; the events in between keep the window alive.
    const qint64 size = QFileInfo(full).size();
    std::unique_ptr<QProgressDialog> progress;
    if (size > progressThreshold) {
        progress = std::make_unique<QProgressDialog>(QString::fromUtf8("Открывается ") +
                                                         QFileInfo(full).fileName(),
                                                     QString(), 0, 100, &m_form);
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
    if (detected == "dos" || detected == "koi")
        ed.SetCharset(detected); // before the text goes in: it is decoded once
    bool unwrapped = false;
    try {
        // The file goes into the editor block by block, never whole in memory.
        unwrapped = ed.LoadFileBlocks(
            name,
            [&](const std::function<void(std::string_view)>& sink) {
                if (regular)
                    plugins::readDocumentBlocks(m_engine, name, sink);
                else
                    sink(whole);
            },
            advance);
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
    m_openFiles.add(name);
    ed.SetModified(false);
    ed.SetHasFile(true);
    if (editor::TfmDox* dox = m_form.documentListWindow())
        dox->addDocument(full);
    if (s.bkonopen) {
        try {
            saveBackupCopy(m_engine, name, ed.GetAllText());
        } catch (const ZukError& e) {
            m_form.mainStatusBar().showMessage(QString::fromUtf8(e.what()), 8000);
        }
    }
    m_form.documentTabs().sync();
    ed.ApplyBackground();
    watchDrops();
    if (progress)
        progress->setValue(100);
    if (unwrapped)
        m_form.mainStatusBar().showMessage(
            QString::fromUtf8("Файл большой: перенос по словам выключен (его можно включить в "
                              "меню «Правка»)."),
            15000);
    refreshEmergencyTable();
    return true;
}

void FileCommands::openDialog()
{
    QStringList files;
    if (openDialogHook) {
        files = openDialogHook();
    } else {
        if (!m_openDialog) {
            m_openDialog = new QFileDialog(&m_form);
            m_openDialog->setOption(QFileDialog::DontUseNativeDialog);
            m_openDialog->setFileMode(QFileDialog::ExistingFiles);
            m_openDialog->setNameFilters(qtFilters(kOpenFilter));
            m_openDialog->setSizeGripEnabled(true);
        }
        m_openDialog->setDirectory(m_openFolder);
        if (m_openDialog->exec() == QDialog::Accepted)
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
    if (!writeDocument(name, *ed.activeDocument()))
        return false;
    m_openFolder = m_saveFolder = folderOf(qname);
    ed.SetModified(false);
    ed.FocusEditor();
    return true;
}

QString FileCommands::chooseSaveName()
{
    if (saveDialogHook)
        return saveDialogHook();
    QFileDialog dialog(&m_form, QString::fromUtf8("Сохранить файл как..."), m_saveFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = qtFilters(kSaveFilter);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(3));
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
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
    if (QFileInfo::exists(newName)) {
        const QString question = QString::fromUtf8("OK для перезаписи %1").arg(newName);
        const bool yes =
            overwriteHook
                ? overwriteHook(question)
                : QMessageBox::question(&m_form, m_form.windowTitle(), question,
                                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                        QMessageBox::No) == QMessageBox::Yes;
        if (!yes)
            return false;
    }
    // The bookkeeping changes only once the text is on the disk.
    const std::string target = newName.toStdString();
    if (!writeDocument(target, *ted))
        return false;
    m_openFolder = m_saveFolder = folderOf(newName);
    ed.activateDocument(ted);
    ed.SetHasFile(true);
    const std::string oldName = ted->fileName();
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
        if (!ted->hasFile())
            continue;
        try {
            writeTed(m_engine, ted->fileName(), *ted);
        } catch (const ZukError& e) {
            failures << QString::fromUtf8(e.what());
        }
    }
    if (!failures.isEmpty() && !quiet)
        showMessage(QString::fromUtf8("Не все файлы сохранены.\n\n") +
                    failures.join(QLatin1Char('\n')));
    return failures.isEmpty();
}

void FileCommands::saveCopy()
{
    editor::CdreamEditor& ed = m_form.editor();
    if (ed.DocumentCount() == 0 || !ed.HasFile())
        return;
    try {
        saveBackupCopy(m_engine, ed.GetFileName(), ed.GetAllText());
    } catch (const ZukError& e) {
        showMessage(QString::fromUtf8(e.what()));
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
    const std::string text = plugins::readDocumentFile(m_engine, ed.GetFileName());
    const bool modified = ed.GetModified();
    ed.SetAllText(text);
    ed.SetModified(modified);
}

void FileCommands::saveVersion()
{
    editor::CdreamEditor& ed = m_form.editor();
    if (ed.DocumentCount() == 0)
        return;
    saveVersionOf(ed.GetFileName(), ed.GetAllText());
}

void FileCommands::saveVersionOf(const std::string& name, const std::string& text)
{
    try {
        app::saveVersion(m_engine, name, text, m_form.settings().SaveOptions, clock);
    } catch (const ZukError& e) {
        showMessage(QString::fromUtf8(e.what()));
    }
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
        showMessage(QString::fromUtf8("Файл не открыт.\n\n") + QString::fromUtf8(e.what()));
        return false;
    }
    m_form.NewFile();
    if (asText)
        m_form.editor().SetAllText(text);
    else
        m_form.editor().InsertTextAsLines(text);
    return true;
}

// A simple image tag with the picture's real size, its path relative to the
// active document's folder.
bool FileCommands::insertPicture(const QString& path)
{
    editor::CdreamEditor& ed = m_form.editor();
    const std::string docName = ed.GetFileName();
    const QString base =
        isFilePath(docName) ? folderOf(QString::fromStdString(docName)) : QDir::currentPath();
    const QString relative = QDir(base).relativeFilePath(QFileInfo(path).absoluteFilePath());
    QString tag = QStringLiteral("<img src=\"%1\"").arg(relative);
    const QSize size = QImageReader(path).size();
    if (size.isValid())
        tag += QStringLiteral(" width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height());
    tag += QLatin1Char('>');
    return ed.InsertAtCaret(inCodePage(tag, ed.GetCharset()));
}

bool FileCommands::insertFlash(const QString& path)
{
    const QString templatePath = m_form.dataPath(QStringLiteral("swfimport.txt"));
    std::string templateText;
    try {
        templateText = plugins::readDocumentFile(m_engine, templatePath.toStdString());
    } catch (const ZukError& e) {
        showMessage(QString::fromUtf8(e.what()));
        return false;
    }
    const std::string text =
        flashInsertion(templateText, m_form.settings().Metachar,
                       QFileInfo(path).absoluteFilePath().toStdString(), newGuid());
    return m_form.editor().InsertAtCaret(text);
}

void FileCommands::dropFiles(const QStringList& paths)
{
    const bool flashTemplate = QFileInfo::exists(m_form.dataPath(QStringLiteral("swfimport.txt")));
    for (const QString& path : paths) {
        const DropAction action =
            classifyDroppedFile(path.toStdString(), m_form.documentCount() > 0, flashTemplate);
        switch (action) {
        case DropAction::Open:
            if (QFileInfo::exists(path)) {
                openFile(path, true);
                m_openFolder = folderOf(path);
            }
            break;
        case DropAction::ImportRtf:
            if (QFileInfo::exists(path))
                importRtf(path);
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

void FileCommands::watchDrops()
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

bool FileCommands::eventFilter(QObject* watched, QEvent* event)
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

// --- closing and leaving ----------------------------------------------------------

void FileCommands::documentClosed(editor::Ted* ted)
{
    // The window goes away right after this: the emergency table forgets it now.
    g_emergencyCount.store(0);
    QTimer::singleShot(0, this, &FileCommands::refreshEmergencyTable);
    const settings::RConnectionTable& s = m_form.settings();
    const std::string name = ted->fileName();
    if (isFilePath(name)) {
        m_form.addToHistory(name, ted->control()->firstVisibleLine());
        if (!s.Closing)
            m_openFiles.remove(name);
        if (s.SaveOptions.SaveVersionOnExit)
            saveVersionOf(name, ted->allText());
    }
    if (!s.Closing)
        if (editor::TfmDox* dox = m_form.documentListWindow())
            dox->removeDocument(QString::fromStdString(name));
}

ExitChoice FileCommands::askExit(const QStringList& names)
{
    const QString question = QString::fromUtf8("Эти документы изменены и не сохранены:\n\n") +
                             names.join(QLatin1Char('\n')) +
                             QString::fromUtf8("\n\nСохранить их перед выходом?");
    if (exitChoiceHook)
        return exitChoiceHook(question);
    if (m_form.confirmHook)
        return m_form.confirmHook(question) ? ExitChoice::Discard : ExitChoice::Cancel;
    QMessageBox box(QMessageBox::Warning, m_form.windowTitle(), question, QMessageBox::NoButton,
                    &m_form);
    QPushButton* saveButton =
        box.addButton(QString::fromUtf8("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discardButton =
        box.addButton(QString::fromUtf8("Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton* cancelButton = box.addButton(QString::fromUtf8("Отмена"), QMessageBox::RejectRole);
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
        if (autosave && ted->hasFile()) {
            try {
                writeTed(m_engine, ted->fileName(), *ted);
                continue;
            } catch (const ZukError& e) {
                // An unchanged document loses nothing when its write fails.
                if (ted->modified())
                    failures << QString::fromUtf8(e.what());
                continue;
            }
        }
        if (ted->modified())
            unsaved << ted;
    }
    if (!failures.isEmpty()) {
        showMessage(QString::fromUtf8("Не все файлы сохранены.\n\n") +
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
            saveBackupCopy(m_engine, ed.GetFileName(), ed.GetAllText());
        } catch (const ZukError& e) {
            // A box every few minutes would stop the user's work; the status bar tells.
            m_form.mainStatusBar().showMessage(QString::fromUtf8(e.what()), 8000);
        }
    }
    applyBackupTimer();
}

void FileCommands::refreshEmergencyTable()
{
    g_emergencyCount.store(0);
    if (!m_form.settings().do_crash_copy || m_form.documentCount() == 0)
        return;
    // The code-page tables are made on first use; the crash handler must not be it.
    codepages::encodeChar(U'\u0410', codepages::CodePage::Win);
    int n = 0;
    for (editor::Ted* ted : m_form.editor().documents()) {
        if (n == kMaxEmergencyDocuments)
            break;
        if (!ted->hasFile())
            continue;
        const std::string path = emergencyName(ted->fileName());
        if (path.size() >= sizeof g_emergency[n].path)
            continue;
        std::memcpy(g_emergency[n].path, path.c_str(), path.size() + 1);
        g_emergency[n].control = ted->control();
        g_emergency[n].codePage = ted->control()->codePage();
        ++n;
    }
    g_emergencyCount.store(n);
}

void installFileCommands(TMainForm& form)
{
    auto* commands = new FileCommands(form);
    commands->install();
}

// Runs the emergency hook as the crash handler would (for tests).
void runEmergencyHookForTest()
{
    emergencyHook();
}

} // namespace zuk::app::ui
