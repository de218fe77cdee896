#include "app/texttables.h"

#include "app/mainformtexts.h"

namespace zuk::app {

const std::vector<const TextTable*>& subsystemTextTables()
{
    static const std::vector<const TextTable*> tables{
        &mainFormMessages(),
        &infoConsoleTexts(),
    };
    return tables;
}

} // namespace zuk::app
