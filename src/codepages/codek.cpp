#include "codepages/codek.h"

#include "io/linesfile.h"

#include <unordered_map>

namespace zuk::codepages {

namespace {

std::string_view findPart(std::string_view line)
{
    const size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : line.substr(0, eq);
}

std::string replaceAll(const std::string& text, std::string_view name, std::string_view value)
{
    size_t pos = text.find(name);
    if (pos == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    while (pos != std::string::npos) {
        out.append(text, from, pos - from);
        out.append(value);
        from = pos + name.size();
        pos = text.find(name, from);
    }
    out.append(text, from, std::string::npos);
    return out;
}

} // namespace

std::string ApplyReplaceTable(std::string_view source, const std::vector<std::string>& tableLines)
{
    // The value of a name is that of its first line: later lines with the
    // same find part only repeat the first rule.
    std::unordered_map<std::string_view, std::string_view> firstValue;
    for (const std::string& line : tableLines) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        firstValue.emplace(std::string_view(line).substr(0, eq),
                           std::string_view(line).substr(eq + 1));
    }
    std::string result(source);
    for (const std::string& line : tableLines) {
        const std::string_view name = findPart(line);
        if (name.empty())
            continue;
        result = replaceAll(result, name, firstValue[name]);
    }
    return result;
}

std::string ApplyReplaceTableFile(std::string_view source, const std::string& tablePath)
{
    return ApplyReplaceTable(source, io::readLinesFile(tablePath));
}

} // namespace zuk::codepages
