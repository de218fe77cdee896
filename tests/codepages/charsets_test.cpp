#include "codepages/charsets.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

using namespace zuk::codepages;

namespace {

// A code page, the golden file made from iconv's decoding of its 256 bytes
// (tests/codepages/data/iconv/make_tables.sh) and iconv's name for it.
struct GoldenTable {
    CodePage cp;
    const char* file;
    const char* iconvName;
};

const GoldenTable kGolden[] = {
    {CodePage::Win, "cp1251.txt", "CP1251"},
    {CodePage::Dos, "cp866.txt", "CP866"},
    {CodePage::Koi, "koi8-r.txt", "KOI8-R"},
    {CodePage::Mac, "maccyrillic.txt", "MACCYRILLIC"},
    {CodePage::Iso, "iso-8859-5.txt", "ISO-8859-5"},
};

// The bytes where the table knowingly differs from iconv, with what it holds:
// - Windows-1251 leaves 98h undefined; the table gives it the C1 control of
//   the same number, so that every byte still decodes to a distinct character
//   and a document holding it is written back unchanged.
// - iconv's Mac Cyrillic is the table of before Mac OS 9, with the currency
//   sign at FFh; Apple's table since then has the euro sign there.
struct Deviation {
    CodePage cp;
    int byte;
    char16_t table;
};
const Deviation kDeviations[] = {
    {CodePage::Win, 0x98, 0x0098},
    {CodePage::Mac, 0xFF, 0x20AC},
};

// The golden file as byte -> character; nothing for a byte iconv cannot decode.
std::map<int, std::optional<char16_t>> readGolden(const char* file)
{
    std::ifstream in(std::string(ZUK_SOURCE_DIR) + "/tests/codepages/data/iconv/" + file);
    std::map<int, std::optional<char16_t>> table;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string byte, value;
        fields >> byte >> value;
        const int b = std::stoi(byte, nullptr, 16);
        if (value == "undefined")
            table[b] = std::nullopt;
        else
            table[b] = static_cast<char16_t>(std::stoi(value, nullptr, 16));
    }
    return table;
}

const Deviation* deviationAt(CodePage cp, int b)
{
    for (const Deviation& d : kDeviations)
        if (d.cp == cp && d.byte == b)
            return &d;
    return nullptr;
}

bool haveIconv()
{
    return std::system("command -v iconv >/dev/null 2>&1") == 0;
}

} // namespace

TEST(Charsets, EveryTableIsTheOneIconvDecodes)
{
    for (const GoldenTable& g : kGolden) {
        SCOPED_TRACE(g.file);
        const auto golden = readGolden(g.file);
        ASSERT_EQ(golden.size(), 256u);
        const char16_t* table = unicodeTable(g.cp);
        for (int b = 0; b < 256; ++b) {
            const std::optional<char16_t> expected = golden.at(b);
            if (const Deviation* d = deviationAt(g.cp, b)) {
                EXPECT_NE(expected, std::optional<char16_t>(d->table)) << "stale deviation " << b;
                EXPECT_EQ(table[b], d->table) << "byte " << b;
                continue;
            }
            ASSERT_TRUE(expected.has_value()) << "iconv leaves byte " << b << " undefined";
            EXPECT_EQ(table[b], *expected) << "byte " << b;
        }
    }
}

TEST(Charsets, TheBytesIconvCannotMapRoundTripAsTheirControls)
{
    // 98h of Windows-1251 is shown as U+0098 and typed back as 98h, and that
    // character is nowhere else in the table.
    EXPECT_EQ(decodeToUtf8("\x98", CodePage::Win), "\xC2\x98");
    EXPECT_EQ(encodeFromUtf8("\xC2\x98", CodePage::Win), "\x98");
    EXPECT_EQ(encodeChar(0x0098, CodePage::Win), 0x98);
    // The other C1 controls are not in Windows-1251: they become '?'.
    EXPECT_EQ(encodeFromUtf8("\xC2\x97", CodePage::Win), "?");
    // Mac Cyrillic FFh is the euro sign; the old currency sign is not in it.
    EXPECT_EQ(encodeChar(0x20AC, CodePage::Mac), 0xFF);
    EXPECT_EQ(encodeChar(0x00A4, CodePage::Mac), -1);
}

// The golden files against the iconv of this machine, when it has one.
TEST(Charsets, TheGoldenFilesAreWhatIconvSaysNow)
{
    if (!haveIconv())
        GTEST_SKIP() << "no iconv on this machine";
    zuk::testing::TempFolder dir;
    for (const GoldenTable& g : kGolden) {
        SCOPED_TRACE(g.file);
        const auto golden = readGolden(g.file);
        std::string defined;
        for (const auto& [b, c] : golden)
            if (c)
                defined += static_cast<char>(b);
        dir.write("in", defined);
        const std::string command = std::string("iconv -f ") + g.iconvName + " -t UTF-16BE '" +
                                    dir.file("in") + "' > '" + dir.file("out") + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const std::string out = dir.read("out");
        ASSERT_EQ(out.size(), defined.size() * 2);
        for (std::size_t i = 0; i < defined.size(); ++i) {
            const auto unit = static_cast<char16_t>(static_cast<unsigned char>(out[2 * i]) << 8 |
                                                    static_cast<unsigned char>(out[2 * i + 1]));
            EXPECT_EQ(unit, *golden.at(static_cast<unsigned char>(defined[i])))
                << "byte " << int(static_cast<unsigned char>(defined[i]));
        }
        // And iconv still refuses the bytes the file calls undefined.
        for (const auto& [b, c] : golden) {
            if (c)
                continue;
            dir.write("one", std::string(1, static_cast<char>(b)));
            const std::string one = std::string("iconv -f ") + g.iconvName + " -t UTF-16BE '" +
                                    dir.file("one") + "' >/dev/null 2>&1";
            EXPECT_NE(std::system(one.c_str()), 0) << "byte " << b;
        }
    }
}

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
    EXPECT_EQ(encodeFromUtf8("a\xE2\x82\xAC"
                             "b",
                             CodePage::Koi),
              "a?b"); // euro sign: not in KOI8-R
    EXPECT_EQ(encodeFromUtf8("a\xE2\x82\xAC"
                             "b",
                             CodePage::Win),
              "a\x88"
              "b");
    EXPECT_EQ(encodeFromUtf8("\xD0", CodePage::Win), "?");             // cut sequence
    EXPECT_EQ(encodeFromUtf8("\xFF\x80z", CodePage::Win), "??z");      // stray bytes
    EXPECT_EQ(encodeFromUtf8("\xF0\x9F\x98\x80", CodePage::Win), "?"); // outside the BMP
}

// Forms a strict reader refuses: the bytes never stand for the character
// their bits spell, so an overlong slash or letter cannot pass for one.
TEST(Charsets, OverlongSurrogateAndOutOfRangeFormsAreMalformed)
{
    const struct {
        const char* utf8;
        const char* win;
    } rows[] = {
        {"a\xC0\xAF"
         "b",
         "a??b"},                                          // '/' in two bytes
        {"\xC1\x81", "??"},                                // 'A' in two bytes
        {"\xE0\x80\xAF", "???"},                           // '/' in three bytes
        {"\xE0\x83\x90", "???"},                           // 0xD0 in three bytes
        {"\xF0\x80\x90\x90", "????"},                      // U+0410 in four bytes
        {"\xED\xA0\x80", "???"},                           // a high surrogate
        {"\xED\xBF\xBF", "???"},                           // a low surrogate
        {"\xF4\x90\x80\x80", "????"},                      // past U+10FFFF
        {"\xC2\xA0\xD0\x90\xF4\x8F\xBF\xBF", "\xA0\xC0?"}, // shortest forms still read
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::PrintToString(std::string(r.utf8)));
        EXPECT_EQ(encodeFromUtf8(r.utf8, CodePage::Win), r.win);
    }
}
