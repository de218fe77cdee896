// The UTF-8 import: any bytes as a file read into a Windows-1251 document,
// checked against a strict decoder of its own, as is the decoder a UTF-8
// file opens through, and the UTF-8 export of the input taken as a document
// read back.

#include "fuzz/fuzztarget.h"

#include "fuzz/exportedlines.h"

#include "codepages/charsets.h"
#include "codepages/exchange.h"
#include "codepages/unicodefile.h"
#include "io/linesfile.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace zuk::codepages;

// The Windows-1251 bytes of one line of UTF-8: a well-formed, shortest-form
// sequence of a scalar value is one character ('?' when Windows-1251 lacks
// it); every other byte is a '?' of its own.
std::string strictDecode(std::string_view s, bool* wellFormed = nullptr)
{
    std::string out;
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        size_t len = 0;
        char32_t c = 0, least = 0;
        if (b >= 0xC0 && b < 0xE0) {
            len = 2, c = b & 0x1F, least = 0x80;
        } else if (b >= 0xE0 && b < 0xF0) {
            len = 3, c = b & 0x0F, least = 0x800;
        } else if (b >= 0xF0 && b < 0xF8) {
            len = 4, c = b & 0x07, least = 0x10000;
        }
        bool ok = len > 0 && i + len <= s.size();
        for (size_t k = 1; ok && k < len; ++k) {
            const auto cont = static_cast<unsigned char>(s[i + k]);
            ok = (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3F);
        }
        ok = ok && c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        if (!ok) {
            out += '?';
            ++i;
            if (wellFormed)
                *wellFormed = false;
            continue;
        }
        const int byte = encodeChar(c, CodePage::Win);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        i += len;
    }
    return out;
}

// The import by its documented rules: Ctrl-Z ends the input, CR (and a LF
// right after it) ends a line, a lone LF stays in its line.
std::vector<std::string> expectedLines(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1A'));
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            line += bytes[i];
            open = true;
            continue;
        }
        lines.push_back(strictDecode(line));
        line.clear();
        open = false;
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    if (open)
        lines.push_back(strictDecode(line));
    return lines;
}

} // namespace

ZUK_FUZZ_TARGET(utf8import)
{
    const std::vector<std::string> lines = importLines(input, ExchangeFormat::Utf8);
    if (lines != expectedLines(input))
        std::abort();

    // A file opened as a document decodes by the same rules, up to a NUL.
    const std::string_view shown = input.substr(0, input.find('\0'));
    UnicodeDecoder decoder(FileEncoding::Utf8);
    std::string decoded;
    decoder.put(input, decoded);
    decoder.finish(decoded);
    bool wellFormed = true;
    if (decoded != strictDecode(shown, &wellFormed) || decoder.wellFormed() != wellFormed)
        std::abort();

    // The input as a document in each working code page: its export reads
    // back as its lines, every character Windows-1251 holds kept and the
    // others '?'. Ctrl-Z would end the import early, so it is left out.
    std::string text(input);
    for (char& c : text)
        if (c == '\x1A')
            c = ' ';
    for (const CodePage cp : {CodePage::Win, CodePage::Dos, CodePage::Koi}) {
        const std::vector<std::string> expected = zuk::fuzz::exportedLines(text, cp);
        const std::string file = exportBytes(text, cp, ExchangeFormat::Utf8);
        if (importLines(file, ExchangeFormat::Utf8) != expected)
            std::abort();
    }
}
