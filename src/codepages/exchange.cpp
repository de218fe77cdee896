#include "codepages/exchange.h"

#include "codepages/transcoders.h"
#include "io/linesfile.h"

#include <fstream>

namespace zuk::codepages {

namespace {

std::string linesWithCrLf(const std::vector<std::string>& lines)
{
    size_t total = 0;
    for (const std::string& line : lines)
        total += line.size() + 2;
    std::string out;
    out.reserve(total);
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void appendUnit(std::string& out, char16_t unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

std::string utf16Export(const std::vector<std::string>& lines, CodePage cp)
{
    const char16_t* table = unicodeTable(cp);
    std::string out("\xFF\xFE", 2);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            appendUnit(out, 0x2028);
        for (unsigned char b : lines[i])
            appendUnit(out, table[b]);
    }
    return out;
}

// Splits a stream of characters into Windows-1251 lines with the break set of
// the UTF-16 import. `next` yields the characters and returns false at the end.
template <typename Next> std::vector<std::string> splitUnicodeLines(Next next)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false; // characters since the last break
    bool afterCr = false;
    char32_t c = 0;
    while (next(c)) {
        if (c == 0)
            break;
        if (afterCr && c == '\n') {
            afterCr = false;
            continue;
        }
        afterCr = false;
        if (c == '\n' || c == 0x0B || c == 0x0C || c == '\r' || c == 0x2028 || c == 0x2029) {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            afterCr = c == '\r';
            continue;
        }
        const int byte = c < 0x80 ? static_cast<int>(c) : encodeChar(c, CodePage::Win);
        line += byte < 0 ? '?' : static_cast<char>(byte);
        open = true;
    }
    if (open)
        lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> utf16Import(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    if (n >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
        const bool little = p[0] == 0xFF;
        const size_t units = (n - 2) / 2; // a final odd byte is ignored
        size_t i = 0;
        auto unitAt = [&](size_t k) -> char16_t {
            const unsigned char a = p[2 + 2 * k], b = p[3 + 2 * k];
            return little ? static_cast<char16_t>(a | (b << 8))
                          : static_cast<char16_t>((a << 8) | b);
        };
        return splitUnicodeLines([&](char32_t& c) {
            if (i >= units)
                return false;
            const char16_t u = unitAt(i++);
            if (u >= 0xD800 && u <= 0xDBFF && i < units) {
                const char16_t low = unitAt(i);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    ++i;
                    c = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00);
                    return true;
                }
            }
            // An unpaired surrogate has no character; it becomes '?' below.
            c = (u >= 0xD800 && u <= 0xDFFF) ? char32_t(0xFFFD) : char32_t(u);
            return true;
        });
    }
    const char16_t* table = unicodeTable(CodePage::Win);
    size_t i = 0;
    return splitUnicodeLines([&](char32_t& c) {
        if (i >= n)
            return false;
        c = table[p[i++]];
        return true;
    });
}

std::vector<std::string> utf8Import(std::string_view bytes)
{
    const size_t ctrlZ = bytes.find('\x1A');
    if (ctrlZ != std::string_view::npos)
        bytes = bytes.substr(0, ctrlZ);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.push_back(encodeFromUtf8(bytes.substr(start), CodePage::Win));
            break;
        }
        lines.push_back(encodeFromUtf8(bytes.substr(start, cr - start), CodePage::Win));
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

} // namespace

bool exchangeFormatFromName(std::string_view name, ExchangeFormat& out)
{
    static const struct {
        const char* name;
        ExchangeFormat format;
    } names[] = {{"dos", ExchangeFormat::Dos},   {"koi", ExchangeFormat::Koi},
                 {"mac", ExchangeFormat::Mac},   {"iso", ExchangeFormat::Iso},
                 {"utf8", ExchangeFormat::Utf8}, {"utf16", ExchangeFormat::Utf16}};
    for (const auto& n : names) {
        if (name == n.name) {
            out = n.format;
            return true;
        }
    }
    return false;
}

std::string exportBytes(std::string_view text, CodePage workingCp, ExchangeFormat format)
{
    const std::vector<std::string> lines = io::splitLines(text);
    switch (format) {
    case ExchangeFormat::Utf16:
        return utf16Export(lines, workingCp);
    case ExchangeFormat::Utf8: {
        std::string out;
        for (const std::string& line : lines) {
            out += decodeToUtf8(line, workingCp);
            out += "\r\n";
        }
        return out;
    }
    case ExchangeFormat::Dos:
        return transcode(linesWithCrLf(lines), workingCp, CodePage::Dos);
    case ExchangeFormat::Koi:
        return transcode(linesWithCrLf(lines), workingCp, CodePage::Koi);
    case ExchangeFormat::Mac:
        return transcode(linesWithCrLf(lines), workingCp, CodePage::Mac);
    case ExchangeFormat::Iso:
        return transcode(linesWithCrLf(lines), workingCp, CodePage::Iso);
    }
    return {};
}

std::vector<std::string> importLines(std::string_view bytes, ExchangeFormat format)
{
    switch (format) {
    case ExchangeFormat::Utf16:
        return utf16Import(bytes);
    case ExchangeFormat::Utf8:
        return utf8Import(bytes);
    case ExchangeFormat::Dos:
    case ExchangeFormat::Koi:
    case ExchangeFormat::Mac:
    case ExchangeFormat::Iso: {
        static const CodePage cps[] = {CodePage::Dos, CodePage::Koi, CodePage::Mac, CodePage::Iso};
        const CodePage cp = cps[static_cast<int>(format)];
        std::vector<std::string> lines = io::splitLines(bytes);
        for (std::string& line : lines)
            transcodeInPlace(line.data(), line.size(), cp, CodePage::Win);
        return lines;
    }
    }
    return {};
}

void WriteLinesFile(const std::string& path, std::string_view text)
{
    io::writeLinesFile(path, io::splitLines(text));
}

std::string ReadLinesFile(const std::string& path)
{
    return linesWithCrLf(io::readLinesFile(path));
}

} // namespace zuk::codepages
