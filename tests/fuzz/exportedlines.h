#pragma once

// What the Unicode import of a document's export must give back: the lines of
// `text`, a document in working code page `cp`, with every character that
// Windows-1251 holds as its Windows-1251 byte and every other one as '?'.

#include "codepages/charsets.h"
#include "io/linesfile.h"

#include <string>
#include <vector>

namespace zuk::fuzz {

inline std::vector<std::string> exportedLines(const std::string& text, codepages::CodePage cp)
{
    std::vector<std::string> lines = io::splitLines(text);
    const char16_t* table = codepages::unicodeTable(cp);
    for (std::string& line : lines) {
        for (char& c : line) {
            const auto b = static_cast<unsigned char>(c);
            const int win =
                b < 0x80 ? b : codepages::encodeChar(table[b], codepages::CodePage::Win);
            c = win < 0 ? '?' : static_cast<char>(win);
        }
    }
    return lines;
}

} // namespace zuk::fuzz
