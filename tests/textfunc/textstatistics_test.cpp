#include "textfunc/textstatistics.h"

#include <gtest/gtest.h>

using namespace zuk::textfunc;

namespace {

struct StatCase {
    const char* text;
    std::size_t charsAndSpaces, charsOnly, words;
};

} // namespace

TEST(TextStatistics, CountsCharactersSpacesAndWords)
{
    const StatCase cases[] = {
        {"ab cd\r\n", 5, 4, 2}, // one line, nothing selected: the final break counts
        {"", 0, 0, 0},
        {"   \r\n\r\n", 3, 0, 0},
        {"it's", 4, 4, 1}, // the apostrophe belongs to the word
        {"a\tb", 3, 3, 1}, // the tab is no separator
        {"a,b.c!d?e", 9, 9, 5},
        {"x@y[z]{w}~v`u", 13, 13, 6},
        {"\xEF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0", 10, 9, 2}, // Cyrillic letters are word bytes
        {"--", 2, 2, 0},
    };
    for (const StatCase& c : cases) {
        SCOPED_TRACE(c.text);
        const TextStatistics s = countStatistics(c.text);
        EXPECT_EQ(s.charsAndSpaces(), c.charsAndSpaces);
        EXPECT_EQ(s.charsOnly, c.charsOnly);
        EXPECT_EQ(s.words, c.words);
    }
}

TEST(TextStatistics, SeparatorSetMatchesItsRanges)
{
    for (int c = 0; c < 256; ++c) {
        const bool expected = c == 10 || c == 13 || c == 32 ||
                              (c >= 0x21 && c <= 0x2F && c != 0x27) || (c >= 0x3A && c <= 0x40) ||
                              (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7E);
        EXPECT_EQ(isWordSeparator(static_cast<unsigned char>(c)), expected) << c;
    }
}

TEST(TextStatistics, AuthorSheetsInShortestGeneralForm)
{
    EXPECT_EQ(formatGeneral(countStatistics("ab cd\r\n").authorSheets(), '.'), "0.0001");
    EXPECT_EQ(formatGeneral(0.0, ','), "0");
    EXPECT_EQ(formatGeneral(2.5, ','), "2,5");
    EXPECT_EQ(formatGeneral(1.0 / 3.0, '.'), "0.333333333333333");
    EXPECT_EQ(formatGeneral(40000.0 / 40000.0, '.'), "1");
}
