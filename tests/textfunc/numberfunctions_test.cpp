#include "textfunc/numberfunctions.h"
#include "textfunc/numberwords.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

using namespace zuk::textfunc;
using zuk::codepages::utf8ToWin;

TEST(RomanNumerals, BothWays)
{
    const std::pair<std::int64_t, const char*> rows[] = {
        {0, ""},
        {1, "I"},
        {4, "IV"},
        {9, "IX"},
        {14, "XIV"},
        {40, "XL"},
        {90, "XC"},
        {400, "CD"},
        {900, "CM"},
        {1994, "MCMXCIV"},
        {3888, "MMMDCCCLXXXVIII"},
        {4000, "MMMM"},
    };
    for (const auto& [n, roman] : rows) {
        SCOPED_TRACE(n);
        EXPECT_EQ(IntToRoman(n), roman);
        EXPECT_EQ(RomanToInt(roman), n);
    }
    EXPECT_EQ(IntToRoman(MaxRomanNumber), std::string(100, 'M'));
    EXPECT_THROW(IntToRoman(MaxRomanNumber + 1), zuk::FormatError);
    EXPECT_THROW(IntToRoman(-1), zuk::FormatError);

    const std::pair<const char*, std::int64_t> loose[] = {
        {"mcmxciv", 1994}, {"-XL", -40}, {"XIZ", 0}, {"IIII", 4}, {"IC", 99},
        {"IIX", 10},       {"", 0},      {"-", 0},   {"X I", 0},
    };
    for (const auto& [text, n] : loose) {
        SCOPED_TRACE(text);
        EXPECT_EQ(RomanToInt(text), n);
    }
}

TEST(NumberWords, Russian)
{
    const std::pair<const char*, const char*> rows[] = {
        {"21", "Двадцать один"},
        {"2001", "Две тысячи один"},
        {"11000", "Одиннадцать тысяч"},
        {"1000000", "Один миллион"},
        {"0", "Ноль"},
        {"000", "Ноль"},
        {"", "Ноль"},
        {"12a", "Сто двадцать"},
        {"512", "Пятьсот двенадцать"},
        {"1002003", "Один миллион две тысячи три"},
        {"3000000000", "Три миллиарда"},
        {"45000000", "Сорок пять миллионов"},
        {"1019", "Одна тысяча девятнадцать"},
        // The plural of the quintillions keeps the program's old spelling.
        {"5000000000000000000", "Пять квинтиллинов"},
        {"7000000000000000000000000", "Семь септиллионов"},
        // Past the septillions the digits are spoken without a group name.
        {"1000000000000000000000000000", "Один"},
    };
    for (const auto& [digits, words] : rows) {
        SCOPED_TRACE(digits);
        EXPECT_EQ(RussianWords(digits), utf8ToWin(words));
    }
}

TEST(NumberWords, English)
{
    const std::pair<double, const char*> rows[] = {
        {115, "one hundred and fifteen"},
        {40, "fourty"},
        {19, "ninteen"},
        {90, "ninty"},
        {13, "thirteen"},
        {0, "zero"},
        {12, "twelve"},
        {21, "twenty one"},
        {1e9, "one thousand million"},
        {1e12, "one billion"},
        {1001001, "one million one thousand one"},
        {2.5, "two point five"},
        {0.05, "zero point zero five"},
        {0.000001, "zero point zero zero zero zero zero one"},
        {-3, "minus three"},
        {-0.5, "minus zero point five"},
        {0.9999997, "one"},
    };
    for (const auto& [value, words] : rows) {
        SCOPED_TRACE(value);
        EXPECT_EQ(EnglishWords(value), words);
    }
    EXPECT_THROW(EnglishWords(1e19), zuk::FormatError);
    EXPECT_DOUBLE_EQ(parseReal("2,5", ','), 2.5);
    EXPECT_DOUBLE_EQ(parseReal(" -0.25 ", '.'), -0.25);
    EXPECT_DOUBLE_EQ(parseReal("1e3", '.'), 1000);
    for (const char* bad : {"", "2,5", "abc", "1e", ".", "1.2.3", "1e999"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(parseReal(bad, '.'), zuk::FormatError);
    }
}

TEST(NumberWords, German)
{
    const std::pair<std::int32_t, std::string> rows[] = {
        {17, "siebzehn"},
        {99, "neunundneunzig"},
        {1, "eins"},
        {0, "null"},
        {-1, "minus eins"},
        {21, "einundzwanzig"},
        {101, "einhundertein"},
        {1001, "eintausendein"},
        {18, "achtzehn"},
        {15, "f\xFCnfzehn"},
        {12, "zw\xF6lf"},
        {1000000, "einemillion"},
        {2500000, "zweimillionenf\xFCnfhunderttausend"},
        {INT32_MAX, "zweitausendeinhundertsiebenundvierzigmillionenvierhundertdreiundachtzigtausend"
                    "sechshundertsiebenundvierzig"},
        {INT32_MIN, "minus "
                    "zweitausendeinhundertsiebenundvierzigmillionenvierhundertdreiundachtzigtausend"
                    "sechshundertachtundvierzig"},
    };
    for (const auto& [n, words] : rows) {
        SCOPED_TRACE(n);
        EXPECT_EQ(GermanWords(n), words);
    }
}

TEST(NumberBases, ParseInBase)
{
    EXPECT_EQ(ParseInBase("ff", 16), 255);
    EXPECT_EQ(ParseInBase("FFFFFFFFFFFFFFFF", 16), -1);
    EXPECT_EQ(ParseInBase("1010", 2), 10);
    EXPECT_EQ(ParseInBase("zz", 36), 35 * 36 + 35);
    EXPECT_EQ(ParseInBase("", 10), 0);
    // Wraps silently: 2^64 + 1 is 1.
    EXPECT_EQ(ParseInBase("18446744073709551617", 10), 1);

    auto message = [](std::string_view text, int base) {
        try {
            ParseInBase(text, base);
        } catch (const zuk::FormatError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("f f", 16), "Invalid character ' '");
    EXPECT_EQ(message("102", 2), "Invalid character '2'");
    EXPECT_EQ(message("1", 37), "Invalid base");
    EXPECT_EQ(message(utf8ToWin("1я"), 16), "Invalid character 'я'");
}

TEST(NumberBases, FormatInBase)
{
    EXPECT_EQ(FormatInBase(255, 16), "FF");
    EXPECT_EQ(FormatInBase(255, 2), "11111111");
    EXPECT_EQ(FormatInBase(0, 16), "0");
    EXPECT_EQ(FormatInBase(1000, 10), "1000");
    EXPECT_EQ(FormatInBase(35, 36), "Z");
    // Where powers of the base no longer fit 64 bits.
    EXPECT_EQ(FormatInBase(std::int64_t(1) << 60, 16), "1000000000000000");
    EXPECT_EQ(FormatInBase(INT64_MAX, 16), "7FFFFFFFFFFFFFFF");
    EXPECT_EQ(FormatInBase(INT64_MAX, 2), std::string(63, '1'));
    EXPECT_EQ(FormatInBase(INT64_MAX, 10), "9223372036854775807");
    EXPECT_EQ(FormatInBase(INT64_MIN, 16), "-8000000000000000");
    EXPECT_EQ(FormatInBase(-10, 2), "-1010");
    EXPECT_THROW(FormatInBase(5, 1), zuk::FormatError);
    EXPECT_THROW(FormatInBase(5, 37), zuk::FormatError);
    for (std::int64_t v :
         {std::int64_t(1), std::int64_t(36), std::int64_t(123456789), INT64_MAX / 3}) {
        for (int base : {2, 8, 10, 16, 36})
            EXPECT_EQ(ParseInBase(FormatInBase(v, base), base), v) << v << " base " << base;
    }
}

TEST(NumberParsing, IntegersDigitsAndDates)
{
    EXPECT_TRUE(isAllDigits("0123"));
    EXPECT_FALSE(isAllDigits(""));
    EXPECT_FALSE(isAllDigits("-1"));
    EXPECT_FALSE(isAllDigits("1 "));
    EXPECT_EQ(parseInt32(" 42 "), 42);
    EXPECT_EQ(parseInt32("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseInt32("+7"), 7);
    for (const char* bad : {"", "2147483648", "12a", "1.5", "--1", "+"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(parseInt32(bad), zuk::FormatError);
    }

    EXPECT_EQ(LeapYearAnswer("1900"), "1900" + utf8ToWin(" - увы, не високосный..."));
    EXPECT_EQ(LeapYearAnswer("2000"), "2000" + utf8ToWin(" - високосный год"));
    EXPECT_EQ(LeapYearAnswer("2024", "+", "-"), "2024+");
    for (const char* bad : {"", "20a4", "99999999999", "-4"}) {
        SCOPED_TRACE(bad);
        try {
            LeapYearAnswer(bad);
            ADD_FAILURE() << "no error";
        } catch (const zuk::FormatError& e) {
            EXPECT_STREQ(e.what(), "Че-то не то!");
        }
    }
    EXPECT_EQ(DayNumberInYear(2023, 1, 1), 0);
    EXPECT_EQ(DayNumberInYear(2023, 3, 1), 59);
    EXPECT_EQ(DayNumberInYear(2024, 3, 1), 60);
    EXPECT_EQ(DayNumberInYear(2024, 12, 31), 365);
    EXPECT_GE(DayNumberToday(), 0);
    EXPECT_LE(DayNumberToday(), 365);
}
