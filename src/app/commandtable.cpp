#include "app/commandtable.h"

#include <algorithm>
#include <unordered_map>

namespace zuk::app {

namespace {

constexpr Need N0 = Need::Nothing;
constexpr Need Doc = Need::Document;
constexpr Need Sel = Need::Selection; // a non-empty selection

CommandRow menu(std::string_view name, std::string_view caption, std::string_view parent)
{
    return {name, caption, parent, {}, RowKind::Menu, Need::Nothing, true, false};
}

CommandRow sep(std::string_view name, std::string_view parent)
{
    return {name, {}, parent, {}, RowKind::Separator, Need::Nothing, true, false};
}

// A command that a later part of the program fills in: present and disabled.
CommandRow todo(std::string_view name, std::string_view caption, std::string_view parent,
                Need needs = Doc, std::string_view shortcut = {})
{
    return {name, caption, parent, shortcut, RowKind::Command, needs, false, false};
}

CommandRow cmd(std::string_view name, std::string_view caption, std::string_view parent, Need needs,
               std::string_view shortcut = {})
{
    return {name, caption, parent, shortcut, RowKind::Command, needs, true, false};
}

CommandRow check(std::string_view name, std::string_view caption, std::string_view parent,
                 Need needs, bool built, std::string_view shortcut = {})
{
    return {name, caption, parent, shortcut, RowKind::Command, needs, built, true};
}

// Shortcuts stay clear of the keys the document window handles itself:
// Ctrl+Up/Down/Y/Enter/Shift+Space and Alt+Left/Right/F/G.
std::vector<CommandRow> buildTable()
{
    std::vector<CommandRow> t;
    auto add = [&t](CommandRow r) { t.push_back(r); };

    // File
    add(menu("mniFile", "Файл", ""));
    add(cmd("mniFileNew", "Новый", "mniFile", N0, "Ctrl+N"));
    add(todo("mniNewFromTemplate", "Новый из шаблона", "mniFile", N0));
    add(todo("mniOpen", "Открыть...", "mniFile", N0, "Ctrl+O"));
    add(menu("mniHistory", "История > ", "mniFile"));
    add(sep("N1", "mniFile"));
    add(todo("mniSave", "Сохранить", "mniFile", Doc, "Ctrl+S"));
    add(todo("mniFileSaveAs", "Сохранить &как...", "mniFile", Doc, "Ctrl+Shift+S"));
    add(todo("mniSaveAll", "Сохранить все", "mniFile", N0, "Ctrl+Alt+S"));
    add(todo("mniSaveAsTemplate", "Сохранить как шаблон", "mniFile"));
    add(todo("mniSaveAsSnippet", "Сохранить как сниппет", "mniFile"));
    add(sep("N2", "mniFile"));
    add(cmd("mniCloseCurrent", "Закрыть текущий", "mniFile", Doc, "Ctrl+F4"));
    add(cmd("mniCloseAll", "Закрыть все", "mniFile", Doc, "Ctrl+Shift+F4"));
    add(sep("N3", "mniFile"));
    add(todo("mniSaveCopy", "Создать резервную копию", "mniFile"));
    add(todo("mniLoadCopy", "Загрузить резервную копию", "mniFile"));
    add(todo("mniRevertToSaved", "Вернуться к сохраненному", "mniFile"));
    add(todo("mniSaveVersion", "Сохранить версию", "mniFile"));
    add(sep("N4", "mniFile"));
    add(menu("mniImport", "Импортировать из", "mniFile"));
    add(todo("mniImportMac", "Mac", "mniImport", N0));
    add(todo("mniImportISO88595", "ISO-8859-5", "mniImport", N0));
    add(todo("mniImportUnicode", "Unicode", "mniImport", N0));
    add(todo("mniUTF8", "UTF-8", "mniImport", N0));
    add(menu("mniExport", "Экспортировать в", "mniFile"));
    add(todo("mniExportKOI8Rus", "KOI-8 Rus", "mniExport"));
    add(todo("mniExportDOS", "DOS (866)", "mniExport"));
    add(todo("mniExportMAC", "MAC", "mniExport"));
    add(todo("mniExportISO88595", "ISO-8859-5", "mniExport"));
    add(sep("N5", "mniExport"));
    add(todo("mniExport2RTF", "RTF", "mniExport"));
    add(todo("mniUnicode2", "Unicode", "mniExport"));
    add(todo("mniExport2HTML", "HTML", "mniExport"));
    add(todo("mniExportUTF8", "UTF-8", "mniExport"));
    add(menu("mniSpecial", "Специальное", "mniFile"));
    add(menu("mniSystemFiles", "Системные файлы", "mniSpecial"));
    add(todo("mniWinIni", "Открыть win.ini", "mniSystemFiles", N0));
    add(todo("mniSystemIni", "Открыть system.ini", "mniSystemFiles", N0));
    add(todo("mniAutoexecBat", "Открыть autoexec.bat", "mniSystemFiles", N0));
    add(todo("mniStat", "Статистика", "mniFile"));
    add(sep("N6", "mniFile"));
    add(todo("mniOpts", "Настройки", "mniFile", N0, "F9"));
    add(todo("mniOPenMakros", "Макросы", "mniFile", N0));
    add(cmd("mniPrint", "Печатать", "mniFile", Doc, "Ctrl+P"));
    add(sep("N7", "mniFile"));
    add(cmd("mniExit", "Отчалить", "mniFile", N0, "Alt+X"));

    // Edit
    add(menu("mniEdit", "Правка", ""));
    add(cmd("EditUndoItem", "Отмена", "mniEdit", Doc, "Ctrl+Z"));
    add(cmd("Redo1", "Redo", "mniEdit", Doc, "Ctrl+Shift+Z"));
    add(sep("N8", "mniEdit"));
    add(cmd("mniDup", "Дублировать блок", "mniEdit", Doc, "Ctrl+D"));
    add(cmd("EditCopyItem", "Копировать", "mniEdit", Doc, "Ctrl+C"));
    add(cmd("EditCutItem", "Вырезать", "mniEdit", Doc, "Ctrl+X"));
    add(cmd("EditPasteItem", "Вставить", "mniEdit", Doc, "Ctrl+V"));
    add(sep("N9", "mniEdit"));
    add(check("mwordwrap", "Перенос по словам", "mniEdit", Doc, true, "Ctrl+Shift+W"));
    add(check("mniCopyOnSelect", "Копировать в буфер при выделении", "mniEdit", N0, true));
    add(check("mniClipHook", "Перехват буфера обмена", "mniEdit", N0, false));

    // Search
    add(menu("mniSearch", "Поиск", ""));
    add(cmd("mniFind", "Найти", "mniSearch", Doc, "Ctrl+F"));
    add(cmd("mniFindNext", "Найти следующее", "mniSearch", Doc, "F3"));
    add(todo("mniFindinFiles", "Найти в файлах", "mniSearch", N0, "Ctrl+Shift+F"));
    add(todo("mniFindInNet", "Найти в Сети", "mniSearch", N0));
    add(sep("N10", "mniSearch"));
    add(cmd("mniGotoLine", "Перейти на строку #", "mniSearch", Doc, "Ctrl+G"));
    add(sep("N11", "mniSearch"));
    add(cmd("mniReplace", "Заменить", "mniSearch", Doc, "Ctrl+R"));
    add(todo("mniReplaceAllMulti", "Заменить все/мультизамена", "mniSearch", N0, "Ctrl+Shift+R"));

    // Functions
    add(menu("mniFunctions", "Функции", ""));
    add(menu("mniInsert", "Вставка", "mniFunctions"));
    add(menu("mniDateTime", "Дата/Время", "mniInsert"));
    for (std::string_view d : dateItemNames())
        add(cmd(d, "", "mniDateTime", Doc));
    add(sep("N12", "mniDateTime"));
    add(todo("mniNumberOfCurrentDayInYear", "Номер текущего дня в году", "mniDateTime"));
    add(todo("mniPi", "Число Pi", "mniInsert"));
    add(todo("mniRusAlpha", "Алфавит русский", "mniInsert"));
    add(todo("mniEngAlpha", "Алфавит английский", "mniInsert"));
    add(menu("mniCase", "Регистр", "mniFunctions"));
    add(todo("mniDowncase", "Нижний  (Ctrl-вниз)", "mniCase", Sel));
    add(todo("mniUpcase", "Верхний (Ctrl-вверх)", "mniCase", Sel));
    add(todo("mniInvertCase", "Инвертировать", "mniCase", Sel));
    add(todo("mniHackerize", "Хакеризация", "mniCase"));
    add(todo("mniCaseFirstBigChar", "Первая буква  - большая, другие - маленькие", "mniCase"));
    add(todo("mniCaseEachFirstCharIsBig", "Первая буква каждого слова - большая", "mniCase"));
    add(menu("mniNumber", "Число", "mniFunctions"));
    add(todo("mniArabToRoman", "Арабское в римское", "mniNumber", Sel));
    add(todo("mniRomantoArab", "Римское в арабское ", "mniNumber", Sel));
    add(sep("N13", "mniNumber"));
    add(todo("mniNum2WordsRus", "Число словами (русск)", "mniNumber", Sel));
    add(todo("mniNum2WordsEng", "Число словами (англ, $)", "mniNumber"));
    add(todo("mniNum2WordsGerm", "Число словами (немецк)", "mniNumber", Sel));
    add(sep("N14", "mniNumber"));
    add(todo("mniHEX2dec", "HEX в десятичное", "mniNumber", Sel));
    add(todo("mniDec2Hex", "Десятичное в HEX", "mniNumber", Sel));
    add(todo("mniDec2bin", "Десятичное в BIN", "mniNumber", Sel));
    add(todo("mniBin2Dec", "BIN в десятичное", "mniNumber", Sel));
    add(sep("N15", "mniNumber"));
    add(todo("mniIsLeapYear", "Високосный ли год?", "mniNumber", Sel));
    add(todo("mniBaseConv", "Конвертация числа по базе", "mniNumber", N0));
    add(todo("mniEvaluateExpression", "Вычислить выражение", "mniNumber"));
    add(menu("mniString", "Строка", "mniFunctions"));
    add(todo("mniDelEmptyLines", "Удалить пустые строки", "mniString", Sel));
    add(todo("mniEncloseEachLineInto", "Заключить каждую строку в...", "mniString", Sel));
    add(todo("mniNumberStrings", "Пронумеровать строки", "mniString", Sel));
    add(todo("mniReverseString", "Реверс строки", "mniString", Sel));
    add(todo("mniReverseStrings", "Реверс строк", "mniString", Sel));
    add(todo("mniAnagramm", "Анаграмма", "mniString", Sel));
    add(todo("mniDeleteWordOrChar", "Удалить заданное слово/символ", "mniString"));
    add(sep("N16", "mniString"));
    add(todo("mniWindows2UnixPath", "Путь формата Windows > Unix", "mniString"));
    add(todo("mniUnixpath2Win", "Путь формата Unix > Windows", "mniString"));
    add(todo("mniQ2Cm", "Q-скрипт в командную строку", "mniString"));
    add(todo("mniString2q", "Командную строку в Q-скрипт", "mniString"));
    add(menu("mniReplaceMenu", "Замена", "mniFunctions"));
    add(todo("mniTabs2Spaces", "Tabs > Spaces", "mniReplaceMenu"));
    add(todo("mniSimpleQuotas2Paired", "Прямые кавычки > на парные", "mniReplaceMenu"));
    add(todo("mniPairedQuotas2Simple", "Парные кавычки > на прямые", "mniReplaceMenu"));
    add(todo("mnTagToMeta", "< на &&lt; (для отображения тэгов на странице)", "mniReplaceMenu",
             Sel));
    add(menu("mniSorting", "Сортировка", "mniFunctions"));
    add(todo("mniSortStrings", "Сортировка строк", "mniSorting", Sel));
    add(todo("mnirevsortstrings", "Обратная сортировка", "mniSorting", Sel));
    add(todo("mniParaSort", "Сортировка параграфов", "mniSorting", Sel));
    add(menu("mniMobila", "Мобила", "mniFunctions"));
    add(todo("mniPlayText", "Проиграть всю мелодию", "mniMobila"));
    add(todo("mnirtttl2Dnotes", "rtttl > цифры  (CDEF > 1234)", "mniMobila"));
    add(menu("mniAntiSpam", "Антиспам", "mniFunctions"));
    add(todo("mniAntiSpam_ConvertAddress", "Кодировать адрес", "mniAntiSpam"));
    add(menu("mniFormat", "Формат", "mniFunctions"));
    add(todo("mnKillSpacesOneAfterAnother", "Убить пробелы подряд", "mniFormat", Sel));
    add(todo("mniKillFormat", "Убить формат нафиг", "mniFormat"));
    add(todo("mniHardWordWrap", "Жесткий word wrap", "mniFormat"));
    add(menu("mniSecurity", "Безопасность", "mniFunctions"));
    add(todo("mniEncode", "Кодировать", "mniSecurity"));
    add(todo("mniDecode", "Декодировать", "mniSecurity"));

    // HTML
    add(menu("mniHTML", "HTML", ""));
    add(menu("mniCleaning", "Чистка", "mniHTML"));
    add(todo("mniHTMLCleanUp", "Убить тэги опционально", "mniCleaning"));
    add(todo("mniStripHTML1", "Убить тэги HTML", "mniCleaning"));
    add(todo("mniFixURL", "Исправить URL (все эти %3c)", "mniCleaning", Sel));
    add(todo("mniRunTidy", "Tidy", "mniCleaning"));
    add(todo("mniAnHypLinx", "Анализ гипер-ссылок", "mniHTML"));
    add(todo("mniDocWeight", "Вес документа", "mniHTML"));
    add(menu("mniWebFX", "webFX", "mniHTML"));
    add(todo("mnitextGradient", "Текстовый градиент", "mniWebFX"));
    add(todo("mniText2HTML", "Текст > HTML", "mniHTML"));
    add(todo("mniTableMaster", "Мастер таблиц", "mniHTML"));
    add(todo("mniHTMLTemplate", "HTML-шаблон", "mniHTML"));
    add(sep("N17", "mniHTML"));
    add(todo("mniColorizeText", "Раскрасить текст", "mniHTML"));
    add(todo("mniWebFont", "Шрифт", "mniHTML"));
    add(todo("mniSafepal", "Web-safe палитра", "mniHTML"));
    add(todo("mniStdPalette", "Стандартная палитра", "mniHTML"));
    add(todo("mniPictureDlg", "Картинка", "mniHTML"));
    add(todo("mniLink", "Линк", "mniHTML"));
    add(todo("mniComment", "Комментарий", "mniHTML"));
    add(sep("N18", "mniHTML"));
    add(todo("mniBR", "<BR>", "mniHTML"));
    add(todo("mniTD", "<TD></<TD>", "mniHTML"));
    add(todo("mniTR", "<TR></<TR>", "mniHTML"));
    add(todo("mniP", "<P></<P>", "mniHTML"));
    add(todo("mniBold", "<B></<B>", "mniHTML"));
    add(todo("mniItalic", "<I></<I>", "mniHTML"));
    add(todo("mniLi", "<LI></<LI>", "mniHTML"));
    add(menu("mniHx", "<Hx>", "mniHTML"));
    add(todo("H11", "H1", "mniHx"));
    add(todo("H21", "H2", "mniHx"));
    add(todo("H31", "H3", "mniHx"));
    add(todo("H41", "H4", "mniHx"));
    add(todo("H51", "H5", "mniHx"));
    add(todo("H62", "H6", "mniHx"));
    add(menu("mniAlign", "Выравнивание", "mniHTML"));
    add(todo("mniACenter", "По центру", "mniAlign"));
    add(todo("mniALeft", "Левое", "mniAlign"));
    add(todo("mniARight", "Правое", "mniAlign"));

    // Utilities
    add(menu("mniUtils", "Утилиты", ""));
    add(menu("plugsmenubase", "Плагины", "mniUtils"));
    add(menu("mniCompilers", "Программы", "mniUtils"));
    add(menu("mniSnippets", "Сниппеты", "mniUtils"));
    add(menu("mniKeybLayout", "Раскладка клавиатуры", "mniUtils"));
    add(sep("N19", "mniUtils"));
    add(menu("mniAnalysis", "Анализ", "mniUtils"));
    add(todo("mniUNITAZ", "Универсальный текстовый анализатор", "mniAnalysis", N0));
    add(todo("mniBookmarx", "Закладки", "mniUtils", N0));
    add(todo("mniPIM", "Персональный менеджер", "mniUtils", N0));
    add(todo("mniFileBro", "Файловый менеджер", "mniUtils", N0));
    add(todo("mniSniM", "Менеджер сниппетов", "mniUtils", N0));
    add(todo("mniMegaCalc", "Мега-калькулятор", "mniUtils", N0));
    add(todo("mniConvertUnits", "Конвертация величин", "mniUtils", N0));
    add(todo("mniCalendar", "Календарь", "mniUtils", N0));
    add(todo("mniHEXeditor", "Hex-редактор", "mniUtils", N0));
    add(todo("mniCharTable", "Таблица символов", "mniUtils"));
    add(sep("N20", "mniUtils"));
    add(check("mniAscroll", "Автопрокрутка", "mniUtils", N0, false));
    add(todo("mniApplyMakroses", "Макрос", "mniUtils"));

    // Preview
    add(menu("mniPreview", "Просмотр", ""));
    add(todo("mniPreviewInMozilla", "Mozilla", "mniPreview"));
    add(todo("mniPreviewInOpera", "Opera", "mniPreview"));
    add(todo("mniPreviewInExplorer", "Explorer", "mniPreview"));
    add(todo("mniDefaultBrowserPreview", "Preview браузером по умолчанию", "mniPreview", Doc,
             "F5"));

    // Encoding
    add(menu("mniEncoding", "Кодировка", ""));
    add(menu("mniWorkInEncoding", "Работать в ", "mniEncoding"));
    add(todo("mniWorkInEncodingDOS866", "DOS 866", "mniWorkInEncoding"));
    add(todo("mniWorkInEncodingKOI8R", "KOI8-R", "mniWorkInEncoding"));
    add(todo("mniWorkInEncodingWindowsCP", "Windows 1251", "mniWorkInEncoding"));
    add(menu("mniConvertToEncoding", "Конвертировать в", "mniEncoding"));
    add(todo("ConvertToEncodingDOS866", "DOS 866", "mniConvertToEncoding"));
    add(todo("ConvertToEncodingKOI8R", "KOI8-R", "mniConvertToEncoding"));
    add(todo("ConvertToEncodingWindows1251", "Windows 1251", "mniConvertToEncoding"));
    add(sep("N21", "mniEncoding"));
    add(todo("mniTranslit", "Транслит", "mniEncoding"));
    add(todo("mniDeTranslit", "де-транслит", "mniEncoding"));
    add(todo("mniAntiwordChartableDistortions", "Вордово глюкало", "mniEncoding", Sel));
    add(todo("mniFixEncoding", "Исправить раскладку", "mniEncoding", Sel));
    add(todo("mniFido2Normal", "Из Фидо > В нормальный текст", "mniEncoding"));
    add(sep("N22", "mniEncoding"));
    add(todo("mniUUEDecode", "Декодировать из UUE", "mniEncoding"));
    add(menu("mniMIME", "MIME", "mniEncoding"));
    add(todo("mniDecodeFromMIME", "Декодировать из MIME", "mniMIME"));
    add(todo("mniEncodeToMIME", "Кодировать в  MIME", "mniMIME"));
    add(menu("mniBase64", "Base64", "mniEncoding"));
    add(todo("mniBase64encode", "Кодировать в  Base64 ", "mniBase64"));
    add(todo("mniBase64decode", "Декодировать из Base64 ", "mniBase64"));
    add(menu("mniRLE", "RLE", "mniEncoding"));
    add(todo("mniRLECompression", "RLE-сжать", "mniRLE"));
    add(todo("mniRLEUnpack", "RLE-распаковка", "mniRLE"));
    add(menu("mniHEX", "HEX", "mniEncoding"));
    add(todo("mniHEXValues", "HEX-значения", "mniHEX"));
    add(todo("mniFromHEXValues2chars", "Из HEX-значений в символы", "mniHEX"));

    // View
    add(menu("mniView", "Вид", ""));
    add(menu("mniColorStyles", "Стиль", "mniView"));

    // Documents; the open document windows are listed below these items.
    add(menu("mniWindow", "Документы", ""));
    add(cmd("mniCallWindowManager", "Менеджер окон", "mniWindow", N0, "F12"));
    add(cmd("mniNextWindow", "Следующий документ", "mniWindow", Doc, "Ctrl+Tab"));
    add(cmd("mniPrevWindow", "Предыдущий документ", "mniWindow", Doc, "Ctrl+Shift+Tab"));

    // Help
    add(menu("mniHelp", "?", ""));
    add(todo("mniHelpAbout", "Копырайто официазо", "mniHelp", N0));
    add(todo("mniAppManual", "Руководство", "mniHelp", N0, "F1"));
    add(todo("mniSODH", "СОД-H", "mniHelp", N0));
    add(todo("mniFAQ", "ФАК", "mniHelp", N0));
    add(sep("N23", "mniHelp"));
    add(todo("mniNotes", "Notes.txt", "mniHelp", N0));
    add(todo("mniBugs", "Bugs", "mniHelp", N0));
    add(sep("N24", "mniHelp"));
    add(menu("mniFeedbackMenu", "Отзывы и пожелания", "mniHelp"));
    add(todo("mniFeedback", "Письмо программеру", "mniFeedbackMenu", N0));
    add(todo("mniFreedback4Designer", "Письмо дизайнеру", "mniFeedbackMenu", N0));
    add(todo("mniAppSite", "Сайт продукта", "mniHelp", N0));

    return t;
}

} // namespace

const std::vector<std::string_view>& dateItemNames()
{
    static const std::vector<std::string_view> names = {
        "mniD1", "mniD2", "mniD3", "mniD4", "mniD5", "mniD6", "mniD7", "mniD8", "mniD9", "mniD10"};
    return names;
}

const std::vector<CommandRow>& commandTable()
{
    static const std::vector<CommandRow> table = buildTable();
    return table;
}

const CommandRow* findCommand(std::string_view name)
{
    static const std::unordered_map<std::string_view, const CommandRow*> index = [] {
        std::unordered_map<std::string_view, const CommandRow*> m;
        for (const CommandRow& r : commandTable())
            m.emplace(r.name, &r);
        return m;
    }();
    auto it = index.find(name);
    return it == index.end() ? nullptr : it->second;
}

} // namespace zuk::app
