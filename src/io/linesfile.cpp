#include "io/linesfile.h"

#include "io/safefile.h"

#include <cstring>

namespace zuk::io {

std::vector<std::string> splitLines(std::string_view text)
{
    if (text.empty())
        return {}; // an empty view may have no data at all, which memchr must not get
    const char* p = text.data();
    const char* end = p + text.size();
    if (const void* nul = std::memchr(p, '\0', text.size()))
        end = static_cast<const char*>(nul);

    std::vector<std::string> lines;
    const char* start = p;
    while (p < end) {
        char c = *p;
        if (c != '\r' && c != '\n') {
            ++p;
            continue;
        }
        lines.emplace_back(start, p);
        ++p;
        if (c == '\r' && p < end && *p == '\n')
            ++p;
        start = p;
    }
    if (start < end)
        lines.emplace_back(start, end);
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view separator)
{
    std::size_t total = 0;
    for (const std::string& line : lines)
        total += line.size() + separator.size();
    std::string out;
    out.reserve(total);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out.append(separator.data(), separator.size());
        out += lines[i];
    }
    return out;
}

std::vector<std::string> readLinesFile(const std::string& path)
{
    return splitLines(readFileBytes(path));
}

void writeLinesFile(const std::string& path, const std::vector<std::string>& lines)
{
    AtomicFileWriter writer(path);
    for (const std::string& line : lines) {
        writer.append(line);
        writer.append("\r\n");
    }
    writer.commit();
}

} // namespace zuk::io
