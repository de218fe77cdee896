#include "calc/unitconverter.h"

#include "base/zukerror.h"
#include "calc/calctexts.h"
#include "calc/numformat.h"

#include <cmath>
#include <string_view>

namespace zuk::calc {

namespace {

// A conversion is named by its row of valconvTexts(): the built-in text of
// the row is its name.
struct Conversion {
    std::string_view key;
    long double (*apply)(long double);
};

// Temperatures are linear maps; every other entry is one factor.
const Conversion kConversions[] = {
    {"ComboBox2.FahrenheitToCelsius", [](long double x) { return (x + 40) * 5 / 9 - 40; }},
    {"ComboBox2.CelsiusToFahrenheit", [](long double x) { return (x + 40) * 1.8L - 40; }},
    {"ComboBox2.KelvinToCelsius", [](long double x) { return x - 273.16L; }},
    {"ComboBox2.CelsiusToKelvin", [](long double x) { return x + 273.16L; }},
    {"ComboBox2.InchesToYards", [](long double x) { return x / 36; }},
    {"ComboBox2.YardsToInches", [](long double x) { return x * 36; }},
    {"ComboBox2.InchesToMiles", [](long double x) { return x / 63360; }},
    {"ComboBox2.MilesToInches", [](long double x) { return x * 63360; }},
    {"ComboBox2.InchesToNauticalMiles", [](long double x) { return x / 72960; }},
    {"ComboBox2.NauticalMilesToInches", [](long double x) { return x * 72960; }},
    {"ComboBox2.InchesToMetres", [](long double x) { return x * 0.0254L; }},
    {"ComboBox2.MetresToInches", [](long double x) { return x / 0.0254L; }},
    {"ComboBox2.SqInchesToSqFeet", [](long double x) { return x / 144; }},
    {"ComboBox2.SqFeetToSqInches", [](long double x) { return x * 144; }},
    {"ComboBox2.SqInchesToSqYards", [](long double x) { return x / 1296; }},
    // 1760 yards to the mile: 3097600 square yards to the square mile.
    {"ComboBox2.SqYardsToSqMiles", [](long double x) { return x / 3097600; }},
    {"ComboBox2.SqInchesToSqMiles", [](long double x) { return x / 4014489600.0L; }},
    {"ComboBox2.SqMilesToSqInches", [](long double x) { return x * 4014489600.0L; }},
    {"ComboBox2.SqInchesToAcres", [](long double x) { return x / 6272640; }},
    {"ComboBox2.AcresToSqInches", [](long double x) { return x * 6272640; }},
    {"ComboBox2.SqInchesToSqMetres", [](long double x) { return x / 1550.016L; }},
    {"ComboBox2.SqMetresToSqInches", [](long double x) { return x * 1550.016L; }},
    {"ComboBox2.CuInchesToCuFeet", [](long double x) { return x / 1728; }},
    {"ComboBox2.CuFeetToCuInches", [](long double x) { return x * 1728; }},
    {"ComboBox2.CuInchesToCuYards", [](long double x) { return x / 46656; }},
    {"ComboBox2.CuInchesToCuMetres", [](long double x) { return x / 61022.592L; }},
    {"ComboBox2.CuYardsToCuInches", [](long double x) { return x * 46656; }},
    {"ComboBox2.CuMetresToCuInches", [](long double x) { return x * 61022.592L; }},
    {"ComboBox2.OuncesToTons", [](long double x) { return x / 32000; }},
    {"ComboBox2.TonsToOunces", [](long double x) { return x * 32000; }},
    {"ComboBox2.OuncesToGrams", [](long double x) { return x * 28.35L; }},
    {"ComboBox2.CaratsToKilograms", [](long double x) { return x * 0.0002L; }},
};

// Recognised when typed, not listed.
const Conversion kUnlisted[] = {
    {"ComboBox2.GramsToOunces", [](long double x) { return x / 28.35L; }},
};

std::string nameOf(const Conversion& c)
{
    return valconvTexts().builtIn(c.key);
}

const Conversion* find(const std::string& name)
{
    for (const auto& c : kConversions)
        if (name == nameOf(c))
            return &c;
    for (const auto& c : kUnlisted)
        if (name == nameOf(c))
            return &c;
    return nullptr;
}

const Conversion& named(const std::string& name)
{
    const Conversion* c = find(name);
    if (!c)
        throw FormatError(valconvTexts(), "sUnitsUnknownConversion", {quoteForMessage(name)});
    return *c;
}

} // namespace

const std::vector<std::string>& unitConversionNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const auto& c : kConversions)
            list.push_back(nameOf(c));
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
    return named(name).apply(x);
}

std::string convertUnitsText(const std::string& numberText, const std::string& name,
                             char decimalSeparator)
{
    const Conversion& c = named(name);
    long double x = 0;
    if (!parseReal(numberText, decimalSeparator, x) || std::isinf(x))
        throw FormatError(valconvTexts(), "sUnitsNotANumber", {quoteForMessage(numberText)});
    // Past the range of the type the result is an infinity, never a number to show.
    const long double result = c.apply(x);
    if (!std::isfinite(result))
        throw FormatError(valconvTexts(), "sUnitsTooLarge", {quoteForMessage(numberText)});
    return formatGeneral(result, decimalSeparator);
}

} // namespace zuk::calc
