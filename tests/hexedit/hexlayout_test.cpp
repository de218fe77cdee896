// The rows of the hex grid: offsets, groups, the character area and where a
// click lands.

#include "base/zukerror.h"
#include "hexedit/hexlayout.h"
#include "hexedit/translation.h"

#include <gtest/gtest.h>

#include <string>

using namespace zuk::hexedit;

namespace {

std::string row(const CHexLayout& layout, std::uint64_t r, const std::string& bytes)
{
    return layout.rowText(
        r, reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<int>(bytes.size()),
        [](std::uint8_t b) { return shownChar(Translation::Ansi, b, true, U'.'); });
}

std::string refusal(int perLine, int perColumn)
{
    try {
        CHexLayout(perLine, perColumn, OffsetDisplay::Hex, ":", 100);
    } catch (const zuk::ZukError& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(HexLayout, RowsShowOffsetGroupsAndCharacters)
{
    const CHexLayout layout(16, 2, OffsetDisplay::Hex, ":", 32);
    EXPECT_EQ(layout.rowCount(), 2u);
    EXPECT_EQ(layout.offsetText(0), "00:");
    EXPECT_EQ(layout.offsetText(1), "10:"); // row 2 begins at hexadecimal 10
    EXPECT_EQ(row(layout, 0, std::string("AB\x01\x1F", 4) + "\xDF"),
              "00: 4142 011F DF                             AB..\xD0\xAF");
    // A short last row keeps the grid: its missing bytes are blanks.
    const CHexLayout wide(4, 1, OffsetDisplay::Hex, ":", 6);
    EXPECT_EQ(row(wide, 1, "xy"), "04: 78 79        xy");
}

TEST(HexLayout, OffsetsTakeTheDigitsTheLastRowNeeds)
{
    EXPECT_EQ(CHexLayout(16, 2, OffsetDisplay::Hex, ":", 0).offsetText(0), "00:");
    const std::uint64_t gigabyte = 1ull << 30;
    const CHexLayout big(16, 2, OffsetDisplay::Hex, ":", gigabyte);
    EXPECT_EQ(big.offsetText(big.rowCount() - 1), "3FFFFFF0:");
    EXPECT_EQ(big.offsetText(1), "00000010:");
    const std::uint64_t huge = 5ull << 32; // past 32 bits
    const CHexLayout beyond(16, 2, OffsetDisplay::Hex, "|", huge);
    EXPECT_EQ(beyond.offsetText(beyond.rowCount() - 1), "4FFFFFFF0|");
    const CHexLayout decimal(10, 5, OffsetDisplay::Dec, ":", 1000);
    EXPECT_EQ(decimal.offsetText(1), "010:");
    EXPECT_EQ(decimal.offsetText(99), "990:");
    const CHexLayout none(16, 2, OffsetDisplay::None, ":", 100);
    EXPECT_EQ(none.offsetText(3), "");
    EXPECT_EQ(none.offsetCells(), 0);
    EXPECT_EQ(none.hexCell(0), 0);
}

TEST(HexLayout, EveryCellOfAByteLeadsBackToIt)
{
    for (int perLine : {1, 7, 16, 256})
        for (int perColumn : {1, 2, 3, 4, 16, 256}) {
            SCOPED_TRACE(std::to_string(perLine) + "/" + std::to_string(perColumn));
            const CHexLayout layout(perLine, perColumn, OffsetDisplay::Hex, ":", 1000);
            for (int i = 0; i < perLine; ++i) {
                for (int d = 0; d < 2; ++d) {
                    const CHexLayout::Hit hit = layout.hitTest(layout.hexCell(i) + d);
                    EXPECT_EQ(hit.index, i);
                    EXPECT_EQ(hit.area, HexArea::Hex);
                    EXPECT_EQ(hit.digit, d);
                }
                const CHexLayout::Hit c = layout.hitTest(layout.charCell(i));
                EXPECT_EQ(c.index, i);
                EXPECT_EQ(c.area, HexArea::Chars);
                // Cells never overlap: the next byte starts after this one.
                if (i + 1 < perLine) {
                    EXPECT_GE(layout.hexCell(i + 1), layout.hexCell(i) + 2);
                }
            }
            EXPECT_LT(layout.hexCell(perLine - 1) + 1, layout.charCell(0));
            // Past the row's end a click means its last byte.
            EXPECT_EQ(layout.hitTest(layout.rowCells() + 10).index, perLine - 1);
        }
}

TEST(HexLayout, WidthsOutOfRangeAreRefusedWithTheirMessages)
{
    EXPECT_EQ(refusal(0, 2), "Invalid BytesPerLine argument");
    EXPECT_EQ(refusal(257, 2), "Invalid BytesPerLine argument");
    EXPECT_EQ(refusal(-1, 2), "Invalid BytesPerLine argument");
    EXPECT_EQ(refusal(16, 0), "Invalid BytesPerColumn argument");
    EXPECT_EQ(refusal(16, -4), "Invalid BytesPerColumn argument");
    EXPECT_EQ(refusal(16, 257), "Invalid BytesPerColumn argument");
    EXPECT_EQ(refusal(256, 256), "");
    EXPECT_EQ(refusal(1, 1), "");
}
