#include "tools/textsearch.h"

#include "textfunc/casefunctions.h"
#include "tools/regexpattern.h"

#include <algorithm>

namespace zuk::tools {

namespace {

constexpr std::size_t kMarkStep = 1024;

std::array<unsigned char, 256> utf8Lengths(codepages::CodePage cp)
{
    const char16_t* table = codepages::unicodeTable(cp);
    std::array<unsigned char, 256> lengths{};
    for (int b = 0; b < 256; ++b)
        lengths[b] = table[b] < 0x80 ? 1 : table[b] < 0x800 ? 2 : 3;
    return lengths;
}

// Regex offsets to byte offsets for matches met in order: a cursor walks
// forward from the last answer, so a replace-all over millions of matches
// reads the text once.
class OffsetCursor {
public:
    explicit OffsetCursor(const SearchSubject& text)
        : m_text(text), m_lengths(utf8Lengths(text.codePage()))
    {
    }
    std::size_t toBytes(std::size_t utf8)
    {
        if (utf8 < m_utf8 || utf8 - m_utf8 > 4 * kMarkStep) {
            m_bytes = m_text.toBytes(utf8);
            m_utf8 = utf8;
            return m_bytes;
        }
        const std::string_view bytes = m_text.bytes();
        while (m_utf8 < utf8 && m_bytes < bytes.size())
            m_utf8 += m_lengths[static_cast<unsigned char>(bytes[m_bytes++])];
        return m_bytes;
    }

private:
    const SearchSubject& m_text;
    std::array<unsigned char, 256> m_lengths;
    std::size_t m_utf8 = 0;
    std::size_t m_bytes = 0;
};

// Every character of the UTF-8 form stands for one byte: the byte offset of
// `target` is that of a known place moved by the characters between them.
std::size_t bytesFrom(std::string_view utf8, std::size_t knownUtf8, std::size_t knownBytes,
                      std::size_t target)
{
    auto characters = [&utf8](std::size_t from, std::size_t to) {
        std::size_t n = 0;
        for (std::size_t i = from; i < to; ++i)
            n += (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        return n;
    };
    return target >= knownUtf8 ? knownBytes + characters(knownUtf8, target)
                               : knownBytes - characters(target, knownUtf8);
}

// The groups of a match in byte offsets, from the match's own start.
void convertGroups(std::string_view utf8, const std::vector<std::size_t>& groups, TextMatch& match)
{
    match.groups.assign(groups.size(), RegexPattern::npos);
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (groups[i] != RegexPattern::npos)
            match.groups[i] = bytesFrom(utf8, groups[0], match.start, groups[i]);
}

// The place after the character at `at`; a CR LF is one line end, so the
// place between its two bytes is never tried (^ and $ would match there).
std::size_t nextCharacter(std::string_view utf8, std::size_t at)
{
    if (utf8[at] == '\r' && at + 1 < utf8.size() && utf8[at + 1] == '\n')
        return at + 2;
    ++at;
    while (at < utf8.size() && (static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}

} // namespace

// --- the subject ---------------------------------------------------------------------

SearchSubject::SearchSubject(std::string_view bytes, codepages::CodePage cp)
    : m_bytes(bytes), m_cp(cp)
{
}

SearchSubject::~SearchSubject() = default;

const std::string& SearchSubject::utf8() const
{
    if (m_decoded)
        return m_utf8;
    const std::array<unsigned char, 256> lengths = utf8Lengths(m_cp);
    m_utf8 = codepages::decodeToUtf8(m_bytes, m_cp);
    m_marks.reserve(m_bytes.size() / kMarkStep + 1);
    std::size_t u = 0;
    for (std::size_t b = 0; b < m_bytes.size(); ++b) {
        if (b % kMarkStep == 0)
            m_marks.push_back(u);
        u += lengths[static_cast<unsigned char>(m_bytes[b])];
    }
    if (m_marks.empty())
        m_marks.push_back(0);
    m_decoded = true;
    return m_utf8;
}

std::size_t SearchSubject::toUtf8(std::size_t byteOffset) const
{
    utf8();
    byteOffset = std::min(byteOffset, m_bytes.size());
    const std::array<unsigned char, 256> lengths = utf8Lengths(m_cp);
    std::size_t mark = std::min(byteOffset / kMarkStep, m_marks.size() - 1);
    std::size_t u = m_marks[mark];
    for (std::size_t b = mark * kMarkStep; b < byteOffset; ++b)
        u += lengths[static_cast<unsigned char>(m_bytes[b])];
    return u;
}

std::size_t SearchSubject::toBytes(std::size_t utf8Offset) const
{
    utf8();
    const auto it = std::upper_bound(m_marks.begin(), m_marks.end(), utf8Offset);
    const auto mark = static_cast<std::size_t>(it - m_marks.begin()) - 1;
    const std::array<unsigned char, 256> lengths = utf8Lengths(m_cp);
    std::size_t u = m_marks[mark];
    std::size_t b = mark * kMarkStep;
    while (u < utf8Offset && b < m_bytes.size())
        u += lengths[static_cast<unsigned char>(m_bytes[b++])];
    return b;
}

// --- tables ------------------------------------------------------------------------------

FoldTable foldTable(codepages::CodePage cp)
{
    return textfunc::inCodePage(textfunc::Cp1251Lower, cp);
}

std::array<bool, 256> wordBytes(codepages::CodePage cp)
{
    const FoldTable lower = foldTable(cp);
    const textfunc::CaseTable upper = textfunc::inCodePage(textfunc::Cp1251Upper, cp);
    std::array<bool, 256> word{};
    for (int b = 0; b < 256; ++b)
        word[b] = (b >= '0' && b <= '9') || b == '_' || lower[b] != b || upper[b] != b;
    return word;
}

// --- the search ---------------------------------------------------------------------------

TextSearch::TextSearch(std::string_view patternUtf8, const SearchOptions& options,
                       codepages::CodePage cp)
    : m_options(options), m_cp(cp), m_fold(foldTable(cp)), m_word(wordBytes(cp))
{
    if (patternUtf8.empty()) {
        m_impossible = true;
        return;
    }
    if (options.regex) {
        m_regex = std::make_unique<RegexPattern>(patternUtf8, !options.matchCase);
        return;
    }
    const std::string bytes = codepages::encodeFromUtf8(patternUtf8, cp);
    // A character the code page lacks came back as '?': no text of the
    // document can hold it.
    if (codepages::decodeToUtf8(bytes, cp) != patternUtf8) {
        m_impossible = true;
        return;
    }
    m_finder = ByteFinder(bytes, options.matchCase ? nullptr : &m_fold);
}

TextSearch::~TextSearch() = default;
TextSearch::TextSearch(TextSearch&&) noexcept = default;
TextSearch& TextSearch::operator=(TextSearch&&) noexcept = default;

bool TextSearch::wordBoundsOk(std::string_view bytes, std::size_t start, std::size_t end) const
{
    if (!m_options.wholeWords)
        return true;
    if (start > 0 && m_word[static_cast<unsigned char>(bytes[start - 1])])
        return false;
    return end >= bytes.size() || !m_word[static_cast<unsigned char>(bytes[end])];
}

std::optional<TextMatch> TextSearch::regexNext(const SearchSubject& text, std::size_t from,
                                               std::size_t end, bool anchoredNonEmpty) const
{
    const std::string& utf8 = text.utf8();
    const std::string_view subject(utf8.data(), text.toUtf8(end));
    std::size_t pos = text.toUtf8(from);
    std::vector<std::size_t> groups;
    OffsetCursor cursor(text);
    bool retry = anchoredNonEmpty;
    while (pos <= subject.size()) {
        if (!m_regex->match(subject, pos, retry, retry, groups)) {
            if (!retry || pos >= subject.size())
                return std::nullopt;
            retry = false;
            pos = nextCharacter(subject, pos);
            continue;
        }
        TextMatch match;
        match.start = cursor.toBytes(groups[0]);
        match.end = cursor.toBytes(groups[1]);
        if (wordBoundsOk(text.bytes(), match.start, match.end)) {
            convertGroups(subject, groups, match);
            return match;
        }
        if (groups[0] >= subject.size())
            return std::nullopt;
        retry = false;
        pos = nextCharacter(subject, groups[0]);
    }
    return std::nullopt;
}

std::optional<TextMatch> TextSearch::next(const SearchSubject& text, std::size_t from,
                                          std::size_t end) const
{
    end = std::min(end, text.bytes().size());
    if (m_impossible || from > end)
        return std::nullopt;
    if (m_regex)
        return regexNext(text, from, end, false);
    const std::string_view bytes = text.bytes();
    for (std::size_t at = m_finder.find(bytes, from, end); at != ByteFinder::npos;
         at = m_finder.find(bytes, at + 1, end)) {
        if (wordBoundsOk(bytes, at, at + m_finder.size()))
            return TextMatch{at, at + m_finder.size(), {}};
    }
    return std::nullopt;
}

std::optional<TextMatch> TextSearch::previous(const SearchSubject& text, std::size_t start,
                                              std::size_t end) const
{
    end = std::min(end, text.bytes().size());
    if (m_impossible || start > end)
        return std::nullopt;
    if (!m_regex) {
        const std::string_view bytes = text.bytes();
        const std::size_t m = m_finder.size();
        for (std::size_t at = m_finder.findLast(bytes, start, end); at != ByteFinder::npos;
             at = at + m - 1 > start ? m_finder.findLast(bytes, start, at + m - 1)
                                     : ByteFinder::npos) {
            if (wordBoundsOk(bytes, at, at + m))
                return TextMatch{at, at + m, {}};
        }
        return std::nullopt;
    }
    std::optional<TextMatch> last;
    forEach(text, start, end, [&last](const TextMatch& m) {
        last = m;
        return true;
    });
    return last;
}

void TextSearch::forEach(const SearchSubject& text, std::size_t from, std::size_t end,
                         const std::function<bool(const TextMatch&)>& visit) const
{
    end = std::min(end, text.bytes().size());
    if (m_impossible || from > end)
        return;
    if (!m_regex) {
        const std::string_view bytes = text.bytes();
        const std::size_t m = m_finder.size();
        std::size_t at = m_finder.find(bytes, from, end);
        while (at != ByteFinder::npos) {
            if (wordBoundsOk(bytes, at, at + m)) {
                if (!visit(TextMatch{at, at + m, {}}))
                    return;
                at = m_finder.find(bytes, at + m, end);
            } else {
                at = m_finder.find(bytes, at + 1, end);
            }
        }
        return;
    }
    const std::string& utf8 = text.utf8();
    const std::string_view subject(utf8.data(), text.toUtf8(end));
    std::size_t pos = text.toUtf8(from);
    std::vector<std::size_t> groups;
    OffsetCursor cursor(text);
    bool retry = false;
    while (pos <= subject.size()) {
        if (!m_regex->match(subject, pos, retry, retry, groups)) {
            if (!retry || pos >= subject.size())
                return;
            retry = false;
            pos = nextCharacter(subject, pos);
            continue;
        }
        TextMatch match;
        match.start = cursor.toBytes(groups[0]);
        match.end = cursor.toBytes(groups[1]);
        if (!wordBoundsOk(text.bytes(), match.start, match.end)) {
            if (groups[0] >= subject.size())
                return;
            retry = false;
            pos = nextCharacter(subject, groups[0]);
            continue;
        }
        if (m_regex->groupCount() > 0)
            convertGroups(subject, groups, match);
        if (!visit(match))
            return;
        // After an empty match the same place is tried once more for a
        // non-empty one, then the search moves on a character.
        retry = groups[1] == groups[0];
        pos = groups[1];
    }
}

std::optional<TextMatch> TextSearch::matchAt(const SearchSubject& text, std::size_t start,
                                             std::size_t end) const
{
    const std::string_view bytes = text.bytes();
    if (m_impossible || start > end || end > bytes.size())
        return std::nullopt;
    if (!m_regex) {
        if (end - start != m_finder.size() || !m_finder.matchesAt(bytes.data() + start) ||
            !wordBoundsOk(bytes, start, end))
            return std::nullopt;
        return TextMatch{start, end, {}};
    }
    const std::string& utf8 = text.utf8();
    std::vector<std::size_t> groups;
    if (!m_regex->match(utf8, text.toUtf8(start), true, false, groups))
        return std::nullopt;
    TextMatch match;
    match.start = text.toBytes(groups[0]);
    match.end = text.toBytes(groups[1]);
    if (match.start != start || match.end != end || !wordBoundsOk(bytes, start, end))
        return std::nullopt;
    convertGroups(utf8, groups, match);
    return match;
}

std::string TextSearch::expand(const SearchSubject& text, const TextMatch& match,
                               std::string_view replacement) const
{
    if (!m_regex)
        return std::string(replacement);
    const std::string_view bytes = text.bytes();
    std::string out;
    auto group = [&](std::size_t n) {
        if (n == 0) {
            out.append(bytes.substr(match.start, match.end - match.start));
            return true;
        }
        if (n > static_cast<std::size_t>(m_regex->groupCount()))
            return false;
        if (2 * n + 1 < match.groups.size() && match.groups[2 * n] != RegexPattern::npos)
            out.append(
                bytes.substr(match.groups[2 * n], match.groups[2 * n + 1] - match.groups[2 * n]));
        return true;
    };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        const char next = i + 1 < replacement.size() ? replacement[i + 1] : '\0';
        if (c == '$' && next == '$') {
            out += '$';
            ++i;
        } else if (c == '$' && digit(next) && group(static_cast<std::size_t>(next - '0'))) {
            ++i;
        } else if (c == '$' && next == '{') {
            const std::size_t close = replacement.find('}', i + 2);
            std::size_t n = 0;
            bool ok = close != std::string_view::npos && close > i + 2 && close - i - 2 <= 3;
            for (std::size_t k = i + 2; ok && k < close; ++k) {
                ok = digit(replacement[k]);
                n = n * 10 + static_cast<std::size_t>(replacement[k] - '0');
            }
            if (ok && group(n))
                i = close;
            else
                out += c;
        } else if (c == '\\' && next == '\\') {
            out += '\\';
            ++i;
        } else if (c == '\\' && next == 'n') {
            out += "\r\n";
            ++i;
        } else if (c == '\\' && next == 't') {
            out += '\t';
            ++i;
        } else if (c == '\\' && digit(next) && group(static_cast<std::size_t>(next - '0'))) {
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace zuk::tools
