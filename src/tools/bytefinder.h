#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zuk::tools {

// A byte map of a code page to its small letters (textfunc::inCodePage of
// Cp1251Lower): what "letter case ignored" means for text in that code page.
using FoldTable = std::array<unsigned char, 256>;

// Finds one fixed byte string in texts, exactly or with letter case ignored
// through a fold table. The shift table is made once, so a caller that looks
// for millions of matches pays nothing per call; the scan skips ahead by up
// to the pattern's length (Horspool), which keeps a search for a text that is
// not there far below a byte-by-byte pass. An empty pattern matches nothing.
class ByteFinder final {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    ByteFinder() = default;
    // `fold`: nullptr for an exact search (the table is copied).
    explicit ByteFinder(std::string_view pattern, const FoldTable* fold = nullptr);

    std::size_t size() const { return m_pattern.size(); }
    bool empty() const { return m_pattern.empty(); }

    // The first match starting at or after `from` and ending by `end`
    // (npos: the end of the text); npos when there is none.
    std::size_t find(std::string_view text, std::size_t from = 0, std::size_t end = npos) const;
    // The last match starting at or after `start` and ending by `end`.
    std::size_t findLast(std::string_view text, std::size_t start, std::size_t end) const;
    // Whether the pattern stands at `at` (at + size() must be within the text).
    bool matchesAt(const char* at) const;

private:
    std::string m_pattern; // folded when `m_folding` is set
    bool m_folding = false;
    FoldTable m_fold{};
    std::array<std::size_t, 256> m_skip{};     // forward: from the last byte of a window
    std::array<std::size_t, 256> m_backSkip{}; // backward: from the first byte of a window
};

} // namespace zuk::tools
