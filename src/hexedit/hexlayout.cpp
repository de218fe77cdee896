#include "hexedit/hexlayout.h"

#include "base/zukerror.h"
#include "hexedit/hexedittexts.h"

#include <algorithm>

namespace zuk::hexedit {

namespace {

int digitsOf(std::uint64_t value, unsigned base)
{
    int digits = 1;
    while (value >= base) {
        value /= base;
        ++digits;
    }
    return digits;
}

int codePointsOf(const std::string& utf8)
{
    int n = 0;
    for (unsigned char c : utf8)
        n += (c & 0xC0) != 0x80;
    return n;
}

} // namespace

const char* offsetDisplayName(OffsetDisplay d)
{
    switch (d) {
    case OffsetDisplay::Hex:
        return "odHex";
    case OffsetDisplay::Dec:
        return "odDec";
    case OffsetDisplay::None:
        return "odNone";
    }
    return "odHex";
}

std::optional<OffsetDisplay> offsetDisplayFromName(const std::string& name)
{
    for (OffsetDisplay d : {OffsetDisplay::Hex, OffsetDisplay::Dec, OffsetDisplay::None})
        if (name == offsetDisplayName(d))
            return d;
    return std::nullopt;
}

CHexLayout::CHexLayout(int bytesPerLine, int bytesPerColumn, OffsetDisplay offsets,
                       std::string separator, std::uint64_t fileSize)
    : m_bytesPerLine(bytesPerLine), m_bytesPerColumn(bytesPerColumn), m_offsets(offsets),
      m_separator(std::move(separator))
{
    if (bytesPerLine < 1 || bytesPerLine > kMaxBytesPerLine)
        throw ZukError(hexEditTexts(), "sInvalidBytesPerLine");
    if (bytesPerColumn < 1 || bytesPerColumn > kMaxBytesPerLine)
        throw ZukError(hexEditTexts(), "sInvalidBytesPerColumn");
    const auto perLine = static_cast<std::uint64_t>(bytesPerLine);
    m_rows = fileSize / perLine + (fileSize % perLine != 0);
    const std::uint64_t lastRowOffset = m_rows > 0 ? (m_rows - 1) * perLine : 0;
    if (offsets != OffsetDisplay::None) {
        m_digits = std::max(2, digitsOf(lastRowOffset, offsets == OffsetDisplay::Hex ? 16 : 10));
        m_offsetCells = m_digits + codePointsOf(m_separator);
        m_hexStart = m_offsetCells + 1;
    }
    const int groups = (bytesPerLine + bytesPerColumn - 1) / bytesPerColumn;
    m_hexCells = 2 * bytesPerLine + groups - 1;
    m_charStart = m_hexStart + m_hexCells + 2;
}

std::string CHexLayout::offsetText(std::uint64_t row) const
{
    if (m_offsets == OffsetDisplay::None)
        return {};
    std::uint64_t value = row * static_cast<std::uint64_t>(m_bytesPerLine);
    std::string digits;
    const unsigned base = m_offsets == OffsetDisplay::Hex ? 16 : 10;
    do {
        digits += hexDigit(static_cast<int>(value % base));
        value /= base;
    } while (value > 0);
    if (static_cast<int>(digits.size()) < m_digits)
        digits.append(static_cast<std::size_t>(m_digits) - digits.size(), '0');
    std::reverse(digits.begin(), digits.end());
    return digits + m_separator;
}

int CHexLayout::hexCell(int index) const
{
    return m_hexStart + 2 * index + index / m_bytesPerColumn;
}

int CHexLayout::charCell(int index) const
{
    return m_charStart + index;
}

CHexLayout::Hit CHexLayout::hitTest(int cell) const
{
    if (cell < m_hexStart)
        return {0, HexArea::Hex, 0};
    if (cell < m_hexStart + m_hexCells) {
        const int groupCells = 2 * m_bytesPerColumn + 1;
        const int rel = cell - m_hexStart;
        const int group = rel / groupCells;
        const int inGroup = rel % groupCells;
        if (inGroup == 2 * m_bytesPerColumn)
            return {group * m_bytesPerColumn + m_bytesPerColumn - 1, HexArea::Hex, 1};
        return {group * m_bytesPerColumn + inGroup / 2, HexArea::Hex, inGroup % 2};
    }
    if (cell < m_charStart)
        return {m_bytesPerLine - 1, HexArea::Hex, 1};
    return {std::min(cell - m_charStart, m_bytesPerLine - 1), HexArea::Chars, 0};
}

char hexDigit(int nibble)
{
    return "0123456789ABCDEF"[nibble & 0xF];
}

int hexDigitValue(char32_t c)
{
    if (c >= '0' && c <= '9')
        return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<int>(c - 'A' + 10);
    return -1;
}

std::string utf8Of(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace zuk::hexedit
