#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QUrl;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::tools::ui {

class TDocumentSearch;

// Registers searching and replacing with the host: mniFind, mniFindNext,
// mniReplace (the document search), mniReplaceAllMulti (the replace window
// on the working text), mniFindInNet, and the tool window "replaceform"
// (Treplaceform, geometry in [replaceform]).
void installSearchCommands(app::ui::ToolHost& host);

// The document search installSearchCommands made, or nullptr before.
TDocumentSearch* documentSearch(app::ui::ToolHost& host);

// "Заменить все/мультизамена": the replace window, then the working text of
// the current document replaced (letter case exact) as one undo step.
void ReplaceInDocument(app::ui::ToolHost& host);

// The file box's "Замена/Мультизамена" on its selected entries (UTF-8
// paths): the replace window, then every file of the selection (folders
// only with ReplaceRecursive) through ReplaceInFiles; letter case is ignored
// with find_opt_CaseInsensitive. `target` names where each file's result
// goes ("" for a file that is not written). What was done goes to the
// information console. Nothing happens for an empty selection.
void ReplaceInFiles(app::ui::ToolHost& host, const std::vector<std::string>& selected,
                    const std::function<std::string(const std::string&)>& target);

// "Найти в Сети": asks for a text and opens the search engine's page for it
// in the browser, the text URL-encoded.
void FindInNet(app::ui::ToolHost& host);
// The address FindInNet opens for a typed text.
QUrl webSearchUrl(const QString& text);

} // namespace zuk::tools::ui
