#include "textfunc/casefunctions.h"

#include "codepages/charsets.h"

#include <gtest/gtest.h>

#include <string>

using namespace zuk::textfunc;
using zuk::codepages::utf8ToWin;

namespace {

struct CaseRow {
    const char* name;
    std::string input;
    std::string upper;
    std::string lower;
};

std::string allBytes()
{
    std::string s;
    for (int i = 0; i < 256; ++i)
        s.push_back(static_cast<char>(i));
    return s;
}

// Written in UTF-8 and converted, so the Windows-1251 bytes never appear as literals.
const CaseRow kCaseRows[] = {
    {"empty", "", "", ""},
    {"ascii", "Hello, World 42!", "HELLO, WORLD 42!", "hello, world 42!"},
    {"russian", utf8ToWin("Съешь же ещё этих мягких булок"),
     utf8ToWin("СЪЕШЬ ЖЕ ЕЩЁ ЭТИХ МЯГКИХ БУЛОК"), utf8ToWin("съешь же ещё этих мягких булок")},
    {"yo", utf8ToWin("ёж Ёж"), utf8ToWin("ЁЖ ЁЖ"), utf8ToWin("ёж ёж")},
    {"alphabet edges", utf8ToWin("аяАЯ"), utf8ToWin("АЯАЯ"), utf8ToWin("аяая")},
    // The basic mapping leaves the other letters of the code page alone.
    {"ukrainian letters untouched", utf8ToWin("їжак Їжак ґ Ґ є Є і І"),
     utf8ToWin("їЖАК ЇЖАК ґ Ґ є Є і І"), utf8ToWin("їжак Їжак ґ Ґ є Є і І")},
    {"punctuation and digits", "[\\]^_`{|}~@ 0123456789\r\n\t",
     "[\\]^_`{|}~@ 0123456789\r\n\t", "[\\]^_`{|}~@ 0123456789\r\n\t"},
    {"quotes and dashes", "\xAB\xBB\x96\x97\xB9\xB5", "\xAB\xBB\x96\x97\xB9\xB5",
     "\xAB\xBB\x96\x97\xB9\xB5"},
    {"zero bytes", std::string("a\0b", 3), std::string("A\0B", 3), std::string("a\0b", 3)},
};

TEST(CaseFunctions, UpperAndLowerByTable)
{
    for (const CaseRow& row : kCaseRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(UpperCaseText(row.input), row.upper);
        EXPECT_EQ(LowerCaseText(row.input), row.lower);
    }
}

TEST(CaseFunctions, BasicMappingChangesExactlyTheKnownLetters)
{
    const std::string bytes = allBytes();
    const std::string upper = UpperCaseText(bytes);
    const std::string lower = LowerCaseText(bytes);
    int changedUp = 0, changedDown = 0;
    for (int i = 0; i < 256; ++i) {
        const bool isLowerLetter = (i >= 'a' && i <= 'z') || i >= 0xE0 || i == 0xB8;
        const bool isUpperLetter = (i >= 'A' && i <= 'Z') || (i >= 0xC0 && i <= 0xDF) || i == 0xA8;
        changedUp += upper[i] != bytes[i];
        changedDown += lower[i] != bytes[i];
        EXPECT_EQ(upper[i] != bytes[i], isLowerLetter) << "byte " << i;
        EXPECT_EQ(lower[i] != bytes[i], isUpperLetter) << "byte " << i;
    }
    EXPECT_EQ(changedUp, 26 + 32 + 1);
    EXPECT_EQ(changedDown, 26 + 32 + 1);
}

TEST(CaseFunctions, RoundTripsRestoreText)
{
    const std::string upper = utf8ToWin("ПРИВЕТ, МИР! ЁЛКА. ABC xyz");
    EXPECT_EQ(UpperCaseText(LowerCaseText(upper)), UpperCaseText(upper));
    const std::string cyrUpper = utf8ToWin("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    EXPECT_EQ(UpperCaseText(LowerCaseText(cyrUpper)), cyrUpper);
    EXPECT_EQ(LowerCaseText(cyrUpper), utf8ToWin("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"));
}

TEST(CaseFunctions, FullTablesCoverEveryLetterPair)
{
    // Every case pair the code page has, as Unicode decides it, and nothing else
    // except µ, which has no upper-case partner in the code page.
    const char16_t* uni = zuk::codepages::unicodeTable(zuk::codepages::CodePage::Win);
    int pairs = 0;
    for (int up = 0; up < 256; ++up) {
        const unsigned char low = Cp1251Lower[up];
        if (low == up)
            continue;
        ++pairs;
        EXPECT_EQ(Cp1251Upper[low], up) << "byte " << up;
        // Cyrillic and Latin letters: lower case is upper + 0x20 (Latin, А..я)
        // or +0x50 (Ѐ..Џ block) or +1 (Ґ ґ) in Unicode.
        const int du = uni[low] - uni[up];
        EXPECT_TRUE(du == 0x20 || du == 0x50 || du == 1) << "byte " << up;
    }
    EXPECT_EQ(pairs, 26 + 32 + 1 + 14);
    EXPECT_EQ(Cp1251Upper[0xB5], 0xB5);
    EXPECT_EQ(Cp1251Lower[0xB5], 0xB5);
    EXPECT_EQ(Cp1251Upper[0xBF], 0xAF);
    EXPECT_EQ(Cp1251Upper[0xB4], 0xA5);
    EXPECT_EQ(Cp1251Lower[0xA3], 0xBC);
}

} // namespace
