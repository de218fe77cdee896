#include <gtest/gtest.h>

#include "editor/typedchar.h"

using zuk::codepages::CodePage;
using zuk::editor::caseInCodePage;
using zuk::editor::TypedCharMapper;

TEST(TypedChar, LettersAreStoredInTheWorkingCodePage)
{
    struct Case {
        CodePage cp;
        uint8_t typed;
        uint8_t stored;
    };
    const Case cases[] = {
        {CodePage::Koi, 0xFF, 0xD1},                              // я
        {CodePage::Koi, 0xB8, 0xA3},                              // ё
        {CodePage::Koi, 0xA8, 0xB3},                              // Ё
        {CodePage::Koi, 0xC0, 0xE1},                              // А
        {CodePage::Koi, 0xE0, 0xC1},                              // а
        {CodePage::Koi, '7', '7'},   {CodePage::Koi, 0xAB, 0xAB}, // « is no letter: stays
        {CodePage::Dos, 0xD0, 0x90},                              // Р
        {CodePage::Dos, 0xF0, 0xE0},                              // р
        {CodePage::Dos, 0xC0, 0x80},                              // А
        {CodePage::Dos, 0xEF, 0xAF},                              // п
        {CodePage::Dos, 0xFF, 0xEF},                              // я
        {CodePage::Dos, 0xB8, 0xF1},                              // ё
        {CodePage::Dos, 0xA8, 0xF0},                              // Ё
        {CodePage::Dos, 'x', 'x'},   {CodePage::Win, 0xFF, 0xFF},
    };
    for (const Case& c : cases) {
        TypedCharMapper m;
        EXPECT_EQ(m.map(c.typed, c.cp, false), c.stored) << int(c.typed) << " in " << int(c.cp);
    }
}

TEST(TypedChar, AllKoiLettersMatchTheCodePageTable)
{
    for (int b = 0xC0; b <= 0xFF; ++b) {
        const uint8_t koi = TypedCharMapper::winLetterToKoi(static_cast<uint8_t>(b));
        EXPECT_EQ(zuk::codepages::unicodeTable(CodePage::Koi)[koi],
                  zuk::codepages::unicodeTable(CodePage::Win)[b]);
    }
}

TEST(TypedChar, QuotesAlternateStartingWithTheLeftOneAndFollowTheCodePage)
{
    TypedCharMapper m;
    EXPECT_EQ(m.map('"', CodePage::Win, true), 0xAB);
    EXPECT_EQ(m.map('"', CodePage::Win, true), 0xBB);
    EXPECT_EQ(m.map('a', CodePage::Win, true), 'a');
    EXPECT_EQ(m.map('"', CodePage::Win, true), 0xAB);
    EXPECT_EQ(m.map('"', CodePage::Win, false), '"'); // option off: untouched, toggle kept
    EXPECT_EQ(m.quoteToggle(), 0xAB);
    // In KOI8-R the guillemets are not letters, their bytes pass unchanged.
    EXPECT_EQ(m.map('"', CodePage::Koi, true), 0xBB);
}

TEST(TypedChar, UnicodeCharactersBecomeWindows1251BytesOrQuestionMark)
{
    EXPECT_EQ(TypedCharMapper::winByteOf(U'я'), 0xFF);
    EXPECT_EQ(TypedCharMapper::winByteOf(U'Ё'), 0xA8);
    EXPECT_EQ(TypedCharMapper::winByteOf(U'a'), 'a');
    EXPECT_EQ(TypedCharMapper::winByteOf(U'€'), 0x88);
    EXPECT_EQ(TypedCharMapper::winByteOf(U'\u4e2d'), '?');
}

TEST(TypedChar, CaseWorksOnTheLettersOfEveryWorkingCodePage)
{
    // "Ёж x" in each code page, upper and lower.
    const std::string winLower = "\xB8\xE6 x", winUpper = "\xA8\xC6 X";
    EXPECT_EQ(caseInCodePage(winLower, CodePage::Win, true), winUpper);
    EXPECT_EQ(caseInCodePage(winUpper, CodePage::Win, false), winLower);
    const std::string koiLower = "\xA3\xD6 x", koiUpper = "\xB3\xF6 X";
    EXPECT_EQ(caseInCodePage(koiLower, CodePage::Koi, true), koiUpper);
    EXPECT_EQ(caseInCodePage(koiUpper, CodePage::Koi, false), koiLower);
    const std::string dosLower = "\xF1\xA6 x", dosUpper = "\xF0\x86 X";
    EXPECT_EQ(caseInCodePage(dosLower, CodePage::Dos, true), dosUpper);
    EXPECT_EQ(caseInCodePage(dosUpper, CodePage::Dos, false), dosLower);
    // Box-drawing bytes of CP866 are no letters and must survive.
    const std::string box = "\xB0\xC4\xDB";
    EXPECT_EQ(caseInCodePage(box, CodePage::Dos, true), box);
}
