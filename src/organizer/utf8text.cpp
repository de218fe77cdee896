#include "organizer/utf8text.h"

namespace zuk::organizer {

char32_t nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    int extra = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, least = 0x10000;
    } else {
        ++at;
        return 0xFFFD;
    }
    if (at + static_cast<std::size_t>(extra) >= text.size()) {
        ++at;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(at + k);
        if ((b & 0xC0) != 0x80) {
            ++at;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++at;
        return 0xFFFD;
    }
    at += static_cast<std::size_t>(extra) + 1;
    return c;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char32_t foldCase(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= 0x0410 && c <= 0x042F) // А..Я
        return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F) // Ѐ..Џ, Ё among them
        return c + 0x50;
    return c;
}

} // namespace zuk::organizer
