#include "base/zukerror.h"
#include "cli/registry.h"
#include "codepages/charsets.h"
#include "textfunc/numberfunctions.h"
#include "textfunc/numberwords.h"

namespace zuk::cli {

namespace {

using namespace zuk::textfunc;

// The menu commands take only a selection of digits; here such input is an
// error the user sees rather than a silent nothing.
void requireDigits(const std::string& text)
{
    if (!isAllDigits(text))
        throw FormatError("\"" + codepages::winToUtf8(text) +
                          "\" не является неотрицательным целым числом.");
}

std::int32_t digitsAsInt32(const std::string& text)
{
    requireDigits(text);
    return parseInt32(text);
}

int baseOption(const Invocation& call)
{
    const long long base = call.intOption("base", 10);
    if (base < 2 || base > 36)
        throw UsageError("the value of --base must be between 2 and 36");
    return static_cast<int>(base);
}

std::string intToRoman(Invocation& call)
{
    return IntToRoman(digitsAsInt32(call.input));
}
std::string romanToInt(Invocation& call)
{
    return std::to_string(RomanToInt(call.input));
}
std::string russianWords(Invocation& call)
{
    return RussianWords(call.input);
}
std::string englishWords(Invocation& call)
{
    return EnglishWords(parseReal(call.input, '.'));
}
std::string germanWords(Invocation& call)
{
    return GermanWords(parseInt32(call.input));
}
std::string hexToDec(Invocation& call)
{
    return std::to_string(ParseInBase(call.input, 16));
}
std::string decToHex(Invocation& call)
{
    return FormatInBase(digitsAsInt32(call.input), 16);
}
std::string decToBin(Invocation& call)
{
    return FormatInBase(digitsAsInt32(call.input), 2);
}
std::string binToDec(Invocation& call)
{
    requireDigits(call.input);
    return std::to_string(ParseInBase(call.input, 2));
}
std::string toBase(Invocation& call)
{
    return FormatInBase(parseInt64(call.input), baseOption(call));
}
std::string fromBase(Invocation& call)
{
    return std::to_string(ParseInBase(call.input, baseOption(call)));
}
std::string leapYear(Invocation& call)
{
    return LeapYearAnswer(call.input);
}

OptionSpec baseSpec()
{
    return {"base", true, true, false, "N", "the base, 2 to 36"};
}

const FunctionRegistration kNumberFunctions{
    {"int-to-roman",
     FunctionKind::Number,
     "Decimal digits (0 to 100000) to a Roman numeral.",
     {},
     intToRoman},
    {"roman-to-int",
     FunctionKind::Number,
     "A Roman numeral (a leading - negates) to decimal.",
     {},
     romanToInt},
    {"russian-words", FunctionKind::Number, "The digits as Russian words.", {}, russianWords},
    {"english-words",
     FunctionKind::Number,
     "A number (point as decimal separator) as English words.",
     {},
     englishWords},
    {"german-words",
     FunctionKind::Number,
     "A 32-bit integer as German words (ü, ö as Latin-1 bytes).",
     {},
     germanWords},
    {"hex-to-dec", FunctionKind::Number, "Hexadecimal to signed 64-bit decimal.", {}, hexToDec},
    {"dec-to-hex", FunctionKind::Number, "Decimal digits (32-bit) to hexadecimal.", {}, decToHex},
    {"dec-to-bin", FunctionKind::Number, "Decimal digits (32-bit) to binary.", {}, decToBin},
    {"bin-to-dec", FunctionKind::Number, "Binary to signed 64-bit decimal.", {}, binToDec},
    {"to-base", FunctionKind::Number, "A decimal integer to base N.", {baseSpec()}, toBase},
    {"from-base", FunctionKind::Number, "A number in base N to decimal.", {baseSpec()}, fromBase},
    {"leap-year",
     FunctionKind::Number,
     "The year followed by whether it is a leap year.",
     {},
     leapYear},
};

} // namespace

} // namespace zuk::cli
