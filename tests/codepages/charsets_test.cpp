#include "codepages/charsets.h"

#include <gtest/gtest.h>

using namespace zuk::codepages;

TEST(Charsets, EveryByteSurvivesTheRoundTripInEveryCodePage)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    for (CodePage cp : {CodePage::Win, CodePage::Dos, CodePage::Koi, CodePage::Mac, CodePage::Iso})
        EXPECT_EQ(encodeFromUtf8(decodeToUtf8(all, cp), cp), all) << codePageName(cp);
}

TEST(Charsets, RussianLettersLandOnTheirCodePageBytes)
{
    // "Ёжя" in UTF-8.
    const std::string word = "\xD0\x81\xD0\xB6\xD1\x8F";
    EXPECT_EQ(encodeFromUtf8(word, CodePage::Win), "\xA8\xE6\xFF");
    EXPECT_EQ(encodeFromUtf8(word, CodePage::Dos), "\xF0\xA6\xEF");
    EXPECT_EQ(encodeFromUtf8(word, CodePage::Koi), "\xB3\xD6\xD1");
}

TEST(Charsets, UnmappableAndMalformedInputBecomesQuestionMarks)
{
    EXPECT_EQ(encodeFromUtf8("a\xE2\x82\xAC" "b", CodePage::Koi), "a?b");   // euro sign: not in KOI8-R
    EXPECT_EQ(encodeFromUtf8("a\xE2\x82\xAC" "b", CodePage::Win), "a\x88" "b");
    EXPECT_EQ(encodeFromUtf8("\xD0", CodePage::Win), "?");                 // cut sequence
    EXPECT_EQ(encodeFromUtf8("\xFF\x80z", CodePage::Win), "??z");          // stray bytes
    EXPECT_EQ(encodeFromUtf8("\xF0\x9F\x98\x80", CodePage::Win), "?");     // outside the BMP
}
