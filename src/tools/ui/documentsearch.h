#pragma once

#include "tools/ui/tfmsearch.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <string>

namespace zuk::editor {
class CVed;
}
namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::tools::ui {

// Searching and replacing in the current document: the find and replace
// dialogs, "Найти следующее" and Alt+F. It works on the document's bytes
// through the editor interface, never on the control's text, so a line shown
// in parts is searched whole; positions go back to the control through
// SetSelection. The last request is kept for the run, with the texts typed
// into the dialogs (the latest first). A child of the host's window.
class TDocumentSearch final : public QObject {
public:
    explicit TDocumentSearch(app::ui::ToolHost& host);

    // The dialogs; on "Найти" the search runs, on "Заменить" the current
    // match (the selection, when it is one, else the next match from the
    // origin) is replaced and the next one selected, on "Заменить все" every
    // match of the scope is replaced as one undo step and the count shown.
    void FindDialog();
    void ReplaceDialog();
    // The last search again from the selection on, in its direction; false
    // (after saying so) when there is nothing more. Without a last search it
    // shows the find dialog.
    bool FindNext();
    // Alt+F: `text` becomes the search text with every option cleared, and
    // its next occurrence is selected.
    bool findText(const QString& text);

    SearchRequest& request() { return m_request; }

    // The answers to "Подтверждать замену".
    enum class Answer { Yes, No, All, Cancel };

    // Tests: run the dialog (set its fields, return what exec() would) and
    // answer the replace question, instead of showing them.
    std::function<int(TfmSearch&)> dialogHook;
    std::function<Answer(bool offerAll)> askHook;

private:
    struct DocumentText;
    void runDialog(bool replace);
    bool find(bool fromDialog);
    void replaceCurrent();
    void replaceAll();
    Answer ask(bool offerAll);
    void notFound();
    void remember(QStringList& history, const QString& text);

    app::ui::ToolHost& m_host;
    SearchRequest m_request;
    bool m_searched = false;
    QStringList m_findHistory;
    QStringList m_replaceHistory;
};

} // namespace zuk::tools::ui
