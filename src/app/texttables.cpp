#include "app/texttables.h"

#include "app/mainformtexts.h"
#include "highlight/highlighttexts.h"

namespace zuk::app {

const std::vector<const TextTable*>& subsystemTextTables()
{
    static const std::vector<const TextTable*> tables{
        &mainFormMessages(),
        &highlight::highlightMessages(),
        &highlight::highlightSettingsMessages(),
        &highlight::fmSyntaxTexts(),
    };
    return tables;
}

} // namespace zuk::app
