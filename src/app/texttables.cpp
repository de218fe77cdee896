#include "app/texttables.h"

#include "analyzer/analyzertexts.h"
#include "app/mainformtexts.h"
#include "calc/calctexts.h"
#include "codepages/codepagetexts.h"
#include "highlight/highlighttexts.h"
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
        &calc::calcMessages(),
        &analyzer::untTexts(),
        &calc::supacalcTexts(),
        &calc::fmBaseConvTexts(),
        &calc::valconvTexts(),
    };
    return tables;
}

} // namespace zuk::app
