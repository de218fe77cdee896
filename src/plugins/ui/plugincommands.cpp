#include "plugins/ui/plugincommands.h"

#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/ved.h"
#include "plugins/plugintexts.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <exception>
#include <optional>

namespace zuk::plugins::ui {

namespace {

const char* const kObjectName = "zukPluginCommands";

QString fromWin(const std::string& bytes)
{
    return QString::fromStdString(codepages::winToUtf8(bytes));
}

} // namespace

// One call of the menu: what was handed to the plug-in, and what is needed
// to see, when it ends, whether the document is still as it was.
struct TPluginCommands::Call {
    QString name;
    std::string text;
    long anchor = 0;
    long caret = 0;
    int documents = 0;
    std::string fileName;

    std::atomic<bool> cancel{false};
    // Written by the worker thread, read after it ended.
    std::string result;
    std::exception_ptr error;

    std::unique_ptr<QThread> thread;
    QPointer<QProgressDialog> progress;
    QPointer<QTimer> progressTimer;
};

TPluginCommands::TPluginCommands(app::ui::ToolHost& host) : QObject(host.window()), m_host(host)
{
    setObjectName(QString::fromLatin1(kObjectName));
}

TPluginCommands::~TPluginCommands()
{
    if (m_call) {
        m_call->cancel = true;
        m_call->thread->wait();
        delete m_call->progress;
    }
}

std::string TPluginCommands::pluginsFolder() const
{
    const std::string& dir = m_host.settings().PluginsDir;
    if (!dir.empty())
        return dir;
    return m_host.programFolder().toStdString() + "Engine/Plugins/";
}

void TPluginCommands::startup()
{
    ScanReport report;
    std::optional<QString> failure;
    try {
        report = m_man.Startup(pluginsFolder());
    } catch (const ZukError& e) {
        failure = m_host.message(e);
    }
    BuildPluginsMenu();
    if (!failure && report.skipped.empty())
        return;
    // The console exists once start-up is over.
    QTimer::singleShot(0, this, [this, report, failure] {
        if (failure) {
            m_host.consoleAppend(*failure);
            m_host.showConsole();
        }
        reportScan(report);
    });
}

void TPluginCommands::BuildPluginsMenu()
{
    m_host.refillMenu("plugsmenubase");
}

void TPluginCommands::fillPluginsMenu(QMenu& menu)
{
    const std::vector<PluginEntry>& plugins = m_man.Plugins();
    for (std::size_t i = 0; i < plugins.size(); ++i) {
        // No accelerator is made from an '&' of the name.
        QString caption = fromWin(plugins[i].name);
        QAction* item = menu.addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        // Two plug-ins may report one name: the item knows its own line.
        item->setData(static_cast<int>(i));
        connect(item, &QAction::triggered, this, [this, item] { runPlugin(item->data().toInt()); });
    }
    menu.menuAction()->setEnabled(!plugins.empty());
}

void TPluginCommands::runPlugin(int index)
{
    if (!m_host.hasDocument() || index < 0 ||
        static_cast<std::size_t>(index) >= m_man.Plugins().size())
        return;
    const PluginEntry& entry = m_man.Plugins()[static_cast<std::size_t>(index)];
    const QString name = fromWin(entry.name);
    if (m_call) {
        m_host.showStatus(m_host.format(pluginMessages().section, "sPluginBusy", {m_call->name}));
        return;
    }

    editor::CVed& doc = m_host.document();
    auto call = std::make_unique<Call>();
    call->name = name;
    call->text = doc.GetWorkText();
    call->anchor = doc.GetAnchorPos();
    call->caret = doc.GetCaretPos();
    call->documents = doc.DocumentCount();
    call->fileName = doc.GetFileName();

    // The worker gets copies: the list may change while it runs.
    Call* state = call.get();
    const std::string helper = m_man.helperPath();
    const std::string library = pluginsFolder() + entry.file;
    HandleDataLimits limits;
    limits.timeLimit = callTimeLimit;
    limits.cancel = &state->cancel;
    const auto handle = static_cast<std::uintptr_t>(index) + 1;
    call->thread.reset(QThread::create([state, helper, library, handle, limits] {
        try {
            state->result = pluginHandleData(helper, library, handle, state->text, limits);
        } catch (...) {
            state->error = std::current_exception();
        }
    }));
    connect(call->thread.get(), &QThread::finished, this, &TPluginCommands::finishCall);

    call->progressTimer = new QTimer(this);
    call->progressTimer->setSingleShot(true);
    connect(call->progressTimer, &QTimer::timeout, this, &TPluginCommands::showProgress);
    call->progressTimer->start(progressDelay);

    m_call = std::move(call);
    m_call->thread->start();
}

void TPluginCommands::showProgress()
{
    if (!m_call || m_call->progress)
        return;
    const std::string_view section = pluginMessages().section;
    auto* box = new QProgressDialog(m_host.format(section, "sPluginRunning", {m_call->name}),
                                    m_host.text(section, "sPluginCancel"), 0, 0, m_host.window());
    box->setWindowTitle(m_call->name);
    box->setWindowModality(Qt::WindowModal);
    box->setAutoClose(false);
    box->setAutoReset(false);
    box->setMinimumDuration(0);
    connect(box, &QProgressDialog::canceled, this, &TPluginCommands::cancelRunning);
    m_call->progress = box;
    box->show();
}

void TPluginCommands::cancelRunning()
{
    if (m_call)
        m_call->cancel = true;
}

void TPluginCommands::finishCall()
{
    if (!m_call)
        return;
    std::unique_ptr<Call> call = std::move(m_call);
    call->thread->wait();
    delete call->progressTimer;
    if (call->progress) {
        // Its canceled signal must not reach a call that is over.
        call->progress->disconnect(this);
        call->progress->deleteLater();
    }

    const std::string_view section = pluginMessages().section;
    if (call->error) {
        try {
            std::rethrow_exception(call->error);
        } catch (const PluginError& e) {
            if (call->cancel)
                m_host.showStatus(m_host.message(e));
            else
                showFailure(call->name, e);
        } catch (const ZukError& e) {
            showFailure(call->name, e);
        } catch (const std::exception& e) {
            showFailure(call->name, ZukError(e.what()));
        }
        return;
    }

    // The document must be the one, and the text the one, the plug-in got.
    bool same = m_host.hasDocument();
    if (same) {
        editor::CVed& doc = m_host.document();
        same = doc.DocumentCount() == call->documents && doc.GetFileName() == call->fileName &&
               doc.GetAnchorPos() == call->anchor && doc.GetCaretPos() == call->caret &&
               doc.GetWorkText() == call->text;
    }
    if (!same) {
        m_host.showNote(m_host.format(section, "sPluginDocumentChanged", {call->name}));
        return;
    }
    if (call->result == call->text)
        return;
    editor::CVed& doc = m_host.document();
    editor::CVed::EditGroup group(doc);
    doc.PutWorkText(call->result);
}

void TPluginCommands::showFailure(const QString& pluginName, const ZukError& error)
{
    m_host.showNote(m_host.format(pluginMessages().section, "sPluginFailed", {pluginName}) +
                    QStringLiteral("\n\n") + m_host.message(error));
}

void TPluginCommands::reportScan(const ScanReport& report)
{
    if (report.skipped.empty())
        return;
    for (const ScanFailure& failure : report.skipped)
        m_host.consoleAppend(
            m_host.format(pluginMessages().section, "sPluginSkipped",
                          {QString::fromStdString(failure.file), m_host.message(failure.reason)}));
    m_host.showConsole();
}

void TPluginCommands::listOperation(const std::function<std::optional<ScanReport>()>& operation)
{
    try {
        if (const std::optional<ScanReport> report = operation())
            reportScan(*report);
    } catch (const ZukError& e) {
        m_host.showNote(m_host.message(e));
    }
    BuildPluginsMenu();
}

void TPluginCommands::installFromDialog()
{
    const std::string_view section = pluginMessages().section;
    const QString caption = m_host.text(section, "sPluginInstallDialog");
    const QString filter = m_host.text(section, "sPluginFilter") + QStringLiteral(";;") +
                           m_host.text(section, "sPluginAllFiles");
    const QString path = fileDialogHook
                             ? fileDialogHook(caption, filter)
                             : QFileDialog::getOpenFileName(m_host.window(), caption, {}, filter);
    if (!path.isEmpty())
        installPlugin(path);
}

void TPluginCommands::installPlugin(const QString& path)
{
    listOperation([this, &path] {
        return m_man.Install(pluginsFolder(), path.toStdString(), [this](const std::string& file) {
            return m_host.confirm(m_host.format(pluginMessages().section, "sPluginReplace",
                                                {QString::fromStdString(file)}));
        });
    });
}

void TPluginCommands::removePlugin(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_man.Plugins().size())
        return;
    listOperation(
        [this, index] { return m_man.Remove(pluginsFolder(), static_cast<std::size_t>(index)); });
}

void TPluginCommands::rescanPlugins()
{
    m_host.consoleAppend(m_host.format(
        pluginMessages().section, "sPluginScanAt",
        {QString::fromStdString(pluginsFolder()) +
         QString::fromUtf8(kPluginMask.data(), static_cast<int>(kPluginMask.size()))}));
    listOperation([this] { return m_man.Rescan(pluginsFolder()); });
}

// Wiring -------------------------------------------------------------------

TPluginCommands* pluginCommands(app::ui::ToolHost& host)
{
    return host.window()->findChild<TPluginCommands*>(QString::fromLatin1(kObjectName),
                                                      Qt::FindDirectChildrenOnly);
}

void installPluginCommands(app::ui::ToolHost& host)
{
    auto* c = new TPluginCommands(host);
    host.addMenuProvider("plugsmenubase", [c](QMenu& menu) { c->fillPluginsMenu(menu); });
}

void pluginStartup(app::ui::ToolHost& host)
{
    if (TPluginCommands* c = pluginCommands(host))
        c->startup();
}

} // namespace zuk::plugins::ui
