// The UTF-16 import: any bytes as a file, read as they come (with or without
// a byte-order mark), the same units in the other byte order, the decoder a
// marked file opens through giving the same lines, and the UTF-16 export of
// the input taken as a document read back.

#include "fuzz/fuzztarget.h"

#include "fuzz/exportedlines.h"

#include "codepages/charsets.h"
#include "codepages/exchange.h"
#include "codepages/unicodefile.h"
#include "io/linesfile.h"

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace zuk::codepages;

bool hasBreak(const std::string& line)
{
    return line.find_first_of(std::string_view("\r\n\x0B\x0C\0", 5)) != std::string::npos;
}

// Bytes without a byte-order mark are Windows-1251 text: split at CR LF,
// LF, VT, FF and CR, ended by NUL, no line after a final break.
std::vector<std::string> eightBitLines(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n' && c != '\x0B' && c != '\x0C') {
            line += c;
            open = true;
            continue;
        }
        lines.push_back(line);
        line.clear();
        open = false;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    if (open)
        lines.push_back(line);
    return lines;
}

} // namespace

ZUK_FUZZ_TARGET(utf16import)
{
    const std::vector<std::string> lines = importLines(input, ExchangeFormat::Utf16);
    for (const std::string& line : lines)
        if (hasBreak(line))
            std::abort();

    const bool marked = input.size() >= 2 && (input.compare(0, 2, "\xFF\xFE") == 0 ||
                                              input.compare(0, 2, "\xFE\xFF") == 0);
    if (marked) {
        // The other byte order of the same units reads the same.
        std::string swapped(input);
        for (size_t i = 0; i + 1 < swapped.size(); i += 2)
            std::swap(swapped[i], swapped[i + 1]);
        if (importLines(swapped, ExchangeFormat::Utf16) != lines)
            std::abort();
        // A marked file opened as a document decodes to the same lines.
        UnicodeDecoder decoder(encodingByMark(input));
        std::string decoded;
        decoder.put(input, decoded);
        decoder.finish(decoded);
        if (eightBitLines(decoded) != lines)
            std::abort();
    } else if (lines != eightBitLines(input)) {
        std::abort();
    }

    // The input as a document in each working code page. VT and FF break
    // lines in UTF-16, so they are left out; every character Windows-1251
    // holds comes back, the others as '?'. The export separates lines and the
    // import ends them, so a last empty line does not come back.
    std::string text(input);
    for (char& c : text)
        if (c == '\x0B' || c == '\x0C')
            c = ' ';
    for (const CodePage cp : {CodePage::Win, CodePage::Dos, CodePage::Koi}) {
        std::vector<std::string> expected = zuk::fuzz::exportedLines(text, cp);
        if (!expected.empty() && expected.back().empty())
            expected.pop_back();
        const std::string file = exportBytes(text, cp, ExchangeFormat::Utf16);
        if (file.size() % 2 != 0 || file.compare(0, 2, "\xFF\xFE") != 0)
            std::abort();
        if (importLines(file, ExchangeFormat::Utf16) != expected)
            std::abort();
    }
}
