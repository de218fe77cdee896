#include "filebox/fileboxtexts.h"

namespace zuk::filebox {

const TextTable& fileBoxTexts()
{
    static const TextTable table{
        "filebox",
        {
            {"caption", "Файловый менеджер", "File manager"},
            {"mnuFiles", "Файлы", "Files"},
            {"mnuProcess", "Обработка", "Processing"},
            {"mnuHtml", "HTML", "HTML"},
            {"mnuOpen", "Открыть", "Open"},
            {"mniMakeLinkTo", "Сделать ссылку", "Make a link"},
            {"mniReplaceMultiReplace", "Замена/Мультизамена", "Replace/Multi-replace"},
            {"mniFindInFiles", "Поиск в файлах", "Find in files"},
            {"mniText2HTML", "Текст > HTML", "Text > HTML"},
            {"mniHTML2Text", "HTML > Text", "HTML > Text"},
            {"mniCleanUpHTML", "Опционально чистить тэги", "Clean up tags"},
            {"mniMakeThumbs", "Сделать галерею", "Make a gallery"},
            {"mniRefresh", "Обновить список", "Refresh"},
            {"mniWin2Dos", "Win > DOS", "Win > DOS"},
            {"mniWin2KOI8R", "Win > KOI 8 R", "Win > KOI 8 R"},
            {"mniDOS2Win", "DOS > Win", "DOS > Win"},
            {"mniKOI8R2Win", "KOI 8 R > Win", "KOI 8 R > Win"},
            {"mniMakeFromCurrentLocation", "Создать из текущей локации",
             "New from the current location"},
            {"mniMakeFromCurrentLocationRec", "Создать из текущей локации рекурсивно",
             "New from the current location, recursively"},
            {"mniHotDirs", "Быстрые директории", "Hot folders"},
            {"mniOptions", "Опции", "Options"},
            {"mniShowInInternalViewer", "Показать картинку", "Show the picture"},
            {"mniMakeIMG", "Сделать IMG-тэг", "Make an IMG tag"},
            {"mniOPenInExtrernalEditor", "Открыть файл во внешнем редакторе",
             "Open in the external editor"},
            {"mniOPenInExtrernalViewer", "Открыть файл внешним вьювером",
             "Open with the external viewer"},
            {"mniOpeninHEXEditor", "Открыть в HEX-редакторе", "Open in the hex editor"},
            {"mniFileProps", "Свойства", "Properties"},
            {"mniRename", "Переименовать", "Rename"},
            {"mniDeleteFile", "Удалить", "Delete"},
            {"mniThumbShow", "Показать картинку", "Show the picture"},
            {"mniThumbInsertTag", "Вставить тэг", "Insert the tag"},
            {"mniThumbSelectAll", "Выделить все", "Select all"},
            {"mniThumbGallery", "Сделать галерею", "Make a gallery"},
            {"SFileRename", "Переименовать файл", "Rename the file"},
            {"sNewName", "Новое имя", "New name"},
            {"sRUSure", "Точно хотите?", "Are you sure?"},
            {"sMaskCaption", "*.*   *.exe   *.txt", "*.*   *.exe   *.txt"},
            {"sHotlist", "Hotlist", "Hotlist"},
            {"sFilesOverwritten", "%s файлов будет перезаписано. Продолжить?",
             "%s files will be overwritten. Go on?"},
            {"sReplaceExisting", "Файл %s уже есть. Заменить?", "The file %s exists. Replace it?"},
            {"sProcessedCount", "Обработано файлов: %s", "Files processed: %s"},
            {"sNulSkipped", "Файл %s содержит нулевой байт и не тронут",
             "The file %s holds a NUL byte and was left alone"},
            {"sProcessFailed", "Не удалось обработать %s: %s", "Cannot process %s: %s"},
            {"sNotProcessable",
             "Ни один выбранный файл не обрабатывается (список расширений enabled_exts.txt)",
             "None of the selected files may be processed (the extension list "
             "enabled_exts.txt)"},
            {"sFolderUnreadable", "Не удалось открыть папку %s: %s",
             "Cannot open the folder %s: %s"},
            {"sDeleteForever", "Не удалось переместить %s в корзину. Удалить безвозвратно?",
             "Cannot move %s to the trash. Delete it for good?"},
            {"sRenameFailed", "Не удалось переименовать %s", "Cannot rename %s"},
            {"sNoProgram", "Для этого типа файлов программа не задана или не найдена",
             "No program is set or found for this file type"},
            {"sListing", "Читаю папку...", "Reading the folder..."},
            {"sItemsCount", "%s объектов", "%s items"},
        },
    };
    return table;
}

const TextTable& fileFindTexts()
{
    static const TextTable table{
        "frm_FileFind",
        {
            {"caption", "Поиск в файлах", "Find in files"},
            {"lWhatToSearch", "Что искать?", "Find what?"},
            {"lWhereToSearch", "Где искать?", "Where?"},
            {"lFileMask", "Маска файлов", "File mask"},
            {"btStartSearch", "Поиск", "Search"},
            {"btPauseSearch", "Пауза", "Pause"},
            {"btStopSearch", "Стоп", "Stop"},
            {"btResumeSearch", "Возобновить", "Resume"},
            {"btBrowse", "...", "..."},
            {"sRollUp", "Z", "Z"},
            {"sStarting", "НАЧИНАЮ ИСКАТЬ...", "STARTING THE SEARCH..."},
            {"sFound", "НАЙДЕНО", "FOUND"},
            {"sFile", "файл[ов]", "file(s)"},
            {"sSkipped", "пропущено: %s", "skipped: %s"},
            {"sPaused", "ЖДУ", "WAITING"},
            {"sResumed", "ПРОДОЛЖИМ!", "GOING ON!"},
            {"sStopped", "ПОИСК ПРЕРВАН", "SEARCH STOPPED"},
            {"sJokePause", "МОГУ И ОБОЖДАТЬ...", "I CAN WAIT..."},
            {"sJokeResume", "ДАВНО ПОРА...", "HIGH TIME..."},
            {"sJokeStop", "КАКОЕ НЕТЕРПЕНИЕ!", "SUCH IMPATIENCE!"},
            {"sNoFolder", "Нет такой папки: %s", "There is no such folder: %s"},
            {"sChooseFolder", "Где искать?", "Where to search?"},
        },
    };
    return table;
}

} // namespace zuk::filebox
