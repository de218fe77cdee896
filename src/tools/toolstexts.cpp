#include "tools/toolstexts.h"

namespace zuk::tools {

const TextTable& toolsMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sExternalAppError", "external app error!", "external app error!"},
            {"sNoSelectedBlockHere", "Опа! Макрос selected_block тут нельзя юзать!",
             "Oops! The selected_block macro cannot be used here!"},
            {"sSelectedBlockInMenu", "selected_block можно в меню Программы",
             "selected_block can be used in the Programs menu"},
            {"sProgramExitCode", "%s: код завершения %s", "%s: exit code %s"},
            {"sProgramCrashed", "%s: аварийное завершение", "%s: crashed"},
            {"sProgramNotStarted", "Не удалось запустить %s: %s", "Cannot start %s: %s"},
            {"sProgramCancelled", "%s: прервано пользователем", "%s: cancelled by the user"},
            {"sProgramRunning", "Выполняется %s", "Running %s"},
            {"sProgramCancel", "Отмена", "Cancel"},
            {"sStringCount", "StringCount", "StringCount"},
            {"sBadOutputExtension", "Недопустимое расширение выходного файла: %s",
             "Not a usable extension for the output file: %s"},
            {"sTidyOk", "OK", "OK"},
            {"sTidyNotFound",
             "Программа Tidy не найдена: %s (путь к ней задаётся в настройках, tidy_path)",
             "The Tidy program was not found: %s (its path is the setting tidy_path)"},
            {"sMacroTooBig",
             "Раскрытие макросов дало бы слишком длинный текст; текст оставлен как был",
             "Expanding the macros would make the text too long; the text is left as it was"},
            {"sMacroIncludeUnreadable", "Не удалось прочитать включаемый файл %s: %s",
             "Cannot read the included file %s: %s"},
            {"sMacroIncludeNotFile", "Включаемый файл %s не является обычным файлом",
             "The included file %s is not a regular file"},
            {"sMacroIncludeTooBig", "Включаемый файл %s слишком велик",
             "The included file %s is too big"},
            {"sNoHtmlTemplate", "Нет HTML-шаблона %s", "There is no HTML template %s"},
            {"sEditProgramList", "Список программ...", "Program list..."},
            {"sChooseTemplate", "Новый из шаблона", "New from template"},
        },
    };
    return table;
}

const TextTable& compOptsTexts()
{
    static const TextTable table{
        "fmCompOpts",
        {
            {"caption", "Опции ", "Options "},
            {"lName", "Название для меню", "Menu caption"},
            {"lCommand", "Командная строка", "Command line"},
            {"btBrowse", "...", "..."},
            {"btBrowse.hint", "Выбрать программу", "Choose a program"},
            {"btAdd", "Добавить", "Add"},
            {"btChange", "Изменить", "Change"},
            {"btDelete", "Удалить", "Delete"},
            {"btClose", "Закрыть", "Close"},
            {"lHelp",
             "@ — имя файла; @selected_block @input_file @output_file — выделенный блок; "
             "@file_in, @file_out и | — конвейер",
             "@ is the file name; @selected_block @input_file @output_file: the selected "
             "block; @file_in, @file_out and |: a pipeline"},
            {"sChooseProgram", "Выбор программы", "Choose a program"},
            {"sNameNeeded", "Название для меню не может быть пустым или содержать «=»",
             "The menu caption cannot be empty or hold \"=\""},
        },
    };
    return table;
}

const TextTable& sniMTexts()
{
    static const TextTable table{
        "fmSniM",
        {
            {"caption", "Snippet manager", "Snippet manager"},
            {"btRollUp", "Z", "Z"},
            {"btRollUp.hint", "Свернуть до заголовка", "Roll up to the title bar"},
            {"tvSnippets.hint",
             "Двойной щелчок или Enter — вставить; правая кнопка или Shift+Enter — открыть файл",
             "Double click or Enter inserts; right button or Shift+Enter opens the file"},
        },
    };
    return table;
}

} // namespace zuk::tools
