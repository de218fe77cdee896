#include "textfunc/collation.h"

#include "textfunc/casefunctions.h"

#include <array>
#include <cstdint>

namespace zuk::textfunc {

namespace {

struct Weights {
    std::array<std::uint16_t, 256> primary{};
    std::array<std::uint8_t, 256> secondary{};
    std::array<std::uint8_t, 256> tertiary{};
};

// The Cyrillic letters of Windows-1251 in collation order, lower-case bytes;
// the upper-case forms are found through the code-page case tables.
// а б в г ґ д ђ ѓ е є ж з ѕ и і ї й ј к ќ л љ м н њ о п р с т ћ у ў ф х ц ч џ ш щ ъ ы ь э ю я
constexpr unsigned char CyrillicOrder[] = {
    0xE0, 0xE1, 0xE2, 0xE3, 0xB4, 0xE4, 0x90, 0x83, 0xE5, 0xBA, 0xE6, 0xE7, 0xBE, 0xE8, 0xB3, 0xBF,
    0xE9, 0xBC, 0xEA, 0x9D, 0xEB, 0x9A, 0xEC, 0xED, 0x9C, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2, 0x9E, 0xF3,
    0xA2, 0xF4, 0xF5, 0xF6, 0xF7, 0x9F, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};

Weights buildWeights()
{
    Weights w;
    bool isLetterOrDigit[256] = {};
    for (int c = '0'; c <= '9'; ++c)
        isLetterOrDigit[c] = true;
    for (int c = 0; c < 256; ++c) {
        if (Cp1251Upper[c] != c || Cp1251Lower[c] != c)
            isLetterOrDigit[c] = true;
    }

    std::uint16_t next = 1;
    for (int c = 0; c < 256; ++c) {
        if (!isLetterOrDigit[c])
            w.primary[c] = next++;
    }
    for (int c = '0'; c <= '9'; ++c)
        w.primary[c] = next++;
    for (int c = 'a'; c <= 'z'; ++c) {
        w.primary[c] = next;
        w.primary[c - 0x20] = next;
        w.tertiary[c - 0x20] = 1;
        ++next;
    }
    for (unsigned char lower : CyrillicOrder) {
        const unsigned char upper = Cp1251Upper[lower];
        w.primary[lower] = next;
        w.primary[upper] = next;
        w.tertiary[upper] = upper != lower ? 1 : 0;
        ++next;
        if (lower == 0xE5) {
            // ё and Ё share the weight of е, one step behind it at the second level.
            w.primary[0xB8] = w.primary[0xA8] = w.primary[0xE5];
            w.secondary[0xB8] = w.secondary[0xA8] = 1;
            w.tertiary[0xA8] = 1;
        }
    }
    return w;
}

const Weights& weights()
{
    static const Weights w = buildWeights();
    return w;
}

template <typename Table> int compareBy(const Table& table, std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int x = table[static_cast<unsigned char>(a[i])];
        const int y = table[static_cast<unsigned char>(b[i])];
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return 0;
}

} // namespace

int compareCollated(std::string_view a, std::string_view b)
{
    const Weights& w = weights();
    if (int r = compareBy(w.primary, a, b))
        return r;
    if (int r = compareBy(w.secondary, a, b))
        return r;
    if (int r = compareBy(w.tertiary, a, b))
        return r;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return compareBy(weights().primary, a, b) == 0;
}

} // namespace zuk::textfunc
