#include "html/htmlparser.h"

#include "html/htmlbasics.h"

#include <array>
#include <cstring>

namespace zuk::html {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool startsTag(char c)
{
    return isAsciiLetter(c) || c == '/' || c == '!' || c == '?';
}

std::size_t findChar(std::string_view text, char c, std::size_t from)
{
    if (from >= text.size())
        return npos;
    const void* at = std::memchr(text.data() + from, c, text.size() - from);
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text.data()) : npos;
}

} // namespace

std::string TTag::UpperName() const
{
    std::string name(TagName);
    for (char& c : name)
        c = upperAscii(c);
    return name;
}

std::vector<TagAttribute> TTag::Attributes() const
{
    std::vector<TagAttribute> out;
    if (TagName == "!--")
        return out;
    const std::string_view s = Content;
    std::size_t i = TagName.size();
    while (i < s.size()) {
        while (i < s.size() && (isBlank(s[i]) || s[i] == '/'))
            ++i;
        const std::size_t nameStart = i;
        while (i < s.size() && !isBlank(s[i]) && s[i] != '=' && s[i] != '/')
            ++i;
        if (i == nameStart) {
            if (i < s.size() && s[i] == '=')
                ++i; // a stray '=' names nothing
            continue;
        }
        TagAttribute attribute;
        attribute.name = s.substr(nameStart, i - nameStart);
        std::size_t j = i;
        while (j < s.size() && isBlank(s[j]))
            ++j;
        if (j < s.size() && s[j] == '=') {
            ++j;
            while (j < s.size() && isBlank(s[j]))
                ++j;
            attribute.hasValue = true;
            if (j < s.size() && (s[j] == '"' || s[j] == '\'')) {
                const char quote = s[j];
                const std::size_t end = s.find(quote, j + 1);
                const std::size_t stop = end == npos ? s.size() : end;
                attribute.value = s.substr(j + 1, stop - j - 1);
                i = end == npos ? s.size() : end + 1;
            } else {
                const std::size_t valueStart = j;
                while (j < s.size() && !isBlank(s[j]))
                    ++j;
                attribute.value = s.substr(valueStart, j - valueStart);
                i = j;
            }
        }
        out.push_back(attribute);
    }
    return out;
}

const TagAttribute* findAttribute(const std::vector<TagAttribute>& attributes,
                                  std::string_view name)
{
    for (const TagAttribute& a : attributes)
        if (equalNoCaseAscii(a.name, name))
            return &a;
    return nullptr;
}

void THtmlParser::SetText(std::string_view text)
{
    *this = THtmlParser();
    m_text = text;
}

std::string_view THtmlParser::TextBeforeTag() const
{
    const std::size_t end = m_hasTag ? m_tagStart : m_text.size();
    return m_text.substr(m_previousEnd, end - m_previousEnd);
}

bool THtmlParser::firstClose(std::size_t from, std::size_t& close)
{
    if (from >= m_noCloseFrom)
        return false;
    close = findChar(m_text, '>', from);
    if (close == npos) {
        m_noCloseFrom = from;
        return false;
    }
    return true;
}

std::size_t THtmlParser::findQuote(char quote, std::size_t from)
{
    std::size_t& none = quote == '"' ? m_noDoubleFrom : m_noSingleFrom;
    if (from >= none)
        return npos;
    const std::size_t at = findChar(m_text, quote, from);
    if (at == npos)
        none = from;
    return at;
}

bool THtmlParser::endOfComment(std::size_t open, std::size_t& close)
{
    // From the second '-': "<!-->" and "<!--->" are comments that end at once.
    const std::size_t from = open + 2;
    if (from < m_noCommentEndFrom) {
        const std::size_t end = m_text.find("-->", from);
        if (end != npos) {
            close = end + 2;
            return true;
        }
        m_noCommentEndFrom = from;
    }
    return firstClose(open + 1, close);
}

bool THtmlParser::endOfTag(std::size_t open, std::size_t& close)
{
    if (m_plainCloseOnly)
        return firstClose(open + 1, close);
    static const auto stops = [] {
        std::array<bool, 256> t{};
        t['>'] = t['"'] = t['\''] = true;
        return t;
    }();
    const std::size_t size = m_text.size();
    const char* text = m_text.data();
    std::size_t i = open + 1;
    for (;;) {
        while (i < size && !stops[static_cast<unsigned char>(text[i])])
            ++i;
        if (i >= size)
            break;
        if (text[i] == '>') {
            close = i;
            return true;
        }
        // A quote opens a value only right after '=' (blanks between).
        std::size_t before = i - 1;
        while (before > open && isBlank(text[before]))
            --before;
        if (text[before] == '=') {
            const std::size_t end = findQuote(text[i], i + 1);
            if (end == npos)
                return firstClose(open + 1, close);
            i = end;
        }
        ++i;
    }
    m_plainCloseOnly = true;
    return firstClose(open + 1, close);
}

bool THtmlParser::NextTag()
{
    if (m_hasTag) {
        m_previousEnd = m_tagStart + m_tagLength;
        m_position = m_previousEnd;
        m_hasTag = false;
    }
    for (;;) {
        const std::size_t open = findChar(m_text, '<', m_position);
        if (open == npos || open + 1 >= m_text.size())
            return false;
        if (!startsTag(m_text[open + 1])) {
            m_position = open + 1;
            continue;
        }
        const bool comment = m_text.compare(open, 4, "<!--") == 0;
        std::size_t close = 0;
        if (!(comment ? endOfComment(open, close) : endOfTag(open, close)))
            return false;
        m_tagStart = open;
        m_tagLength = close - open + 1;
        m_tag.Content = m_text.substr(open + 1, close - open - 1);
        if (comment) {
            m_tag.TagName = m_tag.Content.substr(0, 3);
        } else {
            std::size_t end = 1;
            const std::string_view content = m_tag.Content;
            while (end < content.size() && !isBlank(content[end]) && content[end] != '/')
                ++end;
            m_tag.TagName = content.substr(0, end);
        }
        m_hasTag = true;
        return true;
    }
}

} // namespace zuk::html
