#include "highlight/highlighttexts.h"

namespace zuk::highlight {

const TextTable& fmSyntaxTexts()
{
    static const TextTable table{
        "fmSyntax",
        {
            {"caption", "Параметрыыы", "Parameters"},
            {"lSynExt", "Расширение файла (без точки!)", "File extension (without the dot!)"},
            {"lSynCapt", "Название для отображения в списке", "Name shown in the list"},
            {"lSynFile", "Имя файла с описанием синтаксиса", "File with the syntax description"},
            {"btSynFile.hint", "Выбрать файл с описанием синтаксиса",
             "Choose the file with the syntax description"},
            // The first letter of the built-in text is the Latin O.
            {"btOk", "Oкэй-окэээй!", "Okey-dokey!"},
            {"btCancel", "Cancel", "Cancel"},
            {"sChooseSchemeFile", "Файл с описанием синтаксиса", "Syntax description file"},
        },
    };
    return table;
}

const TextTable& highlightMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sCannotParseSchemeFile",
             "Черт подери! Access  Violation, не могу разобрать этот файл!",
             "Damn it! Access  Violation! I cannot parse this file :("},
            {"sChooseAnotherSchemeFile", "Выберите другой!", "Try to choose another one..."},
            {"sCannotWriteHighlightFile", "Не удалось записать файл «%s»: %s",
             "Could not write the file \"%s\": %s"},
            {"sCannotDeleteColorStyle", "Не удалось удалить файл «%s»: %s",
             "Could not delete the file \"%s\": %s"},
        },
    };
    return table;
}

const TextTable& highlightSettingsMessages()
{
    static const TextTable table{
        "PREFS",
        {
            {"sCannotChangeBuiltInParsers", "Ничего такого делать со встроенными парсерами нельзя!",
             "Nothing of the kind can be done with the built-in highlighters!"},
        },
    };
    return table;
}

} // namespace zuk::highlight
