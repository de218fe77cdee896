#include "tools/bytefinder.h"

#include <cstring>

namespace zuk::tools {

ByteFinder::ByteFinder(std::string_view pattern, const FoldTable* fold)
    : m_pattern(pattern), m_folding(fold != nullptr)
{
    const std::size_t m = m_pattern.size();
    if (m_folding) {
        m_fold = *fold;
        for (char& c : m_pattern)
            c = static_cast<char>(m_fold[static_cast<unsigned char>(c)]);
    }
    // Shifts by folded byte, then spread over every byte that folds to it.
    std::array<std::size_t, 256> forward;
    std::array<std::size_t, 256> backward;
    forward.fill(m);
    backward.fill(m);
    for (std::size_t i = 0; i + 1 < m; ++i)
        forward[static_cast<unsigned char>(m_pattern[i])] = m - 1 - i;
    for (std::size_t i = m; i-- > 1;)
        backward[static_cast<unsigned char>(m_pattern[i])] = i;
    for (int b = 0; b < 256; ++b) {
        const unsigned char f = m_folding ? m_fold[b] : static_cast<unsigned char>(b);
        m_skip[b] = forward[f];
        m_backSkip[b] = backward[f];
    }
}

bool ByteFinder::matchesAt(const char* at) const
{
    const std::size_t m = m_pattern.size();
    if (!m_folding)
        return std::memcmp(at, m_pattern.data(), m) == 0;
    const FoldTable& fold = m_fold;
    for (std::size_t i = 0; i < m; ++i)
        if (fold[static_cast<unsigned char>(at[i])] != static_cast<unsigned char>(m_pattern[i]))
            return false;
    return true;
}

std::size_t ByteFinder::find(std::string_view text, std::size_t from, std::size_t end) const
{
    const std::size_t m = m_pattern.size();
    end = std::min(end, text.size());
    if (m == 0 || from > end || end - from < m)
        return npos;
    const char* base = text.data();
    if (!m_folding) {
        if (m == 1) {
            const void* hit = std::memchr(base + from, m_pattern[0], end - from);
            return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - base) : npos;
        }
        const char first = m_pattern[0];
        const char last = m_pattern[m - 1];
        const char* pattern = m_pattern.data();
        for (std::size_t pos = from; pos + m <= end;) {
            const char c = base[pos + m - 1];
            if (c == last && base[pos] == first &&
                (m <= 2 || std::memcmp(base + pos + 1, pattern + 1, m - 2) == 0))
                return pos;
            pos += m_skip[static_cast<unsigned char>(c)];
        }
        return npos;
    }
    const FoldTable& fold = m_fold;
    const auto last = static_cast<unsigned char>(m_pattern[m - 1]);
    for (std::size_t pos = from; pos + m <= end;) {
        const auto c = static_cast<unsigned char>(base[pos + m - 1]);
        if (fold[c] == last && matchesAt(base + pos))
            return pos;
        pos += m_skip[c];
    }
    return npos;
}

std::size_t ByteFinder::findLast(std::string_view text, std::size_t start, std::size_t end) const
{
    const std::size_t m = m_pattern.size();
    end = std::min(end, text.size());
    if (m == 0 || start > end || end - start < m)
        return npos;
    const char* base = text.data();
    std::size_t pos = end - m;
    while (true) {
        if (matchesAt(base + pos))
            return pos;
        const std::size_t shift = m_backSkip[static_cast<unsigned char>(base[pos])];
        if (pos < start + shift)
            return npos;
        pos -= shift;
    }
}

} // namespace zuk::tools
