#include "hexedit/hexinput.h"

#include "base/zukerror.h"
#include "hexedit/hexedittexts.h"
#include "hexedit/hexlayout.h"

#include <limits>
#include <optional>
#include <string>

namespace zuk::hexedit {

namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool startsWithHexPrefix(std::string_view s, std::size_t& skip)
{
    if (!s.empty() && s.front() == '$') {
        skip = 1;
        return true;
    }
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        skip = 2;
        return true;
    }
    return false;
}

// The digits in `base`, or nothing when there are none, one is not a digit
// of the base, or the value passes `limit`.
std::optional<std::uint64_t> digitsValue(std::string_view digits, unsigned base,
                                         std::uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = hexDigitValue(static_cast<unsigned char>(c));
        if (d < 0 || static_cast<unsigned>(d) >= base)
            return std::nullopt;
        if (value > (limit - static_cast<unsigned>(d)) / base)
            return std::nullopt;
        value = value * base + static_cast<unsigned>(d);
    }
    return value;
}

} // namespace

std::uint64_t parseOffset(std::string_view text, bool hexByDefault)
{
    std::string_view s = trimmed(text);
    unsigned base = hexByDefault ? 16 : 10;
    std::size_t skip = 0;
    if (startsWithHexPrefix(s, skip)) {
        s.remove_prefix(skip);
        base = 16;
    } else if (!s.empty() && (s.back() == 'h' || s.back() == 'H')) {
        s.remove_suffix(1);
        base = 16;
    }
    const auto value = digitsValue(s, base, std::numeric_limits<std::uint64_t>::max());
    if (!value)
        throw FormatError(hexEditTexts(), "sOffsetSyntax", {std::string(trimmed(text))});
    return *value;
}

int parseInteger(std::string_view text)
{
    std::string_view s = trimmed(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    unsigned base = 10;
    std::size_t skip = 0;
    if (startsWithHexPrefix(s, skip)) {
        s.remove_prefix(skip);
        base = 16;
    }
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 31 : std::uint64_t{std::numeric_limits<int>::max()};
    const auto value = digitsValue(s, base, limit);
    if (!value)
        throw FormatError(hexEditOptionsTexts(), "sNotAnInteger", {std::string(trimmed(text))});
    return negative ? static_cast<int>(-static_cast<std::int64_t>(*value))
                    : static_cast<int>(*value);
}

} // namespace zuk::hexedit
