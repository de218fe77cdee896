// Start-up, first activation and shut-down of the main window.

#include "app/ui/mainform.h"
#include "app/ui/toolbarsholder.h"

#include "app/mainformtexts.h"
#include "app/quotation.h"
#include "app/shortcutfile.h"
#include "app/ui/crashhandler.h"
#include "app/ui/documenttabs.h"
#include "app/ui/filecommands.h"
#include "app/ui/generalcommands.h"
#include "app/ui/infoconsole.h"
#include "app/ui/localiser.h"
#include "app/ui/mainmenu.h"
#include "app/ui/mainstatusbar.h"
#include "app/ui/previewcommands.h"
#include "app/ui/recoverywatch.h"
#include "app/ui/startupsupport.h"
#include "app/ui/terminationwatch.h"
#include "app/ui/toolrow.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "codepages/ui/codepagecommands.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/doxwindow.h"
#include "editor/ui/editorhost.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "highlight/ui/highlightinstall.h"
#include "html/ui/htmlcommands.h"
#include "io/inifile.h"
#include "io/linesfile.h"
#include "organizer/ui/organizercommands.h"
#include "platform/privatefolder.h"
#include "platform/programfolder.h"
#include "platform/sysload.h"
#include "platform/ui/desktopshell.h"
#include "platform/ui/soundplayer.h"
#include "plugins/ui/plugincommands.h"
#include "settings/settings.h"
#include "tools/ui/documentsearch.h"
#include "tools/ui/searchcommands.h"
#include "tools/ui/toolscommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <optional>

namespace zuk::app::ui {

namespace {

QString fromWin(const std::string& s)
{
    return QString::fromStdString(codepages::winToUtf8(s));
}

std::string local(const QString& path)
{
    return path.toStdString();
}

QSize screenSize()
{
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->geometry().size();
    return {1024, 768};
}

} // namespace

// Start-up, in order. The steps that belong to parts not present yet (note
// tables, external programs, keyboard layouts, text styles, schemes, the
// input/output engine, plug-ins, the language file, transliteration, the
// backup timer, snippets, colour styles, the file history, the feedback
// pictures, the colour-picker colours and toolbars) are added by those parts
// at their place in this sequence.
void TMainForm::runStartup()
{
    m_busy = true;
    m_settings.Closing = false;
    m_settings.HighlightListUpdating = false;
    m_settings.SnippetsChanged = true;

    // Working folders.
    QString exeDir = m_options.executableDir;
    if (exeDir.isEmpty())
        exeDir = QCoreApplication::applicationDirPath();
    platform::ProgramFolderRequest request;
    if (!m_options.home.isEmpty())
        request.home = local(m_options.home);
    request.executableFolder = local(exeDir);
    const std::string program = platform::resolveProgramFolder(request);
    // Whichever folder it is, it gets what it lacks of the shipped data; what
    // is there is the user's and stays. A file that cannot be copied costs
    // only that file: the console tells which, once it and the language exist.
    if (const std::string tree = platform::defaultDataTree(request.executableFolder);
        !tree.empty()) {
        platform::SeedReport seeded = platform::seedProgramFolder(program, tree);
        if (!seeded.failures.empty()) {
            QTimer::singleShot(0, this, [this, failures = std::move(seeded.failures)] {
                for (const IoError& failure : failures)
                    consoleAppend(message(failure));
                showConsole();
            });
        }
    }
    const platform::WorkingFolders folders = platform::workingFolders(program);
    m_programFolder = QString::fromStdString(program);
    m_partsFolder = QString::fromStdString(folders.parts);
    // The data files written back at shut-down live here; an empty program
    // folder (a first run with --home) gets it now.
    QDir().mkpath(m_partsFolder);
    settings::setWorkingFolders(m_settings, folders);

    // The enabled-extension list; an unreadable file counts as a missing one.
    try {
        m_enabledExts = readListIfPresent(local(dataPath(QStringLiteral("enabled_exts.txt"))));
    } catch (const ZukError&) {
        m_enabledExts.clear();
    }

    // The highlighting list: the built-in highlighters, the schemes, No.
    m_toolRow->fillSyntaxList({});

    // zuk.ini: created empty when missing, then read.
    const QString iniPath = QString::fromStdString(platform::resolveDataPath(program, "zuk.ini"));
    if (!QFileInfo::exists(iniPath)) {
        QFile f(iniPath);
        f.open(QIODevice::WriteOnly);
    }
    m_ini = std::make_unique<io::IniFile>(local(iniPath));

    m_settings.FirstActivation = true;
    m_settings.UntitledCounter = -1;

    const QSize screen = screenSize();
    settings::LoadSettings(*m_ini, m_settings, m_sound, m_props, screen.width(), screen.height(),
                           program);

    m_statusTimer->setInterval(std::max(100, m_settings.CPUStatus_update));
    if (m_settings.CPUStatus_enable || m_settings.DisplayMemStatus) {
        m_cpuMeter.sample(); // the first tick then shows the load of its own period
        m_statusTimer->start();
    }
    if (QAction* a = command(QStringLiteral("mniAscroll")))
        a->setChecked(m_settings.AutoscrollActive);
    command(QStringLiteral("mwordwrap"))->setChecked(m_settings.WordWrap);
    command(QStringLiteral("mniCopyOnSelect"))->setChecked(m_settings.CopyOnSelect);
    applyWindowGeometry();
    m_toolRow->setVisible(m_settings.show_topbar);
    m_status->setVisible(m_settings.show_statusbar);

    setWindowTitle(QStringLiteral("Zuk ") + QStringLiteral(ZUK_VERSION));

    // The editor interface object. It makes no editing control until the
    // first document exists, which keeps start-up short.
    editor::EditorHost host;
    host.texts = &m_texts;
    host.mainWindow = this;
    host.mdiArea = m_mdi;
    host.syntaxBox = m_toolRow->cbSyntax();
    host.setStatusPanel = [this](int panel, const QString& text) {
        m_status->setPanel(panel, text);
    };
    host.showMessage = [this](const QString& text) { showStatus(text); };
    host.closeMainWindow = [this] { close(); };
    host.findDialog = [this] {
        if (tools::ui::TDocumentSearch* search = tools::ui::documentSearch(*this))
            search->FindDialog();
    };
    host.replaceDialog = [this] {
        if (tools::ui::TDocumentSearch* search = tools::ui::documentSearch(*this))
            search->ReplaceDialog();
    };
    host.findNext = [this] {
        tools::ui::TDocumentSearch* search = tools::ui::documentSearch(*this);
        return search && search->FindNext();
    };
    host.findText = [this](const QString& text) {
        tools::ui::TDocumentSearch* search = tools::ui::documentSearch(*this);
        return search && search->findText(text);
    };
    host.openWith = [this](const QString& path) {
        platform::ui::DesktopShell(this, &m_texts).OpenWithDialog(path);
    };
    // Called while the window is still there; its tab goes with the window.
    // A document of a file goes into the history, also during shut-down.
    host.documentClosed = [this](editor::Ted* ted) {
        FileCommands::of(*this)->documentClosed(ted);
        RecoveryWatch::of(*this)->documentClosed(ted);
        // The last window going leaves nothing for the caret panel, the code
        // page panel and the highlighting list to show.
        QTimer::singleShot(0, this, [this] {
            if (documentCount() > 0)
                return;
            m_status->setPanel(0, QString());
            m_status->setPanel(1, QString());
            m_settings.HighlightListUpdating = true;
            m_toolRow->cbSyntax()->setCurrentText(QStringLiteral("No"));
            m_settings.HighlightListUpdating = false;
        });
    };
    editor::HostCallbacks callbacks;
    callbacks.activateTab = [this](const std::string& name) { selectTabByName(name); };
    callbacks.openFile = [this](const std::string& path) {
        OpenFile(QString::fromStdString(path), false);
    };
    // Key clicks: the player opens the audio output on the first sound only.
    auto* player = new platform::ui::SoundPlayer(this);
    callbacks.keySound = [this, player](char typed) {
        if (m_settings.SoundKey)
            player->keySound(typed, m_sound);
    };
    m_editor = std::make_unique<editor::CdreamEditor>(host, m_settings, callbacks);
    m_notifier.subscribe([this] { applySettingsEverywhere(); });

    // The language file and the texts it gives, then the shortcut file.
    OpenLanguageFile();
    LocaliseMainWindow();
    applyShortcutFile();

    m_history = readRecentFiles(*m_ini, std::max(0, m_settings.MRUItemsCount));
    html::ui::htmlStartup(*this);
    highlight::ui::installHighlighting(*this, *m_editor, m_toolRow->cbSyntax());
    plugins::ui::pluginStartup(*this);
    FileCommands::of(*this)->startup();
    RecoveryWatch::of(*this)->startup();

    // The transliterator's modes, then klayouts.txt and the keyboard-layout submenu.
    codepages::ui::codePageStartup(*this);
    tools::ui::toolsStartup(*this);
    (new CToolbarsHolder(*this))->LoadAll();
}

void TMainForm::createToolWindows()
{
    m_console = new TInfoConsole(this);
    localiseWindow(m_console, infoConsoleTexts(), m_texts, true);
    addLocaliser(m_console, [this] { localiseWindow(m_console, infoConsoleTexts(), m_texts); });
    // The multi-replace window comes here.
    ToolWindowSpec dox;
    dox.id = "Dox";
    dox.geometry = settings::doxGeometryKeys();
    dox.make = [this](QWidget* parent) {
        auto* w = new editor::TfmDox(parent);
        w->setPartsDir(partsFolder());
        w->connectEditor(m_editor.get());
        w->openFile = [this](const QString& path) { OpenFile(path, false); };
        addLocaliser(w, [w] { w->localise(); });
        return w;
    };
    dox.restoreGeometry = [](QWidget* w, const QRect& r) {
        static_cast<editor::TfmDox*>(w)->restoreGeometry(r);
    };
    dox.storedGeometry = [](QWidget* w) {
        return static_cast<editor::TfmDox*>(w)->storedGeometry();
    };
    addToolWindow(std::move(dox));
    m_dox = tool<editor::TfmDox>("Dox");
    organizer::ui::createBookmarkWindow(*this);
    // The find-in-files window comes here.
    m_busy = false;
}

QPoint TMainForm::storedPosition(const QRect& normal, const QRect& inner, const QRect& frame)
{
    return normal.topLeft() - (inner.topLeft() - frame.topLeft());
}

// What the main window shows of the settings record, after it changed: every
// document's look, the bars, the status timer, the backup and scrolling timers.
void TMainForm::applySettingsEverywhere()
{
    m_editor->ApplyColorsToAll();
    m_editor->ApplyFontsToAll();
    m_editor->ApplyFontSizesToAll();
    m_editor->ApplyBackgroundToAll();
    m_editor->ApplyGutterToAll();
    m_editor->ApplyMarginToAll();
    m_editor->ApplyLineNumbersToAll();
    m_editor->ApplyBlockIndentToAll();
    m_editor->ApplyTabWidthToAll();
    m_editor->ApplyHighlightToAll();
    m_editor->ApplyLineSeparatorsToAll();
    m_toolRow->setVisible(m_settings.show_topbar);
    m_status->setVisible(m_settings.show_statusbar);
    m_statusTimer->setInterval(std::max(100, m_settings.CPUStatus_update));
    // As at start-up: the memory display alone keeps the panel updated too.
    if (!m_settings.CPUStatus_enable && !m_settings.DisplayMemStatus)
        m_statusTimer->stop();
    else if (!m_statusTimer->isActive())
        m_statusTimer->start();
    if (FileCommands* files = FileCommands::of(*this))
        files->applyBackupTimer();
    if (GeneralCommands* general = GeneralCommands::of(*this))
        general->applyAutoscrollPeriod();
}

void TMainForm::applyWindowGeometry()
{
    move(m_props.Left, m_props.Top);
    resize(std::max(m_props.W, 100), std::max(m_props.H, 100));
}

void TMainForm::applyShortcutFile()
{
    ShortcutTable table;
    try {
        table = ShortcutTable::load(local(dataPath(QStringLiteral("shortcuts.txt"))));
    } catch (const ZukError&) {
        return; // an unreadable shortcut file leaves the built-in shortcuts
    }
    if (table.empty())
        return;
    m_menu->applyShortcuts([&table](const QString& name, const QString& caption) -> QString {
        const std::optional<std::string> keys =
            table.findItem(name.toStdString(), caption.toStdString());
        return keys ? QString::fromStdString(*keys) : QString();
    });
}

void TMainForm::updateLoadPanel()
{
    const int cpu = m_settings.CPUStatus_enable ? m_cpuMeter.sample() : 0;
    const int mem = m_settings.DisplayMemStatus ? platform::memoryLoadPercent() : 0;
    m_status->setPanel(2, TMainStatusBar::loadText(m_settings.CPUStatus_enable, cpu,
                                                   m_settings.DisplayMemStatus, mem));
}

void TMainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_settings.FirstActivation)
        // Let the activation finish before documents and boxes appear.
        QTimer::singleShot(0, this, &TMainForm::FormActivate);
}

void TMainForm::FormActivate()
{
    if (!m_settings.FirstActivation)
        return;
    m_settings.FirstActivation = false;
    // Every file argument opens (a desktop passes all the files chosen for
    // "Open with"); a file named twice, or also in the last session's list,
    // opens once and without a word.
    for (const QString& file : m_options.files)
        if (!isOpenFile(file))
            OpenFile(file, true);
    loadLastFiles();
    RecoveryWatch::of(*this)->offer();
    showQuotation();
}

bool TMainForm::OpenFile(const QString& path, bool reportFailure)
{
    return FileCommands::of(*this)->openFile(path, reportFailure);
}

void TMainForm::loadLastFiles()
{
    if (!m_settings.LoadLastFiles)
        return;
    for (const std::string& line :
         readListIfPresent(local(dataPath(QStringLiteral("lastfiles.txt")))))
        if (!line.empty() && !isOpenFile(QString::fromStdString(line)))
            OpenFile(QString::fromStdString(line), false);
}

bool TMainForm::isOpenFile(const QString& path) const
{
    const FileCommands* files = FileCommands::of(*this);
    return files && files->openFiles().contains(QFileInfo(path).absoluteFilePath().toStdString());
}

void TMainForm::showQuotation()
{
    if (!m_settings.showmagik)
        return;
    const QString path =
        dataPath(QStringLiteral("quotes/") + QString::fromStdString(m_settings.current_quotefile));
    std::string text;
    try {
        if (!QFileInfo::exists(path))
            return;
        text = readWholeFile(local(path));
    } catch (const ZukError&) {
        return;
    }
    if (const std::optional<std::string> quote = pickQuotation(text, systemRandomRange()))
        QMessageBox::information(this, windowTitle(), fromWin(*quote));
}

// Modified documents are not lost without a word: the user saves them,
// discards them or stays (autosave_on_exit saves those bound to files first).
bool TMainForm::confirmDiscardUnsaved()
{
    return FileCommands::of(*this)->prepareExit();
}

void TMainForm::SaveSettings()
{
    // Three files, each written even when one before it fails; the first
    // failure is reported afterwards.
    std::optional<IoError> failure;
    auto step = [&failure](auto write) {
        try {
            write();
        } catch (const IoError& e) {
            if (!failure)
                failure = e;
        }
    };
    // The shortcut file first, from the whole menu tree.
    step([this] {
        std::vector<MenuShortcut> items;
        for (const auto& [key, keys] : m_menu->shortcutLines())
            items.push_back({key.toStdString(), keys.toStdString()});
        writeShortcutFile(local(dataPath(QStringLiteral("shortcuts.txt"))), items);
    });
    step([this] {
        // The check marks are what the user last set.
        settings::RMenuChecks checks;
        checks.WordWrap = command(QStringLiteral("mwordwrap"))->isChecked();
        checks.CopyOnSelect = command(QStringLiteral("mniCopyOnSelect"))->isChecked();
        m_settings.WordWrap = checks.WordWrap;
        m_settings.CopyOnSelect = checks.CopyOnSelect;
        settings::SaveSettings(*m_ini, m_settings, m_sound, m_props, checks);
    });
    step([this] {
        io::writeLinesFile(local(dataPath(QStringLiteral("enabled_exts.txt"))), m_enabledExts);
    });
    if (failure)
        throw *failure;
}

void TMainForm::writeShutdownState()
{
    io::IniFile::Batch batch(*m_ini);
    writeToolWindowGeometry();
    const QRect g = normalGeometry();
    const QPoint at = storedPosition(g, geometry(), frameGeometry());
    m_props.Top = at.y();
    m_props.Left = at.x();
    m_props.W = g.width();
    m_props.H = g.height();
    std::optional<std::string> folder;
    if (documentCount() > 0)
        folder = local(QFileInfo(QString::fromStdString(m_editor->GetFileName())).absolutePath() +
                       QLatin1Char('/'));
    settings::SaveShutdownKeys(*m_ini, m_settings, m_props, folder);
    batch.commit();
}

void TMainForm::writeLastFiles()
{
    std::vector<std::string> lines;
    for (const QString& name : documentNamesForLastFiles())
        lines.push_back(local(name));
    io::writeLinesFile(local(dataPath(QStringLiteral("lastfiles.txt"))), lines);
}

void TMainForm::watchTermination()
{
    if (!m_terminationWatch)
        m_terminationWatch = new TerminationWatch([this](int) { terminate(); }, this);
}

void TMainForm::terminate()
{
    const FileCommands* files = FileCommands::of(*this);
    if (files && files->loading()) {
        // The file goes in first; the window it makes is then saved too.
        QTimer::singleShot(50, this, &TMainForm::terminate);
        return;
    }
    for (const QString& failure : FileCommands::of(*this)->writeEmergencyCopies())
        qWarning("zuk: %s", qPrintable(failure));
    // The recovery copies stay for the next start, as after a kill.
    RecoveryWatch::of(*this)->freeze();
    m_terminating = true;
    close();
}

// Shut-down, in order. Each writing step is guarded on its own: a folder that
// cannot be written must not keep the program from closing, nor skip the
// steps after it.
void TMainForm::closeEvent(QCloseEvent* event)
{
    if (m_shutDown) {
        event->accept();
        return;
    }
    if (const FileCommands* files = FileCommands::of(*this);
        files && files->loading()) { // a file is going into a window
        event->ignore();
        return;
    }
    if (!m_terminating) {
        if (m_settings.confirm_on_exit && !ask(text("MainForm", "sConfirmExit"), true)) {
            event->ignore();
            return;
        }
        if (!toolWindowsMayClose() || !confirmDiscardUnsaved()) {
            event->ignore();
            return;
        }
        RecoveryWatch::of(*this)->finishRun();
    }
    m_statusTimer->stop();
    m_settings.Closing = true;

    auto guarded = [this](auto step) {
        try {
            step();
        } catch (const ZukError& e) {
            qWarning("%s", e.what());
        }
    };
    guarded([this] { SaveSettings(); });
    if (m_settings.SaveToolbarsOnExit)
        if (CToolbarsHolder* toolbars = toolbarsHolder(*this))
            guarded([toolbars] { toolbars->SaveAll(); });
    guarded([this] { writeShutdownState(); });
    if (PreviewCommands* preview = PreviewCommands::of(*this))
        preview->removeCopy();        // beside a document, and only while it is still ours
    platform::removeExchangeFolder(); // the exchange files of programs and previews
    guarded([this] { writeLastFiles(); });
    // With autosave_on_exit the documents were saved before Closing was set,
    // so that a failed write could still stop the exit.
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder))
        w->close();
    guarded([this] { writeRecentFiles(*m_ini, m_history); });
    guarded([this] { tools::ui::toolsShutdown(*this); });
    guarded([this] { codepages::ui::codePageShutdown(*this); });
    m_shutDown = true;
    event->accept();
}

} // namespace zuk::app::ui
