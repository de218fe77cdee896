#include "editor/editortexts.h"

namespace zuk::editor {

const TextTable& editorTexts()
{
    static const TextTable table{
        "editor",
        {
            {"mniCopy", "Копировать", "Copy"},
            {"mniPaste", "Вставить", "Paste"},
            {"mniCut", "Вырезать", "Cut"},
            {"mniWindowsCharset", "Windows", "Windows"},
            {"mniKOI8RCharset", "KOI8-R", "KOI8-R"},
            {"mniDOSCharset", "DOS", "DOS"},
            {"mniFileEncoding", "Сохранять как", "Save as"},
            {"mniFileEncodingCodePage", "Как есть (кодовая страница документа)",
             "As it is (the document's code page)"},
            {"mniFileEncodingUTF8", "UTF-8", "UTF-8"},
            {"mniFileEncodingUTF8BOM", "UTF-8 с BOM", "UTF-8 with BOM"},
            {"mniFileEncodingUTF16", "UTF-16", "UTF-16"},
            {"sFileUtf8", "UTF-8", "UTF-8"},
            {"sFileUtf8Bom", "UTF-8 с BOM", "UTF-8 with BOM"},
            {"sFileUtf16Le", "UTF-16 LE", "UTF-16 LE"},
            {"sFileUtf16Be", "UTF-16 BE", "UTF-16 BE"},
            {"mniTogglebreakpoint", "Toggle breakpoint", "Toggle breakpoint"},
            {"mniSetLocalBookmark", "Установить локальную закладку", "Set local bookmark"},
            {"mniGotoLocalBookmark", "Перейти на локальную закладку", "Go to local bookmark"},
            {"mniDelLocalBookmark", "Удалить локальную закладку", "Delete local bookmark"},
            {"mniAutoIdent", "Автоотступ", "Auto indent"},
            {"mniSelMode", "Режим выделения", "Selection mode"},
            {"mniSelModeStream", "Поточный", "Stream"},
            {"mniSelModeBlock", "Блочный", "Block"},
            {"mniEOLMode", "Режим конца строки", "Line end mode"},
            {"mniEOLWindows", "Windows", "Windows"},
            {"mniEOLUNIX", "UNIX", "UNIX"},
            {"mniEOLMAC", "MAC", "MAC"},
            {"mniOpenSelectedFile", "Открыть выделенный файл", "Open selected file"},
            {"mniViewSelectedFile", "Посмотреть выделенный файл", "View selected file"},
            {"mniInternalViewer", "Смотреть картинку встроенным вьювером",
             "View the picture in the built-in viewer"},
            {"mniShellOpenAs", "Выбрать приложение и открыть выделенный файл",
             "Choose a program and open the selected file"},
            {"sFileModified", "Файл был изменен после сохранения. Вы хотите закрыть его?",
             "The file has changed since it was saved. Do you want to close it?"},
            {"sButtonYes", "Да", "Yes"},
            {"sButtonNo", "Нет", "No"},
            {"sUndoClearedForHighlighting",
             "Для подсветки синтаксиса документ перестроен, история отмены очищена.",
             "The document was rebuilt for syntax highlighting; its undo history was cleared."},
        },
    };
    return table;
}

const TextTable& doxTexts()
{
    static const TextTable table{
        "fmdox",
        {
            {"caption", "Менеджер окон", "Window manager"},
            {"btSave", "SAVE", "SAVE"},
            {"btSave.hint", "Сохранить список открытых окон в файл",
             "Save the list of open windows to a file"},
            {"cbStates.hint", "Открыть файлы сохранённого набора окон",
             "Open the files of a saved window set"},
            {"btRollUp", "Z", "Z"},
            {"btRollUp.hint", "Свернуть окно до заголовка или развернуть",
             "Roll the window up to its title or back down"},
            {"lbDocs.hint", "Щелчок выводит окно документа вперёд",
             "Click a name to bring its document to the front"},
            {"sSaveStateCaption", "Сохранить набор окон", "Save window set"},
            {"sCannotSaveState", "Не удалось сохранить набор окон в %s",
             "Could not save the window set to %s"},
            {"sButtonOK", "OK", "OK"},
        },
    };
    return table;
}

const TextTable& gotoLineTexts()
{
    static const TextTable table{
        "GotoLineDialog",
        {
            {"caption", "Перейти к строке", "Go to line Number"},
            {"lLineNumber", "&Введите номер строки:", "&Enter new line number:"},
            {"btOK", "OK", "OK"},
            {"btCancel", "Отмена", "Cancel"},
        },
    };
    return table;
}

const TextTable& editorMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sEditorCannotReadFile", "Не удалось прочитать файл %s: %s",
             "Cannot read the file %s: %s"},
            {"sEditorCannotWriteFile", "Не удалось записать файл %s: %s",
             "Cannot write the file %s: %s"},
        },
    };
    return table;
}

} // namespace zuk::editor
