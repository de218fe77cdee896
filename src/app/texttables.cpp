#include "app/texttables.h"

#include "analyzer/analyzertexts.h"
#include "app/mainformtexts.h"
#include "calc/calctexts.h"

namespace zuk::app {

const std::vector<const TextTable*>& subsystemTextTables()
{
    static const std::vector<const TextTable*> tables{
        &mainFormMessages(),
        &calc::calcMessages(),
        &analyzer::untTexts(),
        &calc::supacalcTexts(),
        &calc::fmBaseConvTexts(),
        &calc::valconvTexts(),
    };
    return tables;
}

} // namespace zuk::app
