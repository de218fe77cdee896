#include "codepages/detector.h"

#include "codepages/unicodefile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace zuk::codepages {

namespace {

#include "codepages/detectortable.inc"

constexpr int kGap = 33;
constexpr int kLatin = 34;
// Scores closer than this (a quarter of a nat) are a tie.
constexpr long long kTieMargin = kDetectorScale / 4;

struct PageModel {
    std::array<unsigned char, 256> letterClass{};
    std::array<bool, 256> upper{};
    std::array<short, 256> byteLog{};
};

// The class of every byte under one code page: its letter (а..я, ё), a Latin
// letter, or a gap, with the case of letters.
PageModel buildModel(CodePage cp, int row)
{
    PageModel m;
    const char16_t* table = unicodeTable(cp);
    for (int b = 0; b < 256; ++b) {
        const char16_t u = table[b];
        int cls = kGap;
        bool up = false;
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')) {
            cls = kLatin;
        } else if (u >= 0x0430 && u <= 0x044F) {
            cls = u - 0x0430;
        } else if (u >= 0x0410 && u <= 0x042F) {
            cls = u - 0x0410;
            up = true;
        } else if (u == 0x0451) {
            cls = 32;
        } else if (u == 0x0401) {
            cls = 32;
            up = true;
        }
        m.letterClass[b] = static_cast<unsigned char>(cls);
        m.upper[b] = up;
        m.byteLog[b] = b >= 0x80 ? kHighGapLog[row][b - 0x80] : 0;
    }
    return m;
}

int pairScore(const PageModel& m, unsigned a, unsigned b)
{
    const int ca = m.letterClass[a], cb = m.letterClass[b];
    int score = m.byteLog[b];
    if (!(ca == kGap && cb == kGap))
        score += kPairLog[ca][cb];
    if (ca < kGap && cb < kGap && !m.upper[a] && m.upper[b])
        score += kLowerUpperLog;
    return score;
}

// One entry per byte pair: (koi - win) in the low half, (dos - win) in the
// high half, so scoring a text is one lookup and two additions per byte.
struct PairTable {
    std::vector<int32_t> entries; // 65536
    short firstKoi[256];
    short firstDos[256];
    PageModel win, dos, koi;
    PairTable()
        : entries(65536), win(buildModel(CodePage::Win, 0)), dos(buildModel(CodePage::Dos, 1)),
          koi(buildModel(CodePage::Koi, 2))
    {
        for (unsigned a = 0; a < 256; ++a) {
            for (unsigned b = 0; b < 256; ++b) {
                const int w = pairScore(win, a, b);
                const int k = pairScore(koi, a, b) - w;
                const int d = pairScore(dos, a, b) - w;
                entries[a * 256 + b] = static_cast<int32_t>(
                    static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(k))) |
                    (static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(d))) << 16));
            }
            // The first byte of the text follows an imagined gap.
            firstKoi[a] = static_cast<short>(pairScore(koi, ' ', a) - pairScore(win, ' ', a));
            firstDos[a] = static_cast<short>(pairScore(dos, ' ', a) - pairScore(win, ' ', a));
        }
    }
};

const PairTable& pairTable()
{
    static const PairTable table;
    return table;
}

bool contains(std::string_view text, std::string_view what)
{
    return text.find(what) != std::string_view::npos;
}

} // namespace

namespace {

// Texts shorter than this are scored with letter triples: slower, but it
// tells more from the few letters of a short text.
constexpr size_t kShortText = 4096;

// The score of a short text under one page with letter triples; the text is
// taken to have a gap before and after it.
long long tripleScore(const PageModel& m, const unsigned char* p, size_t n)
{
    constexpr int kUnit = kDetectorScale / kTripleScale;
    int before = kGap, prev = kGap;
    bool prevUpper = false;
    long long score = 0;
    for (size_t i = 0; i <= n; ++i) {
        const int cls = i < n ? m.letterClass[p[i]] : kGap;
        const bool up = i < n && m.upper[p[i]];
        if (i < n)
            score += m.byteLog[p[i]];
        if (!(prev == kGap && cls == kGap)) {
            score +=
                kTripleLog[(before * kDetectorClasses + prev) * kDetectorClasses + cls] * kUnit;
            before = prev;
        }
        if (prev < kGap && cls < kGap && !prevUpper && up)
            score += kLowerUpperLog;
        prev = cls;
        prevUpper = up;
    }
    return score;
}

// Adds the pairs ending at positions [begin, end) (begin >= 1).
void scoreRange(const unsigned char* p, size_t begin, size_t end, DetectorScores& s)
{
    const int32_t* entries = pairTable().entries.data();
    // Two independent chains keep the additions from waiting on each other.
    long long koi = 0, dos = 0, koi2 = 0, dos2 = 0;
    size_t high = 0, high2 = 0;
    size_t i = begin;
    for (; i + 1 < end; i += 2) {
        const int32_t e1 = entries[(p[i - 1] << 8) | p[i]];
        const int32_t e2 = entries[(p[i] << 8) | p[i + 1]];
        koi += static_cast<int16_t>(e1 & 0xFFFF);
        dos += static_cast<int16_t>(e1 >> 16);
        koi2 += static_cast<int16_t>(e2 & 0xFFFF);
        dos2 += static_cast<int16_t>(e2 >> 16);
        high += (p[i - 1] & p[i]) >> 7;
        high2 += (p[i] & p[i + 1]) >> 7;
    }
    for (; i < end; ++i) {
        const int32_t e = entries[(p[i - 1] << 8) | p[i]];
        koi += static_cast<int16_t>(e & 0xFFFF);
        dos += static_cast<int16_t>(e >> 16);
        high += (p[i - 1] & p[i]) >> 7;
    }
    s.koiMinusWin += koi + koi2;
    s.dosMinusWin += dos + dos2;
    s.highPairs += high + high2;
}

// The lead of the best page over the next one.
long long lead(const DetectorScores& s)
{
    long long v[3] = {0, s.koiMinusWin, s.dosMinusWin};
    std::sort(v, v + 3);
    return v[2] - v[1];
}

// A lead of this many nats over thousands of letter pairs is beyond doubt:
// long texts are decided there instead of read to the end.
constexpr long long kCertainLead = 2000LL * kDetectorScale;
constexpr size_t kBlock = 1 << 18;

} // namespace

DetectorScores detectorScores(std::string_view text, bool wholeText)
{
    DetectorScores s;
    if (text.empty())
        return s;
    const PairTable& t = pairTable();
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    s.koiMinusWin = t.firstKoi[p[0]];
    s.dosMinusWin = t.firstDos[p[0]];
    for (size_t begin = 1; begin < n; begin += kBlock) {
        scoreRange(p, begin, std::min(n, begin + kBlock), s);
        if (!wholeText && lead(s) > kCertainLead)
            break;
    }
    return s;
}

CodePage markerGuess(std::string_view text)
{
    static const char kDosMarkers[] = "\xAF\xA2\x8F\xA4\x88\xA8\xA5\x8D\x80";
    static const char* const kKoiMarkers[] = {
        " \xCE\xC1 ", " \xCE\xC5 ",     " \xC2\xC5\xDA ", " \xD4\xD5\xD4 ", " \xD6\xC5 ",
        " \xC4\xCF ", " \xC5\xDD\xC5 ", " \xC1 ",         " \xC9 ",         " \xD7 ",
        " \xD7\xD9 ", " \xCD\xCF\xCA ", " \xC5\xC7\xCF "};
    CodePage result = CodePage::Win;
    if (text.find_first_of(std::string_view(kDosMarkers, 9)) != std::string_view::npos)
        result = CodePage::Dos;
    for (const char* word : kKoiMarkers) {
        if (contains(text, word))
            return CodePage::Koi;
    }
    return result;
}

DetectorScores shortTextScores(std::string_view text)
{
    const PairTable& t = pairTable();
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    DetectorScores s;
    const long long win = tripleScore(t.win, p, n);
    s.koiMinusWin = tripleScore(t.koi, p, n) - win;
    s.dosMinusWin = tripleScore(t.dos, p, n) - win;
    for (size_t i = 1; i < n; ++i)
        s.highPairs += (p[i - 1] & p[i]) >> 7;
    return s;
}

namespace {

// A page other than Windows-1251 needs this lead (five nats) to win on lone
// letters: less turns too many Windows-1251 texts ending in a lone У or г.
constexpr long long kLoneLead = 5 * kDetectorScale;
// A sign of Windows-1251 standing alone is at least this likely (e^-7): the
// statistics come from Russian text, where ©, € or § hardly ever stand alone,
// but a short English text has them.
constexpr int kLoneSignFloor = -7 * kDetectorScale;

// No two bytes above 7Fh stand side by side, so no page shows a word of two
// Russian letters. What may still be Russian are lone letters between
// characters that are no letters: the one-letter words (и, в, с, к, а, я).
// Each lone byte is scored by how often the character a page shows stands
// alone in Russian text; a page other than Windows-1251 must lead clearly.
// Long texts without a single pair are not Russian: they stay Windows-1251.
CodePage loneLetterGuess(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    if (n >= kShortText)
        return CodePage::Win;
    const PairTable& t = pairTable();
    // The neighbours of a lone byte are below 80h: no letters in any page but Latin ones.
    auto isLetter = [&t](unsigned char c) { return t.win.letterClass[c] != kGap; };
    long long score[3] = {0, 0, 0}; // win, dos, koi
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char b = p[i];
        if (b < 0x80 || (i > 0 && isLetter(p[i - 1])) || (i + 1 < n && isLetter(p[i + 1])))
            continue;
        int win = kLoneLog[0][b - 0x80];
        if (t.win.letterClass[b] == kGap)
            win = std::max(win, kLoneSignFloor);
        score[0] += win;
        score[1] += kLoneLog[1][b - 0x80];
        score[2] += kLoneLog[2][b - 0x80];
    }
    const CodePage best = score[2] >= score[1] ? CodePage::Koi : CodePage::Dos;
    const long long lead = std::max(score[1], score[2]) - score[0];
    return lead >= kLoneLead ? best : CodePage::Win;
}

} // namespace

CodePage detectCodePage(std::string_view text)
{
    const DetectorScores s =
        text.size() < kShortText ? shortTextScores(text) : detectorScores(text);
    if (s.highPairs == 0)
        return loneLetterGuess(text);
    struct Candidate {
        CodePage cp;
        long long score;
    };
    Candidate c[3] = {
        {CodePage::Win, 0}, {CodePage::Koi, s.koiMinusWin}, {CodePage::Dos, s.dosMinusWin}};
    const Candidate* best = &c[0];
    for (const Candidate& x : c) {
        if (x.score > best->score)
            best = &x;
    }
    // The marker rule is read only when the scores cannot tell.
    bool tie = false;
    for (const Candidate& x : c)
        tie = tie || (&x != best && best->score - x.score < kTieMargin);
    if (tie) {
        const CodePage marker = markerGuess(text);
        for (const Candidate& x : c) {
            if (x.cp == marker && best->score - x.score < kTieMargin)
                return marker;
        }
    }
    return best->cp;
}

std::string DetectCodePage(std::string_view text)
{
    return codePageName(detectCodePage(text));
}

std::string DetectEncoding(std::string_view text)
{
    const FileEncoding marked = encodingByMark(text);
    if (isUtf16(marked))
        return "utf16";
    if (marked == FileEncoding::Utf8Bom || isMultiByteUtf8(text))
        return "utf8";
    return DetectCodePage(text);
}

} // namespace zuk::codepages
