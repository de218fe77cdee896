#include "highlight/clikelexer.h"

#include "io/nocase.h"

#include <algorithm>

namespace zuk::highlight {

namespace {

bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool isWordStart(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
}

bool isWordChar(unsigned char c)
{
    return isWordStart(c) || isDigit(c);
}

// The folded form used without case sensitivity; a plain ASCII word avoids the
// general UTF-8 folding.
void fold(std::string_view word, std::string& out)
{
    const bool ascii = std::all_of(word.begin(), word.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        out = io::lowerUtf8(word);
        return;
    }
    out.assign(word);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
}

} // namespace

void KeywordSet::assign(const std::vector<std::string>& keywords, bool caseSensitive)
{
    m_caseSensitive = caseSensitive;
    m_words.clear();
    m_longest = 0;
    std::string folded;
    for (const std::string& k : keywords) {
        if (k.empty())
            continue;
        if (caseSensitive)
            m_words.insert(k);
        else {
            fold(k, folded);
            m_words.insert(folded);
        }
        m_longest = std::max(m_longest, k.size());
    }
}

bool KeywordSet::contains(std::string_view word) const
{
    if (word.empty() || word.size() > m_longest)
        return false;
    std::string key;
    if (m_caseSensitive)
        key.assign(word);
    else
        fold(word, key);
    return m_words.count(key) != 0;
}

LineState styleCLike(std::string_view text, LineState state, const KeywordSet& keywords,
                     bool plainNumbers, unsigned char* styles, std::vector<LineState>& lineEnds)
{
    const size_t n = text.size();
    auto at = [&](size_t i) -> unsigned char {
        return i < n ? static_cast<unsigned char>(text[i]) : 0;
    };
    auto isLineEnd = [&](size_t i) { return text[i] == '\n' || text[i] == '\r'; };

    bool lineStart = true; // only blanks so far on this line
    size_t i = 0;

    // Runs to the end of the line; a backslash right before it keeps `carry`
    // for the next line, otherwise the next line starts normal.
    auto toLineEnd = [&](unsigned char style, LineState carry) {
        size_t j = i;
        while (j < n && !isLineEnd(j))
            ++j;
        std::fill(styles + i, styles + j, style);
        const bool continued = j > i && text[j - 1] == '\\';
        i = j;
        state = continued ? carry : LineState::Normal;
    };
    // A quoted literal from i (just after an opening quote, or a continued
    // line), up to the closing quote, the line end or a continuation.
    auto quoted = [&](char quote, unsigned char style, LineState carry) {
        size_t j = i;
        for (; j < n && !isLineEnd(j); ++j) {
            if (text[j] == '\\' && j + 1 < n && !isLineEnd(j + 1)) {
                ++j;
                continue;
            }
            if (text[j] == quote) {
                ++j;
                std::fill(styles + i, styles + j, style);
                i = j;
                state = LineState::Normal;
                return;
            }
        }
        std::fill(styles + i, styles + j, style);
        state = j > i && text[j - 1] == '\\' ? carry : LineState::Normal;
        i = j;
    };

    while (i < n) {
        const unsigned char c = at(i);
        if (c == '\r' || c == '\n') {
            styles[i] = StyleDefault;
            ++i;
            if (c == '\r' && at(i) == '\n') {
                styles[i] = StyleDefault;
                ++i;
            }
            lineEnds.push_back(state);
            lineStart = true;
            continue;
        }
        switch (state) {
        case LineState::BlockComment: {
            size_t lineEnd = i;
            while (lineEnd < n && !isLineEnd(lineEnd))
                ++lineEnd;
            const size_t close = text.substr(i, lineEnd - i).find("*/");
            const size_t stop = close == std::string_view::npos ? lineEnd : i + close + 2;
            std::fill(styles + i, styles + stop, StyleComment);
            i = stop;
            if (close != std::string_view::npos)
                state = LineState::Normal;
            lineStart = false;
            continue;
        }
        case LineState::Preprocessor:
            toLineEnd(StylePreprocessor, LineState::Preprocessor);
            continue;
        case LineState::String:
            quoted('"', StyleString, LineState::String);
            continue;
        case LineState::Character:
            quoted('\'', StyleCharacter, LineState::Character);
            continue;
        case LineState::Normal:
            break;
        }

        if (c == ' ' || c == '\t' || c == '\f' || c == '\v') {
            styles[i++] = StyleDefault;
            continue;
        }
        const bool firstOnLine = lineStart;
        lineStart = false;
        if (c == '/' && at(i + 1) == '*') {
            styles[i] = styles[i + 1] = StyleComment;
            i += 2;
            state = LineState::BlockComment;
        } else if (c == '/' && at(i + 1) == '/') {
            toLineEnd(StyleLineComment, LineState::Normal);
            state = LineState::Normal;
        } else if (c == '#' && firstOnLine) {
            toLineEnd(StylePreprocessor, LineState::Preprocessor);
        } else if (c == '"' || c == '\'') {
            styles[i++] = c == '"' ? StyleString : StyleCharacter;
            if (c == '"')
                quoted('"', StyleString, LineState::String);
            else
                quoted('\'', StyleCharacter, LineState::Character);
        } else if (isDigit(c) || (c == '.' && isDigit(at(i + 1)))) {
            size_t j = i;
            bool isFloat = false;
            if (plainNumbers) {
                while (isDigit(at(j)))
                    ++j;
                if (at(j) == '.' && isDigit(at(j + 1))) {
                    isFloat = true;
                    j += 2;
                    while (isDigit(at(j)))
                        ++j;
                }
                if (at(j) == 'e' || at(j) == 'E') {
                    size_t k = j + 1;
                    if (at(k) == '+' || at(k) == '-')
                        ++k;
                    if (isDigit(at(k))) {
                        isFloat = true;
                        j = k;
                        while (isDigit(at(j)))
                            ++j;
                    }
                }
            } else {
                const bool hex = c == '0' && (at(i + 1) == 'x' || at(i + 1) == 'X');
                while (j < n) {
                    const unsigned char d = at(j);
                    if (d == '.')
                        isFloat = true;
                    else if (!hex && (d == 'e' || d == 'E') &&
                             (at(j + 1) == '+' || at(j + 1) == '-')) {
                        isFloat = true;
                        ++j;
                    } else if (!isWordChar(d) || d >= 0x80)
                        break;
                    else if (!hex && (d == 'e' || d == 'E'))
                        isFloat = true;
                    ++j;
                }
            }
            std::fill(styles + i, styles + j, isFloat ? StyleFloat : StyleNumber);
            i = j;
        } else if (isWordStart(c)) {
            size_t j = i + 1;
            while (j < n && isWordChar(at(j)))
                ++j;
            const unsigned char style =
                keywords.contains(text.substr(i, j - i)) ? StyleKeyword : StyleIdentifier;
            std::fill(styles + i, styles + j, style);
            i = j;
        } else {
            styles[i++] = c < 32 ? StyleDefault : StyleOperator;
        }
    }
    return state;
}

} // namespace zuk::highlight
