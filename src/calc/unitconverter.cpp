#include "calc/unitconverter.h"

#include "base/zukerror.h"
#include "calc/numformat.h"

#include <cmath>

namespace zuk::calc {

namespace {

struct Conversion {
    const char* name;
    long double (*apply)(long double);
};

// Temperatures are linear maps; every other entry is one factor.
const Conversion kConversions[] = {
    {"Фаренгейт в Цельсий", [](long double x) { return (x + 40) * 5 / 9 - 40; }},
    {"Цельсий в Фаренгейт", [](long double x) { return (x + 40) * 1.8L - 40; }},
    {"Кельвин в Цельсий", [](long double x) { return x - 273.16L; }},
    {"Цельсий в Кельвин", [](long double x) { return x + 273.16L; }},
    {"Дюймы в ярды", [](long double x) { return x / 36; }},
    {"Ярды в дюймы", [](long double x) { return x * 36; }},
    {"Дюймы в мили", [](long double x) { return x / 63360; }},
    {"Мили в дюймы", [](long double x) { return x * 63360; }},
    {"Дюймы в морские мили", [](long double x) { return x / 72960; }},
    {"Морские мили в дюймы", [](long double x) { return x * 72960; }},
    {"Дюймы в метры", [](long double x) { return x * 0.0254L; }},
    {"Метры в дюймы", [](long double x) { return x / 0.0254L; }},
    {"Квадратные дюймы в квадратвые футы", [](long double x) { return x / 144; }},
    {"Квадратные футы в квадратные дюймы", [](long double x) { return x * 144; }},
    {"Квадратные дюймы в квадртные ярды", [](long double x) { return x / 1296; }},
    // 1760 yards to the mile: 3097600 square yards to the square mile.
    {"Квадратные ярды в квадратные мили", [](long double x) { return x / 3097600; }},
    {"Квадратные дюймы в квадратные мили", [](long double x) { return x / 4014489600.0L; }},
    {"Квадратные мили в квадратные дюймы", [](long double x) { return x * 4014489600.0L; }},
    {"Квадратные дюймы в акры", [](long double x) { return x / 6272640; }},
    {"Акры в квадратные дюймы", [](long double x) { return x * 6272640; }},
    {"Квадратные дюймы в квадратные метры", [](long double x) { return x / 1550.016L; }},
    {"Квадратные метры в квадратные дюймы", [](long double x) { return x * 1550.016L; }},
    {"Кубические дюймы в кубические футы", [](long double x) { return x / 1728; }},
    {"Кубические футы в кубические дюймы", [](long double x) { return x * 1728; }},
    {"Кубические дюймы в кубические ярды", [](long double x) { return x / 46656; }},
    {"Кубические дюймы в кубические метры", [](long double x) { return x / 61022.592L; }},
    {"Кубические ярды в кубические дюймы", [](long double x) { return x * 46656; }},
    {"Кубические метры в кубические дюймы", [](long double x) { return x * 61022.592L; }},
    {"Унции в тонны", [](long double x) { return x / 32000; }},
    {"Тонны в унции", [](long double x) { return x * 32000; }},
    {"Унции в граммы", [](long double x) { return x * 28.35L; }},
    {"Караты в килограммы", [](long double x) { return x * 0.0002L; }},
};

// Recognised when typed, not listed.
const Conversion kUnlisted[] = {
    {"Граммы в унции", [](long double x) { return x / 28.35L; }},
};

const Conversion* find(const std::string& name)
{
    for (const auto& c : kConversions)
        if (name == c.name)
            return &c;
    for (const auto& c : kUnlisted)
        if (name == c.name)
            return &c;
    return nullptr;
}

} // namespace

const std::vector<std::string>& unitConversionNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const auto& c : kConversions)
            list.emplace_back(c.name);
        return list;
    }();
    return names;
}

bool isUnitConversion(const std::string& name)
{
    return find(name) != nullptr;
}

long double convertUnits(const std::string& name, long double x)
{
    const Conversion* c = find(name);
    return c ? c->apply(x) : 0;
}

std::string convertUnitsText(const std::string& numberText, const std::string& name,
                             char decimalSeparator)
{
    const Conversion* c = find(name);
    if (!c)
        throw FormatError("Неизвестный способ конвертирования: " + name);
    long double x = 0;
    if (!parseReal(numberText, decimalSeparator, x) || std::isinf(x))
        throw FormatError(quoteForMessage(numberText) + " не является числом");
    return formatGeneral(c->apply(x), decimalSeparator);
}

} // namespace zuk::calc
