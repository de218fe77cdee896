#include "app/mainformtexts.h"

namespace zuk::app {

const TextTable& mainFormMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sDropout", "Бым! Случилась жуткая ошибка и Zuk сейчас вылетет :)",
             "Boom! Something terrible happened and Zuk is about to crash :)"},
            {"sSaveChanges", "Сохранить изменения в %s?", "Save changes to %s?"},
            {"sOverWrite", "OK для перезаписи %s", "OK to overwrite %s"},
            {"sModified", "изменено", "modified"},
            {"sFileCopyPrefix", "Копия ", "Copy of "},
            {"sConCountOfCharsAndSpaces",
             ">Количество знаков и пробелов: ", ">Characters with spaces: "},
            {"sConCountOfCharsOnly", ">Количество только знаков: ", ">Characters without spaces: "},
            {"sConCountOfWord", ">Количество слов: ", ">Words: "},
            {"sConFileCreationDateTime", ">Дата и время создания файла: ", ">File created on: "},
            {"sYearIsLeap", " - високосный год", " is a leap year"},
            {"sYearIsNotLeap", " - увы, не високосный...", " is, alas, not a leap year..."},
            {"sSometinWronWithYear", "Че-то не то!", "Something is wrong!"},
            {"sIncorrectPath4Browser", "К этому браузеру путь ошибочен!",
             "The path to this browser is wrong!"},
            {"sInputWordForDelete", "Введите слово для удаления:", "Enter the word to delete:"},
            {"sEnterthePassword", "Введите пароль!", "Enter the password!"},
            {"sPasswordCannotBeEmpty", "Пароль не может быть пустой строкой!",
             "The password cannot be empty!"},
            {"sWrapParams", "Параметры Wrap", "Wrap settings"},
            {"sWhatToFind", "Что будем искать? ", "What shall we look for? "},
            {"sInputWrapWidthInChars", "Введите ширину в символах",
             "Enter the width in characters"},
            {"sEnterTheSearchPattern", "Введите образец для поиска:", "Enter the search pattern:"},
            {"sEnterNubmerBiggerThanZero", "Введите число > 0: ", "Enter a number > 0: "},
            {"sICantToExportFromCurrentCharset", "Не умею экспортировать из ТЕКУЩЕЙ КОДИРОВКИ",
             "Cannot export from the CURRENT CODE PAGE"},
            {"sDelimeterChar", "Символ-разделитель", "Delimiter character"},
            {"sEnterValue", "Введите значение", "Enter a value"},
            {"sValueIsNotDefined", "Значение не задано!", "No value given!"},
            {"sCantOpenOpenedYet", "Нельзя открыть уже открытый файл",
             "Cannot open a file that is already open"},
            {"sConBeginUpdate", "Begin update data:", "Begin update data:"},
            {"sConAuthorSheets", ">Авторских листов: ", ">Author's sheets: "},
            {"sCannotStartMail", "Не удалось запустить почтовую программу.",
             "Could not start the mail program."},
            {"sCannotOpenSite", "Не удалось открыть сайт в браузере.",
             "Could not open the site in the browser."},
            {"sNoWineFile", "Файл %s не найден: нет префикса Wine или файла в %s",
             "File %s not found: there is no Wine prefix or no file at %s"},
            {"sNoHelpFile", "Нет файла справки %s", "There is no help file %s"},
            {"sCannotOpenPath", "Не удалось открыть %s", "Could not open %s"},
            {"sAboutText",
             "<h3>Zuk %s</h3><p>Текстовый редактор для русского текста в кодировках "
             "Windows-1251, DOS 866 и KOI8-R.</p><p>Руководство: меню «?» → «Руководство» "
             "(F1).</p><p>Программа распространяется как есть, без каких-либо гарантий.</p>",
             "<h3>Zuk %s</h3><p>A text editor for Russian text in the Windows-1251, DOS 866 and "
             "KOI8-R code pages.</p><p>Manual: menu «?», «Manual» (F1).</p><p>The program comes "
             "as it is, without any warranty.</p>"},
            {"sFileHasNul", "Файл содержит нулевой байт: показано %s из %s байт",
             "The file holds a NUL byte: %s of its %s bytes are shown"},
            {"sOverwriteCutFile",
             "Документ показывает только %s из %s байт файла %s (дальше нулевой байт). "
             "Сохранение поверх файла уничтожит остальные %s байт. Сохранить?",
             "The document shows only %s of the %s bytes of %s (a NUL byte follows). Saving "
             "over the file destroys the other %s bytes. Save?"},
            {"sChangedOnDisk", "Файл %s изменён на диске после открытия. Записать поверх него?",
             "The file %s has changed on disk since it was opened. Write over it?"},
            {"sChangedOnDiskKept", "Файл %s изменён на диске после открытия и не записан поверх.",
             "The file %s has changed on disk since it was opened and was not written over."},
            {"sOverwriteReadOnly", "Файл %s доступен только для чтения. Записать поверх него?",
             "The file %s is read-only. Write over it?"},
            {"sReadOnlyKept", "Файл %s доступен только для чтения и не записан поверх.",
             "The file %s is read-only and was not written over."},
            {"sFileNotSaved", "Файл не сохранён.", "The file was not saved."},
            {"sFileNotOpened", "Файл не открыт.", "The file was not opened."},
            {"sNotAllSaved", "Не все файлы сохранены.", "Not every file was saved."},
            {"sOpeningFile", "Открывается %s", "Opening %s"},
            {"sBigFileUnwrapped",
             "Файл большой: перенос по словам выключен (его можно включить в меню «Правка»).",
             "The file is big: word wrap is off (the Edit menu turns it on)."},
            {"sUnicodeFileNotConverted",
             "Файл в %s содержит символы вне Windows-1251: открыт без перекодировки",
             "The %s file holds characters Windows-1251 lacks: opened without conversion"},
            {"sUnicodeFileMalformed",
             "Файл в %s содержит испорченные последовательности: открыт без перекодировки",
             "The %s file holds broken sequences: opened without conversion"},
            {"sUnicodeQuestionMarks",
             "Файл %s сохранён, но в нём появились знаки «?» (%s шт.): так записываются "
             "символы, которых нет в кодовой странице документа.",
             "The file %s is saved, but it holds new question marks (%s): characters the "
             "document's code page lacks are written so."},
            {"sSaveFileAs", "Сохранить файл как...", "Save file as..."},
            {"sOpenFile", "Открыть файл", "Open file"},
            {"sUnsavedDocuments", "Эти документы изменены и не сохранены:",
             "These documents are modified and not saved:"},
            {"sSaveBeforeExit", "Сохранить их перед выходом?", "Save them before leaving?"},
            {"sButtonSave", "Сохранить", "Save"},
            {"sButtonDontSave", "Не сохранять", "Don't save"},
            {"sButtonCancel", "Отмена", "Cancel"},
            {"sFilterAllText", "Все текстовые файлы", "All text files"},
            {"sFilterText", "Текстовые файлы", "Text files"},
            {"sFilterHtml", "HTML-файлы", "HTML files"},
            {"sFilterAll", "Все файлы", "All files"},
            {"btRun", "Run", "Run"},
            {"btRun.hint",
             "Запуск командной строки на выполнение, @ заменяет имя текущего файла - opera @",
             "Runs the command line; @ stands for the current file's name - opera @"},
            {"sConfirmExit", "Вы и впрямь хотите энто сделать?", "Do you really want to do this?"},
            {"sRestartForRussian",
             "Выбран русский язык, поэтому изменения вступят в силу после перезапуска ZUK!",
             "Russian is chosen, so the change takes effect after ZUK restarts!"},
        },
    };
    return table;
}

const TextTable& infoConsoleTexts()
{
    static const TextTable table{"InfoConsole", {{"caption", "Infoconsole", "Infoconsole"}}};
    return table;
}

} // namespace zuk::app
