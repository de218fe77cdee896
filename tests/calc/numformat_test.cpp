#include "calc/numformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using zuk::calc::formatGeneral;
using zuk::calc::parseReal;

namespace {

struct FormatRow {
    long double value;
    char separator;
    const char* expected;
};

TEST(NumberFormat, GeneralFormatWithFifteenSignificantDigits)
{
    const FormatRow rows[] = {
        {0, '.', "0"},
        {-0.0L, '.', "0"},
        {14, '.', "14"},
        {2.5L, ',', "2,5"},
        {-2.5L, '.', "-2.5"},
        {1.0L / 3, ',', "0,333333333333333"},
        {2.0L / 3, '.', "0.666666666666667"},
        {(13.0L + 40) * 5 / 9 - 40, ',', "-10,5555555555556"},
        {0.0001L, '.', "0.0001"},
        {0.00001L, '.', "0.00001"},
        {0.000001L, '.', "1E-6"},
        {0.0000015L, ',', "1,5E-6"},
        {123456789012345.0L, '.', "123456789012345"},
        {999999999999999.0L, '.', "999999999999999"},
        {1e15L, '.', "1E15"},
        {1.5e20L, '.', "1.5E20"},
        {9.9999999999999999L, '.', "10"}, // rounds up to a new digit
        {1550.016L, ',', "1550,016"},
        {273.16L, '.', "273.16"},
        {HUGE_VALL, '.', "INF"},
        {-HUGE_VALL, '.', "-INF"},
        {NAN, '.', "NAN"},
    };
    for (const FormatRow& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(formatGeneral(row.value, row.separator), row.expected);
    }
}

TEST(NumberFormat, ParseRealAcceptsOnlyTheDecimalForm)
{
    long double v = 0;
    EXPECT_TRUE(parseReal(" 13 ", '.', v));
    EXPECT_EQ(v, 13);
    EXPECT_TRUE(parseReal("-2,5", ',', v));
    EXPECT_EQ(v, -2.5L);
    EXPECT_TRUE(parseReal("+1.5e3", '.', v));
    EXPECT_EQ(v, 1500);
    EXPECT_TRUE(parseReal("1e-99999", '.', v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(parseReal("0.00000000000000000000000001e99999", '.', v));
    EXPECT_TRUE(std::isinf(v));
    for (const char* bad : {"", " ", "2,5", "1e", "abc", "inf", "nan", "0x1p3", "1 2", "--1", "+-1",
                            "-+1", "++1", ".", "-"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(parseReal(bad, '.', v));
    }
}

} // namespace
