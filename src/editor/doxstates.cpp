#include "editor/doxstates.h"

#include "io/safefile.h"

namespace zuk::editor {

std::vector<std::string> parseDoxState(std::string_view bytes)
{
    std::vector<std::string> paths;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            paths.emplace_back(line);
        start = end + 1;
    }
    return paths;
}

std::string formatDoxState(const std::vector<std::string>& paths)
{
    std::string bytes;
    for (const std::string& path : paths) {
        bytes += path;
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> readDoxState(const std::string& path)
{
    return parseDoxState(io::readFileBytes(path));
}

void writeDoxState(const std::string& path, const std::vector<std::string>& paths)
{
    io::writeFileAtomically(path, formatDoxState(paths));
}

} // namespace zuk::editor
