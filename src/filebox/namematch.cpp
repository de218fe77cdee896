#include "filebox/namematch.h"

#include <cstddef>

namespace zuk::filebox {

namespace {

char32_t foldChar(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if (c >= 0x410 && c <= 0x42F) // А..Я
        return c + 32;
    if (c >= 0x400 && c <= 0x40F) // Ѐ..Џ
        return c + 80;
    return c;
}

// Glob matching with '*' as any run: the usual greedy walk with one
// remembered star, linear in practice.
bool globMatches(const std::u32string& mask, const std::u32string& name)
{
    std::size_t m = 0, n = 0, star = std::u32string::npos, resume = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
            ++m;
            ++n;
        } else if (m < mask.size() && mask[m] == U'*') {
            star = m++;
            resume = n;
        } else if (star != std::u32string::npos) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*')
        ++m;
    return m == mask.size();
}

} // namespace

std::u32string foldName(std::string_view name)
{
    std::u32string out;
    out.reserve(name.size());
    std::size_t i = 0;
    while (i < name.size()) {
        const auto b = static_cast<unsigned char>(name[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t c = extra == 0   ? b
                     : extra == 1 ? (b & 0x1F)
                     : extra == 2 ? (b & 0x0F)
                                  : (b & 0x07);
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < name.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(name[i + k]);
            valid = (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3F);
        }
        if (!valid) {
            // A byte of no character: kept apart from every real character.
            out.push_back(0x110000 + b);
            ++i;
            continue;
        }
        out.push_back(foldChar(c));
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

bool fileMaskMatches(std::string_view mask, std::string_view name)
{
    if (mask.empty())
        return true;
    std::u32string folded;
    bool foldedDone = false;
    std::size_t start = 0;
    while (start <= mask.size()) {
        std::size_t end = mask.find(';', start);
        if (end == std::string_view::npos)
            end = mask.size();
        std::string_view one = mask.substr(start, end - start);
        while (!one.empty() && one.front() == ' ')
            one.remove_prefix(1);
        while (!one.empty() && one.back() == ' ')
            one.remove_suffix(1);
        if (one == "*.*" || one == "*")
            return true;
        if (!one.empty()) {
            if (!foldedDone) {
                folded = foldName(name);
                foldedDone = true;
            }
            if (globMatches(foldName(one), folded))
                return true;
        }
        start = end + 1;
    }
    return false;
}

bool selectionMaskMatches(std::string_view mask, std::string_view name)
{
    const std::u32string m = foldName(mask);
    const std::u32string n = foldName(name);
    if (m.empty() || m.size() > n.size())
        return false;
    for (std::size_t at = 0; at + m.size() <= n.size(); ++at) {
        std::size_t i = 0;
        while (i < m.size() && (m[i] == U'*' || m[i] == U'?' || m[i] == n[at + i]))
            ++i;
        if (i == m.size())
            return true;
    }
    return false;
}

} // namespace zuk::filebox
