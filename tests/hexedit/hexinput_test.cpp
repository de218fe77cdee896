// Offsets and option values typed into the hex editor's boxes.

#include "base/zukerror.h"
#include "hexedit/hexinput.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace zuk::hexedit;

namespace {

std::optional<std::uint64_t> offset(const char* text, bool hex)
{
    try {
        return parseOffset(text, hex);
    } catch (const zuk::FormatError&) {
        return std::nullopt;
    }
}

std::optional<int> integer(const char* text)
{
    try {
        return parseInteger(text);
    } catch (const zuk::FormatError&) {
        return std::nullopt;
    }
}

} // namespace

TEST(HexInput, OffsetsFollowTheShownBaseUnlessMarkedHexadecimal)
{
    struct Case {
        const char* text;
        bool hex;
        std::optional<std::uint64_t> value;
    };
    const Case cases[] = {
        {"10", true, 16},
        {"10", false, 10},
        {"0x10", false, 16},
        {"$ff", false, 255},
        {"1Fh", false, 31},
        {"  3fffffff0  ", true, 0x3FFFFFFF0ull},
        {"FFFFFFFFFFFFFFFF", true, 0xFFFFFFFFFFFFFFFFull},
        {"10000000000000000", true, std::nullopt}, // past 64 bits
        {"18446744073709551616", false, std::nullopt},
        {"1A", false, std::nullopt},
        {"", true, std::nullopt},
        {"0x", true, std::nullopt},
        {"h", true, std::nullopt},
        {"-1", true, std::nullopt},
        {"1 2", true, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(offset(c.text, c.hex), c.value) << c.text;
}

TEST(HexInput, OptionFieldsTakeThirtyTwoBitIntegersOnly)
{
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"16", 16},
        {" 8 ", 8},
        {"+3", 3},
        {"-4", -4},
        {"0", 0},
        {"$10", 16},
        {"0x20", 32},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"abc", std::nullopt},
        {"1.5", std::nullopt},
        {"--1", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(integer(c.text), c.value) << c.text;
    try {
        parseInteger("abc");
        FAIL();
    } catch (const zuk::FormatError& e) {
        EXPECT_EQ(std::string(e.what()), "«abc» не является целым числом");
    }
}
