#include "app/texttables.h"

#include "analyzer/analyzertexts.h"
#include "app/mainformtexts.h"
#include "app/recoverytexts.h"
#include "calc/calctexts.h"
#include "codepages/codepagetexts.h"
#include "editor/editortexts.h"
#include "filebox/fileboxtexts.h"
#include "hexedit/hexedittexts.h"
#include "highlight/highlighttexts.h"
#include "html/htmltexts.h"
#include "io/iotexts.h"
#include "organizer/organizertexts.h"
#include "platform/platformtexts.h"
#include "plugins/plugintexts.h"
#include "settings/settingstexts.h"
#include "textfunc/textfunctexts.h"
#include "tools/searchtexts.h"
#include "tools/toolstexts.h"

namespace zuk::app {

const std::vector<const TextTable*>& subsystemTextTables()
{
    static const std::vector<const TextTable*> tables{
        &mainFormMessages(),
        &infoConsoleTexts(),
        &recoveryTexts(),
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
        &hexedit::hexEditTexts(),
        &hexedit::hexEditOptionsTexts(),
        &organizer::bmxTreeTexts(),
        &organizer::calendarTexts(),
        &organizer::pimTexts(),
        &organizer::yearGridEditTexts(),
        &organizer::viewerTexts(),
        &organizer::charTableTexts(),
        &organizer::melodyTexts(),
        &editor::editorMessages(), // the editor's failures, shown by the main window
        &editor::editorTexts(),    // the document window
        &editor::doxTexts(),       // the document-list window
        &editor::gotoLineTexts(),  // the go-to-line prompt
        &html::htmlMessages(),
        &html::text2HtmlTexts(),
        &html::cleanUpTexts(),
        &html::tableWizardTexts(),
        &html::gradientTexts(),
        &html::webSafeTexts(),
        &html::thumbOptionsTexts(),
        &io::ioMessages(),
        &settings::prefsTexts(), // the settings dialog
        &settings::toolbarTexts(),
        &platform::platformMessages(),
        &platform::shellMessages(),
        &platform::openWithTexts(),
        &platform::filePropertiesTexts(),
        &tools::toolsMessages(),
        &tools::compOptsTexts(),
        &tools::sniMTexts(),
        &plugins::pluginMessages(),
        &tools::searchMessages(),
        &tools::findReplaceTexts(), // the find and replace dialogs
        &tools::replaceFormTexts(),
        &filebox::fileBoxTexts(),
        &filebox::fileFindTexts(),
    };
    return tables;
}

} // namespace zuk::app
