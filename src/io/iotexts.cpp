#include "io/iotexts.h"

namespace zuk::io {

const TextTable& ioMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sCannotReadFile", "Не удалось прочитать файл «%s»: %s",
             "Could not read the file \"%s\": %s"},
            {"sCannotWriteFile", "Не удалось записать файл «%s»: %s",
             "Could not write the file \"%s\": %s"},
            {"sSourceEnded", "Файл «%s» оказался короче, чем был при открытии",
             "The file \"%s\" is shorter than it was when it was opened"},
            {"sNotAnRtfFile", "Файл не в формате RTF", "The file is not in RTF format"},
            {"sRtfNestedTooDeeply", "RTF: слишком глубокая вложенность групп",
             "RTF: the groups are nested too deeply"},
        },
    };
    return table;
}

} // namespace zuk::io
