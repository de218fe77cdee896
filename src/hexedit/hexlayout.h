#pragma once

#include "settings/connectiontable.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zuk::hexedit {

// How row offsets are written: hexadecimal, decimal, or not at all. The
// names zuk.ini stores are "odHex", "odDec" and "odNone".
enum class OffsetDisplay { Hex, Dec, None };
const char* offsetDisplayName(OffsetDisplay d);
std::optional<OffsetDisplay> offsetDisplayFromName(const std::string& name);

// Where the two areas of a byte are.
enum class HexArea { Hex, Chars };

// The layout of the rows of a file of a given size, in character cells of a
// fixed-pitch font: the offset and its separator, a blank, the bytes as two
// hexadecimal digits each, grouped by bytesPerColumn with a blank between
// groups, two blanks, and the bytes as characters, one cell each.
class CHexLayout final {
public:
    static constexpr int kMaxBytesPerLine = settings::kMaxHexBytesPerLine;

    // Throws zuk::ZukError (sInvalidBytesPerLine) for bytesPerLine outside
    // 1..256 and (sInvalidBytesPerColumn) for bytesPerColumn outside 1..256.
    // `separator` (UTF-8) follows every offset.
    CHexLayout(int bytesPerLine, int bytesPerColumn, OffsetDisplay offsets, std::string separator,
               std::uint64_t fileSize);

    int bytesPerLine() const { return m_bytesPerLine; }
    int bytesPerColumn() const { return m_bytesPerColumn; }
    std::uint64_t rowCount() const { return m_rows; }
    std::uint64_t rowOf(std::uint64_t offset) const { return offset / m_bytesPerLine; }

    // The offset of a row as shown: as many digits as the last row needs
    // (two at least), then the separator; empty when offsets are not shown.
    std::string offsetText(std::uint64_t row) const;
    // The offset's cells, separator included (0 when not shown).
    int offsetCells() const { return m_offsetCells; }

    // The first cell of byte `index` of a row in each area, and the width of
    // a whole row.
    int hexCell(int index) const;
    int charCell(int index) const;
    int rowCells() const { return charCell(m_bytesPerLine); }

    // What a click on cell `cell` of a row points at: the byte (which may lie
    // past the end of a short last row; the caller limits it), its area and,
    // in the hex area, the digit (0 high, 1 low). A blank between groups
    // counts for the byte before it; the offset column for the first byte.
    struct Hit {
        int index;
        HexArea area;
        int digit;
    };
    Hit hitTest(int cell) const;

    // A whole row as text, for copying and for tests: the offset, the digits
    // (upper case) and the characters `shown` gives, with the blanks of the
    // layout; the cells of bytes past a short last row are blanks.
    template <class Shown>
    std::string rowText(std::uint64_t row, const std::uint8_t* bytes, int count, Shown shown) const;

private:
    int m_bytesPerLine;
    int m_bytesPerColumn;
    OffsetDisplay m_offsets;
    std::string m_separator;
    int m_digits = 0;
    int m_offsetCells = 0;
    int m_hexStart = 0;
    int m_hexCells = 0;
    int m_charStart = 0;
    std::uint64_t m_rows = 0;
};

// "0123456789ABCDEF"[nibble].
char hexDigit(int nibble);
// The value of a hexadecimal digit in either case; -1 for any other character.
int hexDigitValue(char32_t c);

// A character as UTF-8.
std::string utf8Of(char32_t c);

template <class Shown>
std::string CHexLayout::rowText(std::uint64_t row, const std::uint8_t* bytes, int count,
                                Shown shown) const
{
    std::string line = offsetText(row);
    if (m_offsetCells > 0)
        line += ' ';
    for (int i = 0; i < m_bytesPerLine; ++i) {
        if (i > 0 && i % m_bytesPerColumn == 0)
            line += ' ';
        if (i < count) {
            line += hexDigit(bytes[i] >> 4);
            line += hexDigit(bytes[i] & 0xF);
        } else {
            line += "  ";
        }
    }
    line += "  ";
    for (int i = 0; i < count; ++i)
        line += utf8Of(shown(bytes[i]));
    return line;
}

} // namespace zuk::hexedit
