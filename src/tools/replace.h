#pragma once

#include "tools/bytefinder.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Replace-all and multi-replace over byte strings: the operations behind
// "Заменить все/мультизамена", replacing in files and zuk-text.
namespace zuk::tools {

// The most a text of `inputSize` bytes may grow to by replacing: 64 times
// the input plus 16 MB. Past it a replacement throws SearchError and the
// text stays as it was (a list like a=aa, a=aa, ... doubles it per line).
std::size_t replaceCap(std::size_t inputSize);

// Every occurrence of `find` in `text` replaced by `with`, left to right,
// without looking again at what was put in ("aa" by "a" in "aaaa" gives
// "aa"). Letter case is ignored through `fold` when it is given. An empty
// `find` changes nothing. `count`, when given, gets the number replaced.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with,
                       const FoldTable* fold = nullptr, std::size_t* count = nullptr);

// One line of a multi-replace list: the text before the first "=" is
// searched for, the rest replaces it.
struct ReplaceRule {
    std::string find;
    std::string with;
};

// The rules of a multi-replace list, in the order of its lines. A line
// without "=" and a line with an empty name are no rules. Every rule takes
// the value of the first line whose name is its own, names compared with
// letter case ignored through `nameFold` (the search itself stays exact
// unless MultiReplace is told otherwise).
std::vector<ReplaceRule> parseReplaceList(const std::vector<std::string>& lines,
                                          const FoldTable& nameFold);

// `text` after ReplaceAll of every rule in order, each on the result of the
// one before ("a=b" then "b=c" turns "a" into "c"). Letter case is ignored
// through `fold` when given. The result is the same as that of the rules run
// one by one, but the text is read about once: rules whose find text holds no
// line break cannot match across one, so each line is handled by itself and
// only the rules that occur in it run on it (one automaton finds which).
// `count`, when given, gets the number of replacements made.
std::string MultiReplace(std::string_view text, const std::vector<ReplaceRule>& rules,
                         const FoldTable* fold = nullptr, std::size_t* count = nullptr);

// MultiReplace prepared once for many texts (its automaton and finders).
class MultiReplacer final {
public:
    MultiReplacer(const std::vector<ReplaceRule>& rules, const FoldTable* fold);
    ~MultiReplacer();
    MultiReplacer(const MultiReplacer&) = delete;
    MultiReplacer& operator=(const MultiReplacer&) = delete;

    std::string apply(std::string_view text, std::size_t* count = nullptr) const;
    // Whether every rule stays within a line (none finds a line break): then
    // a text cut after any line break can be replaced piece by piece.
    bool lineByLine() const { return m_lineByLine; }

private:
    std::vector<ReplaceRule> m_rules; // the rules that can match (non-empty find)
    const FoldTable* m_fold;
    bool m_lineByLine = true;
    struct Prepared;
    std::unique_ptr<Prepared> m_prepared; // none: rule by rule
};

// Replacing in a text that comes in pieces (zuk-text on a stream): put()
// appends to `out` what is settled so far, finish() the rest. The result is
// that of ReplaceAll (or of MultiReplace) on the whole text; memory stays
// about a piece, except for a multi-replace list that finds line breaks,
// which holds the whole text until finish().
class ReplaceStream final {
public:
    ReplaceStream(std::string_view find, std::string_view with, const FoldTable* fold);
    explicit ReplaceStream(const MultiReplacer& multi);
    void put(std::string_view piece, std::string& out);
    void finish(std::string& out);
    std::size_t count() const { return m_count; }

private:
    ByteFinder m_finder;
    std::string m_with;
    const MultiReplacer* m_multi = nullptr;
    std::string m_held;
    std::size_t m_count = 0;
};

} // namespace zuk::tools
