#pragma once

#include <string_view>
#include <vector>

namespace zuk::editor {

struct TextRun {
    size_t start = 0;
    size_t length = 0;
    bool operator==(const TextRun& o) const { return start == o.start && length == o.length; }
};

// The addresses in a line of text: runs starting with http://, https://,
// ftp://, www. or mailto: (any case) at a word start, up to the first blank,
// quote or angle bracket; trailing punctuation (. , ; : ! ? ) ]) is not part
// of the address. Works on any ASCII-compatible text (bytes or UTF-8).
std::vector<TextRun> findUrls(std::string_view line);

} // namespace zuk::editor
