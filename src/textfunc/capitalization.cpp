#include "textfunc/capitalization.h"

#include "textfunc/casefunctions.h"

#include <random>

namespace zuk::textfunc {

namespace {

// InvertCase as one byte map of Windows-1251.
constexpr CaseTable makeInvertTable()
{
    CaseTable t{};
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<unsigned char>(i);
        if (c >= 0xE0 || (c >= 0x61 && c <= 0x7A))
            t[i] = UpCaseChar(c);
        else if (c >= 0xC0 || (c >= 0x41 && c <= 0x5A))
            t[i] = DownCaseChar(c);
        else
            t[i] = c;
    }
    return t;
}
constexpr CaseTable kInvert = makeInvertTable();

// splitmix64: small, fast and the same on every platform, so a seed gives the
// same text everywhere (std::uniform_int_distribution does not promise that).
class SplitMix final {
public:
    explicit SplitMix(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in 2..6, without the modulo bias.
    int twoToSix()
    {
        constexpr std::uint64_t limit = UINT64_MAX - UINT64_MAX % 5;
        std::uint64_t x;
        do {
            x = next();
        } while (x >= limit);
        return 2 + static_cast<int>(x % 5);
    }

private:
    std::uint64_t m_state;
};

} // namespace

std::string InvertCase(std::string_view text, CodePage cp)
{
    std::string out(text);
    mapBytesInPlace(out, inCodePage(kInvert, cp));
    return out;
}

std::string Hackerize(std::string_view text, std::uint64_t seed, CodePage cp)
{
    const CaseTable up = inCodePage(kBasicUpper, cp);
    const CaseTable down = inCodePage(kBasicLower, cp);
    std::string out(text);
    SplitMix rng(seed);
    for (std::size_t i = out.size(); i-- > 0;) {
        const int r = rng.twoToSix();
        const auto c = static_cast<unsigned char>(out[i]);
        out[i] = static_cast<char>((r == 4 || r == 6) ? down[c] : up[c]);
    }
    return out;
}

std::string Hackerize(std::string_view text, CodePage cp)
{
    std::random_device device;
    const std::uint64_t seed = (std::uint64_t(device()) << 32) ^ device();
    return Hackerize(text, seed, cp);
}

std::string CapitalizeFirst(std::string_view text, CodePage cp)
{
    std::string out(text);
    if (out.empty())
        return out;
    if (out.size() > 1)
        mapBytesInPlace(out, inCodePage(Cp1251Lower, cp));
    out[0] = static_cast<char>(inCodePage(Cp1251Upper, cp)[static_cast<unsigned char>(out[0])]);
    return out;
}

std::string CapitalizeWords(std::string_view text, CodePage cp)
{
    const CaseTable upper = inCodePage(Cp1251Upper, cp);
    const CaseTable lower = inCodePage(Cp1251Lower, cp);
    std::string out(text);
    bool inWord = false;
    for (char& ch : out) {
        const auto c = lower[static_cast<unsigned char>(ch)];
        if (inWordBreakSet(c)) {
            inWord = false;
            ch = static_cast<char>(c);
        } else if (!inWord) {
            ch = static_cast<char>(upper[c]);
            inWord = true;
        } else {
            ch = static_cast<char>(c);
        }
    }
    return out;
}

} // namespace zuk::textfunc
