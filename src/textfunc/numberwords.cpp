#include "textfunc/numberwords.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "textfunc/casefunctions.h"
#include "textfunc/textfunctexts.h"

#include <cmath>
#include <vector>

namespace zuk::textfunc {

namespace {

struct RussianTables {
    std::string hundreds[10];
    std::string tens[10];
    std::string teens[10];
    std::string units[10];
    std::string masculineOne, masculineTwo;
    std::string groups[9][3];
    std::string zero;
};

RussianTables makeRussianTables()
{
    using codepages::utf8ToWin;
    RussianTables t;
    const char* hundreds[] = {"",         "сто ",      "двести ",  "триста ",    "четыреста ",
                              "пятьсот ", "шестьсот ", "семьсот ", "восемьсот ", "девятьсот "};
    const char* tens[] = {"",
                          "",
                          "двадцать ",
                          "тридцать ",
                          "сорок ",
                          "пятьдесят ",
                          "шестьдесят ",
                          "семьдесят ",
                          "восемьдесят ",
                          "девяносто "};
    const char* teens[] = {"десять ",       "одиннадцать ", "двенадцать ",  "тринадцать ",
                           "четырнадцать ", "пятнадцать ",  "шестнадцать ", "семнадцать ",
                           "восемнадцать ", "девятнадцать "};
    const char* units[] = {"",      "одна ",  "две ",  "три ",    "четыре ",
                           "пять ", "шесть ", "семь ", "восемь ", "девять "};
    const char* groups[9][3] = {
        {"", "", ""},
        {"тысяча ", "тысячи ", "тысяч "},
        {"миллион ", "миллиона ", "миллионов "},
        {"миллиард ", "миллиарда ", "миллиардов "},
        {"триллион ", "триллиона ", "триллионов "},
        {"квадриллион ", "квадриллиона ", "квадриллионов "},
        {"квинтиллион ", "квинтиллиона ", "квинтиллинов "},
        {"секстиллион ", "секстиллиона ", "секстиллионов "},
        {"септиллион ", "септиллиона ", "септиллионов "},
    };
    for (int i = 0; i < 10; ++i) {
        t.hundreds[i] = utf8ToWin(hundreds[i]);
        t.tens[i] = utf8ToWin(tens[i]);
        t.teens[i] = utf8ToWin(teens[i]);
        t.units[i] = utf8ToWin(units[i]);
    }
    for (int g = 0; g < 9; ++g) {
        for (int f = 0; f < 3; ++f)
            t.groups[g][f] = utf8ToWin(groups[g][f]);
    }
    t.masculineOne = utf8ToWin("один ");
    t.masculineTwo = utf8ToWin("два ");
    t.zero = utf8ToWin("ноль");
    return t;
}

int digitValue(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

} // namespace

std::string RussianWords(std::string_view digits)
{
    static const RussianTables t = makeRussianTables();
    const std::size_t length = digits.size();
    std::string out;
    out.reserve(length * 8);
    int nonZeroInGroup = 0;
    bool nextIsZero = false; // the units digit already spoken by a ten-to-nineteen word
    for (std::size_t k = 1; k <= length; ++k) {
        int d = digitValue(digits[k - 1]);
        if (nextIsZero) {
            d = 0;
            nextIsZero = false;
        }
        const std::size_t following = length - k;
        switch ((length - k + 1) % 3) {
        case 0: // hundreds
            out += t.hundreds[d];
            if (d > 0)
                ++nonZeroInGroup;
            break;
        case 2: // tens
            if (d == 1) {
                out += t.teens[digitValue(digits[k])];
                nextIsZero = true;
            } else {
                out += t.tens[d];
            }
            if (d > 0)
                ++nonZeroInGroup;
            break;
        default: // units
            if (d > 0)
                ++nonZeroInGroup;
            if (d == 1 && following != 3)
                out += t.masculineOne;
            else if (d == 2 && following != 3)
                out += t.masculineTwo;
            else
                out += t.units[d];
            if (nonZeroInGroup > 0 && following >= 3 && following <= 24) {
                const int form = d == 1 ? 0 : (d >= 2 && d <= 4 ? 1 : 2);
                out += t.groups[following / 3][form];
            }
            nonZeroInGroup = 0;
            break;
        }
    }
    std::size_t first = 0, last = out.size();
    while (first < last && static_cast<unsigned char>(out[first]) <= 0x20)
        ++first;
    while (last > first && static_cast<unsigned char>(out[last - 1]) <= 0x20)
        --last;
    std::string result = first < last ? out.substr(first, last - first) : t.zero;
    result[0] = static_cast<char>(Cp1251Upper[static_cast<unsigned char>(result[0])]);
    return result;
}

namespace {

const char* const EnglishSmall[] = {"zero",  "one",   "two",  "three", "four",   "five",  "six",
                                    "seven", "eight", "nine", "ten",   "eleven", "twelve"};
const char* const EnglishStems[] = {"",    "",    "twen",  "thir", "four",
                                    "fif", "six", "seven", "eigh", "nin"};

void englishInteger(std::string& out, std::uint64_t n)
{
    constexpr std::uint64_t million = 1000000ULL, billion = 1000000000000ULL;
    if (n <= 12) {
        out += EnglishSmall[n];
    } else if (n < 20) {
        out += EnglishStems[n % 10];
        out += "teen";
    } else if (n < 100) {
        out += EnglishStems[n / 10];
        out += "ty";
        if (n % 10 != 0) {
            out += ' ';
            out += EnglishSmall[n % 10];
        }
    } else if (n < 1000) {
        englishInteger(out, n / 100);
        out += " hundred";
        if (n % 100 != 0) {
            out += " and ";
            englishInteger(out, n % 100);
        }
    } else if (n < million) {
        englishInteger(out, n / 1000);
        out += " thousand";
        if (n % 1000 != 0) {
            out += ' ';
            englishInteger(out, n % 1000);
        }
    } else if (n < billion) {
        englishInteger(out, n / million);
        out += " million";
        if (n % million != 0) {
            out += ' ';
            englishInteger(out, n % million);
        }
    } else {
        englishInteger(out, n / billion);
        out += " billion";
        if (n % billion != 0) {
            out += ' ';
            englishInteger(out, n % billion);
        }
    }
}

} // namespace

std::string EnglishWords(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18)
        throw FormatError(textFunctionMessages(), "sNumberTooBigForWords");
    const double whole = std::trunc(value);
    std::int64_t integer = static_cast<std::int64_t>(whole);
    // Six decimals, rounded half to even (nearbyint in the default rounding mode).
    std::int64_t fraction =
        static_cast<std::int64_t>(std::nearbyint(std::fabs(value - whole) * 1e6));
    if (fraction >= 1000000) {
        // 0.9999997 rounds up to a whole unit: carry it instead of saying "ten".
        integer += value < 0 ? -1 : 1;
        fraction = 0;
    }
    std::string out;
    // -0.5 has the integer part 0, which has no sign of its own.
    if (value < 0 && (integer != 0 || fraction != 0))
        out += "minus ";
    englishInteger(out, integer < 0 ? 0 - static_cast<std::uint64_t>(integer)
                                    : static_cast<std::uint64_t>(integer));
    if (fraction != 0) {
        out += " point";
        for (std::int64_t divisor = 100000; divisor >= 1 && fraction != 0; divisor /= 10) {
            out += ' ';
            out += EnglishSmall[fraction / divisor];
            fraction %= divisor;
        }
    }
    return out;
}

namespace {

// ü = FC, ö = F6 in the German words, as single Latin-1 bytes.
const char* const GermanSmall[] = {
    "",         "ein",      "zwei",     "drei",        "vier",     "f\xFCnf",
    "sechs",    "sieben",   "acht",     "neun",        "zehn",     "elf",
    "zw\xF6lf", "dreizehn", "vierzehn", "f\xFCnfzehn", "sechzehn", "siebzehn"};
const char* const GermanTens[] = {"",           "zehn",    "zwanzig", "dreissig", "vierzig",
                                  "f\xFCnfzig", "sechzig", "siebzig", "achtzig",  "neunzig"};

void germanCompound(std::string& out, std::int64_t n)
{
    if (n == 0)
        return;
    if (n <= 17) {
        out += GermanSmall[n];
    } else if (n <= 19) {
        out += GermanSmall[n % 10];
        out += "zehn";
    } else if (n <= 99) {
        if (n % 10 != 0) {
            out += GermanSmall[n % 10];
            out += "und";
        }
        out += GermanTens[n / 10];
    } else if (n <= 999) {
        germanCompound(out, n / 100);
        out += "hundert";
        germanCompound(out, n % 100);
    } else if (n <= 999999) {
        germanCompound(out, n / 1000);
        out += "tausend";
        germanCompound(out, n % 1000);
    } else {
        const std::int64_t m = n / 1000000;
        if (m == 1)
            out += "eine";
        else
            germanCompound(out, m);
        out += "million";
        if (m > 1)
            out += "en";
        germanCompound(out, n % 1000000);
    }
}

} // namespace

std::string GermanWords(std::int32_t value)
{
    // 64 bits inside, so the smallest 32-bit value has a positive counterpart.
    std::int64_t n = value;
    std::string out;
    if (n < 0) {
        out += "minus ";
        n = -n;
    }
    if (n == 0)
        out += "null";
    else if (n == 1)
        out += "eins";
    else
        germanCompound(out, n);
    return out;
}

} // namespace zuk::textfunc
