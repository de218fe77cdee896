#include "codepages/codepagetexts.h"

namespace zuk::codepages {

const TextTable& codePageMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sCodePageExportDialog", "Сохранить файл как...", "Save the file as..."},
            {"sCodePageImportDialog", "Открыть файл", "Open a file"},
            {"sCodePageExportFailed", "Файл не сохранён.", "The file is not saved."},
            {"sNoCodePageTable", "Нет таблицы %s в папке %s",
             "There is no table %s in the folder %s"},
        },
    };
    return table;
}

} // namespace zuk::codepages
