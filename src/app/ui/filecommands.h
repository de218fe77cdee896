#pragma once

#include "app/diskstamp.h"
#include "app/filenames.h"
#include "app/openfilelist.h"
#include "app/ui/emergencycopies.h"
#include "codepages/unicodefile.h"
#include "plugins/cfioint.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QFileDialog;
class QTimer;

namespace zuk::editor {
class Ted;
}

namespace zuk::app::ui {

class FileDrops;
class TMainForm;

// The code-page detector run on every opened file when DoEncDetect is set: it
// gets the whole text (bytes) and answers "win", "dos" or "koi". Empty until
// the code-page part sets one; then every file stays "win".
using CodePageDetector = std::function<std::string(const std::string& text)>;
void setCodePageDetector(CodePageDetector detector);

// What the user chose when leaving with unsaved documents.
enum class ExitChoice { Save, Discard, Cancel };

// The document set's file commands on the main window: open, save, save as,
// save all, backup copies, revert, versions, dropped files, RTF import, the
// backup timer, the log-off save and the emergency copies. One lives per main
// window, as its child (object name "FileCommands"); installFileCommands makes
// it and registers the menu handlers. Every document read and write goes
// through the "std_txt" module of its input/output engine.
class FileCommands final : public QObject {
    Q_OBJECT
public:
    explicit FileCommands(TMainForm& form);
    ~FileCommands() override;

    // The one of `form`, or nullptr before installFileCommands.
    static FileCommands* of(const QObject& form);

    const plugins::CFIOINT& engine() const { return m_engine; }
    const OpenFileList& openFiles() const { return m_openFiles; }

    // Opens `path` as a new document (an .rtf file is imported instead). A
    // missing file does nothing; a file already open is refused with a message;
    // a read failure is reported with its reason when `reportFailure` is set.
    bool openFile(const QString& path, bool reportFailure);
    // The open dialog; opens every chosen file in the dialog's order.
    void openDialog();
    // Save: writes the active document to its file, or runs SaveAs when it
    // has none (or its file is gone). Returns whether the text reached the disk.
    bool save();
    bool saveAs();
    // The save-as steps for a name chosen and asked about elsewhere (a
    // template, a snippet): written as named, no extension added; the
    // dialogs keep their folders.
    bool saveAsNamed(const QString& path);
    // Writes every document bound to a file, from the last window to the first;
    // modified flags stay. Failures are collected and reported in one box
    // unless `quiet`; returns whether all writes succeeded.
    bool saveAllDocuments(bool quiet = false);
    void saveCopy();
    void loadCopy();
    void revert();
    // SaveVersion of the active document.
    void saveVersion();
    void saveVersionOf(const std::string& name, const std::string& text,
                       const codepages::FileFormat& format = {});
    // How a document's file is written: its file encoding and the code page
    // of its bytes, with the line break the file had when KeepLineBreaks is set.
    codepages::FileFormat formatOf(const editor::Ted& ted) const;
    // A document recovered after a crash: a new modified window holding
    // `text` exactly, in code page `charset`, highlighted as `syntax` (an
    // internal or a scheme name; empty: none), whose file is written as
    // `encoding` with `lineBreak`. It is bound to `path` like an opened file,
    // unless `path` is empty or open already: then it is an untitled
    // document. Returns the window.
    editor::Ted* openRecovered(const QString& path, const std::string& charset,
                               const std::string& syntax, const std::string& text,
                               codepages::FileEncoding encoding = codepages::FileEncoding::CodePage,
                               codepages::LineBreak lineBreak = codepages::LineBreak::CrLf);
    // RTF import into a new untitled document.
    bool importRtf(const QString& path);
    // Files dropped on the main window, in drop order.
    void dropFiles(const QStringList& paths);

    // Files dropped on a document's text area come here too; called after a
    // document window is made.
    void watchDrops();
    // Bookkeeping after a document window closed (the host calls it).
    void documentClosed(editor::Ted* ted);
    // The exit question: true when the shut-down may go on. With
    // autosave_on_exit set the documents bound to files are saved here (a
    // failure stops the exit) and only those without a file are asked about.
    bool prepareExit();
    // Once the settings are read: the dialogs' folders, the backup timer, the
    // log-off save and the emergency copies.
    void startup();
    // (Re)starts the backup timer from SaveTime and SaveTimeEnable.
    void applyBackupTimer();
    // Fills the table the crash handler's emergency hook writes from.
    void refreshEmergencyTable();
    // Every modified document to an emergency copy now (outside any signal
    // context): beside its file, or untitledN.avr in the parts folder. Returns
    // the failures, worded.
    QStringList writeEmergencyCopies();

    // A document whose file has a NUL shows only the bytes before it. It is
    // marked so; writing it over its own file needs the user's yes (none when
    // `quiet`), and a write of everything it holds clears the mark.
    static bool isCut(const editor::Ted& ted);
    bool mayWriteOver(editor::Ted& ted, const std::string& target, bool quiet);

    // A document remembers its file's stamp from the last open, save or
    // revert. When the file changed on disk since, writing over it needs the
    // user's yes; a quiet save (none to ask) keeps its hands off. A file that
    // is gone, or a document without a stamp, needs nothing. Writing over a
    // read-only file needs a yes too.
    static void rememberStamp(editor::Ted& ted, const DiskStamp& stamp);
    static DiskStamp rememberedStamp(const editor::Ted& ted);
    bool mayOverwriteChanged(editor::Ted& ted, bool quiet);

    // True while a file goes into a document window: events are handled
    // meanwhile (for the progress dialog), but the program must not close.
    bool loading() const { return m_loading; }

    // The initial folders of the two dialogs (UTF-8, no trailing '/').
    QString openFolder() const { return m_openFolder; }
    QString saveFolder() const { return m_saveFolder; }

    // Test hooks. Without them the real dialogs and boxes are shown.
    std::function<QStringList()> openDialogHook; // empty list: cancelled
    // The open-file dialog as the next "Открыть" shows it: made on first use,
    // and given the stored size whenever that changed (the settings dialog),
    // so a size the user dragged stays until the setting changes.
    QFileDialog& openFileDialog();
    std::function<QString()> saveDialogHook;                    // empty: cancelled
    std::function<bool(const QString& question)> overwriteHook; // true: Yes (every Yes/No question)
    std::function<void(const QString& message)> messageHook;
    std::function<ExitChoice(const QString& question)> exitChoiceHook;
    Clock clock = localTimeNow;
    // Files larger than this show a progress dialog while they load.
    qint64 progressThreshold = 4 * 1024 * 1024;

    // A file opened by a drop: the open dialog starts in its folder next time.
    void setOpenFolder(const QString& folder) { m_openFolder = folder; }

protected:
    friend void installFileCommands(TMainForm& form);

private:
    bool m_loading = false;
    void install();
    void showMessage(const QString& text, bool warning = true);
    bool writeDocument(const std::string& path, editor::Ted& ted);
    void tellQuestionMarks(editor::Ted& ted, std::size_t written, bool quiet);
    static void markCut(editor::Ted& ted, std::uint64_t shown, std::uint64_t fileBytes);
    static void clearCut(editor::Ted& ted);
    bool askYesNo(const QString& question);
    bool loadIntoNewDocument(const QString& full, bool reportFailure);
    QString chooseSaveName();
    bool writeAs(editor::Ted& ted, const QString& newName, bool rememberFolder);
    ExitChoice askExit(const QStringList& names);
    void onBackupTimer();

    TMainForm& m_form;
    plugins::CFIOINT m_engine;
    OpenFileList m_openFiles;
    QString m_openFolder;
    QString m_saveFolder;
    QPointer<QFileDialog> m_openDialog; // kept for the run: it keeps its size
    QSize m_openDialogSize;             // the stored size it was last given
    QTimer* m_backupTimer = nullptr;
    QTimer* m_emergencyTimer = nullptr;
    EmergencyCopies m_emergency;
    FileDrops* m_drops = nullptr; // child
};

// Makes the file commands of `form` and registers their menu handlers.
void installFileCommands(TMainForm& form);

} // namespace zuk::app::ui
