#include <gtest/gtest.h>

#include "editor/doctext.h"

using namespace zuk::editor;

TEST(DocText, EveryKindOfBreakBecomesCrLf)
{
    struct Case {
        std::string text, normalized;
    };
    const Case cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"\r", "\r\n"},
        {"\n\n", "\r\n\r\n"},
        {"\r\r\n\n", "\r\n\r\n\r\n"},
        {"a\r\nb", "a\r\nb"},
        {std::string("a\0\nb", 4), std::string("a\0\r\nb", 5)},
        {std::string(100000, 'x') + "\n" + std::string(3, 'y'),
         std::string(100000, 'x') + "\r\n" + std::string(3, 'y')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(normalizeBreaks(c.text), c.normalized)
            << testing::PrintToString(c.text.substr(0, 20));
    // Many lone breaks: the result grows past its first reservation.
    EXPECT_EQ(normalizeBreaks(std::string(1000, '\n')).size(), 2000u);
}
