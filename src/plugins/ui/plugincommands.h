#pragma once

#include "plugins/cplugsman.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMenu;
class QProgressDialog;
class QThread;
class QTimer;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::plugins::ui {

// The plug-in manager of the main window and the Utilities submenu
// "Плагины" (plugsmenubase) built from it. Choosing an item runs the
// plug-in of that line on the working text of the current document in a
// helper process, on a worker thread: the interface stays live, and a
// progress box with "Отмена" appears when the call takes a while. The result
// replaces the working text as one undo step; any failure is shown with its
// reason and leaves the document as it was, unmodified. One call runs at a
// time. A child of the main window, made by installPluginCommands.
class TPluginCommands final : public QObject {
public:
    explicit TPluginCommands(app::ui::ToolHost& host);
    ~TPluginCommands() override; // stops a running call and waits for its thread

    CPlugsMan& manager() { return m_man; }
    // The plugins folder, UTF-8 with a trailing '/'.
    std::string pluginsFolder() const;

    // The start-up rule (plugslist.txt, or a scan when it is missing), then
    // the menu. Libraries the scan skipped go to the information console.
    void startup();
    // The submenu made anew from the list at its next showing.
    void BuildPluginsMenu();
    void fillPluginsMenu(QMenu& menu);

    // Runs the plug-in of line `index`; nothing happens without a document.
    void runPlugin(int index);
    bool running() const { return m_call != nullptr; }
    // Stops the running call as "Отмена" does.
    void cancelRunning();

    // The three operations of the settings page. Each reports its failures
    // itself (a box) and the libraries a scan skipped (the console), and
    // rebuilds the menu. installPlugin asks before replacing a library of
    // the same file name; installFromDialog first asks for the file.
    void installFromDialog();
    void installPlugin(const QString& path);
    void removePlugin(int index);
    void rescanPlugins();

    // How long a menu call may run before it is stopped.
    std::chrono::milliseconds callTimeLimit{std::chrono::minutes(2)};
    // How long a call runs before the progress box shows.
    std::chrono::milliseconds progressDelay{400};
    // Answers the install dialog (the chosen path, or empty for cancel);
    // without it the dialog is real.
    std::function<QString(const QString& caption, const QString& filter)> fileDialogHook;

private:
    struct Call;
    void finishCall();
    void showProgress();
    void reportScan(const ScanReport& report);
    void showFailure(const QString& pluginName, const ZukError& error);
    // Runs a list operation; a failure is shown in a box.
    void listOperation(const std::function<std::optional<ScanReport>()>& operation);

    app::ui::ToolHost& m_host;
    CPlugsMan m_man;
    std::unique_ptr<Call> m_call;
};

// Registers the run-time menu of plugsmenubase with the host and makes the
// manager; its start-up step is pluginStartup.
void installPluginCommands(app::ui::ToolHost& host);
void pluginStartup(app::ui::ToolHost& host);

// The plug-in state of a main window, or nullptr before installPluginCommands.
TPluginCommands* pluginCommands(app::ui::ToolHost& host);

} // namespace zuk::plugins::ui
