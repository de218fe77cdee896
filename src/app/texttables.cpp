#include "app/texttables.h"

#include "app/mainformtexts.h"
#include "codepages/codepagetexts.h"
#include "textfunc/textfunctexts.h"

namespace zuk::app {

const std::vector<const TextTable*>& subsystemTextTables()
{
    static const std::vector<const TextTable*> tables{
        &mainFormMessages(),
        &infoConsoleTexts(),
        &textfunc::textFunctionMessages(),
        &codepages::codePageMessages(),
        &textfunc::encloseDialogTexts(),
    };
    return tables;
}

} // namespace zuk::app
