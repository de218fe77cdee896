#include "editor/commandshapes.h"

#include "codepages/charsets.h"

namespace zuk::editor {

namespace {

bool hasDocument(CVed& ved)
{
    return ved.DocumentCount() > 0;
}

codepages::CodePage codePageOf(CVed& ved)
{
    codepages::CodePage cp = codepages::CodePage::Win;
    if (!codepages::codePageFromName(ved.GetCharset(), cp))
        cp = codepages::CodePage::Win;
    return cp;
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
    const LineList lines = ved.GetSelLines();
    if (lines.empty())
        return false;
    const LineList result = fn(lines);
    if (result == lines)
        return false;
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

std::string documentBytes(CVed& ved, const std::string& utf8)
{
    return codepages::encodeFromUtf8(utf8, codePageOf(ved));
}

std::string documentUtf8(CVed& ved, const std::string& bytes)
{
    return codepages::decodeToUtf8(bytes, codePageOf(ved));
}

} // namespace zuk::editor
