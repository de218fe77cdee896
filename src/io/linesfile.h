#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuk::io {

// Text as a list of byte lines. CR LF, LF or CR ends a line; a NUL byte ends
// the text; a line break at the very end does not make an extra empty line
// (so "" gives no lines and "\r\n" one empty line). Linear in the input.
std::vector<std::string> splitLines(std::string_view text);

// Lines joined by `separator`, with no separator after the last line.
std::string joinLines(const std::vector<std::string>& lines, std::string_view separator = "\r\n");

// Reads a file as lines (see splitLines). Throws zuk::IoError naming the path
// and the system's reason.
std::vector<std::string> readLinesFile(const std::string& path);

// Writes every line followed by CR LF. The file is replaced as a whole through a
// temporary file in the same folder (see AtomicFileWriter): on failure the old
// file is intact and zuk::IoError carries the system's reason.
void writeLinesFile(const std::string& path, const std::vector<std::string>& lines);

} // namespace zuk::io
