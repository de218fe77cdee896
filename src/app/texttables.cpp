#include "app/texttables.h"

#include "app/mainformtexts.h"
#include "codepages/codepagetexts.h"

namespace zuk::app {

const std::vector<const TextTable*>& subsystemTextTables()
{
    static const std::vector<const TextTable*> tables{
        &mainFormMessages(),
        &codepages::codePageMessages(),
    };
    return tables;
}

} // namespace zuk::app
