#include "html/cleanup.h"

#include "html/htmlbasics.h"
#include "html/htmlparser.h"
#include "io/nocase.h"
#include "textfunc/casefunctions.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace zuk::html {

namespace {

bool nameIs(std::string_view tagName, const std::string& upperName)
{
    if (tagName.size() != upperName.size())
        return false;
    for (std::size_t i = 0; i < tagName.size(); ++i)
        if (static_cast<char>(textfunc::UpCaseChar(static_cast<unsigned char>(tagName[i]))) !=
            upperName[i])
            return false;
    return true;
}

} // namespace

std::vector<std::string> parseTagList(std::string_view text)
{
    std::vector<std::string> names;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimBlanks(text.substr(from, end - from));
        if (!line.empty()) {
            std::string name(line);
            for (char& c : name)
                c = static_cast<char>(textfunc::UpCaseChar(static_cast<unsigned char>(c)));
            names.push_back(std::move(name));
        }
        from = end + 1;
    }
    return names;
}

std::string KillTags(std::string_view text, const std::vector<std::string>& names)
{
    if (names.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t kept = 0; // the text before this offset is in `out` or removed
    THtmlParser parser(text);
    while (parser.NextTag()) {
        const std::string_view name = parser.Tag()->TagName;
        if (std::none_of(names.begin(), names.end(),
                         [name](const std::string& n) { return nameIs(name, n); }))
            continue;
        out.append(text, kept, parser.TagStart() - kept);
        kept = parser.TagStart() + parser.TagLength();
    }
    out.append(text, kept, text.size() - kept);
    return out;
}

std::vector<std::string> LinkTargets(std::string_view text)
{
    std::vector<std::string> targets;
    THtmlParser parser(text);
    while (parser.NextTag()) {
        const TTag& tag = *parser.Tag();
        if (tag.TagName.size() != 1 || upperAscii(tag.TagName[0]) != 'A')
            continue;
        const std::vector<TagAttribute> attributes = tag.Attributes();
        if (const TagAttribute* href = findAttribute(attributes, "href"))
            targets.emplace_back(href->value);
    }
    return targets;
}

std::vector<std::string> LinkReport(std::string_view text)
{
    std::vector<std::string> lines = LinkTargets(text);
    lines.push_back(std::to_string(lines.size()) + " links");
    return lines;
}

std::vector<std::string> SourceValues(std::string_view text)
{
    std::vector<std::string> values;
    THtmlParser parser(text);
    while (parser.NextTag()) {
        const std::string_view content = parser.Tag()->Content;
        // Most tags have no src at all: look before parsing them.
        bool mayHave = false;
        for (std::size_t i = 0; i + 3 <= content.size() && !mayHave; ++i)
            mayHave = equalNoCaseAscii(content.substr(i, 3), "src");
        if (!mayHave)
            continue;
        const std::vector<TagAttribute> attributes = parser.Tag()->Attributes();
        for (const TagAttribute& a : attributes) {
            if (!a.hasValue || !equalNoCaseAscii(a.name, "src"))
                continue;
            std::string_view value = trimBlanks(a.value);
            value = value.substr(0, value.find_first_of("?#"));
            values.emplace_back(value);
        }
    }
    return values;
}

std::string resolveSource(std::string_view value, std::string_view folder)
{
    if (folder.empty())
        return {};
    std::string v(value);
    std::replace(v.begin(), v.end(), '\\', '/');
    if (v.empty() || v.compare(0, 2, "//") == 0)
        return {};
    // A scheme: two or more letters, digits, '+', '-' or '.' before a ':'
    // (one letter is a Windows drive, which names no file here either).
    const std::size_t colon = v.find(':');
    if (colon != std::string::npos) {
        const bool scheme =
            colon >= 1 && std::all_of(v.begin(), v.begin() + static_cast<long>(colon), [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '+' || c == '-' || c == '.';
            });
        if (scheme)
            return {};
    }
    if (v.front() == '/')
        v.erase(0, 1);
    if (v.empty())
        return {};
    const std::filesystem::path joined = std::filesystem::path(std::string(folder)) / v;
    return joined.lexically_normal().string();
}

std::vector<std::string> DocumentWeight(const WeightDocument& document,
                                        const FileSizeLookup& fileSize)
{
    const std::string folder = document.path.empty()
                                   ? std::string()
                                   : std::filesystem::path(document.path).parent_path().string();
    std::set<std::string> paths;
    for (const std::string& value : SourceValues(document.text)) {
        const std::string path = resolveSource(value, folder);
        if (!path.empty() && fileSize(path))
            paths.insert(path);
    }
    std::vector<std::string> sorted(paths.begin(), paths.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return io::lowerUtf8(a) < io::lowerUtf8(b);
    });

    std::vector<std::string> lines;
    std::uint64_t total = 0;
    for (const std::string& path : sorted) {
        const std::uint64_t size = fileSize(path).value_or(0);
        lines.push_back(path + " " + std::to_string(size));
        total += size;
    }
    std::uint64_t own = document.text.size();
    if (!document.path.empty())
        if (const std::optional<std::uint64_t> size = fileSize(document.path))
            own = *size;
    lines.push_back(document.label + " " + std::to_string(own));
    total += own;
    lines.push_back("bytes total: " + std::to_string(total));
    return lines;
}

} // namespace zuk::html
