#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::html {

// One attribute of a tag: its name as written and its value with one pair of
// matching quotes taken off. `hasValue` tells `name=""` from a bare `name`.
struct TagAttribute {
    std::string_view name;
    std::string_view value;
    bool hasValue = false;
};

// A tag found by THtmlParser. Its views point into the scanned text.
struct TTag {
    // The name as written: up to the first blank, line break, '>' or a '/'
    // after its first character ("br" in <br/>, "/b" in </b>). A comment is
    // named "!--" whatever follows.
    std::string_view TagName;
    // Everything between '<' and the closing '>'.
    std::string_view Content;

    // TagName in Latin capitals.
    std::string UpperName() const;
    // The attributes after the name, in order: name, blanks, '=', blanks and
    // a value in double or single quotes or up to the next blank. Tags split
    // over lines read the same as tags on one line.
    std::vector<TagAttribute> Attributes() const;
};

// The first attribute with this name (Latin letters compared without case),
// or nullptr.
const TagAttribute* findAttribute(const std::vector<TagAttribute>& attributes,
                                  std::string_view name);

// The one tag scanner of the HTML tools. A tag starts at a '<' followed by a
// letter, '/', '!' or '?' (so "a < b and c > d" holds none) and ends at the
// first '>' that is not inside a quoted attribute value; a comment "<!--"
// ends at "-->". A quote that never closes, or a comment that never ends,
// does not swallow the rest of the text: that tag ends at its first '>'.
// Scanning a whole text is linear in its length.
//
// The parser does not own the text; it must outlive the scan.
class THtmlParser final {
public:
    THtmlParser() = default;
    explicit THtmlParser(std::string_view text) { SetText(text); }

    // Takes the text and starts over before its first tag.
    void SetText(std::string_view text);
    // Moves to the next tag; false (and no current tag) when there is none.
    bool NextTag();
    // The current tag, or nullptr before the first and after the last.
    const TTag* Tag() const { return m_hasTag ? &m_tag : nullptr; }
    // Where the current tag's '<' stands and how long the tag is, '>' included.
    std::size_t TagStart() const { return m_tagStart; }
    std::size_t TagLength() const { return m_tagLength; }
    // The text between the end of the previous tag (or the start) and this one.
    std::string_view TextBeforeTag() const;

private:
    bool endOfComment(std::size_t open, std::size_t& close);
    bool endOfTag(std::size_t open, std::size_t& close);
    bool firstClose(std::size_t from, std::size_t& close);
    std::size_t findQuote(char quote, std::size_t from);

    std::string_view m_text;
    std::size_t m_position = 0;    // where the next search starts
    std::size_t m_previousEnd = 0; // just after the previous tag
    std::size_t m_tagStart = 0, m_tagLength = 0;
    bool m_hasTag = false;
    TTag m_tag;
    // Past these offsets the text holds no such character (or string): a
    // search that failed once fails again at once, so unclosed quotes and
    // comments cost one walk to the end, not one per tag.
    std::size_t m_noDoubleFrom = std::string_view::npos;
    std::size_t m_noSingleFrom = std::string_view::npos;
    std::size_t m_noCommentEndFrom = std::string_view::npos;
    std::size_t m_noCloseFrom = std::string_view::npos;
    // Set once a tag's quotes ran to the end of the text: the quoting of the
    // rest cannot be trusted, and every later tag ends at its first '>'.
    bool m_plainCloseOnly = false;
};

} // namespace zuk::html
