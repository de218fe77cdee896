#include "io/nocase.h"

#include <gtest/gtest.h>

using namespace zuk::io;

namespace {

TEST(NoCase, Windows1251AndUtf8Folding)
{
    struct Case {
        unsigned char upper, lower;
    } pairs[] = {
        {'A', 'a'},   {'Z', 'z'},   {0xC0, 0xE0}, {0xDF, 0xFF}, {0xA8, 0xB8}, // А а, Я я, Ё ё
        {0xB2, 0xB3}, {0xAF, 0xBF}, {0xAA, 0xBA}, {0xA5, 0xB4}, {0xA1, 0xA2}, // І Ї Є Ґ Ў
        {0x80, 0x90}, {0x8A, 0x9A}, {0x8F, 0x9F}, {0xA3, 0xBC}, {0xBD, 0xBE}, // Ђ Љ Џ Ј Ѕ
    };
    for (const Case& c : pairs) {
        EXPECT_EQ(static_cast<unsigned char>(lowerWin(static_cast<char>(c.upper))), c.lower)
            << int(c.upper);
        EXPECT_EQ(static_cast<unsigned char>(lowerWin(static_cast<char>(c.lower))), c.lower)
            << int(c.lower);
    }
    for (int other : {0x31, 0x5B, 0x3D, 0, 0xAB, 0xB9, 0xA0, 0x98, 0xFF}) // « № nbsp
        EXPECT_EQ(static_cast<unsigned char>(lowerWin(static_cast<char>(other))), other)
            << int(other);
    EXPECT_TRUE(equalNoCaseWin("Main\xC8\xEC\xFF", "MAIN\xE8\xCC\xDF"));
    EXPECT_FALSE(equalNoCaseWin("Main", "Mains"));

    EXPECT_EQ(lowerUtf8("Engine/Русские ПОСЛОВИЦЫ Ёж Ґ"), "engine/русские пословицы ёж ґ");
    EXPECT_EQ(lowerUtf8("\xC3\x84\xFF\xD0"), "\xC3\x84\xFF\xD0"); // Ä kept, broken bytes kept
    EXPECT_TRUE(equalNoCaseUtf8("LANG", "lang"));
}

} // namespace
