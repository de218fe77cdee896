#include "textfunc/capitalization.h"
#include "textfunc/collation.h"
#include "textfunc/linefunctions.h"
#include "textfunc/textfunctions.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zuk::textfunc;
using zuk::codepages::utf8ToWin;

namespace {

std::string w(const char* utf8)
{
    return utf8ToWin(utf8);
}

struct TextRow {
    const char* name;
    std::string input;
    std::string expected;
};

template <typename F> void checkRows(F&& f, std::initializer_list<TextRow> rows)
{
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(f(row.input), row.expected);
    }
}

} // namespace

TEST(CaseChanges, InvertCapitalizeFirstAndWords)
{
    checkRows([](std::string_view t) { return InvertCase(t); },
              {
                  {"yo stays", w("ёжик Ёж"), w("ёЖИК ЁЖ")},
                  {"latin and cyrillic", w("aBcАбВ 1!"), w("AbCаБв 1!")},
                  {"other letters untouched", w("їЇ"), w("їЇ")},
              });
    checkRows([](std::string_view t) { return CapitalizeFirst(t); },
              {
                  {"empty", "", ""},
                  {"one byte uses the full table", w("ї"), w("Ї")},
                  {"ukrainian first letter", w("їжак"), w("Їжак")},
                  {"only the first character of the text", w("ПРИВЕТ. МИР"), w("Привет. мир")},
                  {"first not a letter", "1ABC", "1abc"},
              });
    checkRows(
        [](std::string_view t) { return CapitalizeWords(t); },
        {
            {"word breaks", "hello-world it's o'neil (test)", "Hello-World It's O'neil (Test)"},
            {"cyrillic and guillemets are word characters", w("«привет» МИР_мир"),
             w("«привет» Мир_мир")},
            {"digits join words", "1st 2ND", "1st 2nd"},
            {"brace and bar break", "a{b|c}d~e", "A{B|C}D~e"},
        });
}

// In a KOI8-R or CP866 text every case function changes the same letters the
// same way as in Windows-1251, and leaves the characters Windows-1251 lacks
// (box drawing) alone.
TEST(CaseChanges, EveryCaseFunctionWorksInTheTextsCodePage)
{
    using zuk::codepages::CodePage;
    using zuk::codepages::decodeToUtf8;
    using zuk::codepages::encodeFromUtf8;
    const struct {
        const char* name;
        std::string (*fn)(std::string_view, CodePage);
    } functions[] = {
        {"InvertCase", [](std::string_view t, CodePage cp) { return InvertCase(t, cp); }},
        {"CapitalizeFirst", [](std::string_view t, CodePage cp) { return CapitalizeFirst(t, cp); }},
        {"CapitalizeWords", [](std::string_view t, CodePage cp) { return CapitalizeWords(t, cp); }},
        {"Hackerize", [](std::string_view t, CodePage cp) { return Hackerize(t, 5, cp); }},
        {"DeleteWordEverywhere",
         [](std::string_view t, CodePage cp) {
             return DeleteWordEverywhere(t, encodeFromUtf8("ЁЖ", cp), cp);
         }},
    };
    const std::string sample = "привет МИР ёж-Ёж ЁЖИК abc (Щи) ЮЯ юя";
    for (const CodePage cp : {CodePage::Koi, CodePage::Dos}) {
        for (const auto& f : functions) {
            SCOPED_TRACE(std::string(f.name) + " in " + zuk::codepages::codePageName(cp));
            const std::string inWin = f.fn(encodeFromUtf8(sample, CodePage::Win), CodePage::Win);
            const std::string expected = encodeFromUtf8(decodeToUtf8(inWin, CodePage::Win), cp);
            EXPECT_EQ(f.fn(encodeFromUtf8(sample, cp), cp), expected);
        }
        // Bytes whose characters Windows-1251 does not have are never touched.
        std::string others;
        for (int b = 0x80; b < 256; ++b)
            if (zuk::codepages::encodeChar(zuk::codepages::unicodeTable(cp)[b], CodePage::Win) < 0)
                others += static_cast<char>(b);
        ASSERT_GT(others.size(), 40u);
        for (const auto& f : functions)
            EXPECT_EQ(f.fn(others, cp), others) << f.name;
    }
    // The report that started it: in KOI8-R the first-letter command kept the
    // rest of the text as it was and turned ё into a box character.
    EXPECT_EQ(CapitalizeFirst(encodeFromUtf8("привет МИР ёж", CodePage::Koi), CodePage::Koi),
              encodeFromUtf8("Привет мир ёж", CodePage::Koi));
}

TEST(CaseChanges, WordBreakSetMembers)
{
    int members = 0;
    for (int c = 0; c < 256; ++c)
        members += inWordBreakSet(static_cast<unsigned char>(c)) ? 1 : 0;
    EXPECT_EQ(members, 56);
    for (unsigned char c : std::string("\0\t !\"()*+,-./:;<=>?[\\]^{|}", 26))
        EXPECT_TRUE(inWordBreakSet(c)) << int(c);
    for (unsigned char c : std::string("#$%&'@_`~09azAZ\x7E\x7F\xAB\xBB\x97\xE0\xA0"))
        EXPECT_FALSE(inWordBreakSet(c)) << int(c);
}

TEST(CaseChanges, HackerizeIsSeededAndOnlyChangesCase)
{
    const std::string text =
        w("Съешь же ещё этих мягких французских булок, да выпей чаю. ") + "The quick brown fox";
    const std::string a = Hackerize(text, 42);
    EXPECT_EQ(a, Hackerize(text, 42));
    EXPECT_NE(a, Hackerize(text, 43));
    ASSERT_EQ(a.size(), text.size());
    EXPECT_EQ(InvertCase(InvertCase(a)), a);
    // Case folded, the text is the same.
    EXPECT_EQ(CapitalizeWords(a), CapitalizeWords(text));

    // About three letters in five come out upper case.
    const std::string letters(20000, 'a');
    const std::string h = Hackerize(letters, 7);
    const auto upper = std::count(h.begin(), h.end(), 'A');
    EXPECT_NEAR(double(upper) / double(letters.size()), 0.6, 0.02);
    EXPECT_EQ(std::count(h.begin(), h.end(), 'a') + upper, 20000);
}

TEST(LineFunctions, DeleteEncloseNumberReverse)
{
    EXPECT_EQ(DeleteEmptyLines({"a", "", " \t", "b", "\x01"}), (Lines{"a", "b"}));
    EXPECT_EQ(DeleteEmptyLines({}), Lines{});
    EXPECT_EQ(EncloseLines({"a", ""}, "<li>", "</li>"), (Lines{"<li>a</li>", "<li></li>"}));
    EXPECT_EQ(NumberLines({"x", "y", "z"}), (Lines{"1 x", "2 y", "3 z"}));
    EXPECT_EQ(ReverseText("ab\r\ncd"), "dc\n\rba");
    EXPECT_EQ(ReverseLines({"1", "2", "3"}), (Lines{"3", "2", "1"}));
}

TEST(LineFunctions, AnagramsInInsertionOrderWithCount)
{
    const Lines abc = Anagrams("abc");
    EXPECT_EQ(abc, (Lines{"bac", "bca", "cba", "abc", "acb", "cab", w("Найдено 6 анаграмм...")}));
    EXPECT_EQ(Anagrams("aa"), (Lines{"aa", "aa", w("Найдено 2 анаграмм...")}));
    EXPECT_EQ(Anagrams("x"), (Lines{"x", w("Найдено 1 анаграмм...")}));

    const Lines eight = Anagrams("abcdefgh");
    ASSERT_EQ(eight.size(), 40321u);
    Lines sorted(eight.begin(), eight.end() - 1);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end()) << "every ordering once";

    EXPECT_THROW(Anagrams("abcdefghi"), zuk::FormatError);
}

TEST(LineFunctions, DeleteWordEverywhere)
{
    EXPECT_EQ(DeleteWordEverywhere("xABabY", "ab"), "xY");
    EXPECT_EQ(DeleteWordEverywhere("aab", "ab"), "a");
    // Deletion does not look back: what the deletion joins is kept.
    EXPECT_EQ(DeleteWordEverywhere("aabb", "ab"), "ab");
    EXPECT_EQ(DeleteWordEverywhere(w("Ёлка ёлка ЁЛКА ель"), w("ёлка")), w("   ель"));
    EXPECT_EQ(DeleteWordEverywhere(w("Їжак"), w("їж")), w("ак"));
    EXPECT_EQ(DeleteWordEverywhere("abc", ""), "abc");
    EXPECT_EQ(DeleteWordEverywhere("ab", "abc"), "ab");
}

TEST(LineFunctions, SortCollatesCaseInsensitivelyCyrillicAfterLatin)
{
    const Lines sorted = SortLines({w("яблоко"), "banana", w("Ёж"), w("ель"), "Apple", w("жук"),
                                    "10", "!x", w("ежевика"), "apple", w("Ель")});
    EXPECT_EQ(sorted, (Lines{"!x", "10", "apple", "Apple", "banana", w("Ёж"), w("ежевика"),
                             w("ель"), w("Ель"), w("жук"), w("яблоко")}));
    EXPECT_EQ(SortLinesDescending({"b", "a", "c"}), (Lines{"c", "b", "a"}));
    EXPECT_EQ(SortLines({"b", "a", "a", ""}), (Lines{"", "a", "a", "b"}));
    // ё is е at the first level and only breaks ties: ёжа between ежа and ежи.
    EXPECT_EQ(SortLines({w("ежи"), w("ёжа"), w("ежа")}), (Lines{w("ежа"), w("ёжа"), w("ежи")}));
    // Ukrainian letters beside their Russian neighbours.
    EXPECT_EQ(SortLines({w("д"), w("ґ"), w("г"), w("й"), w("і")}),
              (Lines{w("г"), w("ґ"), w("д"), w("і"), w("й")}));
    EXPECT_TRUE(equalIgnoringCase(w("ЁЛКА"), w("елка")));
    EXPECT_FALSE(equalIgnoringCase("ab", "abc"));
}

TEST(LineFunctions, ParagraphsAndQScripts)
{
    EXPECT_EQ(SortParagraphs("b;a;;c", ';'), (Lines{"", "a", "b", "c"}));
    EXPECT_EQ(SplitPieces("a;b;", ';'), (Lines{"a", "b"}));
    EXPECT_EQ(SplitPieces(";", ';'), (Lines{""}));
    EXPECT_EQ(SplitPieces("", ';'), Lines{});
    EXPECT_EQ(QScriptToCommandLine({"a", "b"}), "|a|b");
    EXPECT_EQ(QScriptToCommandLine({}), "");
    EXPECT_EQ(CommandLineToQScript("|a||b|"), (Lines{"", "a", "", "b"}));
}

TEST(TextFunctions, WhitespaceQuotesTagsAndPaths)
{
    checkRows(KillFormat, {
                              {"documented sample", "  a \r\n\r\n\tb  ", "a b"},
                              {"all blank", " \t\r\n", ""},
                              {"empty", "", ""},
                          });
    checkRows(CollapseSpaces, {
                                  {"tabs untouched", "a  \t  b", "a \t b"},
                                  {"leading and trailing runs", "   a   ", " a "},
                              });
    EXPECT_EQ(TabsToSpaces("\ta\t", 3), "   a   ");
    EXPECT_EQ(TabsToSpaces("a\tb", 0), "ab");
    checkRows(StraightToPairedQuotes, {{"three quotes", "\"a\" \"b",
                                        "\xAB"
                                        "a\xBB \xAB"
                                        "b"}});
    checkRows(PairedToStraightQuotes, {{"guillemets",
                                        "\xAB"
                                        "a\xBB",
                                        "\"a\""}});
    checkRows(EscapeLessThan, {{"lt only", "<b>x</b>", "&lt;b>x&lt;/b>"}});
    checkRows(StripTags, {
                             {"tags go", "a<b>c</b>d", "acd"},
                             {"gt before lt stays", "a>b<c", "a>b<c"},
                             {"unclosed last tag stays", "x<i>y<z", "xy<z"},
                             {"entities and breaks stay", "&amp;<p>\r\n", "&amp;\r\n"},
                         });
    checkRows(WinPathToUnix,
              {{"drive", "C:\\dir\\f.txt", "C_/dir/f.txt"}, {"specials", "a\"/<>|b", "a_____b"}});
    EXPECT_EQ(RussianAlphabet().size(), 64u);
    EXPECT_EQ(RussianAlphabet().substr(0, 2), w("АБ"));
    EXPECT_EQ(RussianAlphabet().back(), w("я")[0]);
    EXPECT_EQ(EnglishAlphabet(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz");
    checkRows(UnixPathToWin,
              {{"root", "/usr/local", "\\usr\\local"}, {"specials", "a\":<>\\|b", "a______b"}});
}

TEST(TextFunctions, HardWrap)
{
    struct Row {
        const char* name;
        std::string input;
        int width;
        std::string expected;
    };
    const Row rows[] = {
        {"wraps after the space", "aaaa bbbb cccc", 10, "aaaa bbbb \r\ncccc"},
        {"short text untouched", "aaaa bbbb", 20, "aaaa bbbb"},
        {"long word never split", "abcdefghijkl mn", 5, "abcdefghijkl \r\nmn"},
        {"hyphen is a break", "aaaa-bbbb-cccc", 6, "aaaa-\r\nbbbb-\r\ncccc"},
        {"existing breaks kept", "aa bb\r\ncc dd", 4, "aa \r\nbb\r\ncc \r\ndd"},
        {"quoted text not broken", "a \"b c d e f\" g", 4, "a \r\n\"b c d e f\" \r\ng"},
        {"empty", "", 5, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(HardWrap(row.input, row.width), row.expected);
    }
}
