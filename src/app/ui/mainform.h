#pragma once

#include "app/filehistory.h"
#include "app/textservice.h"
#include "app/ui/toolhost.h"
#include "platform/sysload.h"
#include "settings/connectiontable.h"
#include "settings/settings.h"
#include "settings/settingsnotifier.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QMdiArea;
class QTranslator;
class QMenu;
class QTimer;

namespace zuk::io {
class IniFile;
}
namespace zuk::editor {
class CdreamEditor;
class TfmDox;
} // namespace zuk::editor

namespace zuk::app::ui {

class TDocumentTabs;
class TInfoConsole;
class TMainMenu;
class TMainStatusBar;
class TToolRow;

// What the program entry hands the main window.
struct StartupOptions {
    QString home;          // --home DIR; empty when not given
    QStringList files;     // file arguments, opened in order at the first activation
    QString executableDir; // folder of the running program; empty: the application's
};

// The main window: an MDI frame with the menu built from the command table,
// the tool row, the tab strip below the document area and the status bar. It
// owns the settings record, the text service, the editor interface object and
// the tool windows for the whole run, and is the host every subsystem
// registers into; its constructor runs the start-up sequence and its close
// event the shut-down.
class TMainForm final : public QMainWindow, public ToolHost {
public:
    // Throws zuk::IoError when the program folder or zuk.ini cannot be made or read.
    explicit TMainForm(StartupOptions options, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The tool windows made at program entry, after the main window, in order:
    // the information console, the multi-replace window, the document-list
    // window, the bookmark window and the find-in-files window. The
    // multi-replace, bookmark and find-in-files windows belong to their own
    // parts and are added there.
    void createToolWindows();

    settings::RSoundSettings& soundSettings() { return m_sound; }
    settings::RMainWindowProps& windowProps() { return m_props; }
    editor::CdreamEditor& editor() { return *m_editor; }
    TMainMenu& mainMenu() { return *m_menu; }
    TMainStatusBar& mainStatusBar() { return *m_status; }
    TToolRow& toolRow() { return *m_toolRow; }
    TDocumentTabs& documentTabs() { return *m_tabs; }
    QMdiArea& mdiArea() { return *m_mdi; }
    TInfoConsole* infoConsole() { return m_console; }
    editor::TfmDox* documentListWindow() { return m_dox; }
    io::IniFile& ini() { return *m_ini; }
    // Set from the start of start-up until the tool windows are made.
    bool busy() const { return m_busy; }
    // Set while a modal step (the settings dialog) owns the window.
    void setBusy(bool on) { m_busy = on; }
    // The extensions batch processing may rewrite (enabled_exts.txt), as read.
    std::vector<std::string>& enabledExts() { return m_enabledExts; }

    // --- ToolHost -------------------------------------------------------------
    void addCommands(std::vector<CommandHandler> handlers) override;
    bool hasCommand(std::string_view name) const override;
    // The command wrapper: runs the handler of a built command when what it
    // needs (a document, a selection) is there, and otherwise does nothing.
    // A zuk::ZukError ends the command and its message is shown in the status
    // bar; nothing is thrown out of here. Returns whether the handler ran.
    bool runCommand(std::string_view name) override;
    bool runCommand(const QString& name)
    {
        return runCommand(std::string_view(name.toStdString()));
    }
    bool runCommand(const char* name) { return runCommand(std::string_view(name)); }
    bool isChecked(std::string_view name) const override;
    void setChecked(std::string_view name, bool on) override;
    void showSettingsPage(std::string_view page) override;
    void addToolWindow(ToolWindowSpec tool) override;
    QWidget* toolWindow(std::string_view id) override;
    QWidget* existingToolWindow(std::string_view id) const override;
    QWidget* showToolWindow(std::string_view id) override;
    void addMenuProvider(std::string_view menu, std::function<void(QMenu&)> fill) override;
    void refillMenu(std::string_view menu) override;
    settings::RConnectionTable& settings() override { return m_settings; }
    settings::SettingsNotifier& settingsNotifier() override { return m_notifier; }
    const TextService& texts() const override { return m_texts; }
    void addLocaliser(QWidget* window, std::function<void()> localise) override;
    void showStatus(const QString& text) override;
    void showNote(const QString& text) override;
    bool confirm(const QString& question) override;
    std::optional<QString> prompt(const QString& title, const QString& label,
                                  const QString& initial = {}) override;
    QString programFolder() const override { return m_programFolder; }
    QString partsFolder() const override { return m_partsFolder; }
    QString dataPath(const QString& relative) const override;
    void consoleAppend(const QString& message) override;
    void showConsole() override;
    void hideConsole() override;
    bool consoleVisible() const override;
    bool hasDocument() override;
    editor::CVed& document() override;
    void newDocument() override { NewFile(); }
    bool openFile(const QString& path, bool reportFailure) override
    {
        return OpenFile(path, reportFailure);
    }
    bool activateFile(const QString& path) override;
    bool saveDocument() override;
    bool saveDocumentAs(const QString& path) override;
    QWidget* window() override { return this; }

    // The menu item with this component name, or nullptr.
    QAction* command(const QString& name) const;
    bool hasHandler(const QString& name) const;
    // Names handed to addCommands that are no command row: the registration
    // check of the tests expects none.
    const QStringList& unknownCommandNames() const { return m_unknownCommands; }

    // --- languages ---------------------------------------------------------------
    // Opens the language file of the settings' Lang (none for Russian).
    void OpenLanguageFile();
    // The main window's texts: the date captions, and the menu captions the
    // open language file gives (captions it has no key for stay as they are).
    void LocaliseMainWindow();
    // LocaliseMainWindow, then the localiser of every live window.
    void LocaliseAll();
    // The language chosen in the settings dialog or the language menu: Russian
    // takes effect at the next start (the user is told so); any other language
    // at once.
    void changeLanguage(const std::string& language);

    // Document operations.
    void NewFile();
    // Opens a file as a new document. A missing file does nothing; one already
    // open is refused with a message; a read failure shows the reason when
    // `reportFailure` is set.
    bool OpenFile(const QString& path, bool reportFailure = true);
    int documentCount() const;
    // The document names (window captions) from the last window in window
    // order to the first: the active document comes last.
    QStringList documentNamesForLastFiles() const;

    // The file history, most recent first (section Recent of zuk.ini).
    const std::vector<RRecentFile>& history() const { return m_history; }
    // Puts a file at the front of the history (moving it when it is there
    // already), keeping at most MRUItemsCount entries.
    void addToHistory(const std::string& fileName, int firstLine);
    // Opens a history entry and scrolls it to the line it was left at; a file
    // that no longer exists does nothing and its entry stays.
    void HistoryOpen(const QString& path, int firstLine);

    // The first-activation handler; runs once, on the first activation.
    void FormActivate();

    // Writes the shortcut file, the settings and the enabled-extension list.
    void SaveSettings();

    // SIGTERM and SIGHUP from now on end the program through terminate().
    void watchTermination();
    // The system or the terminal ends the program: modified documents are
    // written to emergency copies, then the shut-down runs without questions.
    void terminate();

    // Where the window is kept in zuk.ini: move() places the frame, while the
    // normal geometry is the inside, so the frame's offset (title bar, border)
    // comes off, or every start would move the window down by the title bar.
    static QPoint storedPosition(const QRect& normal, const QRect& inner, const QRect& frame);

    // Sets the captions of the ten date/time items from the current time.
    void setDateCaptions();

    // Test hook: answers the questions confirm() would ask. Without it the
    // questions are real message boxes.
    std::function<bool(const QString& question)> confirmHook;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    void runStartup();
    void wireCommands();
    void wireToolRow();
    void fillWindowList(QMenu& menu);
    void fillHistoryMenu(QMenu& menu);
    void applyWindowGeometry();
    void applySettingsEverywhere();
    void applyShortcutFile();
    void updateLoadPanel();
    void loadLastFiles();
    bool isOpenFile(const QString& path) const;
    void showQuotation();
    bool ask(const QString& question, bool warning);
    void fillLanguageMenu(QMenu& menu);
    void applyQtTranslation();
    struct ToolWindowEntry;
    ToolWindowEntry* toolEntry(std::string_view id);
    const ToolWindowEntry* toolEntry(std::string_view id) const;
    void writeToolWindowGeometry();
    bool toolWindowsMayClose();
    bool confirmDiscardUnsaved();
    void writeShutdownState();
    void writeLastFiles();
    void selectTabByName(const std::string& name);
    void showCommandError(const QString& message);

    StartupOptions m_options;
    settings::RConnectionTable m_settings;
    settings::SettingsNotifier m_notifier;
    settings::RSoundSettings m_sound;
    settings::RMainWindowProps m_props;
    TextService m_texts;
    std::unique_ptr<QTranslator> m_qtTexts; // Qt's own buttons and dialogs in Russian
    platform::CpuLoadMeter m_cpuMeter;
    QString m_programFolder;
    QString m_partsFolder;
    std::unique_ptr<io::IniFile> m_ini;
    std::unique_ptr<editor::CdreamEditor> m_editor;

    QMdiArea* m_mdi = nullptr;
    TDocumentTabs* m_tabs = nullptr;
    TMainMenu* m_menu = nullptr;
    TToolRow* m_toolRow = nullptr;
    TMainStatusBar* m_status = nullptr;
    QTimer* m_statusTimer = nullptr;
    TInfoConsole* m_console = nullptr; // child of the main window
    editor::TfmDox* m_dox = nullptr;   // child of the main window

    QHash<QString, std::function<void()>> m_handlers;
    QStringList m_unknownCommands;
    struct ToolWindowEntry {
        ToolWindowSpec tool;
        QPointer<QWidget> window;
    };
    std::vector<ToolWindowEntry> m_toolWindows;
    struct MenuProvider {
        QString menu;
        std::function<void(QMenu&)> fill;
    };
    std::vector<MenuProvider> m_menuProviders;
    struct Localiser {
        QPointer<QWidget> window;
        std::function<void()> localise;
    };
    std::vector<Localiser> m_localisers;
    std::vector<RRecentFile> m_history;
    QStringList m_openFiles;                // full paths of documents opened from files
    std::vector<std::string> m_enabledExts; // enabled_exts.txt, Windows-1251 lines as read
    bool m_busy = false;
    bool m_shutDown = false;
    bool m_terminating = false;            // the shut-down asks nothing
    QObject* m_terminationWatch = nullptr; // child
};

} // namespace zuk::app::ui
