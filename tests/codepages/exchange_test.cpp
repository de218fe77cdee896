#include "codepages/charsets.h"
#include "codepages/exchange.h"
#include "io/tempfolder.h"

#include "base/zukerror.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace zuk::codepages;
using Lines = std::vector<std::string>;

TEST(Export, EightBitFormatsEndEveryLineWithCrLf)
{
    const std::string text = utf8ToWin("Ёж\nя\r\nabc");
    EXPECT_EQ(exportBytes(text, CodePage::Win, ExchangeFormat::Dos), "\xF0\xA6\r\n\xEF\r\nabc\r\n");
    EXPECT_EQ(exportBytes(text, CodePage::Win, ExchangeFormat::Koi), "\xB3\xD6\r\n\xD1\r\nabc\r\n");
    // Mac keeps а..ю, moves я to DF.
    EXPECT_EQ(exportBytes(utf8ToWin("аюя"), CodePage::Win, ExchangeFormat::Mac),
              "\xE0\xFE\xDF\r\n");
    EXPECT_EQ(exportBytes(utf8ToWin("А"), CodePage::Win, ExchangeFormat::Iso), "\xB0\r\n");
    // A dos document exported to CP866 keeps its bytes; no dash rule here.
    EXPECT_EQ(exportBytes("\x80\x97 x\r\n", CodePage::Dos, ExchangeFormat::Dos), "\x80\x97 x\r\n");
    // From koi to CP866 and to Mac: through Windows-1251.
    EXPECT_EQ(exportBytes("\xE1", CodePage::Koi, ExchangeFormat::Dos), "\x80\r\n");
    EXPECT_EQ(exportBytes("\xD1", CodePage::Koi, ExchangeFormat::Mac), "\xDF\r\n");
    EXPECT_EQ(exportBytes("", CodePage::Win, ExchangeFormat::Koi), "");
}

TEST(Export, Utf8AndUtf16)
{
    EXPECT_EQ(exportBytes("\xC0\r\nb", CodePage::Win, ExchangeFormat::Utf8), "\xD0\x90\r\nb\r\n");
    EXPECT_EQ(exportBytes("ab\r\ncd\r\n", CodePage::Win, ExchangeFormat::Utf16),
              std::string("\xFF\xFE"
                          "a\0b\0\x28\x20"
                          "c\0d\0",
                          12));
    EXPECT_EQ(exportBytes(utf8ToWin("Я"), CodePage::Win, ExchangeFormat::Utf16),
              std::string("\xFF\xFE\x2F\x04", 4));
    EXPECT_EQ(exportBytes("", CodePage::Win, ExchangeFormat::Utf16), "\xFF\xFE");
}

// Both Unicode exports read the bytes in the document's working code page:
// "Ёж" and the box corner that CP866 has at C0 come out as those characters.
TEST(Export, UnicodeExportsDecodeThroughTheWorkingCodePage)
{
    const struct {
        CodePage cp;
        std::string bytes;
    } rows[] = {
        {CodePage::Win, "\xA8\xE6\xB9"},
        {CodePage::Dos, "\xF0\xA6\xFC"},
        {CodePage::Koi, "\xB3\xD6\xBF"}, // BF in KOI8-R is the copyright sign, not №
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(codePageName(r.cp));
        const std::string expectedUtf8 =
            r.cp == CodePage::Koi ? "\xD0\x81\xD0\xB6\xC2\xA9" : "\xD0\x81\xD0\xB6\xE2\x84\x96";
        EXPECT_EQ(exportBytes(r.bytes + "\r\n", r.cp, ExchangeFormat::Utf8), expectedUtf8 + "\r\n");
        const std::string utf16 = exportBytes(r.bytes + "\r\nx", r.cp, ExchangeFormat::Utf16);
        const char16_t third = r.cp == CodePage::Koi ? 0x00A9 : 0x2116;
        const std::string expected16{'\xFF',
                                     '\xFE',
                                     '\x01',
                                     '\x04',
                                     '\x36',
                                     '\x04',
                                     static_cast<char>(third & 0xFF),
                                     static_cast<char>(third >> 8),
                                     '\x28',
                                     '\x20',
                                     'x',
                                     '\0'};
        EXPECT_EQ(utf16, expected16);
    }
    // CP866 C0 is a box corner, not the letter А of Windows-1251.
    EXPECT_EQ(exportBytes("\xC0", CodePage::Dos, ExchangeFormat::Utf8), "\xE2\x94\x94\r\n");
}

TEST(Import, EightBitAndUtf16)
{
    EXPECT_EQ(importLines("\xE0\xDF\r\n\xDD", ExchangeFormat::Mac), (Lines{"\xE0\xFF", "\xA8"}));
    EXPECT_EQ(importLines("\xB0\nx\0tail", ExchangeFormat::Iso), (Lines{"\xC0", "x"}));
    // Little-endian, every break of the set, CR LF as one break, U+0000 ends.
    const std::string le("\xFF\xFE"
                         "a\0\r\0\n\0b\0\x0B\0c\0\x0C\0d\0\x28\x20"
                         "e\0\x29\x20"
                         "\x10\x04\n\0\0\0z\0",
                         32);
    EXPECT_EQ(importLines(le, ExchangeFormat::Utf16), (Lines{"a", "b", "c", "d", "e", "\xC0"}));
    // Big-endian.
    EXPECT_EQ(importLines(std::string("\xFE\xFF\x04\x10\0a", 6), ExchangeFormat::Utf16),
              (Lines{"\xC0"
                     "a"}));
    // No byte-order mark: the bytes are Windows-1251 text with the same breaks.
    EXPECT_EQ(importLines("\xC0\xE1\x0B\xFF", ExchangeFormat::Utf16), (Lines{"\xC0\xE1", "\xFF"}));
    EXPECT_EQ(importLines("", ExchangeFormat::Utf16), Lines{});
    EXPECT_EQ(importLines("\xFF\xFE", ExchangeFormat::Utf16), Lines{});
}

TEST(Import, MalformedUtf16NeverFailsAndMarksWhatItCannotMap)
{
    // A lone high surrogate, a lone low surrogate, a valid pair (no Windows-1251
    // form) and an odd final byte that is ignored.
    const std::string bytes("\xFF\xFE"
                            "\x00\xD8x\0"
                            "\x00\xDCy\0"
                            "\x3D\xD8\x00\xDE"
                            "\xAC\x20\x41",
                            17);
    EXPECT_EQ(importLines(bytes, ExchangeFormat::Utf16), (Lines{"?x?y?\x88"}));
    // A high surrogate as the very last unit.
    EXPECT_EQ(importLines(std::string("\xFF\xFEz\0\x00\xD8", 6), ExchangeFormat::Utf16),
              (Lines{"z?"}));
    // Random bytes of every length: no crash, no read past the end (the
    // sanitizer build checks the latter).
    std::mt19937 rng(42);
    for (int len = 0; len < 400; ++len) {
        std::string s(static_cast<size_t>(len), '\0');
        for (char& c : s)
            c = static_cast<char>(rng());
        if (len >= 2 && len % 2)
            s[0] = '\xFE', s[1] = '\xFF';
        importLines(s, ExchangeFormat::Utf16);
        importLines(s, ExchangeFormat::Utf8);
    }
}

TEST(Import, Utf8LinesEndAtCrAndCtrlZEndsTheInput)
{
    EXPECT_EQ(importLines("a\nb\nc", ExchangeFormat::Utf8), (Lines{"a\nb\nc"}));
    EXPECT_EQ(importLines("a\r\nb\rc\r", ExchangeFormat::Utf8), (Lines{"a", "b", "c"}));
    EXPECT_EQ(importLines("\xD0\x90\xD1\x8F\r\nz\x1A\rignored", ExchangeFormat::Utf8),
              (Lines{"\xC0\xFF", "z"}));
    // A byte-order mark is not recognised: it has no Windows-1251 form.
    EXPECT_EQ(importLines("\xEF\xBB\xBFx", ExchangeFormat::Utf8), (Lines{"?x"}));
    // Malformed: a lone continuation byte, a truncated sequence at the end,
    // a character outside Windows-1251 (a CJK ideograph) and a 4-byte emoji.
    EXPECT_EQ(importLines("\x80 \xE4\xB8\xAD \xF0\x9F\x98\x80 \xD0", ExchangeFormat::Utf8),
              (Lines{"? ? ? ?"}));
    // An overlong slash is two malformed bytes, not a slash.
    EXPECT_EQ(importLines("\xC0\xAF\r\n\xD0\x90", ExchangeFormat::Utf8), (Lines{"??", "\xC0"}));
}

TEST(LinesFileWrappers, WriteAndReadBack)
{
    zuk::testing::TempFolder folder;
    const std::string path = folder.file("doc.txt");
    WriteLinesFile(path, "a\nb\rc\r\n");
    EXPECT_EQ(folder.read("doc.txt"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(ReadLinesFile(path), "a\r\nb\r\nc\r\n");
    WriteLinesFile(path, "");
    EXPECT_EQ(folder.read("doc.txt"), "");
    EXPECT_THROW(ReadLinesFile(folder.file("missing.txt")), zuk::IoError);
}
