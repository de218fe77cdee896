#include "calc/bignum.h"
#include "calc/calctexts.h"

#include "base/zukerror.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace zuk::calc;

namespace {

struct BinaryRow {
    const char* a;
    const char* b;
    const char* expected;
};

TEST(BigNum, ArithmeticForms)
{
    const BinaryRow adds[] = {
        {"99999999999999999999", "1", "100000000000000000000"},
        {"012", "5", "17"}, // leading zeros are ignored
        {"-5", "-8", "-13"},
        {"-5", "5", "0"},
        {" 7 ", "0", "7"},
        {"-0", "0", "0"},
    };
    for (const BinaryRow& r : adds)
        EXPECT_EQ(BigAdd(r.a, r.b), r.expected) << r.a << " + " << r.b;

    const BinaryRow subs[] = {
        {"5", "8", "-3"},         {"-5", "-8", "3"}, {"0", "7", "-7"},
        {"100000", "1", "99999"}, {"7", "7", "0"},
    };
    for (const BinaryRow& r : subs)
        EXPECT_EQ(BigSub(r.a, r.b), r.expected) << r.a << " - " << r.b;

    const BinaryRow muls[] = {
        {"12", "34", "408"}, {"-12", "34", "-408"}, {"1", "-7", "-7"},
        {"-3", "-3", "9"},   {"0", "-5", "0"},
    };
    for (const BinaryRow& r : muls)
        EXPECT_EQ(BigMul(r.a, r.b), r.expected) << r.a << " * " << r.b;

    const BinaryRow divs[] = {
        {"7", "2", "3.1"},   {"-7", "2", "-3.-1"},  {"7", "-2", "-3.1"}, {"-7", "-2", "3.-1"},
        {"5", "100", "0.5"}, {"-5", "100", "0.-5"}, {"7", "0", "."},     {"0", "3", "0.0"},
        {"6", "3", "2.0"},   {"-6", "3", "-2.0"},
    };
    for (const BinaryRow& r : divs)
        EXPECT_EQ(BigDivModText(r.a, r.b), r.expected) << r.a << " / " << r.b;

    EXPECT_EQ(BigCompare("-5", "-3"), -1);
    EXPECT_EQ(BigCompare("10", "9"), 1);
    EXPECT_EQ(BigCompare("007", "7"), 0);
    const auto verdict = [](int comparison) {
        const zuk::TextRow* row = supacalcTexts().find(bigCompareVerdictKey(comparison));
        return row ? std::string(row->builtIn) + " / " + std::string(row->english) : "";
    };
    EXPECT_EQ(verdict(BigCompare("-5", "-3")),
              "Второй операнд больше первогоооооо! / 2-ND OPERAND > 1-ST!");
    EXPECT_EQ(verdict(BigCompare("2", "1")),
              "Первый операнд больше второгоооо! / 1-ST OPERAND > 2-ND!");
    EXPECT_EQ(verdict(0), "Операнды равныыыы! / OPERANDS ARE EQUAAAAL!");
}

TEST(BigNum, HexadecimalForms)
{
    const std::pair<const char*, const char*> toHex[] = {
        {"255", "FF"}, {"65536", "10000"}, {"-255", "-FF"},
        {"0", "0"},    {"-0", "0"},        {"18446744073709551616", "10000000000000000"},
    };
    for (const auto& [dec, hex] : toHex)
        EXPECT_EQ(BigToHex(dec), hex) << dec;
    const std::pair<const char*, const char*> toDec[] = {
        {"FFFF", "65535"}, {"10000", "65536"}, {"-FF", "-255"},
        {"ff", "255"},     {"0FF", "255"},     {"0", "0"},
    };
    for (const auto& [hex, dec] : toDec)
        EXPECT_EQ(BigHexToDec(hex), dec) << hex;
}

TEST(BigNum, MalformedOperandsAreReportedNotReadDigitByDigit)
{
    for (const char* bad : {"", " ", "-", "+5", "1a", "1 2", "--1", "1.5", "٣"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(BigAdd(bad, "1"), zuk::FormatError);
        EXPECT_THROW(BigDivMod("1", bad), zuk::FormatError);
        EXPECT_THROW(BigToHex(bad), zuk::FormatError);
    }
    EXPECT_THROW(BigHexToDec("FG"), zuk::FormatError);
    try {
        BigMul("12x", "1");
        ADD_FAILURE() << "no error";
    } catch (const zuk::FormatError& e) {
        EXPECT_STREQ(e.what(), "«12x» не является целым числом");
    }
}

// Decimal text of a 128-bit value: the independent reference.
std::string text(__int128 v)
{
    if (v == 0)
        return "0";
    const bool negative = v < 0;
    unsigned __int128 m =
        negative ? -static_cast<unsigned __int128>(v) : static_cast<unsigned __int128>(v);
    std::string s;
    for (; m > 0; m /= 10)
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
    return negative ? "-" + s : s;
}

TEST(BigNum, AgreesWithMachineArithmeticOnRandomOperands)
{
    std::mt19937_64 rng(20261209);
    for (int i = 0; i < 3000; ++i) {
        // Mixed lengths (1 to 18 digits) and signs; products fit in 128 bits.
        auto operand = [&rng]() {
            const int digits = 1 + static_cast<int>(rng() % 18);
            __int128 v = 0;
            for (int d = 0; d < digits; ++d)
                v = v * 10 + static_cast<int>(rng() % 10);
            return rng() % 2 ? -v : v;
        };
        const __int128 a = operand(), b = operand();
        const std::string ta = text(a), tb = text(b);
        SCOPED_TRACE(ta + " " + tb);
        ASSERT_EQ(BigAdd(ta, tb), text(a + b));
        ASSERT_EQ(BigSub(ta, tb), text(a - b));
        ASSERT_EQ(BigMul(ta, tb), text(a * b));
        ASSERT_EQ(BigCompare(ta, tb), a < b ? -1 : a > b ? 1 : 0);
        if (b != 0) {
            const BigQuotient qr = BigDivMod(ta, tb);
            ASSERT_EQ(qr.quotient, text(a / b)); // C++ division truncates, as the calculator does
            ASSERT_EQ(qr.remainder, text(a % b));
        }
        ASSERT_EQ(BigHexToDec(BigToHex(ta)), ta);
    }
}

TEST(BigNum, LongOperandsKeepTheDivisionIdentity)
{
    std::mt19937_64 rng(7);
    for (int i = 0; i < 50; ++i) {
        auto operand = [&rng](size_t digits) {
            std::string s(1, static_cast<char>('1' + rng() % 9));
            while (s.size() < digits)
                s += static_cast<char>('0' + rng() % 10);
            return rng() % 2 ? "-" + s : s;
        };
        const std::string a = operand(200 + rng() % 300), b = operand(1 + rng() % 200);
        const BigQuotient qr = BigDivMod(a, b);
        EXPECT_EQ(BigAdd(BigMul(qr.quotient, b), qr.remainder), a);
        EXPECT_LT(BigCompare(qr.remainder[0] == '-' ? qr.remainder.substr(1) : qr.remainder,
                             b[0] == '-' ? b.substr(1) : b),
                  0);
    }
}

} // namespace
