#include "textfunc/textfunctexts.h"

namespace zuk::textfunc {

const TextTable& textFunctionMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sBase64FormatError", "Формат строки не соответствует способу кодирования Base64.",
             "The text is not in the Base64 format."},
            {"sHexValuesError",
             "Ошибка при преобразовании строки шестнадцатеричных кодов в в строку символов.",
             "Could not turn the hexadecimal codes into characters."},
            {"sUrlInvalidHexChar", "Invalid hex character %s", "Invalid hex character %s"},
            {"sXorPasswordEmpty", "Пароль не может быть пустой строкой!",
             "The password cannot be empty!"},
            {"sXorMakesLineBreaks",
             "С этим паролем в тексте появились бы переводы строк или нулевые байты, которых "
             "документ не может хранить как есть, и текст не восстановился бы. Текст не изменён: "
             "выберите другой пароль.",
             "With this password the text would get line breaks or NUL bytes, which a document "
             "cannot hold as they are, and the text could not be restored. The text is unchanged: "
             "choose another password."},
            {"sNotAnInteger", "\"%s\" не является целым числом.", "\"%s\" is not a whole number."},
            {"sNotANumber", "\"%s\" не является числом.", "\"%s\" is not a number."},
            {"sRomanNumberRange", "Римскими цифрами записываются числа от 0 до %s.",
             "Roman numerals are written for the numbers from 0 to %s."},
            {"sInvalidBase", "Invalid base", "Invalid base"},
            {"sInvalidDigit", "Invalid character '%s'", "Invalid character '%s'"},
            {"sLeapYearNotAYear", "Че-то не то!", "Something is wrong!"},
            {"sRleMarkerAtEnd", "Данные не в формате RLE: код повтора в конце данных.",
             "The data is not in the RLE format: a repeat code at the end of the data."},
            {"sRleCountUnfinished", "Данные не в формате RLE: число повторов не закончено.",
             "The data is not in the RLE format: a repeat count does not end."},
            {"sRleCountTooBig", "Данные не в формате RLE: слишком большое число повторов.",
             "The data is not in the RLE format: a repeat count is too big."},
            {"sRleTooLarge", "Данные не в формате RLE: распакованный текст больше 1 ГБ.",
             "The data is not in the RLE format: the unpacked text is larger than 1 GB."},
            {"sAnagramTooLong",
             "Анаграммы составляются не более чем из %s символов: выделите текст покороче.",
             "Anagrams are made of at most %s characters: select a shorter text."},
            {"sAnagramsFound", "Найдено %s анаграмм...", "Found %s anagrams..."},
            {"sNumberTooBigForWords", "Число слишком велико, чтобы записать его словами.",
             "The number is too big to be written in words."},
        },
    };
    return table;
}

const TextTable& encloseDialogTexts()
{
    static const TextTable table{
        "fmba",
        {
            {"caption", "Опции", "Options"},
            {"lBefore", "ДО", "BEFORE"},
            {"lAfter", "ПОСЛЕ", "AFTER"},
            {"btOK", "OK", "OK"},
        },
    };
    return table;
}

} // namespace zuk::textfunc
