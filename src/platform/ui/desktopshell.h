#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QUrl;
class QWidget;

namespace zuk {
class ZukError;
}
namespace zuk::app {
class TextService;
}

namespace zuk::platform::ui {

// The flags of the file operations, as the callers pass them.
enum ShellFlag : int {
    kShellSilent = 1,            // no question, no message (failures only returned)
    kShellToTrash = 2,           // delete: to the freedesktop trash
    kShellRenameOnCollision = 2, // rename: a taken name becomes "name (2).ext"
    kShellFilesOnly = 4,         // delete: never a folder
};

// What the program does with the desktop: starting programs and browsers,
// opening files and addresses with the desktop's own programs, the
// open-with chooser, file properties, and deleting and renaming files.
// Programs start with argument lists (never through a shell line), on their
// own, without being waited for. Questions and messages go to boxes over
// `parent` in the words of `texts` (none: the built-in words).
class DesktopShell final {
public:
    explicit DesktopShell(QWidget* parent = nullptr, const app::TextService* texts = nullptr);

    // Starts `program` with `arguments` in `folder`; a document, a folder or
    // an address (anything with a scheme) given as the program opens with the
    // desktop's program for it. False when nothing could be started.
    bool ShellOpen(const QString& program, const QStringList& arguments = {},
                   const QString& folder = {}) const;
    // A browser shown a file (as a file:// address) or an address: the
    // browser at `browserPath` is started with it. False, with nothing
    // started, when the path names no file. `service` (the remote-control
    // name of other systems) is not needed here.
    bool ShowFileInBrowser(const QString& browserPath, const QString& service,
                           const QString& file) const;
    bool OpenUrlInBrowser(const QString& browserPath, const QString& service,
                          const QString& url) const;
    // The program the desktop opens `file` with (when it names an existing
    // file), else the default web browser; "" when the desktop does not say.
    QString DefaultBrowserPath(const QString& file = {}) const;

    // The desktop portal's chooser of a program for `file` when the session
    // has one, else a chooser of our own listing the programs for its type.
    void OpenWithDialog(const QString& file) const;
    // The file manager's properties window of `file` when the session has a
    // file manager that offers one, else a window of our own.
    void ShowProperties(const QString& file) const;

    // Deletes a file, a link or a folder with what it holds; with
    // kShellToTrash into the trash. Unless kShellSilent, asks first and
    // reports a failure. Links are removed, never what they point to.
    bool ShellDelete(const QString& path, int flags) const;
    // The same for a folder (a link to one is removed as a link).
    bool ShellDeleteFolder(const QString& folder, int flags) const;
    // Renames `from` to the new name `newName` in its folder; never replaces
    // a file. Returns the new path, or "" when nothing was renamed (a name
    // with '/', ".", ".." or nothing is refused).
    QString ShellRename(const QString& from, const QString& newName, int flags) const;

    // Tests: the desktop's URL handler, the detached start of a program, and
    // whether the session's D-Bus services are tried.
    static std::function<bool(const QUrl&)>& urlOpener();
    static std::function<bool(const QString& program, const QStringList& arguments,
                              const QString& folder)>&
    programStarter();
    static bool& useSessionBus();

private:
    QString text(const char* key, const QString& argument = {}) const;
    bool confirm(const QString& question) const;
    void report(const QString& message) const;
    void report(const ZukError& error) const;

    QWidget* m_parent;
    const app::TextService* m_texts;
};

} // namespace zuk::platform::ui
