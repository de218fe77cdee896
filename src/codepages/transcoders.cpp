#include "codepages/transcoders.h"

#include <array>

namespace zuk::codepages {

namespace {

using ByteMap = std::array<unsigned char, 256>;

ByteMap identity()
{
    ByteMap map{};
    for (int b = 0; b < 256; ++b)
        map[b] = static_cast<unsigned char>(b);
    return map;
}

// Windows-1251 position of every letter of the source code page. Filled from
// the rules of each code page; the reverse maps are derived from these so the
// pairs are inverse by construction.
ByteMap dosToWinMap()
{
    ByteMap map = identity();
    map[0xF0] = 0xA8;
    map[0xF1] = 0xB8;
    for (int b = 0x80; b <= 0xAF; ++b)
        map[b] = static_cast<unsigned char>(b + 0x40);
    for (int b = 0xE0; b <= 0xEF; ++b)
        map[b] = static_cast<unsigned char>(b + 0x10);
    return map;
}

ByteMap koiToWinMap()
{
    // KOI8-R C0..DF: юабцдефгхийклмнопярстужвьызшэщчъ; E0..FF the capitals.
    // Each entry is the letter's index in the Windows-1251 alphabet (а = 0).
    static const unsigned char order[32] = {30, 0,  1,  22, 4,  5,  20, 3,  21, 8,  9,
                                            10, 11, 12, 13, 14, 15, 31, 16, 17, 18, 19,
                                            6,  2,  28, 27, 7,  24, 29, 25, 23, 26};
    ByteMap map = identity();
    map[0xB3] = 0xA8;
    map[0xA3] = 0xB8;
    for (int i = 0; i < 32; ++i) {
        map[0xC0 + i] = static_cast<unsigned char>(0xE0 + order[i]);
        map[0xE0 + i] = static_cast<unsigned char>(0xC0 + order[i]);
    }
    return map;
}

ByteMap macToWinMap()
{
    ByteMap map = identity();
    map[0xDD] = 0xA8;
    map[0xDE] = 0xB8;
    map[0xDF] = 0xFF;
    for (int b = 0x80; b <= 0x9F; ++b)
        map[b] = static_cast<unsigned char>(b + 0x40);
    return map;
}

ByteMap isoToWinMap()
{
    ByteMap map = identity();
    map[0xA1] = 0xA8;
    map[0xF1] = 0xB8;
    for (int b = 0xB0; b <= 0xEF; ++b)
        map[b] = static_cast<unsigned char>(b + 0x10);
    return map;
}

// The inverse over the letters only: the Windows-1251 letters go to the
// source positions that map onto them; every other byte stays itself.
ByteMap invertLetters(const ByteMap& toWin)
{
    ByteMap map = identity();
    for (int b = 0; b < 256; ++b) {
        if (toWin[b] != b)
            map[toWin[b]] = static_cast<unsigned char>(b);
    }
    return map;
}

struct Maps {
    ByteMap toWin[5];
    ByteMap fromWin[5];
    Maps()
    {
        toWin[int(CodePage::Win)] = identity();
        toWin[int(CodePage::Dos)] = dosToWinMap();
        toWin[int(CodePage::Koi)] = koiToWinMap();
        toWin[int(CodePage::Mac)] = macToWinMap();
        toWin[int(CodePage::Iso)] = isoToWinMap();
        for (int cp = 0; cp < 5; ++cp)
            fromWin[cp] = invertLetters(toWin[cp]);
        // Mac keeps а..ю where Windows-1251 has them: E0..FE map to themselves
        // both ways, which the inversion above already gives because the
        // source map leaves them alone.
    }
};

const Maps& maps()
{
    static const Maps instance;
    return instance;
}

std::string applyMap(std::string_view text, const unsigned char* map)
{
    std::string out(text.size(), '\0');
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    auto* dst = reinterpret_cast<unsigned char*>(out.data());
    for (size_t i = 0; i < text.size(); ++i)
        dst[i] = map[in[i]];
    return out;
}

ByteMap composed(CodePage from, CodePage to)
{
    const unsigned char* first = letterMap(from, true);
    const unsigned char* second = letterMap(to, false);
    ByteMap map{};
    for (int b = 0; b < 256; ++b)
        map[b] = second[first[b]];
    return map;
}

} // namespace

const unsigned char* letterMap(CodePage cp, bool toWin)
{
    return toWin ? maps().toWin[int(cp)].data() : maps().fromWin[int(cp)].data();
}

std::string WinToDos(std::string_view text)
{
    return applyMap(text, letterMap(CodePage::Dos, false));
}
std::string DosToWin(std::string_view text)
{
    return applyMap(text, letterMap(CodePage::Dos, true));
}
std::string WinToKoi(std::string_view text)
{
    return applyMap(text, letterMap(CodePage::Koi, false));
}
std::string KoiToWin(std::string_view text)
{
    return applyMap(text, letterMap(CodePage::Koi, true));
}
std::string WinToMac(std::string_view text)
{
    return applyMap(text, letterMap(CodePage::Mac, false));
}
std::string MacToWin(std::string_view text)
{
    return applyMap(text, letterMap(CodePage::Mac, true));
}
std::string WinToIso(std::string_view text)
{
    return applyMap(text, letterMap(CodePage::Iso, false));
}
std::string IsoToWin(std::string_view text)
{
    return applyMap(text, letterMap(CodePage::Iso, true));
}

std::string transcode(std::string_view text, CodePage from, CodePage to)
{
    std::string out(text);
    transcodeInPlace(out.data(), out.size(), from, to);
    return out;
}

void transcodeInPlace(char* data, size_t size, CodePage from, CodePage to)
{
    if (from == to)
        return;
    // One side Windows-1251: its map as it is; otherwise the two composed.
    ByteMap both;
    const unsigned char* map = nullptr;
    if (to == CodePage::Win)
        map = letterMap(from, true);
    else if (from == CodePage::Win)
        map = letterMap(to, false);
    else {
        both = composed(from, to);
        map = both.data();
    }
    auto* p = reinterpret_cast<unsigned char*>(data);
    for (size_t i = 0; i < size; ++i)
        p[i] = map[p[i]];
}

std::string convertDocument(std::string_view text, CodePage from, CodePage to)
{
    std::string out = transcode(text, from, to);
    if (to == CodePage::Dos) {
        for (size_t i = 0; i + 1 < out.size(); ++i) {
            if (out[i] == '\x97' && out[i + 1] == ' ') {
                out[i] = '\xC4';
                ++i;
            }
        }
    }
    return out;
}

} // namespace zuk::codepages
