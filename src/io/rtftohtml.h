#pragma once

#include "io/rtfreader.h"

#include <string>

namespace zuk::io {

// An HTML page rendering a rich-text document, as Windows-1251 bytes with CR LF
// after every line: paragraphs become <p> (with their alignment), line breaks
// <br>, tables <table> of <tr>/<td>; bold, italic and underline become <b>,
// <i>, <u>; a font size other than the document's usual one and a colour
// other than automatic or black become a <span> style. Characters without a
// Windows-1251 byte are written as numeric character references.
std::string rtfToHtml(const RtfDocument& document);

// Writes rtfToHtml(document) to `path` (replacing it as a whole). Throws
// zuk::IoError with the system's reason.
void writeRtfAsHtml(const RtfDocument& document, const std::string& path);

} // namespace zuk::io
