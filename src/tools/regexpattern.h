#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace zuk::tools {

// A compiled regular expression (PCRE2, Perl syntax) over UTF-8 text. The
// document's bytes reach it decoded through their code page, so letter case
// and \w know every Cyrillic letter of every code page. A line ends at CR LF,
// a lone CR or a lone LF (^, $ and . see them so); ^ and $ match at every
// line's start and end.
//
// Throws SearchError when the expression does not compile. The object keeps
// its match data, so one object serves one thread.
class RegexPattern final {
public:
    RegexPattern(std::string_view utf8, bool ignoreCase);
    ~RegexPattern();
    RegexPattern(const RegexPattern&) = delete;
    RegexPattern& operator=(const RegexPattern&) = delete;

    // The first match starting at or after `start` in `subject`; false when
    // there is none. `anchored`: only a match exactly at `start` counts;
    // `nonEmpty`: an empty match at `start` does not (the retry after an
    // empty match uses both). On success `groups`
    // holds begin and end of the whole match and of every group, as offsets
    // into the subject; a group that took no part holds npos twice. Throws
    // SearchError when the expression is too costly for this text.
    bool match(std::string_view subject, std::size_t start, bool anchored, bool nonEmpty,
               std::vector<std::size_t>& groups) const;
    int groupCount() const { return m_groups; }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    int m_groups = 0;
};

} // namespace zuk::tools
