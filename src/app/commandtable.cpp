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
    return {name, caption, parent, {}, RowKind::Menu, Need::Nothing, false};
}

CommandRow sep(std::string_view name, std::string_view parent)
{
    return {name, {}, parent, {}, RowKind::Separator, Need::Nothing, false};
}

// A menu command. Its item stays disabled until the part that does the work
// registers a handler for it with the main window.
CommandRow cmd(std::string_view name, std::string_view caption, std::string_view parent,
               Need needs = Doc, std::string_view shortcut = {})
{
    return {name, caption, parent, shortcut, RowKind::Command, needs, false};
}

CommandRow check(std::string_view name, std::string_view caption, std::string_view parent,
                 Need needs, std::string_view shortcut = {})
{
    return {name, caption, parent, shortcut, RowKind::Command, needs, true};
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
    add(cmd("mniNewFromTemplate", "Новый из шаблона", "mniFile", N0));
    add(cmd("mniOpen", "Открыть...", "mniFile", N0, "Ctrl+O"));
    add(menu("mniHistory", "История > ", "mniFile"));
    add(sep("N1", "mniFile"));
    add(cmd("mniSave", "Сохранить", "mniFile", Doc, "Ctrl+S"));
    add(cmd("mniFileSaveAs", "Сохранить &как...", "mniFile", Doc, "Ctrl+Shift+S"));
    add(cmd("mniSaveAll", "Сохранить все", "mniFile", N0, "Ctrl+Alt+S"));
    add(cmd("mniSaveAsTemplate", "Сохранить как шаблон", "mniFile"));
    add(cmd("mniSaveAsSnippet", "Сохранить как сниппет", "mniFile"));
    add(sep("N2", "mniFile"));
    add(cmd("mniCloseCurrent", "Закрыть текущий", "mniFile", Doc, "Ctrl+F4"));
    add(cmd("mniCloseAll", "Закрыть все", "mniFile", Doc, "Ctrl+Shift+F4"));
    add(sep("N3", "mniFile"));
    add(cmd("mniSaveCopy", "Создать резервную копию", "mniFile"));
    add(cmd("mniLoadCopy", "Загрузить резервную копию", "mniFile"));
    add(cmd("mniRevertToSaved", "Вернуться к сохраненному", "mniFile"));
    add(cmd("mniSaveVersion", "Сохранить версию", "mniFile"));
    add(sep("N4", "mniFile"));
    add(menu("mniImport", "Импортировать из", "mniFile"));
    add(cmd("mniImportMac", "Mac", "mniImport", N0));
    add(cmd("mniImportISO88595", "ISO-8859-5", "mniImport", N0));
    add(cmd("mniImportUnicode", "Unicode", "mniImport", N0));
    add(cmd("mniUTF8", "UTF-8", "mniImport", N0));
    add(menu("mniExport", "Экспортировать в", "mniFile"));
    add(cmd("mniExportKOI8Rus", "KOI-8 Rus", "mniExport"));
    add(cmd("mniExportDOS", "DOS (866)", "mniExport"));
    add(cmd("mniExportMAC", "MAC", "mniExport"));
    add(cmd("mniExportISO88595", "ISO-8859-5", "mniExport"));
    add(sep("N5", "mniExport"));
    add(cmd("mniExport2RTF", "RTF", "mniExport"));
    add(cmd("mniUnicode2", "Unicode", "mniExport"));
    add(cmd("mniExport2HTML", "HTML", "mniExport"));
    add(cmd("mniExportUTF8", "UTF-8", "mniExport"));
    add(menu("mniSpecial", "Специальное", "mniFile"));
    add(menu("mniSystemFiles", "Системные файлы", "mniSpecial"));
    add(cmd("mniWinIni", "Открыть win.ini", "mniSystemFiles", N0));
    add(cmd("mniSystemIni", "Открыть system.ini", "mniSystemFiles", N0));
    add(cmd("mniAutoexecBat", "Открыть autoexec.bat", "mniSystemFiles", N0));
    add(cmd("mniStat", "Статистика", "mniFile"));
    add(sep("N6", "mniFile"));
    add(cmd("mniOpts", "Настройки", "mniFile", N0, "F9"));
    add(cmd("mniOPenMakros", "Макросы", "mniFile", N0));
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
    add(check("mwordwrap", "Перенос по словам", "mniEdit", Doc, "Ctrl+Shift+W"));
    add(check("mniCopyOnSelect", "Копировать в буфер при выделении", "mniEdit", N0));
    add(check("mniClipHook", "Перехват буфера обмена", "mniEdit", N0));

    // Search
    add(menu("mniSearch", "Поиск", ""));
    add(cmd("mniFind", "Найти", "mniSearch", Doc, "Ctrl+F"));
    add(cmd("mniFindNext", "Найти следующее", "mniSearch", Doc, "F3"));
    add(cmd("mniFindinFiles", "Найти в файлах", "mniSearch", N0, "Ctrl+Shift+F"));
    add(cmd("mniFindInNet", "Найти в Сети", "mniSearch", N0));
    add(sep("N10", "mniSearch"));
    add(cmd("mniGotoLine", "Перейти на строку #", "mniSearch", Doc, "Ctrl+G"));
    add(sep("N11", "mniSearch"));
    add(cmd("mniReplace", "Заменить", "mniSearch", Doc, "Ctrl+R"));
    add(cmd("mniReplaceAllMulti", "Заменить все/мультизамена", "mniSearch", N0, "Ctrl+Shift+R"));

    // Functions
    add(menu("mniFunctions", "Функции", ""));
    add(menu("mniInsert", "Вставка", "mniFunctions"));
    add(menu("mniDateTime", "Дата/Время", "mniInsert"));
    for (std::string_view d : dateItemNames())
        add(cmd(d, "", "mniDateTime", Doc));
    add(sep("N12", "mniDateTime"));
    add(cmd("mniNumberOfCurrentDayInYear", "Номер текущего дня в году", "mniDateTime"));
    add(cmd("mniPi", "Число Pi", "mniInsert"));
    add(cmd("mniRusAlpha", "Алфавит русский", "mniInsert"));
    add(cmd("mniEngAlpha", "Алфавит английский", "mniInsert"));
    add(menu("mniCase", "Регистр", "mniFunctions"));
    add(cmd("mniDowncase", "Нижний  (Ctrl-вниз)", "mniCase", Sel));
    add(cmd("mniUpcase", "Верхний (Ctrl-вверх)", "mniCase", Sel));
    add(cmd("mniInvertCase", "Инвертировать", "mniCase", Sel));
    add(cmd("mniHackerize", "Хакеризация", "mniCase"));
    add(cmd("mniCaseFirstBigChar", "Первая буква  - большая, другие - маленькие", "mniCase"));
    add(cmd("mniCaseEachFirstCharIsBig", "Первая буква каждого слова - большая", "mniCase"));
    add(menu("mniNumber", "Число", "mniFunctions"));
    add(cmd("mniArabToRoman", "Арабское в римское", "mniNumber", Sel));
    add(cmd("mniRomantoArab", "Римское в арабское ", "mniNumber", Sel));
    add(sep("N13", "mniNumber"));
    add(cmd("mniNum2WordsRus", "Число словами (русск)", "mniNumber", Sel));
    add(cmd("mniNum2WordsEng", "Число словами (англ, $)", "mniNumber"));
    add(cmd("mniNum2WordsGerm", "Число словами (немецк)", "mniNumber", Sel));
    add(sep("N14", "mniNumber"));
    add(cmd("mniHEX2dec", "HEX в десятичное", "mniNumber", Sel));
    add(cmd("mniDec2Hex", "Десятичное в HEX", "mniNumber", Sel));
    add(cmd("mniDec2bin", "Десятичное в BIN", "mniNumber", Sel));
    add(cmd("mniBin2Dec", "BIN в десятичное", "mniNumber", Sel));
    add(sep("N15", "mniNumber"));
    add(cmd("mniIsLeapYear", "Високосный ли год?", "mniNumber", Sel));
    add(cmd("mniBaseConv", "Конвертация числа по базе", "mniNumber", N0));
    add(cmd("mniEvaluateExpression", "Вычислить выражение", "mniNumber"));
    add(menu("mniString", "Строка", "mniFunctions"));
    add(cmd("mniDelEmptyLines", "Удалить пустые строки", "mniString", Sel));
    add(cmd("mniEncloseEachLineInto", "Заключить каждую строку в...", "mniString", Sel));
    add(cmd("mniNumberStrings", "Пронумеровать строки", "mniString", Sel));
    add(cmd("mniReverseString", "Реверс строки", "mniString", Sel));
    add(cmd("mniReverseStrings", "Реверс строк", "mniString", Sel));
    add(cmd("mniAnagramm", "Анаграмма", "mniString", Sel));
    add(cmd("mniDeleteWordOrChar", "Удалить заданное слово/символ", "mniString"));
    add(sep("N16", "mniString"));
    add(cmd("mniWindows2UnixPath", "Путь формата Windows > Unix", "mniString"));
    add(cmd("mniUnixpath2Win", "Путь формата Unix > Windows", "mniString"));
    add(cmd("mniQ2Cm", "Q-скрипт в командную строку", "mniString"));
    add(cmd("mniString2q", "Командную строку в Q-скрипт", "mniString"));
    add(menu("mniReplaceMenu", "Замена", "mniFunctions"));
    add(cmd("mniTabs2Spaces", "Tabs > Spaces", "mniReplaceMenu"));
    add(cmd("mniSimpleQuotas2Paired", "Прямые кавычки > на парные", "mniReplaceMenu"));
    add(cmd("mniPairedQuotas2Simple", "Парные кавычки > на прямые", "mniReplaceMenu"));
    add(cmd("mnTagToMeta", "< на &&lt; (для отображения тэгов на странице)", "mniReplaceMenu",
             Sel));
    add(menu("mniSorting", "Сортировка", "mniFunctions"));
    add(cmd("mniSortStrings", "Сортировка строк", "mniSorting", Sel));
    add(cmd("mnirevsortstrings", "Обратная сортировка", "mniSorting", Sel));
    add(cmd("mniParaSort", "Сортировка параграфов", "mniSorting", Sel));
    add(menu("mniMobila", "Мобила", "mniFunctions"));
    add(cmd("mniPlayText", "Проиграть всю мелодию", "mniMobila"));
    add(cmd("mnirtttl2Dnotes", "rtttl > цифры  (CDEF > 1234)", "mniMobila"));
    add(menu("mniAntiSpam", "Антиспам", "mniFunctions"));
    add(cmd("mniAntiSpam_ConvertAddress", "Кодировать адрес", "mniAntiSpam"));
    add(menu("mniFormat", "Формат", "mniFunctions"));
    add(cmd("mnKillSpacesOneAfterAnother", "Убить пробелы подряд", "mniFormat", Sel));
    add(cmd("mniKillFormat", "Убить формат нафиг", "mniFormat"));
    add(cmd("mniHardWordWrap", "Жесткий word wrap", "mniFormat"));
    add(menu("mniSecurity", "Безопасность", "mniFunctions"));
    add(cmd("mniEncode", "Кодировать", "mniSecurity"));
    add(cmd("mniDecode", "Декодировать", "mniSecurity"));

    // HTML
    add(menu("mniHTML", "HTML", ""));
    add(menu("mniCleaning", "Чистка", "mniHTML"));
    add(cmd("mniHTMLCleanUp", "Убить тэги опционально", "mniCleaning"));
    add(cmd("mniStripHTML1", "Убить тэги HTML", "mniCleaning"));
    add(cmd("mniFixURL", "Исправить URL (все эти %3c)", "mniCleaning", Sel));
    add(cmd("mniRunTidy", "Tidy", "mniCleaning"));
    add(cmd("mniAnHypLinx", "Анализ гипер-ссылок", "mniHTML"));
    add(cmd("mniDocWeight", "Вес документа", "mniHTML"));
    add(menu("mniWebFX", "webFX", "mniHTML"));
    add(cmd("mnitextGradient", "Текстовый градиент", "mniWebFX"));
    add(cmd("mniText2HTML", "Текст > HTML", "mniHTML"));
    add(cmd("mniTableMaster", "Мастер таблиц", "mniHTML"));
    add(cmd("mniHTMLTemplate", "HTML-шаблон", "mniHTML"));
    add(sep("N17", "mniHTML"));
    add(cmd("mniColorizeText", "Раскрасить текст", "mniHTML"));
    add(cmd("mniWebFont", "Шрифт", "mniHTML"));
    add(cmd("mniSafepal", "Web-safe палитра", "mniHTML"));
    add(cmd("mniStdPalette", "Стандартная палитра", "mniHTML"));
    add(cmd("mniPictureDlg", "Картинка", "mniHTML"));
    add(cmd("mniLink", "Линк", "mniHTML"));
    add(cmd("mniComment", "Комментарий", "mniHTML"));
    add(sep("N18", "mniHTML"));
    add(cmd("mniBR", "<BR>", "mniHTML"));
    add(cmd("mniTD", "<TD></<TD>", "mniHTML"));
    add(cmd("mniTR", "<TR></<TR>", "mniHTML"));
    add(cmd("mniP", "<P></<P>", "mniHTML"));
    add(cmd("mniBold", "<B></<B>", "mniHTML"));
    add(cmd("mniItalic", "<I></<I>", "mniHTML"));
    add(cmd("mniLi", "<LI></<LI>", "mniHTML"));
    add(menu("mniHx", "<Hx>", "mniHTML"));
    add(cmd("H11", "H1", "mniHx"));
    add(cmd("H21", "H2", "mniHx"));
    add(cmd("H31", "H3", "mniHx"));
    add(cmd("H41", "H4", "mniHx"));
    add(cmd("H51", "H5", "mniHx"));
    add(cmd("H62", "H6", "mniHx"));
    add(menu("mniAlign", "Выравнивание", "mniHTML"));
    add(cmd("mniACenter", "По центру", "mniAlign"));
    add(cmd("mniALeft", "Левое", "mniAlign"));
    add(cmd("mniARight", "Правое", "mniAlign"));

    // Utilities
    add(menu("mniUtils", "Утилиты", ""));
    add(menu("plugsmenubase", "Плагины", "mniUtils"));
    add(menu("mniCompilers", "Программы", "mniUtils"));
    add(menu("mniSnippets", "Сниппеты", "mniUtils"));
    add(menu("mniKeybLayout", "Раскладка клавиатуры", "mniUtils"));
    add(sep("N19", "mniUtils"));
    add(menu("mniAnalysis", "Анализ", "mniUtils"));
    add(cmd("mniUNITAZ", "Универсальный текстовый анализатор", "mniAnalysis", N0));
    add(cmd("mniBookmarx", "Закладки", "mniUtils", N0));
    add(cmd("mniPIM", "Персональный менеджер", "mniUtils", N0));
    add(cmd("mniFileBro", "Файловый менеджер", "mniUtils", N0));
    add(cmd("mniSniM", "Менеджер сниппетов", "mniUtils", N0));
    add(cmd("mniMegaCalc", "Мега-калькулятор", "mniUtils", N0));
    add(cmd("mniConvertUnits", "Конвертация величин", "mniUtils", N0));
    add(cmd("mniCalendar", "Календарь", "mniUtils", N0));
    add(cmd("mniHEXeditor", "Hex-редактор", "mniUtils", N0));
    add(cmd("mniCharTable", "Таблица символов", "mniUtils"));
    add(sep("N20", "mniUtils"));
    add(check("mniAscroll", "Автопрокрутка", "mniUtils", N0));
    add(cmd("mniApplyMakroses", "Макрос", "mniUtils"));

    // Preview
    add(menu("mniPreview", "Просмотр", ""));
    add(cmd("mniPreviewInMozilla", "Mozilla", "mniPreview"));
    add(cmd("mniPreviewInOpera", "Opera", "mniPreview"));
    add(cmd("mniPreviewInExplorer", "Explorer", "mniPreview"));
    add(cmd("mniDefaultBrowserPreview", "Preview браузером по умолчанию", "mniPreview", Doc,
             "F5"));

    // Encoding
    add(menu("mniEncoding", "Кодировка", ""));
    add(menu("mniWorkInEncoding", "Работать в ", "mniEncoding"));
    add(cmd("mniWorkInEncodingDOS866", "DOS 866", "mniWorkInEncoding"));
    add(cmd("mniWorkInEncodingKOI8R", "KOI8-R", "mniWorkInEncoding"));
    add(cmd("mniWorkInEncodingWindowsCP", "Windows 1251", "mniWorkInEncoding"));
    add(menu("mniConvertToEncoding", "Конвертировать в", "mniEncoding"));
    add(cmd("ConvertToEncodingDOS866", "DOS 866", "mniConvertToEncoding"));
    add(cmd("ConvertToEncodingKOI8R", "KOI8-R", "mniConvertToEncoding"));
    add(cmd("ConvertToEncodingWindows1251", "Windows 1251", "mniConvertToEncoding"));
    add(sep("N21", "mniEncoding"));
    add(cmd("mniTranslit", "Транслит", "mniEncoding"));
    add(cmd("mniDeTranslit", "де-транслит", "mniEncoding"));
    add(cmd("mniAntiwordChartableDistortions", "Вордово глюкало", "mniEncoding", Sel));
    add(cmd("mniFixEncoding", "Исправить раскладку", "mniEncoding", Sel));
    add(cmd("mniFido2Normal", "Из Фидо > В нормальный текст", "mniEncoding"));
    add(sep("N22", "mniEncoding"));
    add(cmd("mniUUEDecode", "Декодировать из UUE", "mniEncoding"));
    add(menu("mniMIME", "MIME", "mniEncoding"));
    add(cmd("mniDecodeFromMIME", "Декодировать из MIME", "mniMIME"));
    add(cmd("mniEncodeToMIME", "Кодировать в  MIME", "mniMIME"));
    add(menu("mniBase64", "Base64", "mniEncoding"));
    add(cmd("mniBase64encode", "Кодировать в  Base64 ", "mniBase64"));
    add(cmd("mniBase64decode", "Декодировать из Base64 ", "mniBase64"));
    add(menu("mniRLE", "RLE", "mniEncoding"));
    add(cmd("mniRLECompression", "RLE-сжать", "mniRLE"));
    add(cmd("mniRLEUnpack", "RLE-распаковка", "mniRLE"));
    add(menu("mniHEX", "HEX", "mniEncoding"));
    add(cmd("mniHEXValues", "HEX-значения", "mniHEX"));
    add(cmd("mniFromHEXValues2chars", "Из HEX-значений в символы", "mniHEX"));

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
    add(cmd("mniHelpAbout", "Копырайто официазо", "mniHelp", N0));
    add(cmd("mniAppManual", "Руководство", "mniHelp", N0, "F1"));
    add(cmd("mniSODH", "СОД-H", "mniHelp", N0));
    add(cmd("mniFAQ", "ФАК", "mniHelp", N0));
    add(sep("N23", "mniHelp"));
    add(cmd("mniNotes", "Notes.txt", "mniHelp", N0));
    add(cmd("mniBugs", "Bugs", "mniHelp", N0));
    add(sep("N24", "mniHelp"));
    add(menu("mniFeedbackMenu", "Отзывы и пожелания", "mniHelp"));
    add(cmd("mniFeedback", "Письмо программеру", "mniFeedbackMenu", N0));
    add(cmd("mniFreedback4Designer", "Письмо дизайнеру", "mniFeedbackMenu", N0));
    add(cmd("mniAppSite", "Сайт продукта", "mniHelp", N0));

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
