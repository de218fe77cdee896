#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuk::editor {

// A saved window set of the document list (a file of DoxStates/): one path a
// line in the order the documents are opened again, UTF-8, each line ended
// by CR LF. A path cannot hold a line break: one that does comes back as two.

// The file's lines: the text cut at every LF, one CR before it dropped, empty
// lines left out. Bytes are kept as they are (a reader of another encoding
// is the caller's affair).
std::vector<std::string> parseDoxState(std::string_view bytes);

// The file's bytes for `paths` in order: every path followed by CR LF.
std::string formatDoxState(const std::vector<std::string>& paths);

// Reads the set `path` (UTF-8 file name). Throws zuk::IoError when it cannot
// be read.
std::vector<std::string> readDoxState(const std::string& path);

// Writes the set as a whole through a temporary file, so a failure never
// leaves half a file. Throws zuk::IoError with the system's reason; the old
// file is then intact.
void writeDoxState(const std::string& path, const std::vector<std::string>& paths);

} // namespace zuk::editor
