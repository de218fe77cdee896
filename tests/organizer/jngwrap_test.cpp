// A JNG picture wrapped as the one-frame MNG stream that MNG readers take.

#include "io/safefile.h"
#include "organizer/jngwrap.h"

#include <gtest/gtest.h>

using zuk::organizer::wrapJngAsMng;

TEST(JngWrap, TheJngChunksGoBetweenAnMhdrOfItsSizeAndMend)
{
    const std::string jng =
        zuk::io::readFileBytes(ZUK_SOURCE_DIR "/tests/data/organizer/still.jng");
    const std::optional<std::string> mng = wrapJngAsMng(jng);
    ASSERT_TRUE(mng.has_value());
    EXPECT_EQ(mng->substr(0, 8), "\x8AMNG\r\n\x1A\n");
    // MHDR: 28 bytes, the picture's 12 × 8 first.
    EXPECT_EQ(mng->substr(8, 8), std::string("\0\0\0\x1CMHDR", 8));
    EXPECT_EQ(mng->substr(16, 8), std::string("\0\0\0\x0C\0\0\0\x08", 8));
    EXPECT_EQ(mng->substr(8 + 12 + 28, jng.size() - 8), jng.substr(8));
    // MEND with the CRC of its type alone.
    EXPECT_EQ(mng->substr(mng->size() - 12), std::string("\0\0\0\0MEND\x21\x20\xF7\xD5", 12));

    EXPECT_FALSE(wrapJngAsMng("").has_value());
    EXPECT_FALSE(wrapJngAsMng(jng.substr(0, 30)).has_value());
    std::string png = jng;
    png[1] = 'P';
    EXPECT_FALSE(wrapJngAsMng(png).has_value());
}
