#include "textfunc/numberformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using zuk::textfunc::formatGeneral;

namespace {

struct FormatRow {
    double value;
    const char* text;
};

TEST(NumberFormat, GeneralFormatByTable)
{
    const FormatRow rows[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-1, "-1"},
        {14, "14"},
        {2.5, "2.5"},
        {0.1, "0.1"},
        {0.0001, "0.0001"},
        {0.00001, "0.00001"},
        {0.000015, "0.000015"},
        {0.0000099, "9.9E-6"},
        {1e-10, "1E-10"},
        {-1.5e-7, "-1.5E-7"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-10.555555555555555, "-10.5555555555556"},
        {100, "100"},
        {123456789012345.0, "123456789012345"}, // 15 digits before the point
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"}, // 16 digits
        {1234567890123456.0, "1.23456789012346E15"},
        {1e20, "1E20"},
        {0.1 + 0.2, "0.3"}, // the binary noise is rounded away
        {1e308, "1E308"},
        {5e-324, "4.94065645841247E-324"},
    };
    for (const FormatRow& row : rows)
        EXPECT_EQ(formatGeneral(row.value), row.text) << row.value;
}

TEST(NumberFormat, SeparatorAndSpecialValues)
{
    EXPECT_EQ(formatGeneral(2.5, ','), "2,5");
    EXPECT_EQ(formatGeneral(-1.5e-7, ','), "-1,5E-7");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<double>::infinity()), "-INF");
    // Rounding to 15 digits can carry into a new leading digit.
    EXPECT_EQ(formatGeneral(0.99999999999999999), "1");
    EXPECT_EQ(formatGeneral(9.9999999999999999e-6), "0.00001");
}

} // namespace
