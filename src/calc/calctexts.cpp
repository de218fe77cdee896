#include "calc/calctexts.h"

namespace zuk::calc {

const TextTable& calcMessages()
{
    static const TextTable table{
        "MainForm",
        {
            {"sCalcDivisionByZero", "Деление на ноль", "Division by zero"},
            {"sCalcInvalidOperation", "Недопустимая операция", "Invalid operation"},
            {"sCalcOverflow", "Переполнение", "Overflow"},
            {"sCalcSyntaxError", "Синтаксическая ошибка в позиции %s",
             "Syntax error at position %s"},
            {"sCalcExpected", "Ожидается '%s' в позиции %s", "'%s' expected at position %s"},
            {"sCalcTooDeep", "Слишком глубокая вложенность в позиции %s",
             "Nesting too deep at position %s"},
            {"sCalcBadName", "%s не является допустимым именем", "%s is not a valid name"},
            {"sCalcUnknownFunction", "Неизвестная функция %s", "Unknown function %s"},
            {"sCalcUnexpectedEnd", "Неожиданный конец выражения",
             "Unexpected end of the expression"},
            {"sCalcSumBounds", "Верхняя граница должна быть больше нижней",
             "The upper bound must be greater than the lower one"},
            {"sCalcSumTooLong", "Слишком много слагаемых в сумме", "Too many terms in the sum"},
            {"sCalcTooLong", "Вычисление слишком долгое", "The calculation takes too long"},
            {"sCalcNotANumber", "Результат не является числом", "The result is not a number"},
            {"sCalcInfinite", "Результат бесконечен", "The result is infinite"},
        },
    };
    return table;
}

const TextTable& supacalcTexts()
{
    static const TextTable table{
        "supacalc",
        {
            {"caption", "Калькулятор мега-больших величин", "Calculator of mega-big numbers"},
            {"lFirstVeryBigNumber", "Первое очень большое целое число", "First very big integer"},
            {"lSecondVeryBigNumber", "Второе очень большое целое число", "Second very big integer"},
            {"lResult", "Результат", "Result"},
            {"btAdd", "Сложить", "Add"},
            {"btSubtract", "Вычесть", "Subtract"},
            {"btMultiply", "Умножить, гыыы", "Multiply, heh"},
            {"btDivide", "Разделить", "Divide"},
            {"btCompare", "Сравнить", "Compare"},
            {"btToHEX", "To HEX", "To HEX"},
            {"btToDEC", "To DEC", "To DEC"},
            {"btCopyToCLipboard", "Копировать в буфер", "Copy to clipboard"},
            {"btClearFields", "Очистить поля", "Clear fields"},
            {"btClearHistory", "Очистить историю", "Clear history"},
            // The title each button sets: a joke line in Russian, another in
            // every other language.
            {"sTitleAdd", "АХЫ, Я СЧИТАТЬ, ТЫ РАДОВАТЬСЯ, КЫ!!", "OOh!! I CAN EVALUATE KOOL"},
            {"sTitleSubtract", "ЦИФИРЬ СИЛА ДА... ДЫН! КУ!", "NUMBAS ARE GOOD... LO LO LO LO..."},
            {"sTitleMultiply", "ГЫЫЫЫЫЫ!!", "BOOO-BOOO-BOOO!! ME - GENIUS!"},
            {"sTitleDivide", "Я СЧИТАТЬ! КУ!", "GIVE ME MOOOORE NUMBAS!!!"},
            {"sTitleCompare", "УХ, Я СЧИТАТЬ! ДЫН!", "POWERMIND! YUUUUUUUUU HA HA HA HA!!!"},
            {"sTitleToHex", "АХЫ, Я СЧИТАТЬ, ТЫ РАДОВАТЬСЯ, КЫ!!", "FORGET IT"},
            {"sTitleToDec", "ЭХ!!!", "YEAH, YOU GOT IT"},
            {"sTitleCopy", "КОПИ ТО КЛИПБОРД КОМПЛИТЫД ВЭЛЛ. КУУУУУУУЛ!!! ЙООООО!",
             "COPYING TO CLIPBOARD IS VERY COOL"},
            {"sTitleClearFields", "АААААА! РУССКА ВОДКА!!!", "RUSSKA VODKA!!!"},
            {"sTitleClearHistory", "АХЫЧ!", "NO NO NO"},
            {"sOperandsEqual", "Операнды равныыыы!", "OPERANDS ARE EQUAAAAL!"},
            {"sFirstOperandGreater", "Первый операнд больше второгоооо!", "1-ST OPERAND > 2-ND!"},
            {"sSecondOperandGreater", "Второй операнд больше первогоооооо!",
             "2-ND OPERAND > 1-ST!"},
            {"sBigNotAnInteger", "%s не является целым числом", "%s is not an integer"},
            {"sBigNotAHexInteger", "%s не является шестнадцатеричным целым числом",
             "%s is not a hexadecimal integer"},
        },
    };
    return table;
}

const TextTable& fmBaseConvTexts()
{
    static const TextTable table{
        "fmBaseConv",
        {
            {"caption", "Конвертация базы", "Base conversion"},
            {"lNumber", "Число", "Number"},
            {"lBase", "База", "Base"},
            {"lResult", "Результат", "Result"},
            {"rbDecode", "Из десятичного в  по такой-то базе", "From decimal to the given base"},
            {"rbEncode", "Из такой-то базы в десятичное", "From the given base to decimal"},
            {"btDo", "Конвертировать", "Convert"},
            {"btOk", "Окэй-окэээй!", "Okay-okaaay!"},
            {"btCancel", "Отмена", "Cancel"},
            {"sBaseConvInvalidBase", "Invalid base", "Invalid base"},
            {"sBaseConvInvalidCharacter", "Invalid character '%s'", "Invalid character '%s'"},
            {"sBaseConvNotAnInteger", "%s не является целым числом", "%s is not an integer"},
            {"sBaseConvOutOfRange", "%s вне диапазона целых чисел",
             "%s is outside the range of integers"},
            {"sBaseConvNegative", "Отрицательное число нельзя перевести в другую базу",
             "A negative number cannot be converted to another base"},
            {"sBaseConvNoNumber", "Не указано число", "No number given"},
        },
    };
    return table;
}

const TextTable& valconvTexts()
{
    // The misspellings of two conversions ("квадратвые", "квадртные") are
    // their names: typed names are compared with them.
    static const TextTable table{
        "fm_valconv",
        {
            {"caption", "Конвертация величин", "Unit conversion"},
            {"lNumber", "Число:", "Number:"},
            {"lConversion", "Способ конвертирования", "Conversion"},
            {"btTranslate", "Перевести", "Convert"},
            {"ComboBox2.FahrenheitToCelsius", "Фаренгейт в Цельсий", "Fahrenheit to Celsius"},
            {"ComboBox2.CelsiusToFahrenheit", "Цельсий в Фаренгейт", "Celsius to Fahrenheit"},
            {"ComboBox2.KelvinToCelsius", "Кельвин в Цельсий", "Kelvin to Celsius"},
            {"ComboBox2.CelsiusToKelvin", "Цельсий в Кельвин", "Celsius to Kelvin"},
            {"ComboBox2.InchesToYards", "Дюймы в ярды", "Inches to yards"},
            {"ComboBox2.YardsToInches", "Ярды в дюймы", "Yards to inches"},
            {"ComboBox2.InchesToMiles", "Дюймы в мили", "Inches to miles"},
            {"ComboBox2.MilesToInches", "Мили в дюймы", "Miles to inches"},
            {"ComboBox2.InchesToNauticalMiles", "Дюймы в морские мили", "Inches to nautical miles"},
            {"ComboBox2.NauticalMilesToInches", "Морские мили в дюймы", "Nautical miles to inches"},
            {"ComboBox2.InchesToMetres", "Дюймы в метры", "Inches to metres"},
            {"ComboBox2.MetresToInches", "Метры в дюймы", "Metres to inches"},
            {"ComboBox2.SqInchesToSqFeet", "Квадратные дюймы в квадратвые футы",
             "Square inches to square feet"},
            {"ComboBox2.SqFeetToSqInches", "Квадратные футы в квадратные дюймы",
             "Square feet to square inches"},
            {"ComboBox2.SqInchesToSqYards", "Квадратные дюймы в квадртные ярды",
             "Square inches to square yards"},
            {"ComboBox2.SqYardsToSqMiles", "Квадратные ярды в квадратные мили",
             "Square yards to square miles"},
            {"ComboBox2.SqInchesToSqMiles", "Квадратные дюймы в квадратные мили",
             "Square inches to square miles"},
            {"ComboBox2.SqMilesToSqInches", "Квадратные мили в квадратные дюймы",
             "Square miles to square inches"},
            {"ComboBox2.SqInchesToAcres", "Квадратные дюймы в акры", "Square inches to acres"},
            {"ComboBox2.AcresToSqInches", "Акры в квадратные дюймы", "Acres to square inches"},
            {"ComboBox2.SqInchesToSqMetres", "Квадратные дюймы в квадратные метры",
             "Square inches to square metres"},
            {"ComboBox2.SqMetresToSqInches", "Квадратные метры в квадратные дюймы",
             "Square metres to square inches"},
            {"ComboBox2.CuInchesToCuFeet", "Кубические дюймы в кубические футы",
             "Cubic inches to cubic feet"},
            {"ComboBox2.CuFeetToCuInches", "Кубические футы в кубические дюймы",
             "Cubic feet to cubic inches"},
            {"ComboBox2.CuInchesToCuYards", "Кубические дюймы в кубические ярды",
             "Cubic inches to cubic yards"},
            {"ComboBox2.CuInchesToCuMetres", "Кубические дюймы в кубические метры",
             "Cubic inches to cubic metres"},
            {"ComboBox2.CuYardsToCuInches", "Кубические ярды в кубические дюймы",
             "Cubic yards to cubic inches"},
            {"ComboBox2.CuMetresToCuInches", "Кубические метры в кубические дюймы",
             "Cubic metres to cubic inches"},
            {"ComboBox2.OuncesToTons", "Унции в тонны", "Ounces to tons"},
            {"ComboBox2.TonsToOunces", "Тонны в унции", "Tons to ounces"},
            {"ComboBox2.OuncesToGrams", "Унции в граммы", "Ounces to grams"},
            {"ComboBox2.CaratsToKilograms", "Караты в килограммы", "Carats to kilograms"},
            {"ComboBox2.GramsToOunces", "Граммы в унции", "Grams to ounces"},
            {"sUnitsUnknownConversion", "Неизвестный способ конвертирования: %s",
             "Unknown conversion: %s"},
            {"sUnitsNotANumber", "%s не является числом", "%s is not a number"},
            {"sUnitsTooLarge", "Результат для %s слишком велик", "The result for %s is too large"},
        },
    };
    return table;
}

std::vector<const TextRow*> unitConversionRows()
{
    std::vector<const TextRow*> rows;
    for (const TextRow& row : valconvTexts().rows)
        if (row.key.substr(0, kConversionKeyPrefix.size()) == kConversionKeyPrefix)
            rows.push_back(&row);
    return rows;
}

} // namespace zuk::calc
