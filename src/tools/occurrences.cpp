#include "tools/occurrences.h"

#include <string>

namespace zuk::tools {

std::size_t CountOccurrences(std::string_view text, std::string_view pattern,
                             const std::array<unsigned char, 256>& lower)
{
    if (text.empty() || pattern.empty() || pattern.size() > text.size())
        return 0;
    std::string folded(pattern);
    for (char& c : folded)
        c = static_cast<char>(lower[static_cast<unsigned char>(c)]);

    // The text is folded a piece at a time into a window that keeps the last
    // pattern-length-minus-one bytes of the piece before, so a match across
    // two pieces is found once; `next` keeps matches from overlapping.
    constexpr std::size_t kPiece = 1 << 20;
    const std::size_t keep = folded.size() - 1;
    std::string window;
    window.reserve(kPiece + keep);
    std::size_t count = 0;
    std::size_t windowStart = 0; // text offset of window[0]
    std::size_t next = 0;        // text offset where the next match may start
    for (std::size_t at = 0; at < text.size(); at += kPiece) {
        const std::string_view piece = text.substr(at, kPiece);
        if (window.size() > keep) {
            window.erase(0, window.size() - keep);
            windowStart = at - window.size();
        }
        for (const char c : piece)
            window += static_cast<char>(lower[static_cast<unsigned char>(c)]);
        std::size_t from = next > windowStart ? next - windowStart : 0;
        for (std::size_t hit = window.find(folded, from); hit != std::string::npos;
             hit = window.find(folded, from)) {
            ++count;
            from = hit + folded.size();
        }
        next = windowStart + from;
    }
    return count;
}

} // namespace zuk::tools
