#include "hexedit/hexedittexts.h"

namespace zuk::hexedit {

const TextTable& hexEditTexts()
{
    static const TextTable table{
        "fmhexedit",
        {
            {"caption", "HEX editor", "HEX editor"},
            {"mniFile", "Файл", "File"},
            {"mniFileOpen", "Открыть", "Open"},
            {"mniFileSave", "Сохранить", "Save"},
            {"mniSaveAs", "Сохранить как", "Save as"},
            {"mniExit", "Выход", "Exit"},
            {"mniOptions", "Опции", "Options"},
            {"mniEdit", "Правка", "Edit"},
            {"mniUndo", "Отменить", "Undo"},
            {"mniGotoOffset", "Перейти к смещению...", "Go to offset..."},
            {"mniSetMarker", "Поставить метку", "Set marker"},
            {"mniGotoMarker", "Перейти к метке", "Go to marker"},
            {"sMarker", "Метка %s", "Marker %s"},
            {"sGotoOffsetTitle", "Перейти к смещению", "Go to offset"},
            {"sGotoOffsetPrompt",
             "Смещение (шестнадцатеричное; 0x или $ перед числом, h после него):",
             "Offset (hexadecimal; 0x or $ before the number, h after it):"},
            {"sGotoOffsetDecimalPrompt",
             "Смещение (десятичное; 0x или $ перед числом, h после него — шестнадцатеричное):",
             "Offset (decimal; 0x or $ before the number, h after it: hexadecimal):"},
            {"sStatus", "Смещение %s (%s)   байт %s   размер %s   изменено байт: %s",
             "Offset %s (%s)   byte %s   size %s   bytes changed: %s"},
            {"sStatusEmpty", "Файл не открыт", "No file open"},
            {"sSaveChanges", "Сохранить изменения в %s?", "Save changes to %s?"},
            {"sChangedInPlace",
             "Файл %s переписан другой программой, пока был открыт здесь. Записать ваши "
             "изменённые байты в его нынешнее содержимое (размер останется прежним)?",
             "The file %s was rewritten by another program while it was open here. Write your "
             "changed bytes into its present content (the size stays as it was)?"},
            {"sSaved", "Сохранено: %s", "Saved: %s"},
            {"sInvalidBytesPerLine", "Invalid BytesPerLine argument",
             "Invalid BytesPerLine argument"},
            {"sInvalidBytesPerColumn", "Invalid BytesPerColumn argument",
             "Invalid BytesPerColumn argument"},
            {"sInvalidMarkerIndex", "SetMarker : Invalid marker index",
             "SetMarker : Invalid marker index"},
            {"sMarkerNotSet", "Метка %s не поставлена", "Marker %s is not set"},
            {"sNotRegularFile", "«%s» не является обычным файлом", "\"%s\" is not a regular file"},
            {"sSourceChanged",
             "Файл «%s» стал короче после открытия; сохранение отменено, файл не тронут",
             "The file \"%s\" got shorter since it was opened; nothing was saved"},
            {"sOffsetSyntax", "«%s» не является смещением", "\"%s\" is not an offset"},
            {"sOffsetBeyondEnd", "Смещение %s за концом файла", "The offset %s is past the end"},
        },
    };
    return table;
}

const TextTable& hexEditOptionsTexts()
{
    static const TextTable table{
        "fmhexedoptz",
        {
            {"caption", "HEX Editor optz", "HEX Editor optz"},
            {"lTranslation", "Translation", "Translation"},
            {"lBytesPerColumn", "bytes per column", "bytes per column"},
            {"lBytesPerLine", "bytes per line", "bytes per line"},
            {"btSetBytesPerColumn", "SET", "SET"},
            {"btSetBytesPerLine", "SET", "SET"},
            {"sNotAnInteger", "«%s» не является целым числом", "'%s' is not a valid integer value"},
        },
    };
    return table;
}

} // namespace zuk::hexedit
