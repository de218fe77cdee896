#include "codepages/charsets.h"
#include "codepages/detector.h"
#include "codepages/transcoders.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace zuk::codepages;

namespace {

// Real Russian prose the detector was not trained on, as Windows-1251 texts.
std::vector<std::string> proseTexts()
{
    std::ifstream in(std::string(ZUK_SOURCE_DIR) + "/tests/codepages/data/prose.txt",
                     std::ios::binary);
    const std::string all = utf8ToWin(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    std::vector<std::string> texts;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find("\n%\n", start);
        if (end == std::string::npos)
            end = all.size();
        texts.push_back(all.substr(start, end - start));
        start = end + 3;
    }
    return texts;
}

std::vector<std::string> words(const std::vector<std::string>& texts)
{
    std::vector<std::string> out;
    for (const std::string& t : texts) {
        std::string word;
        for (char c : t + " ") {
            if (c == ' ' || c == '\n' || c == '\t') {
                if (!word.empty())
                    out.push_back(word);
                word.clear();
            } else {
                word += c;
            }
        }
    }
    return out;
}

bool hasRussianWord(const std::string& s)
{
    auto letter = [](unsigned char c) { return c >= 0xC0 || c == 0xA8 || c == 0xB8; };
    for (size_t i = 1; i < s.size(); ++i)
        if (letter(s[i - 1]) && letter(s[i]))
            return true;
    return false;
}

std::vector<std::string> samples(const std::vector<std::string>& ws, size_t maxBytes)
{
    std::vector<std::string> out;
    size_t i = 0;
    while (i < ws.size()) {
        std::string s;
        while (i < ws.size() && s.size() + 1 + ws[i].size() <= maxBytes + (s.empty() ? 1 : 0)) {
            if (!s.empty())
                s += ' ';
            s += ws[i++];
        }
        if (s.empty())
            ++i;
        else if (hasRussianWord(s))
            out.push_back(s);
    }
    return out;
}

std::string upper(std::string s)
{
    for (char& c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xE0)
            c = static_cast<char>(b - 0x20);
        else if (b == 0xB8)
            c = '\xA8';
    }
    return s;
}

const CodePage kPages[] = {CodePage::Win, CodePage::Dos, CodePage::Koi};

} // namespace

TEST(Detector, WholeTextsInEveryPageWithAndWithoutYo)
{
    const auto texts = proseTexts();
    ASSERT_GT(texts.size(), 50u);
    int withYo = 0;
    for (const std::string& t : texts) {
        withYo += t.find('\xB8') != std::string::npos || t.find('\xA8') != std::string::npos;
        for (CodePage cp : kPages) {
            EXPECT_EQ(detectCodePage(transcode(t, CodePage::Win, cp)), cp) << winToUtf8(t);
            EXPECT_EQ(detectCodePage(transcode(upper(t), CodePage::Win, cp)), cp)
                << "capitals: " << winToUtf8(t);
        }
    }
    EXPECT_GT(withYo, 5);
    // The whole sample at once, and the name form.
    std::string all;
    for (const std::string& t : texts)
        all += t + "\r\n";
    EXPECT_EQ(DetectCodePage(all), "win");
    EXPECT_EQ(DetectCodePage(WinToDos(all)), "dos");
    EXPECT_EQ(DetectCodePage(WinToKoi(all)), "koi");
}

// Short samples: at most 16, 32, 64 and 128 bytes of the same prose.
TEST(Detector, ShortSamplesAccuracy)
{
    const auto ws = words(proseTexts());
    const struct {
        size_t length;
        double atLeast; // per cent over the three pages
    } rows[] = {{16, 99.0}, {32, 99.5}, {64, 100.0}, {128, 100.0}};
    for (const auto& row : rows) {
        const auto cut = samples(ws, row.length);
        ASSERT_GT(cut.size(), 100u);
        size_t right = 0, total = 0;
        std::string misses;
        for (const std::string& s : cut) {
            for (CodePage cp : kPages) {
                const bool ok = detectCodePage(transcode(s, CodePage::Win, cp)) == cp;
                right += ok;
                ++total;
                if (!ok)
                    misses += std::string(codePageName(cp)) + ": " + winToUtf8(s) + "\n";
            }
        }
        EXPECT_GE(100.0 * static_cast<double>(right) / static_cast<double>(total), row.atLeast)
            << "samples of at most " << row.length << " bytes; misses:\n"
            << misses;
    }
}

TEST(Detector, TheKnownFaultsOfTheMarkerRuleAreGone)
{
    // Windows-1251 with Ё (A8, a CP866 marker letter) stays win.
    EXPECT_EQ(DetectCodePage(utf8ToWin("Ёлка стоит в зале. Ещё немного, и Новый год!")), "win");
    EXPECT_EQ(DetectCodePage(utf8ToWin("ЁЖИК В ТУМАНЕ")), "win");
    // KOI8-R without any of the marker words.
    const std::string koi = WinToKoi(utf8ToWin("Пришла зима, снег покрыл поля, леса."));
    EXPECT_EQ(markerGuess(koi), CodePage::Win);
    EXPECT_EQ(DetectCodePage(koi), "koi");
    // The marker rule itself, for the tie-break.
    EXPECT_EQ(markerGuess(utf8ToWin("Ёж")), CodePage::Dos);
    EXPECT_EQ(markerGuess("x \xCE\xC1 y \xAF"), CodePage::Koi);
    EXPECT_EQ(markerGuess("\xCE\xC1 x"), CodePage::Win); // needs a space on both sides
}

TEST(Detector, TooLittleToTellIsWin)
{
    const char* texts[] = {
        "", "The quick brown fox jumps over the lazy dog.",
        "Price: 25 \x80, \xA9 2026 \xB9 5", // stray symbols, no word
        "int main() { return 0; } // \xE0", // one high byte
    };
    for (const char* t : texts)
        EXPECT_EQ(DetectCodePage(t), "win") << t;
}

// Without two letters side by side, lone letters still tell: a one-letter
// word in KOI8-R or CP866 is a capital or a sign in Windows-1251.
TEST(Detector, LoneLettersOfShortTextsAreScored)
{
    for (const char* utf8 : {"read(2) и", "см. в п. 5", "1 и 2 с 3"}) {
        const std::string text = utf8ToWin(utf8);
        EXPECT_EQ(detectCodePage(text), CodePage::Win) << utf8;
        EXPECT_EQ(detectCodePage(WinToKoi(text)), CodePage::Koi) << utf8;
        EXPECT_EQ(detectCodePage(WinToDos(text)), CodePage::Dos) << utf8;
    }
    // Signs standing alone in English text stay Windows-1251, one or many.
    std::string english = "Terms \x97 see \xA7 4, \x95 price \x88 5 \x96 6 \xA9 2024 \xB9 7";
    EXPECT_EQ(detectCodePage(english), CodePage::Win);
    // A long text without a pair is no Russian text, whatever its lone bytes.
    std::string koiLetters;
    while (koiLetters.size() < 5000)
        koiLetters += WinToKoi(utf8ToWin(" x и y в z "));
    EXPECT_EQ(detectCodePage(koiLetters), CodePage::Win);
}

// What `zuk-text detect` answers: Unicode by the rules a file opens by.
TEST(Detector, DetectEncodingNamesUnicodeFirst)
{
    EXPECT_EQ(DetectEncoding("Привет, мир"), "utf8");
    EXPECT_EQ(DetectEncoding("\xEF\xBB\xBFplain"), "utf8");
    EXPECT_EQ(DetectEncoding(std::string("\xFF\xFEx\0", 4)), "utf16");
    EXPECT_EQ(DetectEncoding(std::string("\xFE\xFF\0x", 4)), "utf16");
    // ASCII alone is no Unicode file; broken UTF-8 is a code page's text.
    EXPECT_EQ(DetectEncoding("plain ASCII"), "win");
    EXPECT_EQ(DetectEncoding(WinToKoi(utf8ToWin("Привет, мир, как дела?"))), "koi");
    EXPECT_NE(DetectEncoding("Привет\xC0"), "utf8");
}

TEST(Detector, LongTextStopsEarlyWithTheSameAnswer)
{
    const auto texts = proseTexts();
    std::string big;
    while (big.size() < (4u << 20))
        for (const std::string& t : texts)
            big += t + "\r\n";
    const std::string koi = WinToKoi(big);
    const DetectorScores early = detectorScores(koi);
    const DetectorScores whole = detectorScores(koi, true);
    EXPECT_GT(early.koiMinusWin, 0);
    EXPECT_GT(whole.koiMinusWin, early.koiMinusWin);
    EXPECT_EQ(detectCodePage(koi), CodePage::Koi);
}
