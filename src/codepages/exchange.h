#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "codepages/charsets.h"

// The bytes of the File export and import commands. Each producer takes the
// document's text and working code page and returns the file's bytes; each
// reader takes the file's bytes and returns Windows-1251 lines. The commands
// around them only choose the file and read or write it whole.
namespace zuk::codepages {

enum class ExchangeFormat { Dos, Koi, Mac, Iso, Utf8, Utf16 };

// "dos", "koi", "mac", "iso", "utf8", "utf16"; false for any other name.
bool exchangeFormatFromName(std::string_view name, ExchangeFormat& out);

// The whole file an export command writes for a document whose text (lines
// joined and ended by CR LF, or the bare text: any of CR LF, CR, LF ends a
// line) is in `workingCp` (Win, Dos or Koi):
// - Dos, Koi, Mac, Iso: the letters transcoded, every line followed by CR LF;
// - Utf8: every line decoded through the working code page, followed by
//   CR LF, without a byte-order mark;
// - Utf16: FF FE, then the lines decoded through the working code page in
//   UTF-16 LE, separated by U+2028 and nothing after the last.
// Every byte of every code page is a character, so no export can fail.
std::string exportBytes(std::string_view text, CodePage workingCp, ExchangeFormat format);

// The Windows-1251 lines an import command puts into the new document.
// - Mac, Iso: the file read as lines (CR LF, CR or LF; NUL ends), letters transcoded;
// - Utf16: FF FE little-endian, FE FF big-endian, otherwise the bytes are
//   Windows-1251 text; a final odd byte is ignored; CR LF, LF, VT, FF, CR,
//   U+2028 and U+2029 end a line and U+0000 ends the text;
// - Utf8: a CR ends a line (a LF right after it is skipped), a lone LF stays
//   in the line, Ctrl-Z ends the input; no byte-order mark is recognised.
// Characters Windows-1251 lacks, malformed UTF-8 and unpaired surrogates
// become '?'. Dos and Koi are not import formats here: they read like Mac
// and Iso with their own transcoder.
std::vector<std::string> importLines(std::string_view bytes, ExchangeFormat format);

// Thin forms of the line-file pair over the editor's text form: the text is
// split into lines (CR LF, CR or LF) and every line written with CR LF; a
// file is read back as lines, each followed by CR LF. Failures throw
// zuk::IoError with the system's reason.
void WriteLinesFile(const std::string& path, std::string_view text);
std::string ReadLinesFile(const std::string& path);

} // namespace zuk::codepages
