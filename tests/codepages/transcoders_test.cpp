#include "codepages/charsets.h"
#include "codepages/transcoders.h"

#include <gtest/gtest.h>

#include <string>

using namespace zuk::codepages;

namespace {

using Transcoder = std::string (*)(std::string_view);

bool isRussianLetter(char16_t u)
{
    return (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
}

// The byte of `target` that holds the character `u`, from the code page's
// published table (charsets), or -1.
int byteOf(CodePage target, char16_t u)
{
    const char16_t* table = unicodeTable(target);
    for (int b = 0; b < 256; ++b)
        if (table[b] == u)
            return b;
    return -1;
}

struct Row {
    const char* name;
    Transcoder fn;
    CodePage from;
    CodePage to;
};

const Row kRows[] = {
    {"WinToDos", WinToDos, CodePage::Win, CodePage::Dos},
    {"DosToWin", DosToWin, CodePage::Dos, CodePage::Win},
    {"WinToKoi", WinToKoi, CodePage::Win, CodePage::Koi},
    {"KoiToWin", KoiToWin, CodePage::Koi, CodePage::Win},
    {"WinToMac", WinToMac, CodePage::Win, CodePage::Mac},
    {"MacToWin", MacToWin, CodePage::Mac, CodePage::Win},
    {"WinToIso", WinToIso, CodePage::Win, CodePage::Iso},
    {"IsoToWin", IsoToWin, CodePage::Iso, CodePage::Win},
};

std::string allBytes()
{
    std::string s(256, '\0');
    for (int b = 0; b < 256; ++b)
        s[b] = static_cast<char>(b);
    return s;
}

} // namespace

// Every transcoder over all 256 bytes against the published code-page tables:
// a Russian letter of the source lands on the byte holding the same letter in
// the target; every other byte is left alone.
TEST(Transcoders, EveryByteAgainstThePublishedTables)
{
    const std::string bytes = allBytes();
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const std::string out = row.fn(bytes);
        ASSERT_EQ(out.size(), 256u);
        const char16_t* source = unicodeTable(row.from);
        int letters = 0;
        for (int b = 0; b < 256; ++b) {
            const auto got = static_cast<unsigned char>(out[b]);
            if (isRussianLetter(source[b])) {
                ++letters;
                EXPECT_EQ(got, byteOf(row.to, source[b])) << "byte " << b;
            } else {
                EXPECT_EQ(got, b) << "byte " << b;
            }
        }
        EXPECT_EQ(letters, 66);
    }
}

TEST(Transcoders, GoldenBytes)
{
    struct Case {
        Transcoder fn;
        std::string in, out;
    } cases[] = {
        {WinToDos, "\xA8\xB8", "\xF0\xF1"},
        {DosToWin, "\xF0\xF1", "\xA8\xB8"},
        {WinToKoi, "\xA8\xB8", "\xB3\xA3"},
        {KoiToWin, "\xB3\xA3", "\xA8\xB8"},
        {WinToDos, "\xC0\xDF\xE0\xEF\xF0\xFF", "\x80\x9F\xA0\xAF\xE0\xEF"},
        {WinToKoi, "\xC0\xDF\xE0\xFE\xFF", "\xE1\xF1\xC1\xC0\xD1"}, // А Я а ю я
        {WinToMac, "\xE0\xFE\xFF\xC0\xA8\xB8", "\xE0\xFE\xDF\x80\xDD\xDE"},
        {MacToWin, "\xDF\xDD\xDE\x9F", "\xFF\xA8\xB8\xDF"},
        {WinToIso, "\xC0\xFF\xA8\xB8", "\xB0\xEF\xA1\xF1"},
        {IsoToWin, "\xB0\xEF\xA1\xF1", "\xC0\xFF\xA8\xB8"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.fn(c.in), c.out);
}

TEST(Transcoders, PunctuationAndLatinPassEveryTranscoder)
{
    // №, «, », the em dash, the en dash and Latin text
    const std::string kept = "\xB9\xAB\xBB\x97\x96 Latin 0123 ~!";
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        if (row.from == CodePage::Win) {
            EXPECT_EQ(row.fn(kept), kept);
        }
    }
}

// Win to X to Win restores every Windows-1251 letter and every byte that is
// not a letter in X; the composed transcode equals two transcoders in a row.
TEST(Transcoders, RoundTripsOverEveryByte)
{
    const CodePage others[] = {CodePage::Dos, CodePage::Koi, CodePage::Mac, CodePage::Iso};
    const char16_t* win = unicodeTable(CodePage::Win);
    for (CodePage cp : others) {
        SCOPED_TRACE(codePageName(cp));
        const char16_t* table = unicodeTable(cp);
        for (int b = 0; b < 256; ++b) {
            const std::string one(1, static_cast<char>(b));
            const std::string back =
                transcode(transcode(one, CodePage::Win, cp), cp, CodePage::Win);
            if (isRussianLetter(win[b]) || !isRussianLetter(table[b])) {
                EXPECT_EQ(back, one) << "byte " << b;
            }
            // And the other way round from the side of the code page.
            const std::string there =
                transcode(transcode(one, cp, CodePage::Win), CodePage::Win, cp);
            if (isRussianLetter(table[b]) || !isRussianLetter(win[b])) {
                EXPECT_EQ(there, one) << "byte " << b;
            }
        }
    }
    const std::string bytes = allBytes();
    EXPECT_EQ(transcode(bytes, CodePage::Dos, CodePage::Koi), WinToKoi(DosToWin(bytes)));
    EXPECT_EQ(transcode(bytes, CodePage::Koi, CodePage::Mac), WinToMac(KoiToWin(bytes)));
    EXPECT_EQ(transcode(bytes, CodePage::Iso, CodePage::Dos), WinToDos(IsoToWin(bytes)));
}

TEST(Transcoders, DocumentConversionAndTheDashRule)
{
    const std::string dashWin = "a\x97 b\x97\x97 \x97"; // em dash + space, twice, one at the end
    // To dos: letters converted, then every 97 20 becomes C4 20.
    EXPECT_EQ(convertDocument(dashWin, CodePage::Win, CodePage::Dos), "a\xC4 b\x97\xC4 \x97");
    // A dos document converted to dos: only the 97 20 pairs (capital Ch and a space) change.
    EXPECT_EQ(convertDocument("\x97 \x97\x80", CodePage::Dos, CodePage::Dos), "\xC4 \x97\x80");
    // From koi: through Windows-1251, then the rule.
    EXPECT_EQ(convertDocument("\xE1\x97 ", CodePage::Koi, CodePage::Dos), "\x80\xC4 ");
    // Other targets never apply it.
    EXPECT_EQ(convertDocument(dashWin, CodePage::Win, CodePage::Koi), dashWin);
    EXPECT_EQ(convertDocument("\x80\x97 ", CodePage::Dos, CodePage::Win), "\xC0\xD7 ");
    EXPECT_EQ(convertDocument("", CodePage::Win, CodePage::Dos), "");
}
