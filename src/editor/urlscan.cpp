#include "editor/urlscan.h"

#include <cctype>

namespace zuk::editor {

namespace {

bool startsWithNoCase(std::string_view s, size_t pos, std::string_view prefix)
{
    if (s.size() - pos < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[pos + i])) != prefix[i])
            return false;
    return true;
}

bool isWordByte(unsigned char c)
{
    return std::isalnum(c) || c == '_' || c >= 0x80;
}

bool endsAddress(unsigned char c)
{
    return c <= ' ' || c == '"' || c == '\'' || c == '<' || c == '>' || c == 0x7F;
}

} // namespace

std::vector<TextRun> findUrls(std::string_view line)
{
    static const std::string_view kPrefixes[] = {"http://", "https://", "ftp://", "www.",
                                                 "mailto:"};
    std::vector<TextRun> runs;
    size_t i = 0;
    while (i < line.size()) {
        if (i > 0 && isWordByte(static_cast<unsigned char>(line[i - 1]))) {
            ++i;
            continue;
        }
        size_t prefixLen = 0;
        for (auto p : kPrefixes)
            if (startsWithNoCase(line, i, p)) {
                prefixLen = p.size();
                break;
            }
        if (prefixLen == 0) {
            ++i;
            continue;
        }
        size_t end = i + prefixLen;
        while (end < line.size() && !endsAddress(static_cast<unsigned char>(line[end])))
            ++end;
        while (end > i + prefixLen &&
               std::string_view(".,;:!?)]").find(line[end - 1]) != std::string_view::npos)
            --end;
        if (end > i + prefixLen)
            runs.push_back({i, end - i});
        i = end > i ? end : i + 1;
    }
    return runs;
}

} // namespace zuk::editor
