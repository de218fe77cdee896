#pragma once

#include <string_view>

namespace zuk::editor {

// Style bytes that cut a plain text into the pieces the control measures.
//
// Scintilla lays a line out in segments of one style and caches the widths of
// short segments only; a line of one style is one long segment, shaped afresh
// with a full text layout each time it is laid out. Word wrap lays out every
// line of the document, so a wrapped megabyte of Cyrillic took over half a
// second. When every character that can be measured alone (Latin, Cyrillic,
// Greek, common punctuation and symbols, box drawing) starts a segment, almost
// every segment is a cache hit and the same megabyte wraps in a twentieth of
// the time. A character that joins its neighbours (a combining mark, a joiner,
// a letter of a script that shapes) stays in the segment before it, so it is
// shaped together with what it joins.
//
// `styles` receives one byte per byte of `utf8`: kRunStyleA and kRunStyleB
// alternate. `before` is the style of the character before `utf8`, and the
// style of its last character is returned, so a long text can be styled in
// pieces cut at character starts. Callers start at a line start with the
// default, so a line always gets the same styles. Bytes that are not UTF-8
// each make a segment of their own.
constexpr char kRunStyleA = 0;
constexpr char kRunStyleB = 1;
char fillLayoutRunStyles(std::string_view utf8, char* styles, char before = kRunStyleB);

// True for a code point that can be measured apart from its neighbours.
bool measuresAlone(char32_t c);

} // namespace zuk::editor
