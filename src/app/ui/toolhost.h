#pragma once

#include "settings/settings.h"

#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QMenu;
class QWidget;

namespace zuk {
class ZukError;
}
namespace zuk::editor {
class CVed;
}
namespace zuk::settings {
class SettingsNotifier;
}

namespace zuk::app {
class TextService;
}

namespace zuk::app::ui {

// The code behind one row of the command table: the row's component name and
// what the command does. The host's command wrapper checks what the row needs
// (a document, a selection) before it runs the handler.
struct CommandHandler {
    std::string_view name;
    std::function<void()> run;
};

// A tool window the host makes when it is first asked for, as a child of the
// main window, and keeps until the main window goes.
struct ToolWindowSpec {
    std::string id; // unique; names the window in code and tests
    std::function<QWidget*(QWidget* parent)> make;
    // Where zuk.ini keeps its position and size; none: it is not kept.
    std::optional<settings::WindowGeometryKeys> geometry;
    // How a window takes and gives its stored geometry, when not as its plain
    // frame position and size (a rolled-up window stores its unrolled height).
    std::function<void(QWidget*, const QRect&)> restoreGeometry;
    std::function<QRect(QWidget*)> storedGeometry;
    // Asked when the program is about to close, for a window that has been
    // made: false keeps the program running (the window asked the user about
    // its unsaved work and was told to stay). None: it never holds it up.
    std::function<bool(QWidget*)> mayClose;
};

// What a subsystem's interface code gets from the program instead of the main
// window: it registers its commands, tool windows and run-time menus, and
// reaches the settings, the texts, the messages, the data folders, the
// information console and the current document. The main window implements
// it; tests implement it without a window.
class ToolHost {
public:
    virtual ~ToolHost() = default;

    // --- commands -----------------------------------------------------------
    // A name that is no command row of the table is refused (and remembered for
    // the registration check); a registered command's menu item is enabled.
    virtual void addCommands(std::vector<CommandHandler> handlers) = 0;
    virtual bool hasCommand(std::string_view name) const = 0;
    // Runs a command through the wrapper; false when it did not run.
    virtual bool runCommand(std::string_view name) = 0;
    // The check mark of a checkable item.
    virtual bool isChecked(std::string_view name) const = 0;
    virtual void setChecked(std::string_view name, bool on) = 0;

    // The settings dialog opened on one page (a component name such as
    // "tsFileMan"); the dialog's command by default.
    virtual void showSettingsPage(std::string_view page)
    {
        static_cast<void>(page);
        runCommand("mniOpts");
    }

    // --- tool windows ---------------------------------------------------------
    virtual void addToolWindow(ToolWindowSpec tool) = 0;
    // The window, made now when it does not exist yet; nullptr for an unknown id.
    virtual QWidget* toolWindow(std::string_view id) = 0;
    // The window when it has been made, else nullptr.
    virtual QWidget* existingToolWindow(std::string_view id) const = 0;
    // Makes the window when needed, shows it, raises and activates it.
    virtual QWidget* showToolWindow(std::string_view id) = 0;
    template <class Window> Window* tool(std::string_view id)
    {
        return dynamic_cast<Window*>(toolWindow(id));
    }

    // --- run-time menus -------------------------------------------------------
    // `fill` adds the run-time items of the menu with this component name each
    // time the menu is about to show and on refillMenu(); the items it added
    // the time before are removed first, the menu's own items stay.
    virtual void addMenuProvider(std::string_view menu, std::function<void(QMenu&)> fill) = 0;
    virtual void refillMenu(std::string_view menu) = 0;

    // --- settings -------------------------------------------------------------
    virtual settings::RConnectionTable& settings() = 0;
    virtual settings::SettingsNotifier& settingsNotifier() = 0;

    // --- texts ----------------------------------------------------------------
    virtual const TextService& texts() const = 0;
    // Calls `localise` now and on every language change while `window` lives.
    virtual void addLocaliser(QWidget* window, std::function<void()> localise) = 0;
    QString text(std::string_view section, std::string_view key) const;
    QString format(std::string_view section, std::string_view key,
                   const std::vector<QString>& args) const;
    // A failure in the words of the current language.
    QString message(const ZukError& error) const;

    // --- messages to the user ---------------------------------------------------
    virtual void showStatus(const QString& text) = 0;
    // A message box with an OK button over the main window.
    virtual void showNote(const QString& text) = 0;
    // A Yes/No question; true on Yes.
    virtual bool confirm(const QString& question) = 0;
    // A single-line input box; nothing when cancelled.
    virtual std::optional<QString> prompt(const QString& title, const QString& label,
                                          const QString& initial = {}) = 0;

    // --- data folders ---------------------------------------------------------
    // The program folder and the parts folder, UTF-8, with a trailing '/'.
    virtual QString programFolder() const = 0;
    virtual QString partsFolder() const = 0;
    // A file or folder under the parts folder, names matched without regard to case.
    virtual QString dataPath(const QString& relative) const = 0;

    // --- the information console ----------------------------------------------
    virtual void consoleAppend(const QString& message) = 0;
    virtual void showConsole() = 0;
    virtual void hideConsole() = 0;
    virtual bool consoleVisible() const = 0;

    // --- documents --------------------------------------------------------------
    virtual bool hasDocument() = 0;
    // The current document; only when hasDocument().
    virtual editor::CVed& document() = 0;
    virtual void newDocument() = 0;
    virtual bool openFile(const QString& path, bool reportFailure) = 0;
    // Makes the document of this file the current one when the file is open
    // (compared as the open-file list compares names); false when it is not.
    virtual bool activateFile(const QString& path) = 0;
    // Saves the current document as File, "Сохранить" does (one without a
    // file asks for a name); true when its text reached the disk.
    virtual bool saveDocument() = 0;
    // The save-as steps for a name the caller chose and asked about: the
    // current document is written there as it is (no extension added), takes
    // that name and is no longer modified. True when the text reached the
    // disk; a failure has been shown to the user.
    virtual bool saveDocumentAs(const QString& path) = 0;

    // The window dialogs and tool windows belong to.
    virtual QWidget* window() = 0;
};

} // namespace zuk::app::ui
