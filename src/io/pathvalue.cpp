#include "io/pathvalue.h"

#include "codepages/charsets.h"

namespace zuk::io {

namespace {

constexpr std::string_view kMarker = "utf8:";

// The length of the well-formed UTF-8 sequence at the start of `s` (shortest
// form, no surrogates, at most U+10FFFF) and its character; 0 when the first
// byte starts no such sequence.
std::size_t utf8Sequence(std::string_view s, char32_t& c)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    std::size_t length;
    char32_t min;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        c = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        c = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        c = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

void appendEscape(std::string& out, unsigned char byte)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

// The Windows-1251 byte a character is stored as in either form, or -1 when
// it must be escaped.
int plainByte(char32_t c)
{
    if (c < 0x20 || c == '%')
        return -1;
    return codepages::encodeChar(c, codepages::CodePage::Win);
}

std::string escapedForm(std::string_view path)
{
    std::string out(kMarker);
    std::size_t i = 0;
    while (i < path.size()) {
        char32_t c = 0;
        const std::size_t length = utf8Sequence(path.substr(i), c);
        if (length == 0) {
            appendEscape(out, static_cast<unsigned char>(path[i]));
            ++i;
            continue;
        }
        const int byte = plainByte(c);
        if (byte >= 0) {
            out += static_cast<char>(byte);
        } else {
            for (std::size_t k = 0; k < length; ++k)
                appendEscape(out, static_cast<unsigned char>(path[i + k]));
        }
        i += length;
    }
    return out;
}

// The plain form, or false when some character of the path has none.
bool plainForm(std::string_view path, std::string& out)
{
    out.clear();
    std::size_t i = 0;
    while (i < path.size()) {
        char32_t c = 0;
        const std::size_t length = utf8Sequence(path.substr(i), c);
        if (length == 0)
            return false;
        // '%' is plain here: outside an escaped value it means itself.
        const int byte = c == '%' ? '%' : plainByte(c);
        if (byte < 0)
            return false;
        out += static_cast<char>(byte);
        i += length;
    }
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1; // lower case is never written, so it is no escape
}

// The path an escaped value holds; false when the value is not one.
bool decodeEscaped(std::string_view value, std::string& out)
{
    if (value.substr(0, kMarker.size()) != kMarker)
        return false;
    const std::string_view body = value.substr(kMarker.size());
    std::string path;
    bool escaped = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '%') {
            path += codepages::winToUtf8(body.substr(i, 1));
            continue;
        }
        if (i + 2 >= body.size())
            return false;
        const int high = hexDigit(body[i + 1]);
        const int low = hexDigit(body[i + 2]);
        if (high < 0 || low < 0)
            return false;
        path += static_cast<char>(high * 16 + low);
        escaped = true;
        i += 2;
    }
    // Only the writer's own form counts: anything else is an old plain value.
    if (!escaped || escapedForm(path) != value)
        return false;
    out = std::move(path);
    return true;
}

} // namespace

std::string encodePathValue(std::string_view utf8Path)
{
    std::string plain;
    if (plainForm(utf8Path, plain)) {
        std::string unused;
        if (!decodeEscaped(plain, unused))
            return plain;
    }
    return escapedForm(utf8Path);
}

std::string decodePathValue(std::string_view value)
{
    std::string path;
    if (decodeEscaped(value, path))
        return path;
    return codepages::winToUtf8(value);
}

} // namespace zuk::io
