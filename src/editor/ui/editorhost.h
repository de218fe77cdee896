#pragma once

#include <QString>

#include <functional>

class QWidget;
class QMdiArea;
class QComboBox;

namespace zuk::app {
class TextService;
}

namespace zuk::editor {

class Ted;

// What the main window hands the editor interface: the windows it works in and
// the callbacks into the main window's own bookkeeping. Every callback may be
// empty; the editor then does nothing in its place.
struct EditorHost {
    QWidget* mainWindow = nullptr;
    QMdiArea* mdiArea = nullptr;
    QComboBox* syntaxBox = nullptr;                                // the highlighting list cbSyntax
    std::function<void(int panel, const QString&)> setStatusPanel; // panels 0, 1, 2
    std::function<void(const QString&)> showMessage;      // a passing note in the status bar
    std::function<void()> closeMainWindow;                // Esc with exit_on_esc
    std::function<void(Ted*)> documentClosed;             // bookkeeping after a window closes
    std::function<void(const QString& path)> showPicture; // the built-in picture viewer
    std::function<void(const QString& path)> openWith;    // the choose-a-program dialog
    // The find and replace dialogs, the repeated search and Alt+F's search
    // for a text: the program's document search.
    std::function<void()> findDialog;
    std::function<void()> replaceDialog;
    std::function<bool()> findNext;
    std::function<bool(const QString& text)> findText;
    // The texts of the editor's windows and dialogs; none: the built-in ones.
    // It outlives the editor interface.
    const app::TextService* texts = nullptr;
};

} // namespace zuk::editor
