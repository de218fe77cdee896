#include "editor/commandshapes.h"

#include "codepages/charsets.h"

namespace zuk::editor {

namespace {

bool hasDocument(CVed& ved)
{
    return ved.DocumentCount() > 0;
}

// Runs `insert` with the selection collapsed to its caret end, then selects
// the same text again (shifted when the insertion came before it).
template <typename Insert> bool insertKeepingSelection(CVed& ved, Insert insert)
{
    const long anchor = ved.GetAnchorPos();
    const long caret = ved.GetCaretPos();
    if (anchor == caret)
        return insert();
    ved.SetSelection(caret, caret);
    const bool done = insert();
    const long inserted = ved.GetCaretPos() - caret;
    if (caret > anchor)
        ved.SetSelection(anchor, caret);
    else
        ved.SetSelection(anchor + inserted, caret + inserted);
    return done;
}

} // namespace

bool transformWorkText(CVed& ved, const TextFunction& fn)
{
    if (!hasDocument(ved))
        return false;
    const std::string text = ved.GetWorkText();
    const std::string result = fn(text);
    if (result == text)
        return false;
    CVed::EditGroup group(ved);
    ved.PutWorkText(result);
    return true;
}

bool transformSelectedLines(CVed& ved, const LinesFunction& fn)
{
    if (!hasDocument(ved) || ved.SelEmpty())
        return false;
    LineList lines = ved.GetSelLines();
    // A selected text that ends in a line break splits into its lines and an
    // empty one after the break: the selection ends at column 0 of that line,
    // which is not part of what the user selected.
    const bool endsAtLineStart = lines.size() > 1 && lines.back().empty();
    if (endsAtLineStart)
        lines.pop_back();
    if (lines.empty())
        return false;
    LineList result = fn(lines);
    if (result == lines)
        return false;
    if (endsAtLineStart && !result.empty())
        result.emplace_back(); // joined back with CR LF: the break after the lines
    CVed::EditGroup group(ved);
    ved.ReplaceWithLines(result);
    return true;
}

bool insertAtCaret(CVed& ved, const std::string& bytes)
{
    if (!hasDocument(ved) || bytes.empty())
        return false;
    CVed::EditGroup group(ved);
    return insertKeepingSelection(ved, [&ved, &bytes] { return ved.InsertAtCaret(bytes); });
}

bool insertLinesAtCaret(CVed& ved, const LineList& lines)
{
    if (!hasDocument(ved) || lines.empty())
        return false;
    CVed::EditGroup group(ved);
    return insertKeepingSelection(ved, [&ved, &lines] {
        ved.InsertLines(lines);
        return true;
    });
}

codepages::CodePage workingCodePage(CVed& ved)
{
    codepages::CodePage cp = codepages::CodePage::Win;
    if (!codepages::codePageFromName(ved.GetCharset(), cp))
        cp = codepages::CodePage::Win;
    return cp;
}

std::string documentBytes(CVed& ved, const std::string& utf8)
{
    return codepages::encodeFromUtf8(utf8, workingCodePage(ved));
}

std::string documentUtf8(CVed& ved, const std::string& bytes)
{
    return codepages::decodeToUtf8(bytes, workingCodePage(ved));
}

bool documentHolds(std::string_view bytes, bool whole)
{
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c == '\0')
            return false;
        if (c == '\r') {
            if (i + 1 == n || bytes[i + 1] != '\n')
                return false;
            ++i; // the LF of the pair
        } else if (c == '\n') {
            return false; // a LF after anything but CR
        }
    }
    return !(whole && n >= 2 && bytes.substr(n - 2) == "\r\n");
}

} // namespace zuk::editor
