// The five character tables of the hex editor against iconv, and what the
// character area shows and accepts.

#include "hexedit/translation.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace zuk::hexedit;

namespace {

const char* iconvName(Translation t)
{
    switch (t) {
    case Translation::Ansi:
        return "CP1251";
    case Translation::Dos8:
        return "CP866";
    case Translation::ASCII:
        return "ASCII";
    case Translation::Mac:
        return "MACINTOSH";
    case Translation::EBCDIC:
        return "CP037";
    }
    return "";
}

bool haveIconv()
{
    return std::system("command -v iconv >/dev/null 2>&1") == 0;
}

// iconv's decoding of `bytes` as UTF-32BE code points; false when it
// refuses them. With `dropUndecodable` it skips the bytes it cannot decode.
bool iconvDecode(const zuk::testing::TempFolder& dir, const char* from, const std::string& bytes,
                 bool dropUndecodable, std::u32string& out)
{
    dir.write("in", bytes);
    const std::string command = std::string("iconv ") + (dropUndecodable ? "-c " : "") + "-f " +
                                from + " -t UTF-32BE '" + dir.file("in") + "' > '" +
                                dir.file("out") + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0 && !dropUndecodable)
        return false;
    const std::string raw = dir.read("out");
    out.clear();
    for (std::size_t i = 0; i + 3 < raw.size(); i += 4) {
        char32_t c = 0;
        for (std::size_t k = 0; k < 4; ++k)
            c = c << 8 | static_cast<unsigned char>(raw[i + k]);
        out += c;
    }
    return true;
}

} // namespace

// Every byte the table has decodes as iconv decodes it; and iconv, told to
// skip what it cannot decode, gives for all 256 bytes just those characters,
// so the bytes the table lacks are exactly the ones iconv refuses.
TEST(HexTranslation, EveryTableIsWhatIconvDecodesForAll256Bytes)
{
    if (!haveIconv())
        GTEST_SKIP() << "no iconv on this machine";
    zuk::testing::TempFolder dir;
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    for (Translation t : kTranslations) {
        SCOPED_TRACE(translationName(t));
        std::string defined;
        std::u32string expected;
        for (int b = 0; b < 256; ++b)
            if (const auto c = tableChar(t, static_cast<std::uint8_t>(b))) {
                defined += static_cast<char>(b);
                expected += *c;
            }
        std::u32string decoded;
        ASSERT_TRUE(iconvDecode(dir, iconvName(t), defined, false, decoded));
        ASSERT_EQ(decoded.size(), expected.size());
        for (std::size_t i = 0; i < decoded.size(); ++i)
            EXPECT_EQ(static_cast<unsigned>(decoded[i]), static_cast<unsigned>(expected[i]))
                << "byte " << static_cast<int>(static_cast<unsigned char>(defined[i]));
        ASSERT_TRUE(iconvDecode(dir, iconvName(t), all, true, decoded));
        EXPECT_EQ(decoded, expected);
    }
}

TEST(HexTranslation, ControlsAndBytesWithoutCharacterShowAsTheMask)
{
    for (Translation t :
         {Translation::Ansi, Translation::Dos8, Translation::ASCII, Translation::Mac})
        for (int b = 0; b < 0x20; ++b)
            EXPECT_EQ(shownChar(t, static_cast<std::uint8_t>(b), true, U'.'), U'.') << b;
    // Masking off: control pictures instead, never a raw control.
    EXPECT_EQ(shownChar(Translation::Ansi, 0x00, false, U'.'), U'\u2400');
    EXPECT_EQ(shownChar(Translation::Ansi, 0x0A, false, U'.'), U'\u240A');
    // DEL, the C1 controls, private use and missing characters: the mask always.
    EXPECT_EQ(shownChar(Translation::Ansi, 0x7F, false, U'*'), U'*');
    EXPECT_EQ(shownChar(Translation::Ansi, 0x98, false, U'*'), U'*');
    EXPECT_EQ(shownChar(Translation::ASCII, 0xC0, false, U'*'), U'*');
    EXPECT_EQ(shownChar(Translation::Mac, 0xF0, false, U'*'), U'*');
    EXPECT_EQ(shownChar(Translation::EBCDIC, 0x04, false, U'*'), U'*'); // U+009C
    EXPECT_EQ(shownChar(Translation::EBCDIC, 0x25, true, U'*'), U'*');  // line feed
    // The letters of each code page.
    EXPECT_EQ(shownChar(Translation::Ansi, 0x41, true, U'.'), U'A');
    EXPECT_EQ(shownChar(Translation::Ansi, 0xDF, true, U'.'), U'Я');
    EXPECT_EQ(shownChar(Translation::Dos8, 0x9F, true, U'.'), U'Я');
    EXPECT_EQ(shownChar(Translation::Mac, 0x80, true, U'.'), U'Ä');
    EXPECT_EQ(shownChar(Translation::EBCDIC, 0xC1, true, U'.'), U'A');
}

TEST(HexTranslation, EveryShownCharacterTypesBackToItsByte)
{
    for (Translation t : kTranslations) {
        SCOPED_TRACE(translationName(t));
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<std::uint8_t>(b);
            const char32_t c = shownChar(t, byte, true, 0);
            if (c == 0)
                continue; // masked: nothing to type
            EXPECT_EQ(byteForChar(t, c), std::optional<std::uint8_t>(byte)) << b;
        }
        EXPECT_EQ(byteForChar(t, U'\t'), std::nullopt);
        EXPECT_EQ(byteForChar(t, U'\u0085'), std::nullopt);
    }
    EXPECT_EQ(byteForChar(Translation::ASCII, U'Я'), std::nullopt);
    EXPECT_EQ(byteForChar(Translation::Mac, U'Я'), std::nullopt);
    EXPECT_EQ(byteForChar(Translation::Ansi, U'€'), std::optional<std::uint8_t>(0x88));
}

TEST(HexTranslation, NamesReadBackAndUnknownOnesAreRefused)
{
    for (Translation t : kTranslations)
        EXPECT_EQ(translationFromName(translationName(t)), t);
    EXPECT_EQ(translationFromName("ttansi"), std::nullopt);
    EXPECT_EQ(translationFromName(""), std::nullopt);
}
