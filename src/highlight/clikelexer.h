#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace zuk::highlight {

// The styles the scheme highlighter gives to the bytes of a text.
enum SchemeStyle : unsigned char {
    StyleDefault = 0,
    StyleComment,
    StyleLineComment,
    StyleNumber,
    StyleKeyword,
    StyleString,
    StyleCharacter,
    StyleOperator,
    StyleIdentifier,
    StylePreprocessor,
    StyleFloat,
    StyleCount
};

// Keywords as the highlighter looks them up (UTF-8). Without case sensitivity
// Latin and Cyrillic letters are compared folded.
class KeywordSet final {
public:
    void assign(const std::vector<std::string>& keywords, bool caseSensitive);
    bool contains(std::string_view word) const;
    bool caseSensitive() const { return m_caseSensitive; }
    size_t size() const { return m_words.size(); }

private:
    std::unordered_set<std::string> m_words;
    bool m_caseSensitive = true;
    size_t m_longest = 0;
};

// What the lexer carries from one line to the next.
enum class LineState : int {
    Normal = 0,
    BlockComment = 1,
    Preprocessor = 2,
    String = 3,
    Character = 4
};

// Styles UTF-8 text by the C lexical rules: /* */ and // comments, "..." and
// '...' literals with backslash escapes, # lines (continued by a final
// backslash), numbers, identifiers (bytes from 0x80 count as letters) looked up
// in `keywords`, and operators. With `plainNumbers` a number is digits with an
// optional ".digits" and an optional exponent, so 0x1F and 10L are a number
// followed by an identifier; otherwise a number runs on through letters,
// digits and dots as in C.
//
// `text` must begin at a line start, in state `state`. `styles` receives one
// style per byte. The state at the end of every line that ends inside `text`
// is appended to `lineEnds`. Returns the state at the end of `text`. Linear.
LineState styleCLike(std::string_view text, LineState state, const KeywordSet& keywords,
                     bool plainNumbers, unsigned char* styles, std::vector<LineState>& lineEnds);

} // namespace zuk::highlight
