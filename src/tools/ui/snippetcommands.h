#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QMenu;

namespace zuk::app::ui {
class ToolHost;
}
namespace zuk::tools {
struct SnippetEntry;
}

namespace zuk::tools::ui {

// Templates, snippets and macros on the current document: new from a
// template, save as template or snippet, the HTML template, the Snippets
// submenu and the insertion of a snippet, and the macro commands. A child of
// the host's window.
class TSnippetCommands final : public QObject {
public:
    explicit TSnippetCommands(app::ui::ToolHost& host);

    // UTF-8 folders with a trailing '/'.
    QString templatesFolder() const;
    QString snippetsFolder() const;
    QString macroFile() const;

    // The macro expansion of `text` (bytes of the current document's code
    // page) with makros.txt; included files named without a folder are
    // looked for in `baseFolder`. Throws zuk::ZukError when it cannot be done.
    std::string expandMacros(std::string_view text, const QString& baseFolder) const;

    void NewFromTemplate();
    void SaveAsTemplate();
    void SaveAsSnippet();
    void InsertHtmlTemplate();
    void fillSnippetsMenu(QMenu& menu);
    // Inserts the snippet file `path` into the current document; nothing for
    // a folder, a missing file or no document.
    void InsertSnippet(const QString& path);
    void ApplyMacros();
    void OpenMacroFile();

    // Tests: answer the file dialogs (an empty answer cancels) and take the
    // message boxes.
    std::function<QString(const QString& folder)> openDialogHook;
    std::function<QString(const QString& folder)> saveDialogHook;
    std::function<void(const QString& text)> messageHook;

private:
    void saveInto(const QString& folder, bool snippet);
    void addEntries(QMenu& menu, const std::vector<SnippetEntry>& entries);
    void note(const QString& text);
    QString documentFolder() const;

    app::ui::ToolHost& m_host;
};

} // namespace zuk::tools::ui
