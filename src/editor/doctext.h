#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuk::editor {

// The text forms a document passes through. Lines are byte strings without
// their breaks; CR LF, a lone LF and a lone CR each end a line.
std::vector<std::string> splitLines(std::string_view text);

// The lines of a selected text: like splitLines, except that a text ending in
// a line break has an empty last line ("a\r\n" -> {"a", ""}), so writing the
// lines back joined by CR LF restores the break.
std::vector<std::string> splitSelection(std::string_view text);

// Whole-text form: every line followed by CR LF.
std::string joinWhole(const std::vector<std::string>& lines);

// Selection form (and the form the editing control holds): lines joined by
// CR LF with no break after the last one.
std::string joinLines(const std::vector<std::string>& lines);

// Any text with mixed line ends to the control's form: the lines of the text
// joined by CR LF, no final break ("a\nb\n" -> "a\r\nb"). Linear in the size.
std::string toControlForm(std::string_view text);

// Every line end of a text (CR LF, LF, CR) as CR LF, nothing added or dropped.
std::string normalizeBreaks(std::string_view text);

// "line: column", both counted from 1, of a 0-based caret position.
std::string caretPositionText(int line, int column);

} // namespace zuk::editor
