#include "io/nocase.h"

#include "codepages/charsets.h"

#include <array>

namespace zuk::io {

namespace {

char32_t lowerCodePoint(char32_t u)
{
    if (u >= U'A' && u <= U'Z')
        return u + 0x20;
    if (u >= 0x0410 && u <= 0x042F) // А..Я
        return u + 0x20;
    if (u >= 0x0400 && u <= 0x040F) // Ѐ..Џ
        return u + 0x50;
    if (u == 0x0490) // Ґ
        return 0x0491;
    return u;
}

// Built from the code-page table so that the folding agrees with the
// characters the program shows for these bytes.
std::array<unsigned char, 256> makeWinLowerTable()
{
    std::array<unsigned char, 256> table{};
    const char16_t* uni = codepages::unicodeTable(codepages::CodePage::Win);
    for (int b = 0; b < 256; ++b) {
        table[b] = static_cast<unsigned char>(b);
        char32_t lower = lowerCodePoint(uni[b]);
        if (lower != uni[b]) {
            int mapped = codepages::encodeChar(lower, codepages::CodePage::Win);
            if (mapped >= 0)
                table[b] = static_cast<unsigned char>(mapped);
        }
    }
    return table;
}

const std::array<unsigned char, 256>& winLowerTable()
{
    static const std::array<unsigned char, 256> table = makeWinLowerTable();
    return table;
}

void appendUtf8(std::string& out, char32_t u)
{
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

} // namespace

char lowerWin(char c)
{
    return static_cast<char>(winLowerTable()[static_cast<unsigned char>(c)]);
}

std::string lowerWin(std::string_view text)
{
    const auto& table = winLowerTable();
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return out;
}

bool equalNoCaseWin(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    const auto& table = winLowerTable();
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (table[static_cast<unsigned char>(a[i])] != table[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

std::string lowerUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
            ++i;
            continue;
        }
        // Only two-byte sequences hold the letters we fold (Cyrillic is
        // U+0400..U+04FF); copy everything else byte for byte.
        if ((c & 0xE0) == 0xC0 && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            char32_t u = (static_cast<char32_t>(c & 0x1F) << 6) |
                         (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            if (u >= 0x80) {
                appendUtf8(out, lowerCodePoint(u));
                i += 2;
                continue;
            }
        }
        out += static_cast<char>(c);
        ++i;
    }
    return out;
}

bool equalNoCaseUtf8(std::string_view a, std::string_view b)
{
    return lowerUtf8(a) == lowerUtf8(b);
}

} // namespace zuk::io
