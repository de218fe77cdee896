// The number readers and writers of the calculators and the text functions:
// any text as a real number (both readers, both separators), as a number for
// the unit converter, as an integer, a Roman numeral, a year and the digits
// of the Russian words. A reader either refuses with FormatError or gives a
// value its writer writes back; the writers keep to their alphabets.

#include "fuzz/fuzztarget.h"

#include "base/zukerror.h"
#include "calc/numformat.h"
#include "calc/unitconverter.h"
#include "textfunc/numberfunctions.h"
#include "textfunc/numberwords.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

using zuk::fuzz::check;

template <typename F> bool succeeds(F&& f)
{
    try {
        f();
        return true;
    } catch (const zuk::FormatError&) {
        return false;
    }
}

bool near(long double a, long double b)
{
    return std::fabs(a - b) <= std::fabs(b) * 1e-14L;
}

void reals(std::string_view text)
{
    bool otherControls = false;
    for (unsigned char c : text)
        otherControls = otherControls || (c < 0x20 && c != '\t' && c != '\r' && c != '\n');
    for (const char sep : {'.', ','}) {
        long double value = 0;
        const bool ok = zuk::calc::parseReal(text, sep, value);
        if (ok && std::isfinite(value)) {
            // The general format keeps 15 digits and reads back.
            const std::string written = zuk::calc::formatGeneral(value, sep);
            long double again = 0;
            check(zuk::calc::parseReal(written, sep, again));
            check(near(again, value));
            check(zuk::calc::formatGeneral(again, sep) == written);
        }
        // The two readers take the same texts, apart from the other control
        // characters the text functions trim as blanks and the values
        // outside the range of a double.
        double d = 0;
        const bool inDoubleRange = std::fabs(value) >= 2 * std::numeric_limits<double>::min() &&
                                   std::fabs(value) <= std::numeric_limits<double>::max() / 2;
        const bool okText = succeeds([&] { d = zuk::textfunc::parseReal(text, sep); });
        if (ok && inDoubleRange)
            check(okText);
        if (okText) {
            check(ok || otherControls);
            if (ok)
                check(std::fabs(d - static_cast<double>(value)) <=
                      std::fabs(d) * 1e-15 + 2 * std::numeric_limits<double>::denorm_min());
            std::string words;
            if (succeeds([&] { words = zuk::textfunc::EnglishWords(d); }))
                for (char c : words)
                    check((c >= 'a' && c <= 'z') || c == ' ');
        }
    }
}

void units(std::string_view text)
{
    const auto& names = zuk::calc::unitConversionNames();
    const std::string& name = names[text.size() % names.size()];
    std::string result;
    if (succeeds([&] { result = zuk::calc::convertUnitsText(std::string(text), name, ','); })) {
        long double x = 0;
        check(zuk::calc::parseReal(text, ',', x) && std::isfinite(x));
        check(!result.empty());
    }
    check(!succeeds([&] { zuk::calc::convertUnitsText(std::string(text), name + " ", ','); }));
}

void integers(std::string_view text)
{
    using namespace zuk::textfunc;
    std::int64_t v64 = 0;
    std::int32_t v32 = 0;
    const bool ok64 = succeeds([&] { v64 = parseInt64(text); });
    const bool ok32 = succeeds([&] { v32 = parseInt32(text); });
    check(ok32 == (ok64 && v64 >= INT32_MIN && v64 <= INT32_MAX));
    if (ok64) {
        check(parseInt64(std::to_string(v64)) == v64);
        const std::int64_t n = v64 < 0 ? -(v64 % (MaxRomanNumber + 1)) : v64 % (MaxRomanNumber + 1);
        check(RomanToInt(IntToRoman(n)) == n);
        check(succeeds([&] { IntToRoman(v64); }) == (v64 >= 0 && v64 <= MaxRomanNumber));
    }
    if (ok32) {
        check(v32 == v64);
        for (char c : GermanWords(v32))
            check((c >= 'a' && c <= 'z') || c == ' ' || c == '\xFC' || c == '\xF6');
    }
    (void)RomanToInt(text);
    std::string answer;
    if (succeeds([&] { answer = LeapYearAnswer(text); }))
        check(isAllDigits(text) && answer.compare(0, text.size(), text) == 0);
}

void russian(std::string_view digits)
{
    const std::string words = zuk::textfunc::RussianWords(digits);
    check(!words.empty() && words.front() != ' ' && words.back() != ' ');
    for (unsigned char c : words)
        check(c == ' ' || c >= 0xC0); // А..я
}

} // namespace

ZUK_FUZZ_TARGET(numbers)
{
    reals(input);
    units(input);
    integers(input);
    russian(input);
    if (input.size() >= 4) {
        std::int32_t v = 0;
        std::memcpy(&v, input.data(), 4);
        (void)zuk::textfunc::GermanWords(v);
    }
}
