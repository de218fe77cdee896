#include "calc/baseconverter.h"
#include "calc/calctexts.h"
#include "calc/unitconverter.h"

#include "base/zukerror.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zuk::calc;

namespace {

struct UnitRow {
    const char* number;
    const char* conversion;
    const char* expected;
};

TEST(UnitConverter, ConversionsInTheGeneralFormat)
{
    const UnitRow rows[] = {
        {"13", "Фаренгейт в Цельсий", "-10,5555555555556"},
        {"100", "Цельсий в Фаренгейт", "212"},
        {"-40", "Цельсий в Фаренгейт", "-40"},
        {"0", "Цельсий в Кельвин", "273,16"},
        {"273,16", "Кельвин в Цельсий", "0"},
        {"1", "Квадратные метры в квадратные дюймы", "1550,016"},
        {"1550,016", "Квадратные дюймы в квадратные метры", "1"},
        {"10", "Унции в граммы", "283,5"},
        {"283,5", "Граммы в унции", "10"}, // recognised though not listed
        {"5", "Караты в килограммы", "0,001"},
        {"3097600", "Квадратные ярды в квадратные мили", "1"},
        {"1", "Квадратные мили в квадратные дюймы", "4014489600"},
        {"72", "Дюймы в ярды", "2"},
        {"1", "Мили в дюймы", "63360"},
        {"1", "Дюймы в метры", "0,0254"},
        {"2", "Кубические футы в кубические дюймы", "3456"},
        {"1", "Тонны в унции", "32000"},
    };
    for (const UnitRow& row : rows) {
        SCOPED_TRACE(row.conversion);
        EXPECT_EQ(convertUnitsText(row.number, row.conversion, ','), row.expected);
    }
}

TEST(UnitConverter, ListAndUnknownNames)
{
    const auto& names = unitConversionNames();
    ASSERT_EQ(names.size(), 32u);
    EXPECT_EQ(names.front(), "Фаренгейт в Цельсий");
    EXPECT_EQ(names.back(), "Караты в килограммы");
    for (const std::string& name : names) {
        EXPECT_TRUE(isUnitConversion(name)) << name;
        EXPECT_NE(convertUnits(name, 1), 0) << name;
    }
    EXPECT_FALSE(isUnitConversion("Граммы в унции ")); // the text must match exactly
    // A name that names no conversion is an error, never a silent 0.
    try {
        convertUnits("Попугаи в удавы", 38);
        ADD_FAILURE() << "no error";
    } catch (const zuk::FormatError& e) {
        EXPECT_STREQ(e.what(), "Неизвестный способ конвертирования: «Попугаи в удавы»");
        EXPECT_EQ(e.text().key, "sUnitsUnknownConversion");
    }
    EXPECT_THROW(convertUnitsText("1", "Попугаи в удавы", ','), zuk::FormatError);
    EXPECT_THROW(convertUnitsText("1.5", "Дюймы в ярды", ','), zuk::FormatError);
    EXPECT_THROW(convertUnitsText("", "Дюймы в ярды", ','), zuk::FormatError);
    // A result past the range of the numbers is refused, not shown as INF.
    try {
        convertUnitsText("1e4930", "Мили в дюймы", ',');
        ADD_FAILURE() << "no error";
    } catch (const zuk::FormatError& e) {
        EXPECT_EQ(e.text().key, "sUnitsTooLarge");
    }
}

TEST(UnitConverter, EveryConversionHasItsTextRowAndEveryRowAConversion)
{
    const std::vector<const zuk::TextRow*> rows = unitConversionRows();
    ASSERT_EQ(rows.size(), unitConversionNames().size() + 1); // and "Граммы в унции"
    for (size_t i = 0; i < unitConversionNames().size(); ++i)
        EXPECT_EQ(rows[i]->builtIn, unitConversionNames()[i]); // in the list's order
    for (const zuk::TextRow* row : rows)
        EXPECT_TRUE(isUnitConversion(std::string(row->builtIn))) << row->key;
    EXPECT_EQ(rows.back()->builtIn, "Граммы в унции");
}

TEST(BaseConverter, BothDirections)
{
    const struct {
        const char* number;
        const char* base;
        const char* expected;
    } toBase[] = {
        {"255", "16", "FF"},
        {"5", "2", "101"},
        {"35", "36", "Z"},
        {"0", "7", "0"},
        {"255", "272", "FF"}, // the base is taken modulo 256
        {"2147483647", "2", "1111111111111111111111111111111"},
    };
    for (const auto& row : toBase)
        EXPECT_EQ(decimalToBase(row.number, row.base), row.expected)
            << row.number << " in " << row.base;

    EXPECT_EQ(baseToDecimal("ff", "16"), "255");
    EXPECT_EQ(baseToDecimal("FF", "16"), "255");
    EXPECT_EQ(baseToDecimal("FFFFFFFFFFFFFFFF", "16"), "-1");
    EXPECT_EQ(baseToDecimal("z", "36"), "35");
    EXPECT_EQ(formatInBase(18446744073709551615ULL, 16), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(formatInBase(1ULL << 62, 2), "1" + std::string(62, '0'));
}

TEST(BaseConverter, GuardedInputs)
{
    const struct {
        bool toBase;
        const char* number;
        const char* base;
        const char* message;
    } rows[] = {
        {false, "19", "8", "Invalid character '9'"},
        {false, "1 0", "2", "Invalid character ' '"},
        {false, "1я", "16", "Invalid character 'я'"}, // the whole character, not a byte of it
        {false, "10", "37", "Invalid base"},
        {false, "10", "1", "Invalid base"},
        {false, "10", "-1", "Invalid base"}, // 255 after the byte cut
        {true, "10", "37", "Invalid base"},
        {true, "10", "0", "Invalid base"},
        {true, "10", "256", "Invalid base"},
        {true, "-5", "2", "Отрицательное число нельзя перевести в другую базу"},
        {false, "", "2", "Не указано число"},
        {true, "12a", "2", "«12a» не является целым числом"},
        {true, "2147483648", "2", "«2147483648» вне диапазона целых чисел"},
        {true, "5", "x", "«x» не является целым числом"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        try {
            row.toBase ? decimalToBase(row.number, row.base) : baseToDecimal(row.number, row.base);
            ADD_FAILURE() << "no error";
        } catch (const zuk::FormatError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
}

} // namespace
