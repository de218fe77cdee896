#include <gtest/gtest.h>

#include "editor/typedchar.h"

using zuk::codepages::CodePage;
using zuk::editor::caseInCodePage;
using zuk::editor::TypedCharMapper;

TEST(TypedChar, CharactersAreStoredThroughTheWorkingCodePage)
{
    struct Case {
        CodePage cp;
        char32_t typed;
        uint8_t stored;
    };
    const Case cases[] = {
        {CodePage::Koi, U'я', 0xD1},
        {CodePage::Koi, U'ё', 0xA3},
        {CodePage::Koi, U'Ё', 0xB3},
        {CodePage::Koi, U'А', 0xE1},
        {CodePage::Koi, U'а', 0xC1},
        {CodePage::Koi, U'7', '7'},
        {CodePage::Dos, U'Р', 0x90},
        {CodePage::Dos, U'р', 0xE0},
        {CodePage::Dos, U'А', 0x80},
        {CodePage::Dos, U'п', 0xAF},
        {CodePage::Dos, U'я', 0xEF},
        {CodePage::Dos, U'ё', 0xF1},
        {CodePage::Dos, U'Ё', 0xF0},
        {CodePage::Dos, U'x', 'x'},
        {CodePage::Win, U'я', 0xFF},
        {CodePage::Win, U'€', 0x88},
        {CodePage::Win, U'№', 0xB9},
        {CodePage::Win, U'—', 0x97},
        // Symbols take their own code page's byte, not their Windows-1251 one,
        // and become '?' where the code page has none, as pasted ones do.
        {CodePage::Dos, U'№', 0xFC},
        {CodePage::Dos, U'°', 0xF8},
        {CodePage::Dos, U'√', 0xFB},
        {CodePage::Dos, U'€', '?'},
        {CodePage::Dos, U'—', '?'},
        {CodePage::Dos, U'«', '?'},
        {CodePage::Koi, U'№', '?'},
        {CodePage::Koi, U'€', '?'},
        {CodePage::Koi, U'»', '?'},
        {CodePage::Koi, U'©', 0xBF},
        {CodePage::Koi, U'═', 0xA0},
        {CodePage::Win, U'中', '?'},
    };
    for (const Case& c : cases) {
        TypedCharMapper m;
        EXPECT_EQ(m.map(c.typed, c.cp, false), c.stored)
            << "U+" << std::hex << uint32_t(c.typed) << " in "
            << zuk::codepages::codePageName(c.cp);
    }
}

TEST(TypedChar, EveryRussianLetterGetsItsLetterOfTheCodePage)
{
    TypedCharMapper m;
    for (int i = 0; i < 64; ++i) {
        const auto upper = static_cast<char32_t>(U'А' + i); // А..я in order
        // CP866: А..п at 0x80..0xAF, р..я at 0xE0..0xEF.
        const int dos = i < 48 ? 0x80 + i : 0xE0 + (i - 48);
        EXPECT_EQ(m.map(upper, CodePage::Dos, false), dos) << i;
        const uint8_t koi = m.map(upper, CodePage::Koi, false);
        EXPECT_EQ(zuk::codepages::unicodeTable(CodePage::Koi)[koi], upper) << i;
        EXPECT_GE(koi, 0xC0) << i;
    }
}

TEST(TypedChar, QuotesAlternateStartingWithTheLeftOneWhereTheCodePageHasThem)
{
    TypedCharMapper m;
    EXPECT_EQ(m.map(U'"', CodePage::Win, true), 0xAB);
    EXPECT_EQ(m.map(U'"', CodePage::Win, true), 0xBB);
    EXPECT_EQ(m.map(U'a', CodePage::Win, true), 'a');
    EXPECT_EQ(m.map(U'"', CodePage::Win, true), 0xAB);
    EXPECT_EQ(m.map(U'"', CodePage::Win, false), '"'); // option off: untouched, toggle kept
    EXPECT_EQ(m.quoteToggle(), TypedCharMapper::kLeftQuote);
    // KOI8-R and CP866 have no guillemets: the straight quote stays, not a '?'.
    EXPECT_EQ(m.map(U'"', CodePage::Koi, true), '"');
    EXPECT_EQ(m.map(U'"', CodePage::Dos, true), '"');
    EXPECT_EQ(m.quoteToggle(), TypedCharMapper::kLeftQuote);
    EXPECT_EQ(m.map(U'"', CodePage::Win, true), 0xBB);
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
