#include "tools/bytefinder.h"
#include "tools/replace.h"
#include "tools/searchtexts.h"
#include "tools/textsearch.h"

#include "codepages/charsets.h"
#include "textfunc/casefunctions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace zuk::tools;
using zuk::codepages::CodePage;
using zuk::codepages::encodeFromUtf8;
using zuk::codepages::utf8ToWin;

namespace {

std::vector<std::size_t> starts(const TextSearch& search, const std::string& bytes,
                                CodePage cp = CodePage::Win)
{
    const SearchSubject subject(bytes, cp);
    std::vector<std::size_t> out;
    search.forEach(subject, 0, bytes.size(), [&out](const TextMatch& m) {
        out.push_back(m.start);
        return true;
    });
    return out;
}

using Starts = std::vector<std::size_t>;

TEST(TextSearch, LetterCaseFoldsThroughTheCodePageLettersInEveryCodePage)
{
    const std::string text = "Привет, ПРИВЕТ, привет; ЁЖ ёж Ёж";
    for (CodePage cp : {CodePage::Win, CodePage::Dos, CodePage::Koi}) {
        const std::string bytes = encodeFromUtf8(text, cp);
        EXPECT_EQ(starts(TextSearch("привет", {}, cp), bytes, cp), Starts({0, 8, 16}));
        EXPECT_EQ(starts(TextSearch("ёж", {}, cp), bytes, cp), Starts({24, 27, 30}));
        SearchOptions exact;
        exact.matchCase = true;
        EXPECT_EQ(starts(TextSearch("Ёж", exact, cp), bytes, cp), Starts({30}));
    }
    // A character the code page lacks can be in no text of it.
    EXPECT_TRUE(starts(TextSearch("€", {}, CodePage::Koi), "\x80", CodePage::Koi).empty());
    EXPECT_TRUE(starts(TextSearch("", {}, CodePage::Win), "abc").empty());
}

TEST(TextSearch, WholeWordsKnowCyrillicLettersDigitsAndUnderscore)
{
    SearchOptions words;
    words.wholeWords = true;
    const std::string bytes = utf8ToWin("кот котик скот кот_1 кот. (Кот)");
    EXPECT_EQ(starts(TextSearch("кот", words, CodePage::Win), bytes), Starts({0, 21, 27}));
    words.regex = true;
    EXPECT_EQ(starts(TextSearch("к.т", words, CodePage::Win), bytes), Starts({0, 21, 27}));
}

TEST(TextSearch, ForwardBackwardAndScopesOnPlainAndRegexPatterns)
{
    const std::string bytes = "one two one two one";
    const SearchSubject subject(bytes, CodePage::Win);
    for (bool regex : {false, true}) {
        SearchOptions options;
        options.regex = regex;
        const TextSearch search("one", options, CodePage::Win);
        EXPECT_EQ(search.next(subject, 1, bytes.size())->start, 8u) << regex;
        EXPECT_FALSE(search.next(subject, 9, 18)) << regex; // the scope ends inside the last one
        EXPECT_EQ(search.previous(subject, 0, 16)->start, 8u) << regex;
        EXPECT_EQ(search.previous(subject, 0, 19)->start, 16u) << regex;
        EXPECT_FALSE(search.previous(subject, 1, 10)) << regex;
        EXPECT_TRUE(search.matchAt(subject, 8, 11)) << regex;
        EXPECT_FALSE(search.matchAt(subject, 8, 10)) << regex;
    }
}

TEST(TextSearch, RegexLinesEndAtCrLfAndGroupsGoIntoTheReplacement)
{
    SearchOptions options;
    options.regex = true;
    // CR LF is one line end: ^ and $ and . see it so; nothing matches inside it.
    const std::string bytes = utf8ToWin("Иван Петров\r\nпётр иванов\r\nx");
    EXPECT_EQ(starts(TextSearch("^\\w+", options, CodePage::Win), bytes), Starts({0, 13, 26}));
    EXPECT_EQ(starts(TextSearch("\\w$", options, CodePage::Win), bytes), Starts({10, 23, 26}));
    EXPECT_EQ(starts(TextSearch("^$", options, CodePage::Win), "a\r\n\r\nb"), Starts({3}));
    EXPECT_EQ(starts(TextSearch("ПЁТР", options, CodePage::Win), bytes), Starts({13}));

    const TextSearch swap("(\\w+) (\\w+)", options, CodePage::Win);
    const SearchSubject subject(bytes, CodePage::Win);
    const auto m = swap.next(subject, 0, bytes.size());
    ASSERT_TRUE(m);
    EXPECT_EQ(swap.expand(subject, *m, "$2, \\1 ${1}$$\\\\$9\\n"),
              utf8ToWin("Петров, Иван Иван$\\$9\r\n"));
    // Plain mode takes the replacement as it is.
    const TextSearch plain("Иван", {}, CodePage::Win);
    EXPECT_EQ(plain.expand(subject, *plain.next(subject, 0, bytes.size()), "$1\\n"), "$1\\n");

    // The same in KOI8-R: offsets are bytes of the document, not of UTF-8.
    const std::string koi = encodeFromUtf8("ёж и ЁЖ", CodePage::Koi);
    EXPECT_EQ(starts(TextSearch("ЁЖ", options, CodePage::Koi), koi, CodePage::Koi), Starts({0, 5}));
}

TEST(TextSearch, EmptyRegexMatchesAdvanceAndBadExpressionsSaySo)
{
    SearchOptions options;
    options.regex = true;
    EXPECT_EQ(starts(TextSearch("x*", options, CodePage::Win), "axxb"), Starts({0, 1, 3, 4}));
    EXPECT_EQ(starts(TextSearch("\\b", options, CodePage::Win), utf8ToWin("ab вг")),
              Starts({0, 2, 3, 5}));
    try {
        TextSearch("a(b", options, CodePage::Win);
        FAIL() << "no error";
    } catch (const SearchError& e) {
        EXPECT_EQ(e.text().key, "sRegexError");
    }
}

TEST(TextSearch, LongTextsAndOffsetsFarFromTheStart)
{
    // Offsets past the sparse marks of the UTF-8 map, in a text of two-byte characters.
    std::string bytes(30000, '\xE0'); // 'а'
    bytes.replace(29000, 6, utf8ToWin("ёжикиЖ"));
    const SearchSubject subject(bytes, CodePage::Win);
    for (bool regex : {false, true}) {
        SearchOptions options;
        options.regex = regex;
        const TextSearch search("ЁЖИК", options, CodePage::Win);
        const auto m = search.next(subject, 100, bytes.size());
        ASSERT_TRUE(m);
        EXPECT_EQ(m->start, 29000u);
        EXPECT_EQ(m->end, 29004u);
        EXPECT_EQ(search.previous(subject, 0, bytes.size())->start, 29000u);
    }
}

TEST(ReplaceAll, LeftToRightWithoutRescanAndEmptyFindChangesNothing)
{
    std::size_t count = 0;
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "a", nullptr, &count), "aa");
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(ReplaceAll("abcabc", "", "x", nullptr, &count), "abcabc");
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(ReplaceAll("abcabc", "b", "", nullptr, &count), "acac");
    const FoldTable fold = zuk::textfunc::Cp1251Lower;
    EXPECT_EQ(ReplaceAll(utf8ToWin("Привет ПРИВЕТ привет"), utf8ToWin("привет"), "x", &fold),
              "x x x");
    EXPECT_EQ(ReplaceAll("ab", "b", "bbbb"), "abbbb");
}

TEST(MultiReplace, RulesApplyInOrderAndTheFirstValueOfANameWins)
{
    const FoldTable fold = zuk::textfunc::Cp1251Lower;
    EXPECT_EQ(MultiReplace("a", parseReplaceList({"a=b", "b=c"}, fold)), "c");
    // Both lines named A take the first one's value; the second still searches "a".
    EXPECT_EQ(MultiReplace("Aa", parseReplaceList({"A=1", "a=2"}, fold)), "11");
    // No "=", an empty name: no rules; a value may hold "=" and may be empty.
    const std::vector<ReplaceRule> rules =
        parseReplaceList({"plain line", "=x", "", "k=v=w", "d="}, fold);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(MultiReplace("k d =x", rules), "v=w  =x");
    std::size_t count = 9;
    EXPECT_EQ(MultiReplace("text", {}, nullptr, &count), "text");
    EXPECT_EQ(count, 0u);
    // A rule finding a line break falls back to whole-text passes and still works.
    EXPECT_EQ(MultiReplace("a\r\nb", {{"\r\n", " "}, {"a b", "ok"}}), "ok");
}

TEST(MultiReplace, GrowthPastTheCapFailsAndLeavesNothingHalfDone)
{
    std::vector<std::string> lines(40, "a=aa");
    try {
        MultiReplace(std::string(1000, 'a'), parseReplaceList(lines, zuk::textfunc::Cp1251Lower));
        FAIL() << "no error";
    } catch (const SearchError& e) {
        EXPECT_EQ(e.text().key, "sReplaceTooBig");
    }
}

// The line-by-line automaton must give exactly what the rules give one by one.
TEST(MultiReplace, SameResultAsRuleByRuleOnRandomTextsAndLists)
{
    std::mt19937 rng(15);
    auto randomText = [&rng](std::size_t most, const char* alphabet) {
        const std::size_t n = rng() % most;
        const std::size_t letters = std::strlen(alphabet);
        std::string s;
        for (std::size_t i = 0; i < n; ++i)
            s += alphabet[rng() % letters];
        return s;
    };
    const FoldTable fold = zuk::textfunc::Cp1251Lower;
    for (int round = 0; round < 3000; ++round) {
        std::vector<ReplaceRule> rules;
        const std::size_t count = 1 + rng() % 6;
        for (std::size_t i = 0; i < count; ++i)
            rules.push_back({randomText(4, "abAB"), randomText(4, "abB\n")});
        const std::string text = randomText(40, "aabbAB\r\n");
        const FoldTable* folding = round % 2 ? &fold : nullptr;
        std::string expected = text;
        for (const ReplaceRule& r : rules)
            expected = ReplaceAll(expected, r.find, r.with, folding);
        std::size_t n = 0;
        ASSERT_EQ(MultiReplace(text, rules, folding, &n), expected) << round;
    }
}

TEST(ByteFinder, ExactFoldedForwardAndBackward)
{
    const std::string text = "xabcxABCxabc";
    const ByteFinder exact("abc");
    EXPECT_EQ(exact.find(text, 0), 1u);
    EXPECT_EQ(exact.find(text, 2), 9u);
    EXPECT_EQ(exact.find(text, 2, 11), ByteFinder::npos);
    EXPECT_EQ(exact.findLast(text, 0, 12), 9u);
    EXPECT_EQ(exact.findLast(text, 0, 11), 1u);
    EXPECT_EQ(exact.findLast(text, 2, 11), ByteFinder::npos);
    const FoldTable fold = zuk::textfunc::Cp1251Lower;
    const ByteFinder folded("ABC", &fold);
    EXPECT_EQ(folded.find(text, 2), 5u);
    EXPECT_EQ(folded.findLast(text, 0, 9), 5u);
    EXPECT_EQ(ByteFinder("x").findLast(text, 0, 8), 4u);
    EXPECT_EQ(ByteFinder().find(text, 0), ByteFinder::npos);
}

} // namespace
