#include "app/texttables.h"

#include "app/mainformtexts.h"
#include "editor/editortexts.h"

namespace zuk::app {

const std::vector<const TextTable*>& subsystemTextTables()
{
    static const std::vector<const TextTable*> tables{
        &mainFormMessages(),
        &editor::editorMessages(),   // the editor's failures, shown by the main window
        &editor::editorTexts(),      // the document window
        &editor::doxTexts(),         // the document-list window
        &editor::findReplaceTexts(), // the find and replace dialog
        &editor::gotoLineTexts(),    // the go-to-line prompt
    };
    return tables;
}

} // namespace zuk::app
