#include "textfunc/encoders.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "textfunc/casefunctions.h"
#include "textfunc/textfunctexts.h"

#include <array>

namespace zuk::textfunc {

namespace {

constexpr char Base64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char HexDigits[] = "0123456789ABCDEF";

// Value of each byte in the Base64 alphabet, -1 outside it.
const std::array<signed char, 256>& base64Values()
{
    static const std::array<signed char, 256> table = [] {
        std::array<signed char, 256> t{};
        t.fill(-1);
        for (int i = 0; i < 64; ++i)
            t[static_cast<unsigned char>(Base64Alphabet[i])] = static_cast<signed char>(i);
        return t;
    }();
    return table;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

[[noreturn]] void badBase64()
{
    throw FormatError(textFunctionMessages(), "sBase64FormatError");
}

} // namespace

std::string Base64Encode(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    auto byte = [&](std::size_t k) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[k]));
    };
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned v = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        out += Base64Alphabet[v >> 18];
        out += Base64Alphabet[v >> 12 & 63];
        out += Base64Alphabet[v >> 6 & 63];
        out += Base64Alphabet[v & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest == 1) {
        const unsigned v = byte(i) << 16;
        out += Base64Alphabet[v >> 18];
        out += Base64Alphabet[v >> 12 & 63];
        out += "==";
    } else if (rest == 2) {
        const unsigned v = byte(i) << 16 | byte(i + 1) << 8;
        out += Base64Alphabet[v >> 18];
        out += Base64Alphabet[v >> 12 & 63];
        out += Base64Alphabet[v >> 6 & 63];
        out += '=';
    }
    return out;
}

std::string Base64Decode(std::string_view text)
{
    if (text.size() % 4 != 0)
        badBase64();
    const auto& values = base64Values();
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        int keep = 3;
        if (last && text[i + 3] == '=')
            keep = text[i + 2] == '=' ? 1 : 2;
        int v[4] = {0, 0, 0, 0};
        for (int k = 0; k < 4; ++k) {
            if (k >= keep + 1)
                continue; // the fill of the last group
            v[k] = values[static_cast<unsigned char>(text[i + k])];
            if (v[k] < 0)
                badBase64();
        }
        const unsigned triple =
            unsigned(v[0]) << 18 | unsigned(v[1]) << 12 | unsigned(v[2]) << 6 | unsigned(v[3]);
        out += static_cast<char>(triple >> 16);
        if (keep >= 2)
            out += static_cast<char>(triple >> 8 & 0xFF);
        if (keep == 3)
            out += static_cast<char>(triple & 0xFF);
    }
    return out;
}

std::string MimeEncode(std::string_view bytes)
{
    return Base64Encode(bytes);
}

std::string MimeDecode(std::string_view text)
{
    const auto& values = base64Values();
    std::string out;
    out.reserve(text.size() / 4 * 3 + 2);
    unsigned acc = 0;
    int count = 0;
    for (char c : text) {
        const int v = values[static_cast<unsigned char>(c)];
        if (v < 0)
            continue;
        acc = acc << 6 | unsigned(v);
        if (++count == 4) {
            out += static_cast<char>(acc >> 16);
            out += static_cast<char>(acc >> 8 & 0xFF);
            out += static_cast<char>(acc & 0xFF);
            acc = 0;
            count = 0;
        }
    }
    if (count == 2) {
        out += static_cast<char>(acc >> 4 & 0xFF);
    } else if (count == 3) {
        out += static_cast<char>(acc >> 10 & 0xFF);
        out += static_cast<char>(acc >> 2 & 0xFF);
    }
    return out;
}

std::string UueDecode(std::string_view text)
{
    const std::size_t fullLength = text.size();
    while (!text.empty() && text.back() == '`')
        text.remove_suffix(1);
    const bool fillRemoved = text.size() != fullLength;
    auto value = [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c >= 0x20 && c <= 0x5F ? unsigned(c - 0x20) : 0u;
    };
    std::string out;
    out.reserve(text.size() / 4 * 3 + 1);
    std::size_t i = 0;
    for (; i + 4 <= text.size(); i += 4) {
        const unsigned a = value(text[i]), b = value(text[i + 1]), c = value(text[i + 2]),
                       d = value(text[i + 3]);
        out += static_cast<char>((a << 2 | b >> 4) & 0xFF);
        out += static_cast<char>(((b & 0x0F) << 4 | c >> 2) & 0xFF);
        out += static_cast<char>(((c & 3) << 6 | d) & 0xFF);
    }
    const std::size_t left = text.size() - i;
    if (left > 0 && !fillRemoved) {
        unsigned leftover = 0;
        if (left == 1)
            leftover = value(text[i]) << 2;
        else if (left == 2)
            leftover = (value(text[i + 1]) & 0x0F) << 4;
        else
            leftover = (value(text[i + 2]) & 3) << 6;
        leftover &= 0xFF;
        if (leftover != 0)
            out += static_cast<char>(leftover);
    }
    return out;
}

std::string HexEncode(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        out += HexDigits[c >> 4];
        out += HexDigits[c & 0x0F];
    }
    return out;
}

std::string HexDecode(std::string_view text)
{
    auto fail = [] { throw FormatError(textFunctionMessages(), "sHexValuesError"); };
    if (text.size() % 2 != 0)
        fail();
    std::string out;
    out.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = hexValue(text[i]);
        const int low = hexValue(text[i + 1]);
        if (high < 0 || low < 0)
            fail();
        out += static_cast<char>(high << 4 | low);
    }
    return out;
}

std::string UrlDecode(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned value = 0;
        std::size_t k = i + 1;
        for (; k < text.size() && k <= i + 2; ++k) {
            const int v = hexValue(text[k]);
            if (v < 0)
                throw FormatError(textFunctionMessages(), "sUrlInvalidHexChar",
                                  {codepages::winToUtf8(text.substr(k, 1))});
            value = value << 4 | unsigned(v);
        }
        out += static_cast<char>(value & 0xFF);
        i = k - 1;
    }
    return out;
}

std::string PasswordXor(std::string_view text, std::string_view password)
{
    if (password.empty())
        throw FormatError(textFunctionMessages(), "sXorPasswordEmpty");
    unsigned char key = 0;
    for (char c : password)
        key ^= static_cast<unsigned char>(c);
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(static_cast<unsigned char>(c) ^ key);
    return out;
}

std::string EntityEncode(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 6);
    for (char c : text) {
        out += "&#";
        out += std::to_string(static_cast<unsigned char>(c));
        out += ';';
    }
    return out;
}

std::string RtttlToDigits(std::string_view text)
{
    static const char digitOf[] = {'6', '7', '1', '2', '3', '4', '5'}; // A..G
    std::string out;
    for (char ch : text) {
        const unsigned char c = UpCaseChar(static_cast<unsigned char>(ch));
        if (c >= 'A' && c <= 'G')
            out += digitOf[c - 'A'];
    }
    return out;
}

} // namespace zuk::textfunc
