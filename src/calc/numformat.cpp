#include "calc/numformat.h"

#include "base/texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace zuk::calc {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The power of ten of the leading significant digit of a well-formed number
// (point as separator), clamped far beyond the range of any float type.
long long decimalMagnitude(const std::string& s)
{
    size_t i = s[0] == '-' ? 1 : 0;
    long long intDigits = 0, zerosAfterPoint = 0;
    bool seenNonZero = false;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        seenNonZero = seenNonZero || s[i] != '0';
        if (seenNonZero)
            ++intDigits;
    }
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            if (!seenNonZero && s[i] == '0')
                ++zerosAfterPoint;
            else
                seenNonZero = true;
        }
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negative = false;
        if (s[i] == '+' || s[i] == '-')
            negative = s[i++] == '-';
        for (; i < s.size(); ++i)
            exponent = std::min(exponent * 10 + (s[i] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    return (intDigits > 0 ? intDigits - 1 : -(zerosAfterPoint + 1)) + exponent;
}

} // namespace

std::string formatGeneral(long double value, char decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";

    // Round to 15 significant digits first; the exponent of the rounded value
    // decides the layout (9.999999999999999 rounds up to 10).
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", value);
    std::string digits;
    bool negative = false;
    int exponent = 0;
    const char* p = buf;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    // The C library may write the locale's point; keep only the digits.
    for (; *p && *p != 'e' && *p != 'E'; ++p)
        if (isDigit(*p))
            digits += *p;
    if (*p)
        exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (negative)
        out += '-';
    const bool scientific = exponent < -5 || exponent >= 15;
    if (scientific) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator;
            out.append(digits, 1, std::string::npos);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const size_t whole = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits;
            out.append(whole - digits.size(), '0');
        } else {
            out.append(digits, 0, whole);
            out += decimalSeparator;
            out.append(digits, whole, std::string::npos);
        }
    }
    return out;
}

bool parseReal(std::string_view text, char decimalSeparator, long double& value)
{
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    std::string s(text.substr(b, e - b));
    // One sign at most: "+-5" is no number.
    if (!s.empty() && s[0] == '+') {
        s.erase(0, 1);
        if (!s.empty() && s[0] == '-')
            return false;
    }
    // Check the shape ourselves so that nothing but the documented form passes
    // (from_chars would also take "inf", "nan" and hexadecimal floats).
    size_t i = 0;
    if (i < s.size() && s[i] == '-')
        ++i;
    size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == decimalSeparator) {
        s[i] = '.';
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    long double v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large in magnitude is an infinity, too small is zero: the caller
        // decides whether that is an error.
        v = decimalMagnitude(s) > 0 ? HUGE_VALL : 0.0L;
        if (s[0] == '-')
            v = -v;
    } else if (res.ec != std::errc() || res.ptr != s.data() + s.size()) {
        return false;
    }
    value = v;
    return true;
}

std::string quoteForMessage(std::string_view text)
{
    return "«" + shortForMessage(text) + "»";
}

std::string_view trimmed(std::string_view s)
{
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace zuk::calc
