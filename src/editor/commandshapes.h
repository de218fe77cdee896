#pragma once

#include "codepages/charsets.h"
#include "editor/ved.h"

#include <functional>
#include <string>
#include <string_view>

namespace zuk::editor {

// The shapes almost every document command takes. Each does nothing when no
// document is open, reads the text through the editor interface, calls the
// function and writes the result back as one undo step; a result equal to
// its input writes nothing, so the document stays unmodified. A ZukError
// thrown by the function leaves the document as it was and goes on to the
// command wrapper, which shows its message.

using TextFunction = std::function<std::string(const std::string&)>;
using LinesFunction = std::function<LineList(const LineList&)>;

// Transform: the work text (the selection, or the whole text without one)
// through fn, written back in its place. Returns whether anything changed.
bool transformWorkText(CVed& ved, const TextFunction& fn);

// Line transform: needs a selection; its lines through fn, the selection
// replaced by the resulting lines. A selection that ends at column 0 of a
// line (the usual Shift+Down selection) covers the whole lines before it:
// those lines go through fn, and the result keeps the line break after them.
bool transformSelectedLines(CVed& ved, const LinesFunction& fn);

// Insert: the bytes at the caret. A selection is not replaced: the text goes
// in at the caret end of it, and the selection is kept.
bool insertAtCaret(CVed& ved, const std::string& bytes);
// The same with lines, each followed by CR LF.
bool insertLinesAtCaret(CVed& ved, const LineList& lines);

// The working code page of the document (Win for a name it does not know),
// and text between UTF-8 and the document's bytes.
codepages::CodePage workingCodePage(CVed& ved);
std::string documentBytes(CVed& ved, const std::string& utf8);
std::string documentUtf8(CVed& ved, const std::string& bytes);

// Whether a document given `bytes` gives exactly them back. It cannot hold a
// NUL (the control's text ends there), and a lone CR or LF becomes a CR LF
// line break; as the whole text (`whole`) a final CR LF is taken for the
// document's own break after its last line and dropped.
bool documentHolds(std::string_view bytes, bool whole);

} // namespace zuk::editor
