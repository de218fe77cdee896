#include "app/texttables.h"

#include "app/mainformtexts.h"
#include "codepages/codepagetexts.h"
#include "highlight/highlighttexts.h"
#include "io/iotexts.h"
#include "platform/platformtexts.h"
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
        &highlight::highlightMessages(),
        &highlight::highlightSettingsMessages(),
        &highlight::fmSyntaxTexts(),
        &io::ioMessages(),
        &platform::platformMessages(),
    };
    return tables;
}

} // namespace zuk::app
