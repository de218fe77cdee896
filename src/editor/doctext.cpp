#include "editor/doctext.h"

namespace zuk::editor {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::string> splitSelection(std::string_view text)
{
    std::vector<std::string> lines = splitLines(text);
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        lines.emplace_back();
    return lines;
}

std::string joinWhole(const std::vector<std::string>& lines)
{
    size_t total = 0;
    for (const auto& l : lines)
        total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string out = joinWhole(lines);
    if (!out.empty())
        out.resize(out.size() - 2);
    return out;
}

// Runs without a break are copied whole; a text already in CR LF form is one
// scan and one copy, with room left for a final break a caller may add.
std::string normalizeBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '\r' && *q != '\n')
            ++q;
        out.append(p, static_cast<size_t>(q - p));
        if (q == end)
            break;
        if (*q == '\r' && q + 1 < end && q[1] == '\n') {
            out.append(q, 2);
            p = q + 2;
            continue;
        }
        if (out.size() + 2 + static_cast<size_t>(end - q) > out.capacity())
            out.reserve(out.capacity() + out.capacity() / 32 + 16);
        out += "\r\n";
        p = q + 1;
    }
    return out;
}

std::string toControlForm(std::string_view text)
{
    std::string out = normalizeBreaks(text);
    if (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0)
        out.resize(out.size() - 2);
    return out;
}

std::string caretPositionText(int line, int column)
{
    return std::to_string(line + 1) + ": " + std::to_string(column + 1);
}

} // namespace zuk::editor
