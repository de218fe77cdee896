#include "calc/baseconverter.h"

#include "base/zukerror.h"
#include "calc/calctexts.h"
#include "calc/numformat.h"

#include <algorithm>
#include <string_view>

namespace zuk::calc {

namespace {

constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

void checkBase(int base)
{
    if (base < 2 || base > 36)
        throw FormatError(fmBaseConvTexts(), "sBaseConvInvalidBase");
}

[[noreturn]] void fail(std::string_view key, const std::string& text)
{
    throw FormatError(fmBaseConvTexts(), key, {quoteForMessage(text)});
}

// The whole character that starts at text[i]: a UTF-8 sequence is named as
// one character, not by its first byte.
std::string characterAt(const std::string& text, size_t i)
{
    size_t end = i + 1;
    if (static_cast<unsigned char>(text[i]) >= 0xC0)
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    return text.substr(i, end - i);
}

std::int32_t readInt32(const std::string& text)
{
    std::string_view s = trimmed(text);
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    if (i == s.size())
        fail("sBaseConvNotAnInteger", text);
    long long value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            fail("sBaseConvNotAnInteger", text);
        value = value * 10 + (s[i] - '0');
        if (value > 2147483648LL)
            fail("sBaseConvOutOfRange", text);
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        fail("sBaseConvOutOfRange", text);
    return static_cast<std::int32_t>(value);
}

} // namespace

std::string formatInBase(std::uint64_t v, int base)
{
    checkBase(base);
    if (v == 0)
        return "0";
    std::string out;
    const auto b = static_cast<std::uint64_t>(base);
    for (; v > 0; v /= b)
        out += kDigits[v % b];
    std::reverse(out.begin(), out.end());
    return out;
}

std::int64_t parseInBase(const std::string& digits, int base)
{
    checkBase(base);
    std::uint64_t result = 0;
    const auto b = static_cast<std::uint64_t>(base);
    for (size_t i = 0; i < digits.size(); ++i) {
        const char c = digits[i];
        char u = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        const char* at = std::find(kDigits, kDigits + 36, u);
        if (at == kDigits + 36 || at - kDigits >= base)
            throw FormatError(fmBaseConvTexts(), "sBaseConvInvalidCharacter",
                              {characterAt(digits, i)});
        result = result * b + static_cast<std::uint64_t>(at - kDigits);
    }
    return static_cast<std::int64_t>(result);
}

int readBaseField(const std::string& text)
{
    // The base travels as one byte: only the low eight bits count.
    return static_cast<int>(static_cast<std::uint32_t>(readInt32(text)) & 0xFFu);
}

std::string decimalToBase(const std::string& numberText, const std::string& baseText)
{
    const int base = readBaseField(baseText);
    const std::int32_t number = readInt32(numberText);
    checkBase(base);
    if (number < 0)
        throw FormatError(fmBaseConvTexts(), "sBaseConvNegative");
    return formatInBase(static_cast<std::uint64_t>(number), base);
}

std::string baseToDecimal(const std::string& numberText, const std::string& baseText)
{
    const int base = readBaseField(baseText);
    std::string_view digits = trimmed(numberText);
    checkBase(base);
    if (digits.empty())
        throw FormatError(fmBaseConvTexts(), "sBaseConvNoNumber");
    return std::to_string(parseInBase(std::string(digits), base));
}

} // namespace zuk::calc
