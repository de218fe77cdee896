#include "html/htmlbasics.h"

namespace zuk::html {

std::string escapeAttribute(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '<':
            out += "&lt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<Rgb> parseHexColour(std::string_view text)
{
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (text.size() != 6)
        return std::nullopt;
    std::uint8_t bytes[3];
    for (int i = 0; i < 3; ++i) {
        const int hi = hexDigit(text[2 * i]);
        const int lo = hexDigit(text[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    return Rgb{bytes[0], bytes[1], bytes[2]};
}

std::string hexColour(Rgb colour)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out(6, '0');
    const std::uint8_t bytes[3] = {colour.r, colour.g, colour.b};
    for (int i = 0; i < 3; ++i) {
        out[2 * i] = digits[bytes[i] >> 4];
        out[2 * i + 1] = digits[bytes[i] & 15];
    }
    return out;
}

Rgb rgbOfColourValue(std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
            static_cast<std::uint8_t>((v >> 16) & 0xFF)};
}

std::int32_t colourValueOf(Rgb colour)
{
    return static_cast<std::int32_t>(colour.r | (colour.g << 8) | (colour.b << 16));
}

bool equalNoCaseAscii(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    return true;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20)
        text.remove_suffix(1);
    return text;
}

std::string utf8ToHtmlBytes(std::string_view utf8, codepages::CodePage cp)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            c = lead & 0x07;
        }
        bool ok = extra > 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + static_cast<std::size_t>(k) >= utf8.size()) {
                ok = false;
                break;
            }
            const auto cont = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((cont & 0xC0) != 0x80)
                ok = false;
            else
                c = (c << 6) | (cont & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are no characters.
        if (ok && ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
                   (extra == 3 && (c < 0x10000 || c > 0x10FFFF))))
            ok = false;
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        const int byte = codepages::encodeChar(c, cp);
        if (byte >= 0)
            out += static_cast<char>(byte);
        else
            out += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

CustomColours parseCustomColours(std::string_view text)
{
    CustomColours colours{};
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(from, end - from);
        from = end + 1;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view name = trimBlanks(line.substr(0, eq));
        const std::string_view value = trimBlanks(line.substr(eq + 1));
        if (name.size() != 6 || !equalNoCaseAscii(name.substr(0, 5), "Color"))
            continue;
        const char letter = upperAscii(name[5]);
        if (letter < 'A' || letter > 'P' || value.empty() || value.size() > 8)
            continue;
        std::uint32_t v = 0;
        bool hex = true;
        for (const char c : value) {
            const int d = hexDigit(c);
            if (d < 0) {
                hex = false;
                break;
            }
            v = v * 16 + static_cast<std::uint32_t>(d);
        }
        if (hex)
            colours[static_cast<std::size_t>(letter - 'A')] =
                static_cast<std::int32_t>(v & 0xFFFFFF);
    }
    return colours;
}

std::string formatCustomColours(const CustomColours& colours)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (!colours[i])
            continue;
        const auto v = static_cast<std::uint32_t>(*colours[i]) & 0xFFFFFF;
        out += "Color";
        out += static_cast<char>('A' + i);
        out += '=';
        for (int shift = 20; shift >= 0; shift -= 4)
            out += digits[(v >> shift) & 15];
        out += "\r\n";
    }
    return out;
}

} // namespace zuk::html
