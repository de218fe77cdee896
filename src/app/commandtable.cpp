#include "app/commandtable.h"

#include <algorithm>
#include <unordered_map>

namespace zuk::app {

namespace {

constexpr Need N0 = Need::Nothing;
constexpr Need Doc = Need::Document;
constexpr Need Sel = Need::Selection; // a non-empty selection

CommandRow menu(std::string_view name, std::string_view caption, std::string_view english,
                std::string_view parent)
{
    return {name, caption, english, parent, {}, RowKind::Menu, Need::Nothing, false};
}

CommandRow sep(std::string_view name, std::string_view parent)
{
    return {name, {}, {}, parent, {}, RowKind::Separator, Need::Nothing, false};
}

// A menu command. Its item stays disabled until the part that does the work
// registers a handler for it with the main window.
CommandRow cmd(std::string_view name, std::string_view caption, std::string_view english,
               std::string_view parent, Need needs = Doc, std::string_view shortcut = {})
{
    return {name, caption, english, parent, shortcut, RowKind::Command, needs, false};
}

CommandRow check(std::string_view name, std::string_view caption, std::string_view english,
                 std::string_view parent, Need needs, std::string_view shortcut = {})
{
    return {name, caption, english, parent, shortcut, RowKind::Command, needs, true};
}

// Shortcuts stay clear of the keys the document window handles itself:
// Ctrl+Up/Down/Y/Enter/Shift+Space and Alt+Left/Right/F/G.
std::vector<CommandRow> buildTable()
{
    std::vector<CommandRow> t;
    auto add = [&t](CommandRow r) { t.push_back(r); };

    // File
    add(menu("mniFile", "Файл", "File", ""));
    add(cmd("mniFileNew", "Новый", "New", "mniFile", N0, "Ctrl+N"));
    add(cmd("mniNewFromTemplate", "Новый из шаблона", "New from template", "mniFile", N0));
    add(cmd("mniOpen", "Открыть...", "Open...", "mniFile", N0, "Ctrl+O"));
    add(menu("mniHistory", "История > ", "History > ", "mniFile"));
    add(sep("N1", "mniFile"));
    add(cmd("mniSave", "Сохранить", "Save", "mniFile", Doc, "Ctrl+S"));
    add(cmd("mniFileSaveAs", "Сохранить &как...", "Save &as...", "mniFile", Doc, "Ctrl+Shift+S"));
    add(cmd("mniSaveAll", "Сохранить все", "Save all", "mniFile", N0, "Ctrl+Alt+S"));
    add(cmd("mniSaveAsTemplate", "Сохранить как шаблон", "Save as template", "mniFile"));
    add(cmd("mniSaveAsSnippet", "Сохранить как сниппет", "Save as snippet", "mniFile"));
    add(sep("N2", "mniFile"));
    add(cmd("mniCloseCurrent", "Закрыть текущий", "Close current", "mniFile", Doc, "Ctrl+F4"));
    add(cmd("mniCloseAll", "Закрыть все", "Close all", "mniFile", Doc, "Ctrl+Shift+F4"));
    add(sep("N3", "mniFile"));
    add(cmd("mniSaveCopy", "Создать резервную копию", "Make a backup copy", "mniFile"));
    add(cmd("mniLoadCopy", "Загрузить резервную копию", "Load the backup copy", "mniFile"));
    add(cmd("mniRevertToSaved", "Вернуться к сохраненному", "Revert to saved", "mniFile"));
    add(cmd("mniSaveVersion", "Сохранить версию", "Save version", "mniFile"));
    add(check("mniRecovery", "Копии для восстановления после сбоя", "Recovery copies after a crash",
              "mniFile", N0));
    add(sep("N4", "mniFile"));
    add(menu("mniImport", "Импортировать из", "Import from", "mniFile"));
    add(cmd("mniImportMac", "Mac", "Mac", "mniImport", N0));
    add(cmd("mniImportISO88595", "ISO-8859-5", "ISO-8859-5", "mniImport", N0));
    add(cmd("mniImportUnicode", "Unicode", "Unicode", "mniImport", N0));
    add(cmd("mniUTF8", "UTF-8", "UTF-8", "mniImport", N0));
    add(menu("mniExport", "Экспортировать в", "Export to", "mniFile"));
    add(cmd("mniExportKOI8Rus", "KOI-8 Rus", "KOI-8 Rus", "mniExport"));
    add(cmd("mniExportDOS", "DOS (866)", "DOS (866)", "mniExport"));
    add(cmd("mniExportMAC", "MAC", "MAC", "mniExport"));
    add(cmd("mniExportISO88595", "ISO-8859-5", "ISO-8859-5", "mniExport"));
    add(sep("N5", "mniExport"));
    add(cmd("mniExport2RTF", "RTF", "RTF", "mniExport"));
    add(cmd("mniUnicode2", "Unicode", "Unicode", "mniExport"));
    add(cmd("mniExport2HTML", "HTML", "HTML", "mniExport"));
    add(cmd("mniExportUTF8", "UTF-8", "UTF-8", "mniExport"));
    add(menu("mniSpecial", "Специальное", "Special", "mniFile"));
    add(menu("mniSystemFiles", "Системные файлы", "System files", "mniSpecial"));
    add(cmd("mniWinIni", "Открыть win.ini", "Open win.ini", "mniSystemFiles", N0));
    add(cmd("mniSystemIni", "Открыть system.ini", "Open system.ini", "mniSystemFiles", N0));
    add(cmd("mniAutoexecBat", "Открыть autoexec.bat", "Open autoexec.bat", "mniSystemFiles", N0));
    add(cmd("mniStat", "Статистика", "Statistics", "mniFile"));
    add(sep("N6", "mniFile"));
    add(cmd("mniOpts", "Настройки", "Settings", "mniFile", N0, "F9"));
    add(cmd("mniOPenMakros", "Макросы", "Macros", "mniFile", N0));
    add(cmd("mniPrint", "Печатать", "Print", "mniFile", Doc, "Ctrl+P"));
    add(sep("N7", "mniFile"));
    add(cmd("mniExit", "Отчалить", "Exit", "mniFile", N0, "Alt+X"));

    // Edit
    add(menu("mniEdit", "Правка", "Edit", ""));
    add(cmd("EditUndoItem", "Отмена", "Undo", "mniEdit", Doc, "Ctrl+Z"));
    add(cmd("Redo1", "Redo", "Redo", "mniEdit", Doc, "Ctrl+Shift+Z"));
    add(sep("N8", "mniEdit"));
    add(cmd("mniDup", "Дублировать блок", "Duplicate block", "mniEdit", Doc, "Ctrl+D"));
    add(cmd("EditCopyItem", "Копировать", "Copy", "mniEdit", Doc, "Ctrl+C"));
    add(cmd("EditCutItem", "Вырезать", "Cut", "mniEdit", Doc, "Ctrl+X"));
    add(cmd("EditPasteItem", "Вставить", "Paste", "mniEdit", Doc, "Ctrl+V"));
    add(sep("N9", "mniEdit"));
    add(check("mwordwrap", "Перенос по словам", "Word wrap", "mniEdit", Doc, "Ctrl+Shift+W"));
    add(check("mniCopyOnSelect", "Копировать в буфер при выделении",
              "Copy to clipboard on selection", "mniEdit", N0));
    add(check("mniClipHook", "Перехват буфера обмена", "Capture the clipboard", "mniEdit", N0));

    // Search
    add(menu("mniSearch", "Поиск", "Search", ""));
    add(cmd("mniFind", "Найти", "Find", "mniSearch", Doc, "Ctrl+F"));
    add(cmd("mniFindNext", "Найти следующее", "Find next", "mniSearch", Doc, "F3"));
    add(cmd("mniFindinFiles", "Найти в файлах", "Find in files", "mniSearch", N0, "Ctrl+Shift+F"));
    add(cmd("mniFindInNet", "Найти в Сети", "Find on the Web", "mniSearch", N0));
    add(sep("N10", "mniSearch"));
    add(cmd("mniGotoLine", "Перейти на строку #", "Go to line #", "mniSearch", Doc, "Ctrl+G"));
    add(sep("N11", "mniSearch"));
    add(cmd("mniReplace", "Заменить", "Replace", "mniSearch", Doc, "Ctrl+R"));
    add(cmd("mniReplaceAllMulti", "Заменить все/мультизамена", "Replace all/multi-replace",
            "mniSearch", N0, "Ctrl+Shift+R"));

    // Functions
    add(menu("mniFunctions", "Функции", "Functions", ""));
    add(menu("mniInsert", "Вставка", "Insert", "mniFunctions"));
    add(menu("mniDateTime", "Дата/Время", "Date/Time", "mniInsert"));
    for (std::string_view d : dateItemNames())
        add(cmd(d, "", "", "mniDateTime", Doc));
    add(sep("N12", "mniDateTime"));
    add(cmd("mniNumberOfCurrentDayInYear", "Номер текущего дня в году",
            "Number of today in the year", "mniDateTime"));
    add(cmd("mniPi", "Число Pi", "The number Pi", "mniInsert"));
    add(cmd("mniRusAlpha", "Алфавит русский", "Russian alphabet", "mniInsert"));
    add(cmd("mniEngAlpha", "Алфавит английский", "English alphabet", "mniInsert"));
    add(menu("mniCase", "Регистр", "Case", "mniFunctions"));
    add(cmd("mniDowncase", "Нижний  (Ctrl-вниз)", "Lower  (Ctrl-Down)", "mniCase", Sel));
    add(cmd("mniUpcase", "Верхний (Ctrl-вверх)", "Upper (Ctrl-Up)", "mniCase", Sel));
    add(cmd("mniInvertCase", "Инвертировать", "Invert", "mniCase", Sel));
    add(cmd("mniHackerize", "Хакеризация", "Hackerize", "mniCase"));
    add(cmd("mniCaseFirstBigChar", "Первая буква  - большая, другие - маленькие",
            "First letter capital, the others small", "mniCase"));
    add(cmd("mniCaseEachFirstCharIsBig", "Первая буква каждого слова - большая",
            "First letter of every word capital", "mniCase"));
    add(menu("mniNumber", "Число", "Number", "mniFunctions"));
    add(cmd("mniArabToRoman", "Арабское в римское", "Arabic to Roman", "mniNumber", Sel));
    add(cmd("mniRomantoArab", "Римское в арабское ", "Roman to Arabic ", "mniNumber", Sel));
    add(sep("N13", "mniNumber"));
    add(cmd("mniNum2WordsRus", "Число словами (русск)", "Number in words (Russian)", "mniNumber",
            Sel));
    add(cmd("mniNum2WordsEng", "Число словами (англ, $)", "Number in words (English, $)",
            "mniNumber"));
    add(cmd("mniNum2WordsGerm", "Число словами (немецк)", "Number in words (German)", "mniNumber",
            Sel));
    add(sep("N14", "mniNumber"));
    add(cmd("mniHEX2dec", "HEX в десятичное", "HEX to decimal", "mniNumber", Sel));
    add(cmd("mniDec2Hex", "Десятичное в HEX", "Decimal to HEX", "mniNumber", Sel));
    add(cmd("mniDec2bin", "Десятичное в BIN", "Decimal to BIN", "mniNumber", Sel));
    add(cmd("mniBin2Dec", "BIN в десятичное", "BIN to decimal", "mniNumber", Sel));
    add(sep("N15", "mniNumber"));
    add(cmd("mniIsLeapYear", "Високосный ли год?", "Is it a leap year?", "mniNumber", Sel));
    add(cmd("mniBaseConv", "Конвертация числа по базе", "Convert a number between bases",
            "mniNumber", N0));
    add(cmd("mniEvaluateExpression", "Вычислить выражение", "Evaluate the expression",
            "mniNumber"));
    add(menu("mniString", "Строка", "Line", "mniFunctions"));
    add(cmd("mniDelEmptyLines", "Удалить пустые строки", "Delete empty lines", "mniString", Sel));
    add(cmd("mniEncloseEachLineInto", "Заключить каждую строку в...", "Enclose each line in...",
            "mniString", Sel));
    add(cmd("mniNumberStrings", "Пронумеровать строки", "Number the lines", "mniString", Sel));
    add(cmd("mniReverseString", "Реверс строки", "Reverse the line", "mniString", Sel));
    add(cmd("mniReverseStrings", "Реверс строк", "Reverse the lines", "mniString", Sel));
    add(cmd("mniAnagramm", "Анаграмма", "Anagram", "mniString", Sel));
    add(cmd("mniDeleteWordOrChar", "Удалить заданное слово/символ", "Delete a given word/character",
            "mniString"));
    add(sep("N16", "mniString"));
    add(cmd("mniWindows2UnixPath", "Путь формата Windows > Unix", "Windows path > Unix",
            "mniString"));
    add(cmd("mniUnixpath2Win", "Путь формата Unix > Windows", "Unix path > Windows", "mniString"));
    add(cmd("mniQ2Cm", "Q-скрипт в командную строку", "Q-script to command line", "mniString"));
    add(cmd("mniString2q", "Командную строку в Q-скрипт", "Command line to Q-script", "mniString"));
    add(menu("mniReplaceMenu", "Замена", "Replace", "mniFunctions"));
    add(cmd("mniTabs2Spaces", "Tabs > Spaces", "Tabs > Spaces", "mniReplaceMenu"));
    add(cmd("mniSimpleQuotas2Paired", "Прямые кавычки > на парные", "Straight quotes > paired",
            "mniReplaceMenu"));
    add(cmd("mniPairedQuotas2Simple", "Парные кавычки > на прямые", "Paired quotes > straight",
            "mniReplaceMenu"));
    add(cmd("mnTagToMeta", "< на &&lt; (для отображения тэгов на странице)",
            "< to &&lt; (to show tags on a page)", "mniReplaceMenu", Sel));
    add(menu("mniSorting", "Сортировка", "Sorting", "mniFunctions"));
    add(cmd("mniSortStrings", "Сортировка строк", "Sort lines", "mniSorting", Sel));
    add(cmd("mnirevsortstrings", "Обратная сортировка", "Reverse sort", "mniSorting", Sel));
    add(cmd("mniParaSort", "Сортировка параграфов", "Sort paragraphs", "mniSorting", Sel));
    add(menu("mniMobila", "Мобила", "Mobile", "mniFunctions"));
    add(cmd("mniPlayText", "Проиграть всю мелодию", "Play the whole melody", "mniMobila"));
    add(cmd("mniStopMelody", "Остановить мелодию", "Stop the melody", "mniMobila", N0));
    add(cmd("mnirtttl2Dnotes", "rtttl > цифры  (CDEF > 1234)", "rtttl > digits  (CDEF > 1234)",
            "mniMobila"));
    add(menu("mniAntiSpam", "Антиспам", "Anti-spam", "mniFunctions"));
    add(cmd("mniAntiSpam_ConvertAddress", "Кодировать адрес", "Encode the address", "mniAntiSpam"));
    add(menu("mniFormat", "Формат", "Format", "mniFunctions"));
    add(cmd("mnKillSpacesOneAfterAnother", "Убить пробелы подряд", "Kill repeated spaces",
            "mniFormat", Sel));
    add(cmd("mniKillFormat", "Убить формат нафиг", "Kill the format altogether", "mniFormat"));
    add(cmd("mniHardWordWrap", "Жесткий word wrap", "Hard word wrap", "mniFormat"));
    add(menu("mniSecurity", "Безопасность", "Security", "mniFunctions"));
    add(cmd("mniEncode", "Кодировать", "Encode", "mniSecurity"));
    add(cmd("mniDecode", "Декодировать", "Decode", "mniSecurity"));

    // HTML
    add(menu("mniHTML", "HTML", "HTML", ""));
    add(menu("mniCleaning", "Чистка", "Cleaning", "mniHTML"));
    add(cmd("mniHTMLCleanUp", "Убить тэги опционально", "Kill tags selectively", "mniCleaning"));
    add(cmd("mniStripHTML1", "Убить тэги HTML", "Kill HTML tags", "mniCleaning"));
    add(cmd("mniFixURL", "Исправить URL (все эти %3c)", "Repair URL (all those %3c)", "mniCleaning",
            Sel));
    add(cmd("mniRunTidy", "Tidy", "Tidy", "mniCleaning"));
    add(cmd("mniAnHypLinx", "Анализ гипер-ссылок", "Hyperlink analysis", "mniHTML"));
    add(cmd("mniDocWeight", "Вес документа", "Document weight", "mniHTML"));
    add(menu("mniWebFX", "webFX", "webFX", "mniHTML"));
    add(cmd("mnitextGradient", "Текстовый градиент", "Text gradient", "mniWebFX", Sel));
    add(cmd("mniText2HTML", "Текст > HTML", "Text > HTML", "mniHTML"));
    add(cmd("mniTableMaster", "Мастер таблиц", "Table wizard", "mniHTML"));
    add(cmd("mniHTMLTemplate", "HTML-шаблон", "HTML template", "mniHTML"));
    add(sep("N17", "mniHTML"));
    add(cmd("mniColorizeText", "Раскрасить текст", "Colour the text", "mniHTML", Sel));
    add(cmd("mniWebFont", "Шрифт", "Font", "mniHTML"));
    add(cmd("mniSafepal", "Web-safe палитра", "Web-safe palette", "mniHTML"));
    add(cmd("mniStdPalette", "Стандартная палитра", "Standard palette", "mniHTML"));
    add(cmd("mniPictureDlg", "Картинка", "Picture", "mniHTML"));
    add(cmd("mniLink", "Линк", "Link", "mniHTML"));
    add(cmd("mniComment", "Комментарий", "Comment", "mniHTML"));
    add(sep("N18", "mniHTML"));
    add(cmd("mniBR", "<BR>", "<BR>", "mniHTML"));
    add(cmd("mniTD", "<TD></<TD>", "<TD></<TD>", "mniHTML"));
    add(cmd("mniTR", "<TR></<TR>", "<TR></<TR>", "mniHTML"));
    add(cmd("mniP", "<P></<P>", "<P></<P>", "mniHTML"));
    add(cmd("mniBold", "<B></<B>", "<B></<B>", "mniHTML"));
    add(cmd("mniItalic", "<I></<I>", "<I></<I>", "mniHTML"));
    add(cmd("mniLi", "<LI></<LI>", "<LI></<LI>", "mniHTML"));
    add(menu("mniHx", "<Hx>", "<Hx>", "mniHTML"));
    add(cmd("H11", "H1", "H1", "mniHx"));
    add(cmd("H21", "H2", "H2", "mniHx"));
    add(cmd("H31", "H3", "H3", "mniHx"));
    add(cmd("H41", "H4", "H4", "mniHx"));
    add(cmd("H51", "H5", "H5", "mniHx"));
    add(cmd("H62", "H6", "H6", "mniHx"));
    add(menu("mniAlign", "Выравнивание", "Alignment", "mniHTML"));
    add(cmd("mniACenter", "По центру", "Centre", "mniAlign"));
    add(cmd("mniALeft", "Левое", "Left", "mniAlign"));
    add(cmd("mniARight", "Правое", "Right", "mniAlign"));

    // Utilities
    add(menu("mniUtils", "Утилиты", "Utilities", ""));
    add(menu("plugsmenubase", "Плагины", "Plug-ins", "mniUtils"));
    add(menu("mniCompilers", "Программы", "Programs", "mniUtils"));
    add(menu("mniSnippets", "Сниппеты", "Snippets", "mniUtils"));
    add(menu("mniKeybLayout", "Раскладка клавиатуры", "Keyboard layout", "mniUtils"));
    add(sep("N19", "mniUtils"));
    add(menu("mniAnalysis", "Анализ", "Analysis", "mniUtils"));
    add(cmd("mniUNITAZ", "Универсальный текстовый анализатор", "Universal text analyzer",
            "mniAnalysis", N0));
    add(cmd("mniBookmarx", "Закладки", "Bookmarks", "mniUtils", N0));
    add(cmd("mniPIM", "Персональный менеджер", "Personal manager", "mniUtils", N0));
    add(cmd("mniFileBro", "Файловый менеджер", "File manager", "mniUtils", N0));
    add(cmd("mniSniM", "Менеджер сниппетов", "Snippet manager", "mniUtils", N0));
    add(cmd("mniMegaCalc", "Мега-калькулятор", "Mega calculator", "mniUtils", N0));
    add(cmd("mniConvertUnits", "Конвертация величин", "Unit conversion", "mniUtils", N0));
    add(cmd("mniCalendar", "Календарь", "Calendar", "mniUtils", N0));
    add(cmd("mniHEXeditor", "Hex-редактор", "Hex editor", "mniUtils", N0));
    add(cmd("mniCharTable", "Таблица символов", "Character table", "mniUtils"));
    add(sep("N20", "mniUtils"));
    add(check("mniAscroll", "Автопрокрутка", "Autoscroll", "mniUtils", N0));
    add(cmd("mniApplyMakroses", "Макрос", "Macro", "mniUtils"));

    // Preview
    add(menu("mniPreview", "Просмотр", "Preview", ""));
    add(cmd("mniPreviewInMozilla", "Mozilla", "Mozilla", "mniPreview"));
    add(cmd("mniPreviewInOpera", "Opera", "Opera", "mniPreview"));
    add(cmd("mniPreviewInExplorer", "Explorer", "Explorer", "mniPreview"));
    add(cmd("mniDefaultBrowserPreview", "Preview браузером по умолчанию",
            "Preview in the default browser", "mniPreview", Doc, "F5"));

    // Encoding
    add(menu("mniEncoding", "Кодировка", "Encoding", ""));
    add(menu("mniWorkInEncoding", "Работать в ", "Work in ", "mniEncoding"));
    add(cmd("mniWorkInEncodingDOS866", "DOS 866", "DOS 866", "mniWorkInEncoding"));
    add(cmd("mniWorkInEncodingKOI8R", "KOI8-R", "KOI8-R", "mniWorkInEncoding"));
    add(cmd("mniWorkInEncodingWindowsCP", "Windows 1251", "Windows 1251", "mniWorkInEncoding"));
    add(menu("mniConvertToEncoding", "Конвертировать в", "Convert to", "mniEncoding"));
    add(cmd("ConvertToEncodingDOS866", "DOS 866", "DOS 866", "mniConvertToEncoding"));
    add(cmd("ConvertToEncodingKOI8R", "KOI8-R", "KOI8-R", "mniConvertToEncoding"));
    add(cmd("ConvertToEncodingWindows1251", "Windows 1251", "Windows 1251",
            "mniConvertToEncoding"));
    add(sep("N21", "mniEncoding"));
    add(cmd("mniTranslit", "Транслит", "Transliterate", "mniEncoding"));
    add(cmd("mniDeTranslit", "де-транслит", "De-transliterate", "mniEncoding"));
    add(cmd("mniAntiwordChartableDistortions", "Вордово глюкало", "Word glitch repair",
            "mniEncoding", Sel));
    add(cmd("mniFixEncoding", "Исправить раскладку", "Repair the keyboard layout", "mniEncoding",
            Sel));
    add(cmd("mniFido2Normal", "Из Фидо > В нормальный текст", "From Fido > to normal text",
            "mniEncoding"));
    add(sep("N22", "mniEncoding"));
    add(cmd("mniUUEDecode", "Декодировать из UUE", "Decode from UUE", "mniEncoding"));
    add(menu("mniMIME", "MIME", "MIME", "mniEncoding"));
    add(cmd("mniDecodeFromMIME", "Декодировать из MIME", "Decode from MIME", "mniMIME"));
    add(cmd("mniEncodeToMIME", "Кодировать в  MIME", "Encode to  MIME", "mniMIME"));
    add(menu("mniBase64", "Base64", "Base64", "mniEncoding"));
    add(cmd("mniBase64encode", "Кодировать в  Base64 ", "Encode to  Base64 ", "mniBase64"));
    add(cmd("mniBase64decode", "Декодировать из Base64 ", "Decode from Base64 ", "mniBase64"));
    add(menu("mniRLE", "RLE", "RLE", "mniEncoding"));
    add(cmd("mniRLECompression", "RLE-сжать", "RLE compress", "mniRLE"));
    add(cmd("mniRLEUnpack", "RLE-распаковка", "RLE unpack", "mniRLE"));
    add(menu("mniHEX", "HEX", "HEX", "mniEncoding"));
    add(cmd("mniHEXValues", "HEX-значения", "HEX values", "mniHEX"));
    add(cmd("mniFromHEXValues2chars", "Из HEX-значений в символы", "From HEX values to characters",
            "mniHEX"));

    // View
    add(menu("mniView", "Вид", "View", ""));
    add(menu("mniColorStyles", "Стиль", "Style", "mniView"));
    add(menu("mniLanguage", "Язык интерфейса", "Interface language", "mniView"));

    // Documents; the open document windows are listed below these items.
    add(menu("mniWindow", "Документы", "Documents", ""));
    add(cmd("mniCallWindowManager", "Менеджер окон", "Window manager", "mniWindow", N0, "F12"));
    add(cmd("mniNextWindow", "Следующий документ", "Next document", "mniWindow", Doc, "Ctrl+Tab"));
    add(cmd("mniPrevWindow", "Предыдущий документ", "Previous document", "mniWindow", Doc,
            "Ctrl+Shift+Tab"));

    // Help
    add(menu("mniHelp", "?", "?", ""));
    add(cmd("mniHelpAbout", "Копырайто официазо", "About Zuk", "mniHelp", N0));
    add(cmd("mniAppManual", "Руководство", "Manual", "mniHelp", N0, "F1"));
    add(cmd("mniSODH", "СОД-H", "SOD-H", "mniHelp", N0));
    add(cmd("mniFAQ", "ФАК", "FAQ", "mniHelp", N0));
    add(sep("N23", "mniHelp"));
    add(cmd("mniNotes", "Notes.txt", "Notes.txt", "mniHelp", N0));
    add(cmd("mniBugs", "Bugs", "Bugs", "mniHelp", N0));
    add(sep("N24", "mniHelp"));
    add(menu("mniFeedbackMenu", "Отзывы и пожелания", "Feedback and wishes", "mniHelp"));
    add(cmd("mniFeedback", "Письмо программеру", "Letter to the programmer", "mniFeedbackMenu",
            N0));
    add(cmd("mniFreedback4Designer", "Письмо дизайнеру", "Letter to the designer",
            "mniFeedbackMenu", N0));
    add(cmd("mniAppSite", "Сайт продукта", "Product site", "mniHelp", N0));

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

const TextTable& menuTexts()
{
    static const TextTable table = [] {
        TextTable t{"MainForm", {}};
        for (const CommandRow& r : commandTable())
            if (r.kind != RowKind::Separator && !r.caption.empty())
                t.rows.push_back({r.name, r.caption, r.english});
        return t;
    }();
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
