#include "highlight/clikelexer.h"

#include <gtest/gtest.h>

using namespace zuk::highlight;

namespace {

// One letter per byte: . default, c comment, l line comment, n number,
// f float, k keyword, s string, h character, o operator, i identifier,
// p preprocessor.
std::string styleMap(std::string_view text, const KeywordSet& kw, bool plain,
                     LineState start = LineState::Normal, std::vector<LineState>* ends = nullptr)
{
    std::vector<unsigned char> styles(text.size(), 255);
    std::vector<LineState> lineEnds;
    styleCLike(text, start, kw, plain, styles.data(), ends ? *ends : lineEnds);
    static const char letters[] = ".clnksnoipf";
    std::string out;
    for (unsigned char s : styles) {
        out += s < StyleCount ? letters[s] : '?';
        if (s == StyleCharacter)
            out.back() = 'h';
    }
    return out;
}

KeywordSet words(std::vector<std::string> list, bool caseSensitive)
{
    KeywordSet k;
    k.assign(list, caseSensitive);
    return k;
}

} // namespace

TEST(SchemeLexer, TokenClassesOfCText)
{
    const KeywordSet kw = words({"int", "return"}, true);
    struct Case {
        const char* text;
        const char* styles;
    } cases[] = {
        {"int x = 10;", "kkk.i.o.nno"},   {"Int x", "iii.i"},
        {"a/*b*/c", "iccccci"},           {"x // y", "i.llll"},
        {"s=\"a\\\"b\";", "iosssssso"},   {"'c'+1.5e3", "hhhofffff"},
        {"  # define X", "..pppppppppp"}, {"x # y", "i.o.i"},
        {"0x1F 10L", "nnnn.nnn"},         {"\xD0\xB8\xD0\xBC\xD1\x8F", "iiiiii"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(styleMap(c.text, kw, false), c.styles) << c.text;
}

TEST(SchemeLexer, PlainDecimalNumbersOfHeaderSchemes)
{
    const KeywordSet kw = words({}, true);
    struct Case {
        const char* text;
        const char* styles;
    } cases[] = {
        {"0x1F", "niii"}, {"10L", "nni"},   {"10ul", "nnii"},   {"1.5", "fff"},
        {"1.", "no"},     {"2e10", "ffff"}, {"2E-3", "ffff"},   {"2e", "ni"},
        {"2e+", "nio"},   {".5", "ff"},     {"1.5.2", "fffff"}, {"12i64", "nniii"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(styleMap(c.text, kw, true), c.styles) << c.text;
}

TEST(SchemeLexer, CaseRuleOfTheKeywordLookup)
{
    const KeywordSet nocase = words({"Begin", "\xD0\x9A\xD0\xBE\xD0\xBD\xD0\xB5\xD1\x86"}, false);
    EXPECT_TRUE(nocase.contains("BEGIN"));
    EXPECT_TRUE(nocase.contains("begin"));
    EXPECT_TRUE(nocase.contains("\xD0\xBA\xD0\xBE\xD0\xBD\xD0\xB5\xD1\x86")); // конец
    EXPECT_TRUE(nocase.contains("\xD0\x9A\xD0\x9E\xD0\x9D\xD0\x95\xD0\xA6")); // КОНЕЦ
    EXPECT_FALSE(nocase.contains("Beginning"));

    const KeywordSet exact = words({"Begin", "for each"}, true);
    EXPECT_TRUE(exact.contains("Begin"));
    EXPECT_FALSE(exact.contains("begin"));
    EXPECT_EQ(styleMap("for each", exact, false), "iii.iiii");
}

TEST(SchemeLexer, StateCarriesAcrossLinesAndResumes)
{
    const KeywordSet kw = words({}, true);
    std::vector<LineState> ends;
    EXPECT_EQ(styleMap("a /* b\r\nc\nd */ e\r\n#x \\\ny\nz", kw, false, LineState::Normal, &ends),
              "i.cccc..c.cccc.i..pppp.p.i");
    EXPECT_EQ(ends, (std::vector<LineState>{LineState::BlockComment, LineState::BlockComment,
                                            LineState::Normal, LineState::Preprocessor,
                                            LineState::Normal}));

    // Resuming a line inside a comment or a continued string.
    EXPECT_EQ(styleMap("x */ y", kw, false, LineState::BlockComment), "cccc.i");
    EXPECT_EQ(styleMap("b\" c", kw, false, LineState::String), "ss.i");
    ends.clear();
    EXPECT_EQ(styleMap("\"ab\\\ncd\"", kw, false, LineState::Normal, &ends), "ssss.sss");
    EXPECT_EQ(ends, std::vector<LineState>{LineState::String});
}
