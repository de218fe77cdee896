#include "app/ui/mainform.h"
#include "app/ui/selectioncommands.h"
#include "app/ui/settingsdialog.h"

#include "app/commandtable.h"
#include "app/datetimeformat.h"
#include "app/ui/datelocale.h"
#include "app/ui/documenttabs.h"
#include "app/ui/filecommands.h"
#include "app/ui/infoconsole.h"
#include "app/ui/mainmenu.h"
#include "app/ui/mainstatusbar.h"
#include "app/ui/previewcommands.h"
#include "app/ui/recoverywatch.h"
#include "app/ui/toolrow.h"
#include "base/zukerror.h"
#include "calc/ui/calccommands.h"
#include "codepages/charsets.h"
#include "codepages/detector.h"
#include "codepages/ui/codepagecommands.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/doxwindow.h"
#include "editor/ui/ted.h"
#include "filebox/ui/fileboxcommands.h"
#include "hexedit/ui/hexeditcommands.h"
#include "html/ui/gallery.h"
#include "html/ui/htmlcommands.h"
#include "io/inifile.h"
#include "organizer/ui/organizercommands.h"
#include "plugins/ui/plugincommands.h"
#include "tools/ui/snippetcommands.h"
#include "tools/ui/toolscommands.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

namespace zuk::app::ui {

TMainForm::TMainForm(StartupOptions options, QWidget* parent)
    : QMainWindow(parent), m_options(std::move(options))
{
    setObjectName(QStringLiteral("MainForm"));
    buildWindow();
    runStartup();
}

TMainForm::~TMainForm()
{
    // The document windows reach the editor object while they go; close them first.
    if (m_mdi)
        for (QMdiSubWindow* w : m_mdi->subWindowList())
            delete w;
}

void TMainForm::buildWindow()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->setViewMode(QMdiArea::SubWindowView);
    m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, false);
    m_tabs = new TDocumentTabs(m_mdi, central);
    layout->addWidget(m_mdi, 1);
    layout->addWidget(m_tabs);
    setCentralWidget(central);

    m_menu = new TMainMenu(
        menuBar(), [this](const QString& name) { runCommand(name); }, this);
    addMenuProvider("mniLanguage", [this](QMenu& menu) { fillLanguageMenu(menu); });
    m_toolRow = new TToolRow(this);
    addToolBar(Qt::TopToolBarArea, m_toolRow);
    m_status = new TMainStatusBar(this);
    setStatusBar(m_status);

    m_statusTimer = new QTimer(this);
    connect(m_statusTimer, &QTimer::timeout, this, &TMainForm::updateLoadPanel);

    wireCommands();
    wireToolRow();
    addMenuProvider("mniHistory", [this](QMenu& menu) { fillHistoryMenu(menu); });
    addMenuProvider("mniWindow", [this](QMenu& menu) { fillWindowList(menu); });
    // The date and time items show the moment the menu opens.
    addMenuProvider("mniDateTime", [this](QMenu&) { setDateCaptions(); });
}

// Below its own items the Documents menu lists the open document windows,
// the active one checked; choosing one brings it to the front.
void TMainForm::fillWindowList(QMenu& menu)
{
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    menu.addSeparator();
    int n = 0;
    for (QMdiSubWindow* w : windows) {
        ++n;
        QString title = w->windowTitle();
        QAction* a = menu.addAction(QStringLiteral("&%1 %2").arg(n).arg(
            title.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        a->setCheckable(true);
        a->setChecked(w == m_mdi->activeSubWindow());
        QPointer<QMdiSubWindow> target(w);
        connect(a, &QAction::triggered, this, [this, target] {
            if (target)
                m_mdi->setActiveSubWindow(target);
        });
    }
}

QAction* TMainForm::command(const QString& name) const
{
    return m_menu->action(name);
}

void TMainForm::addCommands(std::vector<CommandHandler> handlers)
{
    for (CommandHandler& h : handlers) {
        const QString name = QString::fromUtf8(h.name.data(), static_cast<int>(h.name.size()));
        const CommandRow* row = findCommand(h.name);
        if (!row || row->kind != RowKind::Command || !h.run) {
            qWarning("zuk: no command row %s", qPrintable(name));
            m_unknownCommands << name;
            continue;
        }
        m_handlers.insert(name, std::move(h.run));
        if (QAction* item = command(name))
            item->setEnabled(true);
    }
}

bool TMainForm::hasCommand(std::string_view name) const
{
    return m_handlers.contains(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
}

bool TMainForm::hasHandler(const QString& name) const
{
    return m_handlers.contains(name);
}

bool TMainForm::isChecked(std::string_view name) const
{
    const QAction* a = command(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    return a && a->isChecked();
}

void TMainForm::setChecked(std::string_view name, bool on)
{
    if (QAction* a = command(QString::fromUtf8(name.data(), static_cast<int>(name.size()))))
        a->setChecked(on);
}

int TMainForm::documentCount() const
{
    return m_editor ? m_editor->DocumentCount() : 0;
}

bool TMainForm::hasDocument()
{
    return documentCount() > 0 && m_editor->activeDocument() != nullptr;
}

editor::CVed& TMainForm::document()
{
    return *m_editor;
}

void TMainForm::showCommandError(const QString& message)
{
    m_status->showMessage(message, 8000);
}

void TMainForm::showStatus(const QString& text)
{
    m_status->showMessage(text, 8000);
}

bool TMainForm::runCommand(std::string_view commandName)
{
    const QString name =
        QString::fromUtf8(commandName.data(), static_cast<int>(commandName.size()));
    const CommandRow* row = findCommand(commandName);
    QAction* item = command(name);
    auto handler = m_handlers.constFind(name);
    bool ready = row && row->kind == RowKind::Command && handler != m_handlers.constEnd();
    try {
        if (ready && row->needs != Need::Nothing)
            ready = hasDocument();
        if (ready && row->needs == Need::Selection)
            ready = !m_editor->SelEmpty();
        if (!ready) {
            // A check mark toggles itself before the command sees it; a command
            // that does not run leaves it as it was.
            if (item && item->isCheckable() && row && row->needs != Need::Nothing)
                item->setChecked(!item->isChecked());
            return false;
        }
        (*handler)();
        m_tabs->refreshCaptions(); // a command may have saved or changed a document
        return true;
    } catch (const ZukError& e) {
        showCommandError(message(e));
    } catch (const std::exception&) {
        // Unexpected failures end the command and nothing else; the program goes on.
    }
    return false;
}

void TMainForm::wireCommands()
{
    auto doc = [this]() -> editor::CVed& { return *m_editor; };
    addCommands({
        {"mniFileNew", [this] { NewFile(); }},
        {"mniCloseCurrent",
         [this] {
             if (QMdiSubWindow* w = m_mdi->activeSubWindow())
                 w->close();
         }},
        {"mniCloseAll",
         [this] {
             // From the last window in window order (the least recently active) to the first.
             const QList<QMdiSubWindow*> windows =
                 m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
             QList<QPointer<QMdiSubWindow>> guarded(windows.begin(), windows.end());
             for (const QPointer<QMdiSubWindow>& w : guarded)
                 if (w)
                     w->close();
         }},
        {"mniNextWindow", [this] { m_tabs->step(+1); }},
        {"mniPrevWindow", [this] { m_tabs->step(-1); }},
        {"mniExit", [this] { close(); }},
        {"EditUndoItem", [doc] { doc().Undo(); }},
        {"Redo1", [doc] { doc().Redo(); }},
        {"mniDup", [doc] { doc().DuplicateSel(); }},
        {"EditCopyItem",
         [doc] {
             doc().CopySel();
             doc().FocusEditor();
         }},
        {"EditCutItem", [doc] { doc().CutSel(); }},
        {"EditPasteItem",
         [doc] {
             doc().PasteClip();
             doc().FocusEditor();
         }},
        {"mniGotoLine", [doc] { doc().GotoLineDialog(); }},
        {"mniPrint", [doc] { doc().PrintDialog(); }},
        {"mniCallWindowManager",
         [this] {
             if (m_dox)
                 m_dox->setVisible(!m_dox->isVisible());
         }},
        {"mwordwrap",
         [this, doc] {
             m_settings.WordWrap = isChecked("mwordwrap");
             doc().SetWordWrap(m_settings.WordWrap);
         }},
        {"mniCopyOnSelect", [this] { m_settings.CopyOnSelect = isChecked("mniCopyOnSelect"); }},
    });
    calc::ui::installCalcCommands(*this);
    hexedit::ui::installHexEditCommands(*this);
    installSettingsCommands(*this);
    organizer::ui::installOrganizerCommands(*this);
    installSelectionCommands(*this);
    installFileCommands(*this);
    installRecoveryWatch(*this);
    codepages::ui::installCodePageCommands(*this);
    tools::ui::installToolsCommands(*this);
    plugins::ui::installPluginCommands(*this);
    html::ui::installHtmlCommands(*this);
    filebox::ui::installFileBoxCommands(*this);
    // The gallery page passes through the macros of makros.txt. The form is
    // guarded: the setting outlives a window (tests make many in turn).
    html::ui::setGalleryMacroExpansion([self = QPointer<TMainForm>(this)](const std::string& text) {
        tools::ui::TSnippetCommands* snippets = self ? tools::ui::snippetCommands(*self) : nullptr;
        return snippets ? snippets->expandMacros(text, self->partsFolder()) : text;
    });
    installPreviewCommands(*this);
    setCodePageDetector([](const std::string& text) { return codepages::DetectCodePage(text); });
}

void TMainForm::wireToolRow()
{
    connect(m_toolRow->cbTemplates(), &QComboBox::activated, this, [this](int) {
        if (documentCount() == 0)
            return;
        try {
            m_editor->SetTemplatesType(m_toolRow->cbTemplates()->currentText().toStdString());
            m_editor->FocusEditor();
        } catch (const ZukError& e) {
            showCommandError(QString::fromUtf8(e.what()));
        }
    });
    // The highlighting list is connected with the highlighting schemes at
    // start-up, the command-line box with the external-program engine.
}

void TMainForm::setDateCaptions()
{
    const DateTimeParts now = partsOf(QDateTime::currentDateTime());
    const DateLocale loc = systemDateLocale();
    const std::vector<std::string_view>& names = dateItemNames();
    for (size_t i = 0; i < names.size(); ++i) {
        QAction* a =
            command(QString::fromLatin1(names[i].data(), static_cast<int>(names[i].size())));
        if (!a)
            continue;
        // A caption is shown as a menu text: a lone & would turn into an accelerator.
        QString caption = QString::fromStdString(formatDateTime(dateItemFormats()[i], now, loc));
        a->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}

void TMainForm::addToHistory(const std::string& fileName, int firstLine)
{
    const QString name = QString::fromStdString(fileName);
    for (auto it = m_history.begin(); it != m_history.end();)
        it = QString::fromStdString(it->fileName).compare(name, Qt::CaseInsensitive) == 0
                 ? m_history.erase(it)
                 : it + 1;
    m_history.insert(m_history.begin(), RRecentFile{fileName, firstLine});
    const size_t capacity = static_cast<size_t>(std::max(0, m_settings.MRUItemsCount));
    if (m_history.size() > capacity)
        m_history.resize(capacity);
}

void TMainForm::HistoryOpen(const QString& path, int firstLine)
{
    if (!QFileInfo::exists(path) || !OpenFile(path))
        return;
    if (firstLine != 0)
        m_editor->ScrollBy(0, firstLine);
}

// The history entries as items of their submenu, captions without accelerators.
void TMainForm::fillHistoryMenu(QMenu& menu)
{
    for (const RRecentFile& entry : m_history) {
        QString caption = QString::fromStdString(entry.fileName);
        QAction* a = menu.addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        const QString path = QString::fromStdString(entry.fileName);
        const int line = entry.firstLine;
        connect(a, &QAction::triggered, this, [this, path, line] { HistoryOpen(path, line); });
    }
}

void TMainForm::NewFile()
{
    ++m_settings.UntitledCounter;
    m_editor->NewDocument();
    m_editor->ApplyTextStyles();
    m_editor->ApplySettings();
    m_editor->SetFileName("untitled" + std::to_string(m_settings.UntitledCounter));
    m_editor->ApplyBackground();
    m_editor->SetCharset("win");
    m_editor->SetSyntax("No");
    if (m_dox)
        m_dox->addDocument(QString::fromStdString(m_editor->GetFileName()));
    {
        m_settings.HighlightListUpdating = true;
        m_toolRow->cbSyntax()->setCurrentText(QStringLiteral("No"));
        m_settings.HighlightListUpdating = false;
    }
    m_tabs->sync();
    FileCommands::of(*this)->watchDrops();
}

void TMainForm::selectTabByName(const std::string& name)
{
    // Tabs are tied to their windows, so two documents with one file-name part
    // in different folders still select their own tab; the first tab with the
    // caption is the fallback.
    const QString part = TDocumentTabs::fileNamePart(QString::fromStdString(name));
    int index = m_tabs->indexOf(m_mdi->activeSubWindow());
    if (index < 0 || m_tabs->tabText(index) != part) {
        index = -1;
        for (int i = 0; i < m_tabs->count() && index < 0; ++i)
            if (m_tabs->tabText(i) == part)
                index = i;
    }
    if (index >= 0) {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(index);
    }
}

QStringList TMainForm::documentNamesForLastFiles() const
{
    QStringList names;
    const QList<editor::Ted*> docs = m_editor->documents(); // most recently active first
    for (auto it = docs.crbegin(); it != docs.crend(); ++it)
        names << QString::fromStdString((*it)->fileName());
    return names;
}

} // namespace zuk::app::ui
