#include "textfunc/numberfunctions.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "textfunc/textfunctexts.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <limits>

namespace zuk::textfunc {

const char DigitAlphabet[37] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

namespace {

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 0x20)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 0x20)
        s.remove_suffix(1);
    return s;
}

[[noreturn]] void notAnInteger(std::string_view text)
{
    throw FormatError(textFunctionMessages(), "sNotAnInteger",
                      {shortForMessage(codepages::winToUtf8(text))});
}

int romanValue(char c)
{
    switch (c) {
    case 'I':
    case 'i':
        return 1;
    case 'V':
    case 'v':
        return 5;
    case 'X':
    case 'x':
        return 10;
    case 'L':
    case 'l':
        return 50;
    case 'C':
    case 'c':
        return 100;
    case 'D':
    case 'd':
        return 500;
    case 'M':
    case 'm':
        return 1000;
    default:
        return 0;
    }
}

// One decimal place of a Roman numeral: the letters for one, five and ten.
void appendRomanDigit(std::string& out, int d, char one, char five, char ten)
{
    if (d == 9) {
        out += one;
        out += ten;
    } else if (d >= 5) {
        out += five;
        out.append(static_cast<std::size_t>(d - 5), one);
    } else if (d == 4) {
        out += one;
        out += five;
    } else {
        out.append(static_cast<std::size_t>(d), one);
    }
}

} // namespace

bool isAllDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

std::int64_t parseInt64(std::string_view text)
{
    std::string_view s = trimBlanks(text);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        notAnInteger(text);
    return value;
}

std::int32_t parseInt32(std::string_view text)
{
    const std::int64_t value = parseInt64(text);
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        notAnInteger(text);
    return static_cast<std::int32_t>(value);
}

double parseReal(std::string_view text, char decimalSeparator)
{
    std::string s(trimBlanks(text));
    bool valid = !s.empty();
    bool digits = false;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        digits = true;
    if (i < s.size() && s[i] == decimalSeparator) {
        s[i++] = '.';
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            digits = true;
    }
    if (digits && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        bool expDigits = false;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            expDigits = true;
        valid = valid && expDigits;
    }
    valid = valid && digits && i == s.size();
    const char* begin = s.data() + (s.empty() || s[0] != '+' ? 0 : 1);
    double value = 0;
    if (valid) {
        const auto [end, ec] = std::from_chars(begin, s.data() + s.size(), value);
        valid = ec == std::errc() && end == s.data() + s.size();
    }
    if (!valid)
        throw FormatError(textFunctionMessages(), "sNotANumber",
                          {shortForMessage(codepages::winToUtf8(text))});
    return value;
}

std::string IntToRoman(std::int64_t n)
{
    if (n < 0 || n > MaxRomanNumber)
        throw FormatError(textFunctionMessages(), "sRomanNumberRange",
                          {std::to_string(MaxRomanNumber)});
    std::string out(static_cast<std::size_t>(n / 1000), 'M');
    const int rest = static_cast<int>(n % 1000);
    appendRomanDigit(out, rest / 100, 'C', 'D', 'M');
    appendRomanDigit(out, rest / 10 % 10, 'X', 'L', 'C');
    appendRomanDigit(out, rest % 10, 'I', 'V', 'X');
    return out;
}

std::int64_t RomanToInt(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    // Unsigned so a pathological run of letters wraps instead of overflowing.
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int current = romanValue(text[i]);
        if (current == 0)
            return 0;
        const int next = i + 1 < text.size() ? romanValue(text[i + 1]) : 0;
        if (next > current) {
            sum += static_cast<std::uint64_t>(next - current);
            ++i;
        } else {
            sum += static_cast<std::uint64_t>(current);
        }
    }
    if (negative)
        sum = 0 - sum;
    return static_cast<std::int64_t>(sum);
}

std::int64_t ParseInBase(std::string_view text, int base)
{
    if (base > 36)
        throw FormatError(textFunctionMessages(), "sInvalidBase");
    std::uint64_t result = 0;
    std::uint64_t weight = 1;
    for (std::size_t i = text.size(); i-- > 0;) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        int value = -1;
        if (c >= '0' && c <= '9')
            value = c - '0';
        else if (c >= 'A' && c <= 'Z')
            value = c - 'A' + 10;
        if (value < 0 || value >= base)
            throw FormatError(textFunctionMessages(), "sInvalidDigit",
                              {codepages::winToUtf8(std::string_view(&text[i], 1))});
        result += static_cast<std::uint64_t>(value) * weight;
        weight *= static_cast<std::uint64_t>(base);
    }
    return static_cast<std::int64_t>(result);
}

std::string FormatInBase(std::int64_t value, int base)
{
    if (base < 2 || base > 36)
        throw FormatError(textFunctionMessages(), "sInvalidBase");
    if (value == 0)
        return "0";
    // The magnitude as unsigned, which also holds the smallest int64.
    std::uint64_t v =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char digits[65];
    std::size_t n = 0;
    while (v > 0) {
        digits[n++] = DigitAlphabet[v % static_cast<std::uint64_t>(base)];
        v /= static_cast<std::uint64_t>(base);
    }
    std::string out;
    out.reserve(n + 1);
    if (value < 0)
        out += '-';
    while (n > 0)
        out += digits[--n];
    return out;
}

bool IsLeapYear(std::int64_t year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::string LeapYearAnswer(std::string_view yearText, std::string_view leapNote,
                           std::string_view notLeapNote)
{
    std::int32_t year = 0;
    try {
        if (!isAllDigits(yearText))
            throw FormatError("");
        year = parseInt32(yearText);
    } catch (const FormatError&) {
        throw FormatError(textFunctionMessages(), "sLeapYearNotAYear");
    }
    std::string out(yearText);
    out.append(IsLeapYear(year) ? leapNote : notLeapNote);
    return out;
}

std::string LeapYearAnswer(std::string_view yearText)
{
    static const std::string leap = codepages::utf8ToWin(" - високосный год");
    static const std::string notLeap = codepages::utf8ToWin(" - увы, не високосный...");
    return LeapYearAnswer(yearText, leap, notLeap);
}

int DayNumberInYear(int year, int month, int day)
{
    static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    if (month < 1 || month > 12)
        return 0;
    int ordinal = before[month - 1] + day;
    if (month > 2 && IsLeapYear(year))
        ++ordinal;
    return ordinal - 1;
}

int DayNumberToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_yday;
}

} // namespace zuk::textfunc
