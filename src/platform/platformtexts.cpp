#include "platform/platformtexts.h"

namespace zuk::platform {

const TextTable& platformMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sCannotCreateFolder", "Не удалось создать папку «%s»: %s",
             "Could not create the folder \"%s\": %s"},
            {"sCannotCopyDataFile", "Не удалось скопировать в папку программы «%s»: %s",
             "Could not copy into the program folder \"%s\": %s"},
            {"sCannotStartHelper", "Не удалось запустить «%s»: %s", "Could not start \"%s\": %s"},
        },
    };
    return table;
}

} // namespace zuk::platform
