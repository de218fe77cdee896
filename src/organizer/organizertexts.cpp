#include "organizer/organizertexts.h"

namespace zuk::organizer {

const TextTable& bmxTreeTexts()
{
    static const TextTable table{
        "fmbmxtree",
        {
            {"caption", "ЗАКЛАДКИ", "BOOKMARKS"},
            {"mniBookmark", "Закладка", "Bookmark"},
            {"mniAddNode", "Добавить элемент", "Add an item"},
            {"mniAddChild", "Добавить подэлемент", "Add a child item"},
            {"mniUpdateCurrent", "Обновить текущую", "Update the current one"},
            {"mniDelCurrent", "Удалить", "Delete"},
            {"edCapt.hint", "Заголовок закладки редактируйте здесь",
             "Edit the bookmark's caption here"},
            {"edFile.hint", "Имя файла редактируйте здесь", "Edit the file name here"},
            {"btRollUp.hint", "Свернуть до заголовка и развернуть",
             "Roll up to the title and back"},
            {"sAreUSure", "Точно удалить хотите?", "Do you really want to delete it?"},
            {"sPathTooLong", "Путь «%s» длиннее %s байт и не помещается в закладку",
             "The path \"%s\" is longer than %s bytes and does not fit into a bookmark"},
            {"sBmxNotATree", "это не файл дерева закладок", "this is not a bookmark tree file"},
            {"sBmxDamaged", "дерево закладок повреждено у узла %s",
             "the bookmark tree is damaged at node %s"},
            {"sBmxTooDeep", "закладки вложены глубже %s уровней",
             "the bookmarks are nested deeper than %s levels"},
            {"sBmxKeptAside",
             "Файл закладок %s не прочитан: %s. Он сохранён как %s; закладки начаты заново.",
             "The bookmark file %s could not be read: %s. It was kept as %s; the bookmarks start "
             "afresh."},
            {"sBmxNotRead",
             "Файл закладок %s не прочитан: %s. Пока он не исправлен, закладки не записываются.",
             "The bookmark file %s could not be read: %s. Until it is repaired, no bookmarks are "
             "written."},
            {"sCannotSave", "Не удалось сохранить %s: %s", "Could not save %s: %s"},
        },
    };
    return table;
}

const TextTable& calendarTexts()
{
    static const TextTable table{
        "frm_cal",
        {
            {"caption", "Календарь", "Calendar"},
            {"btFirstDate", "Первая дата", "First date"},
            {"btSecondDate", "Вторая дата", "Second date"},
            {"btCompute", "=", "="},
            {"btMiscInfo", "Инфо разная", "Miscellaneous info"},
            {"btOK", "OK", "OK"},
            {"sDateDiff", "Разница между датами равна ", "The difference between the dates is "},
            {"sInYears", "в годах:  ", "in years:  "},
            {"sInMonths", "в месяцах:  ", "in months:  "},
            {"sInWeeks", "в неделях:  ", "in weeks:  "},
            {"sInDays", "в днях:  ", "in days:  "},
            {"sInHours", "в часах:  ", "in hours:  "},
            {"sInMinutes", "в минутах:  ", "in minutes:  "},
            {"sInSeconds", "в секундах:  ", "in seconds:  "},
            {"sGrinvTimeDiff", "Разница между гринвичским временем и текущим, в ЧЧММ: ",
             "Difference between Greenwich time and local time, in HHMM: "},
        },
    };
    return table;
}

const TextTable& pimTexts()
{
    static const TextTable table{
        "fmPim",
        {
            {"caption", "ПИМ", "PIM"},
            {"tsMemo", "Блокнотик", "Notepad"},
            {"tsPlanner", "Календарик", "Year planner"},
            {"mniYear", "&Year...", "&Year..."},
            {"mniEdit", "&Edit", "&Edit"},
            {"mniColor", "&Color...", "&Color..."},
            {"mniNoColor", "&No Color", "&No Color"},
            {"mniCopy", "&Copy", "&Copy"},
            {"mniCut", "Cu&t", "Cu&t"},
            {"mniPaste", "&Paste", "&Paste"},
            {"mniDelete", "&Delete", "&Delete"},
            {"mniSaveAllInfo", "&Save All Info", "&Save All Info"},
            {"mniSaveFoundInfo", "Save Found Info", "Save Found Info"},
            {"mniBorderColor", "&Border Color...", "&Border Color..."},
            {"mniBookMarkColor", "Book&Mark Color...", "Book&Mark Color..."},
            {"mniFind", "&Find...", "&Find..."},
            {"mniClearFind", "Clear Find", "Clear Find"},
            {"sYearTitle", "YearGrid", "YearGrid"},
            {"sYearPrompt", "Enter year (1999-2050):", "Enter year (1999-2050):"},
            {"sInvalidYear", "invalid year", "invalid year"},
            {"sFindTitle", "YearGrid Find", "YearGrid Find"},
            {"sFindPrompt", "Enter seach text:", "Enter search text:"},
            {"sToday", "Today ", "Today "},
            {"sYearRefused",
             "Файл %s не прочитан и оставлен как есть: %s. Заметки этого года не показаны и не "
             "будут записаны, пока файл не исправлен.",
             "The file %s could not be read and was left as it is: %s. The notes of this year "
             "are not shown and nothing is written to it until it is repaired."},
            {"sYearReadOnly", "Год %s только для чтения: его файл не прочитан.",
             "The year %s is read-only: its file could not be read."},
            {"sCannotSave", "Не удалось сохранить %s: %s", "Could not save %s: %s"},
            {"sYearLineCount", "в файле %s строк, а должно быть %s",
             "the file has %s lines instead of %s"},
            {"sYearNul", "в файле есть нулевой байт", "the file holds a NUL byte"},
            {"sYearValueCount", "в строке %s не пять значений",
             "line %s does not hold five values"},
            {"sYearQuotes", "в строке %s неверные кавычки", "line %s has unbalanced quotes"},
            {"sYearColour", "в строке %s «%s» не является цветом",
             "in line %s, \"%s\" is not a colour"},
            {"sYearBoolean", "в строке %s «%s» не является true или false",
             "in line %s, \"%s\" is neither true nor false"},
            {"sYearDay", "строка %s не совпадает с календарём %s года",
             "line %s does not match the calendar of the year %s"},
        },
    };
    return table;
}

const TextTable& yearGridEditTexts()
{
    static const TextTable table{
        "YearGridEditF",
        {
            {"caption", "YearGrid Edit", "YearGrid Edit"},
            {"btLoad", "&Load...", "&Load..."},
            {"btSave", "&Save...", "&Save..."},
            {"btOK", "OK", "OK"},
            {"btCancel", "Отмена", "Cancel"},
            {"sTextFilter", "Text Files (*.txt);;All Files (*)",
             "Text Files (*.txt);;All Files (*)"},
            {"sCannotRead", "Не удалось прочитать %s: %s", "Could not read %s: %s"},
            {"sCannotSave", "Не удалось сохранить %s: %s", "Could not save %s: %s"},
        },
    };
    return table;
}

const TextTable& viewerTexts()
{
    static const TextTable table{
        "fm_GViewer",
        {
            {"caption", "Гляделка", "Viewer"},
            {"mniZoom", "Масштаб по размеру окна", "Fit to the window"},
            {"mniZoomDefault", "Оригинальный размер", "Original size"},
            {"sCannotShow", "Не удалось показать картинку %s: %s",
             "Could not show the picture %s: %s"},
        },
    };
    return table;
}

const TextTable& charTableTexts()
{
    static const TextTable table{
        "frm_CharTable",
        {
            {"caption", "Таблица символов", "Character table"},
            {"btCopyChar", "Copy char", "Copy char"},
            {"btCopyCode", "Copy code", "Copy code"},
            {"edCode.hint", "Код символа", "The character's code"},
        },
    };
    return table;
}

const TextTable& melodyTexts()
{
    static const TextTable table{
        "Melody",
        {
            {"sPlaying", "Играет мелодия: нот %s", "Playing a melody of %s notes"},
            {"sStopped", "Мелодия остановлена", "The melody was stopped"},
            {"sNoNotes", "В тексте нет нот", "The text holds no notes"},
            {"sNoAudio", "Нет устройства вывода звука", "There is no sound output device"},
        },
    };
    return table;
}

} // namespace zuk::organizer
