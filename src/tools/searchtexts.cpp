#include "tools/searchtexts.h"

namespace zuk::tools {

const TextTable& searchMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sTextNotFound", "Текст не найден", "Text not found"},
            {"sReplacedCount", "Заменено: %s", "Replaced: %s"},
            {"sReplaceThis", "Заменить это вхождение?", "Replace this occurrence?"},
            {"sReplaceYes", "Да", "Yes"},
            {"sReplaceNo", "Нет", "No"},
            {"sReplaceRest", "Все", "All"},
            {"sReplaceStop", "Отмена", "Cancel"},
            {"sRegexError", "Ошибка в регулярном выражении (позиция %s): %s",
             "Error in the regular expression (position %s): %s"},
            {"sRegexTooCostly", "Регулярное выражение слишком сложно для этого текста",
             "The regular expression is too costly for this text"},
            {"sRegexFailed", "Поиск по регулярному выражению не удался: %s",
             "The regular expression search failed: %s"},
            {"sReplaceTooBig", "Замена дала бы слишком длинный текст; текст оставлен как был",
             "The replacement would make the text too long; the text is left as it was"},
            {"sFilesReplaced", "Замена в файлах: изменено файлов %s, замен %s",
             "Replace in files: %s files changed, %s replacements"},
            {"sFilesUnchanged", "Без изменений: %s", "Unchanged: %s"},
            {"sFileHasNulSkipped", "%s: в файле есть нулевой байт, это не текст; файл не тронут",
             "%s: the file holds a NUL byte, so it is no text; it was left alone"},
            {"sFileReplaceFailed", "%s: %s", "%s: %s"},
            {"sWebSearchFailed", "Не удалось открыть страницу поиска в браузере",
             "Could not open the search page in the browser"},
        },
    };
    return table;
}

const TextTable& findReplaceTexts()
{
    static const TextTable table{
        "FindReplaceDialog",
        {
            {"sFindCaption", "Поиск текста", "Find text"},
            {"sReplaceCaption", "Замена текста", "Replace text"},
            {"lSearchText", "Текст", "Text"},
            {"lSearchFor", "Найти:", "Find:"},
            {"lReplaceWith", "Заменить на:", "Replace with:"},
            {"gbOptions", "Параметры", "Options"},
            {"cbMatchCase", "Различать регистр", "Match case"},
            {"cbWholeWords", "Только целые слова", "Whole words only"},
            {"cbRegex", "Регулярн. выражения", "Regular expressions"},
            {"cbRegex.hint",
             "Синтаксис Perl. В замене: $1 или \\1 — текст группы, $0 — вся находка, "
             "\\n — перевод строки, \\t — табуляция",
             "Perl syntax. In the replacement: $1 or \\1 is a group's text, $0 the whole "
             "match, \\n a line break, \\t a tab"},
            {"cbPrompt", "Подтверждать замену", "Prompt on replace"},
            {"gbDirection", "Направление", "Direction"},
            {"rbForward", "Вперёд", "Forward"},
            {"rbBackward", "Назад", "Backward"},
            {"gbOrigin", "Начало", "Origin"},
            {"rbFromCursor", "От курсора", "From cursor"},
            {"rbEntireScope", "Везде", "Entire scope"},
            {"gbScope", "Диапазон", "Scope"},
            {"rbGlobal", "Весь текст", "Global"},
            {"rbSelected", "Выделенный текст", "Selected text"},
            {"btFind", "Найти", "Find"},
            {"btReplace", "Заменить", "Replace"},
            {"btReplaceAll", "Заменить все", "Replace all"},
            {"btCancel", "Отмена", "Cancel"},
        },
    };
    return table;
}

const TextTable& replaceFormTexts()
{
    static const TextTable table{
        "replaceform",
        {
            {"caption", "Найти и заменить", "Find and replace"},
            {"lFindWhat", "Найти", "Find"},
            {"lReplaceOn", "Заменить на:", "Replace with:"},
            {"CheckBox1", "Мультизамена", "Multi-replace"},
            {"lPreset", "Набор замен:", "Replacement set:"},
            {"btPickPreset", "...", "..."},
            {"btPickPreset.hint", "Загрузить набор замен из файла",
             "Load a replacement set from a file"},
            {"Memo1.hint", "Строки вида «что=чем»: каждая заменяет всё найденное по порядку",
             "Lines of the form \"what=with\": each replaces everything it finds, in order"},
            {"btSaveMultireplacePreset", "SAVE", "SAVE"},
            {"btSaveMultireplacePreset.hint", "Сохранить строки мультизамены в файл",
             "Save the multi-replace lines to a file"},
            {"btDo", "Делать", "Do it"},
            {"btCancel", "Отмена", "Cancel"},
            {"sChoosePreset", "Набор замен", "Replacement set"},
            {"sSavePreset", "Сохранить набор замен", "Save the replacement set"},
            {"sPresetFilter", "Текстовые файлы (*.txt);;Все файлы (*)",
             "Text files (*.txt);;All files (*)"},
        },
    };
    return table;
}

} // namespace zuk::tools
