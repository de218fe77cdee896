#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/layoutruns.h"
#include "organizer/utf8text.h"

using zuk::editor::fillLayoutRunStyles;

namespace {

// The runs as the text split at every change of style.
std::vector<std::string> runs(const std::string& utf8)
{
    std::string styles(utf8.size(), '?');
    fillLayoutRunStyles(utf8, styles.data());
    std::vector<std::string> out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        EXPECT_TRUE(styles[i] == zuk::editor::kRunStyleA || styles[i] == zuk::editor::kRunStyleB);
        if (i == 0 || styles[i] != styles[i - 1])
            out.emplace_back();
        out.back() += utf8[i];
    }
    return out;
}

} // namespace

TEST(LayoutRuns, EveryLetterOfSimpleScriptsIsARunOfItsOwnBytes)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(runs("Ab ё№"), (V{"A", "b", " ", "ё", "№"}));
    EXPECT_EQ(runs("Ωж—€┼"), (V{"Ω", "ж", "—", "€", "┼"}));
    EXPECT_EQ(runs(""), V{});
    // The same text gives the same styles wherever a restyling starts.
    std::string a(6, 0), b(6, 0);
    fillLayoutRunStyles("абв", a.data());
    fillLayoutRunStyles("абв", b.data());
    EXPECT_EQ(a, b);
}

TEST(LayoutRuns, JoiningCharactersStayWithTheCharacterBefore)
{
    using V = std::vector<std::string>;
    // A stress mark, a Cyrillic combining mark and a joiner belong to their letter.
    EXPECT_EQ(runs("е\u0301т"), (V{"е\u0301", "т"}));
    EXPECT_EQ(runs("а\u0483б"), (V{"а\u0483", "б"}));
    EXPECT_EQ(runs("a\u200Db"), (V{"a\u200D", "b"}));
    // A shaping script is measured as one piece with the letter before it.
    EXPECT_EQ(runs("xسلام y"), (V{"xسلام", " ", "y"}));
    EXPECT_EQ(runs("中文"), (V{"中文"}));
    // A four-byte character is one character.
    EXPECT_EQ(runs("a😀"), (V{"a😀"}));
}

TEST(LayoutRuns, BytesThatAreNotUtf8AreEachARun)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(runs("a\xFF\xC0z"), (V{"a", "\xFF", "\xC0", "z"}));
    // A sequence cut short: its lead byte alone, then what follows.
    EXPECT_EQ(runs("\xD0"
                   "b"),
              (V{"\xD0", "b"}));
    EXPECT_EQ(runs("x\xE2\x82"), (V{"x", "\xE2", "\x82"}));
}

TEST(LayoutRuns, StylingInPiecesGivesTheStylesOfStylingAtOnce)
{
    const std::string text = "Жёлтый е\u0301ж, x\xFFy — сорок два";
    std::string whole(text.size(), 0);
    fillLayoutRunStyles(text, whole.data());
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        // Pieces are cut at character starts only.
        if (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            continue;
        std::string pieces(text.size(), 0);
        const char last = fillLayoutRunStyles(std::string_view(text).substr(0, cut), pieces.data());
        fillLayoutRunStyles(std::string_view(text).substr(cut), pieces.data() + cut, last);
        EXPECT_EQ(pieces, whole) << cut;
    }
}

// Every code point of the Basic Multilingual Plane and beyond, alone and
// between letters, starts a run exactly when it can be measured alone (the
// common cases take quicker paths than the rest).
TEST(LayoutRuns, EveryCodePointStartsARunExactlyWhenItMeasuresAlone)
{
    auto utf8 = [](char32_t c) {
        std::string out;
        zuk::organizer::appendUtf8(out, c);
        return out;
    };
    for (char32_t c = 1; c < 0x10400; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const std::string text = "a" + utf8(c) + "b";
        const std::vector<std::string> expected =
            zuk::editor::measuresAlone(c) ? std::vector<std::string>{"a", utf8(c), "b"}
                                          : std::vector<std::string>{"a" + utf8(c), "b"};
        ASSERT_EQ(runs(text), expected) << std::hex << static_cast<unsigned long>(c);
    }
}
