#pragma once

#include "codepages/charsets.h"
#include "tools/bytefinder.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::tools {

class RegexPattern;

struct SearchOptions {
    bool matchCase = false;
    bool wholeWords = false;
    bool regex = false;
};

// One match as offsets into the document's bytes; in regex mode also each
// group's begin and end (npos twice for a group that took no part).
struct TextMatch {
    std::size_t start = 0;
    std::size_t end = 0;
    std::vector<std::size_t> groups;
};

// The text a search runs over: a document's bytes in its working code page
// (the control form: lines joined by CR LF). Regular expressions see it
// decoded to UTF-8; that copy is made on the first regex search and kept with
// a sparse map between the two kinds of offset. The bytes must outlive it.
class SearchSubject final {
public:
    SearchSubject(std::string_view bytes, codepages::CodePage cp);
    ~SearchSubject();

    std::string_view bytes() const { return m_bytes; }
    codepages::CodePage codePage() const { return m_cp; }

    const std::string& utf8() const;
    std::size_t toUtf8(std::size_t byteOffset) const;
    std::size_t toBytes(std::size_t utf8Offset) const;

private:
    std::string_view m_bytes;
    codepages::CodePage m_cp;
    mutable bool m_decoded = false;
    mutable std::string m_utf8;
    mutable std::vector<std::size_t> m_marks; // UTF-8 offset of every kMarkStep-th byte
};

// Search in a document: a pattern as the user typed it (UTF-8) with the
// options of the find and replace dialogs, over the bytes of one code page.
// Letter case is folded through the code page's own letters (Ё and ё, and
// every other Cyrillic pair, included); a whole word is a match with no
// letter, digit or underscore of the code page right before or after it.
// Plain searches run on the bytes; regular expressions on the UTF-8 form.
// An empty pattern matches nothing, and so does a plain pattern holding a
// character the code page lacks. Throws SearchError for a bad expression.
class TextSearch final {
public:
    TextSearch(std::string_view patternUtf8, const SearchOptions& options, codepages::CodePage cp);
    ~TextSearch();
    TextSearch(TextSearch&&) noexcept;
    TextSearch& operator=(TextSearch&&) noexcept;

    const SearchOptions& options() const { return m_options; }
    codepages::CodePage codePage() const { return m_cp; }

    // The first match that starts at or after `from` and ends by `end`.
    std::optional<TextMatch> next(const SearchSubject& text, std::size_t from,
                                  std::size_t end) const;
    // The last match that lies within [start, end), as a search running
    // forward from `start` meets them.
    std::optional<TextMatch> previous(const SearchSubject& text, std::size_t start,
                                      std::size_t end) const;
    // Every match in [from, end), left to right, none overlapping another;
    // stops when `visit` returns false. An empty regex match counts once at
    // its place, and the search goes on one character further.
    void forEach(const SearchSubject& text, std::size_t from, std::size_t end,
                 const std::function<bool(const TextMatch&)>& visit) const;
    // Whether [start, end) is a match by itself (the current selection of a
    // replace, checked before it is replaced).
    std::optional<TextMatch> matchAt(const SearchSubject& text, std::size_t start,
                                     std::size_t end) const;

    // What replaces `match`: `replacement` (bytes of the code page) as it
    // stands in plain mode; in regex mode $0..$9, ${NN} and \0..\9 put in a
    // group's text, $$ a dollar and \\ a backslash.
    std::string expand(const SearchSubject& text, const TextMatch& match,
                       std::string_view replacement) const;

private:
    bool wordBoundsOk(std::string_view bytes, std::size_t start, std::size_t end) const;
    std::optional<TextMatch> regexNext(const SearchSubject& text, std::size_t from, std::size_t end,
                                       bool anchoredNonEmpty) const;

    SearchOptions m_options;
    codepages::CodePage m_cp;
    bool m_impossible = false;
    FoldTable m_fold{};
    std::array<bool, 256> m_word{};
    ByteFinder m_finder;
    std::unique_ptr<RegexPattern> m_regex;
};

// The letters, digits and underscore of a code page: what whole words are made of.
std::array<bool, 256> wordBytes(codepages::CodePage cp);
// The fold table of a code page (textfunc::inCodePage of Cp1251Lower).
FoldTable foldTable(codepages::CodePage cp);

} // namespace zuk::tools
