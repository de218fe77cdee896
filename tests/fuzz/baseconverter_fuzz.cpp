// The base converter's fields: the input is the number field and the base
// field separated by the first line break, converted both ways. Every refusal
// is a FormatError; a number written in a base reads back, and the
// converter's reading of digits agrees with the text functions' one.

#include "fuzz/fuzztarget.h"

#include "base/zukerror.h"
#include "calc/baseconverter.h"
#include "textfunc/numberfunctions.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
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

} // namespace

ZUK_FUZZ_TARGET(baseconverter)
{
    using namespace zuk::calc;
    const size_t cut = input.find('\n');
    const std::string number(input.substr(0, cut));
    const std::string base(cut == std::string_view::npos ? "10" : input.substr(cut + 1));

    std::string written;
    if (succeeds([&] { written = decimalToBase(number, base); })) {
        const int b = readBaseField(base);
        check(b >= 2 && b <= 36);
        check(baseToDecimal(written, base) == std::to_string(std::stoll(number)));
    }
    std::string decimal;
    if (succeeds([&] { decimal = baseToDecimal(number, base); })) {
        const int b = readBaseField(base);
        const std::int64_t v = std::stoll(decimal);
        if (v >= 0)
            check(formatInBase(static_cast<std::uint64_t>(v), b) ==
                  zuk::textfunc::FormatInBase(v, b));
        check(parseInBase(formatInBase(static_cast<std::uint64_t>(v), b), b) == v);
    }

    // Both readers of digits take the same texts to the same values.
    for (int b = 2; b <= 36; b += 17) {
        std::int64_t mine = 0, theirs = 0;
        const bool okMine = succeeds([&] { mine = parseInBase(number, b); });
        const bool okTheirs = succeeds([&] { theirs = zuk::textfunc::ParseInBase(number, b); });
        check(okMine == okTheirs && mine == theirs);
    }

    // Any eight bytes as a value, written in the base the input picks.
    if (input.size() >= 9) {
        std::uint64_t v = 0;
        std::memcpy(&v, input.data(), 8);
        const int b = 2 + static_cast<unsigned char>(input[8]) % 35;
        check(static_cast<std::uint64_t>(parseInBase(formatInBase(v, b), b)) == v);
    }
}
