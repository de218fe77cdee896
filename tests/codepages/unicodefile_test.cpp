#include "codepages/charsets.h"
#include "codepages/transcoders.h"
#include "codepages/unicodefile.h"

#include <gtest/gtest.h>

#include <string>

using namespace zuk::codepages;

namespace {

std::string win(const char* utf8)
{
    return utf8ToWin(utf8);
}

struct Decoded {
    std::string text;
    bool wellFormed = false, mapped = false;
    std::int64_t nul = -1;
};

Decoded decode(std::string_view bytes, FileEncoding e, std::size_t block = 1 << 20)
{
    UnicodeDecoder decoder(e);
    Decoded d;
    for (std::size_t at = 0; at < bytes.size(); at += block)
        decoder.put(bytes.substr(at, block), d.text);
    decoder.finish(d.text);
    d.wellFormed = decoder.wellFormed();
    d.mapped = decoder.mapped();
    d.nul = decoder.firstNul();
    return d;
}

std::string utf16(std::u16string_view units, bool little)
{
    std::string out(little ? "\xFF\xFE" : "\xFE\xFF", 2);
    for (char16_t u : units) {
        const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
        out += little ? lo : hi;
        out += little ? hi : lo;
    }
    return out;
}

} // namespace

// The Russian text, the typographic signs of Windows-1251 and both line
// breaks come back byte for byte from every encoding, and the bytes are the
// ones other programs write.
TEST(UnicodeFile, EveryEncodingRoundTripsTheDocumentText)
{
    const std::string text = win("Привет, «мир» — №1 ёЁ\r\nвторая строка\r\n");
    const struct {
        FileEncoding encoding;
        std::string file;
    } rows[] = {
        {FileEncoding::Utf8, "Привет, «мир» — №1 ёЁ\r\nвторая строка\r\n"},
        {FileEncoding::Utf8Bom, "\xEF\xBB\xBFПривет, «мир» — №1 ёЁ\r\nвторая строка\r\n"},
        {FileEncoding::Utf16Le, utf16(u"Привет, «мир» — №1 ёЁ\r\nвторая строка\r\n", true)},
        {FileEncoding::Utf16Be, utf16(u"Привет, «мир» — №1 ёЁ\r\nвторая строка\r\n", false)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(fileEncodingName(row.encoding));
        EXPECT_EQ(encodeFile(text, {row.encoding, CodePage::Win, LineBreak::CrLf}), row.file);
        EXPECT_EQ(encodingByMark(row.file),
                  row.encoding == FileEncoding::Utf8 ? FileEncoding::CodePage : row.encoding);
        // Cut into blocks of every small size, a sequence split anywhere.
        for (std::size_t block : {1, 2, 3, 5, 1 << 20}) {
            const Decoded d = decode(row.file, row.encoding, block);
            EXPECT_EQ(d.text, text) << block;
            EXPECT_TRUE(d.wellFormed && d.mapped) << block;
        }
    }
    // A document in another code page is written as its own characters.
    EXPECT_EQ(encodeFile(transcode(win("Привет, ёЁ\r\n"), CodePage::Win, CodePage::Koi),
                         {FileEncoding::Utf8, CodePage::Koi, LineBreak::CrLf}),
              "Привет, ёЁ\r\n");
    // An empty text is a file of the mark alone (and reads back empty).
    EXPECT_EQ(encodeFile("", {FileEncoding::Utf8Bom, CodePage::Win, LineBreak::CrLf}),
              "\xEF\xBB\xBF");
    EXPECT_EQ(decode("\xFE\xFF", FileEncoding::Utf16Be).text, "");
}

TEST(UnicodeFile, LineBreaksAreWrittenInTheFilesStyle)
{
    const std::string text = win("а\r\nб\r\n\r\n");
    EXPECT_EQ(encodeFile(text, {FileEncoding::Utf8, CodePage::Win, LineBreak::Lf}), "а\nб\n\n");
    EXPECT_EQ(encodeFile(text, {FileEncoding::Utf8, CodePage::Win, LineBreak::Cr}), "а\rб\r\r");
    EXPECT_EQ(encodeFile(text, {FileEncoding::CodePage, CodePage::Win, LineBreak::Lf}),
              win("а\nб\n\n"));
    EXPECT_EQ(encodeFile(text, {FileEncoding::Utf16Le, CodePage::Win, LineBreak::Lf}),
              utf16(u"а\nб\n\n", true));
    // Fed in pieces, a CR LF cut apart still gives one break.
    std::string out;
    FileEncoder encoder({FileEncoding::Utf8, CodePage::Win, LineBreak::Cr},
                        [&out](std::string_view b) { out += b; });
    encoder.put("a\r");
    encoder.put("\nb\r");
    encoder.put("\n");
    encoder.finish();
    EXPECT_EQ(out, "a\rb\r");
}

// What is not Windows-1251, or not Unicode at all, is told apart: the first
// opens raw with a message, the second is no Unicode file.
TEST(UnicodeFile, CharactersOutsideTheCodePageAndBrokenSequencesAreFlagged)
{
    const struct {
        const char* what;
        std::string bytes;
        FileEncoding encoding;
        bool wellFormed, mapped;
        std::string text;
    } rows[] = {
        {"CJK", "漢字", FileEncoding::Utf8, true, false, "??"},
        {"emoji", "a😀", FileEncoding::Utf8, true, false, "a?"},
        {"Greek", "αβ", FileEncoding::Utf8, true, false, "??"},
        {"accented Latin", "é", FileEncoding::Utf8, true, false, "?"},
        {"Kazakh", "ә", FileEncoding::Utf8, true, false, "?"},
        {"overlong slash", "\xC0\xAF", FileEncoding::Utf8, false, true, "??"},
        {"surrogate", "\xED\xA0\x80", FileEncoding::Utf8, false, true, "???"},
        {"cut short", "\xD0", FileEncoding::Utf8, false, true, "?"},
        {"lone continuation", "a\x80", FileEncoding::Utf8, false, true, "a?"},
        {"Windows-1251", win("Привет"), FileEncoding::Utf8, false, true, "??????"},
        {"not the mark", "ab", FileEncoding::Utf8Bom, false, true, "ab"},
        {"pair", utf16(u"a\xD83D\xDE00", true), FileEncoding::Utf16Le, true, false, "a?"},
        {"lone low", utf16(u"\xDC00x", true), FileEncoding::Utf16Le, false, true, "?x"},
        {"high at the end", utf16(u"x\xD800", false), FileEncoding::Utf16Be, false, true, "x?"},
        {"high before a NUL", utf16(std::u16string(u"x\xD800\0y", 4), true), FileEncoding::Utf16Le,
         false, true, "x?"},
        {"odd byte",
         std::string("\xFF\xFE"
                     "a\0b",
                     5),
         FileEncoding::Utf16Le, false, true, "a"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        for (std::size_t block : {1, 1 << 20}) {
            const Decoded d = decode(row.bytes, row.encoding, block);
            EXPECT_EQ(d.wellFormed, row.wellFormed);
            EXPECT_EQ(d.mapped, row.mapped);
            EXPECT_EQ(d.text, row.text);
        }
    }
    // The line separators of the program's own UTF-16 export end lines.
    EXPECT_EQ(decode(utf16(u"ab\x2028"
                           u"cd",
                           true),
                     FileEncoding::Utf16Le)
                  .text,
              "ab\r\ncd");
}

TEST(UnicodeFile, ANulEndsTheTextAndNothingAfterItCounts)
{
    const Decoded u8 = decode(std::string("Да\0\xFF", 6), FileEncoding::Utf8, 1);
    EXPECT_EQ(u8.text, win("Да"));
    EXPECT_EQ(u8.nul, 4);
    EXPECT_TRUE(u8.wellFormed);
    const Decoded u16 =
        decode(utf16(std::u16string(u"Да\0\xD800", 4), true), FileEncoding::Utf16Le);
    EXPECT_EQ(u16.text, win("Да"));
    EXPECT_EQ(u16.nul, 6);
    EXPECT_TRUE(u16.wellFormed);
}

TEST(UnicodeFile, MultiByteUtf8AndTheNamesOfTheEncodings)
{
    EXPECT_FALSE(isMultiByteUtf8("ascii"));
    EXPECT_TRUE(isMultiByteUtf8("ё"));
    EXPECT_FALSE(isMultiByteUtf8("ё\xC0"));
    EXPECT_FALSE(isMultiByteUtf8("\xD1")); // cut short

    FileEncoding e;
    for (FileEncoding each : {FileEncoding::CodePage, FileEncoding::Utf8, FileEncoding::Utf8Bom,
                              FileEncoding::Utf16Le, FileEncoding::Utf16Be}) {
        ASSERT_TRUE(fileEncodingFromName(fileEncodingName(each), e));
        EXPECT_EQ(e, each);
    }
    EXPECT_FALSE(fileEncodingFromName("utf32", e));
}
