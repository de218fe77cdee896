#include "codepages/tablecommands.h"

#include "codepages/codek.h"
#include "io/nocase.h"

#include <filesystem>
#include <system_error>

namespace zuk::codepages {

namespace fs = std::filesystem;

std::string findTableFile(const std::string& folder, std::string_view name)
{
    std::error_code ec;
    const fs::path exact = fs::path(folder) / std::string(name);
    if (fs::is_regular_file(exact, ec))
        return exact.string();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (io::equalNoCaseUtf8(it->path().filename().string(), name) && it->is_regular_file(ec))
            return it->path().string();
    }
    return {};
}

std::optional<std::string>
applyTableIfPresent(std::string_view text, const std::string& tablesFolder, std::string_view name)
{
    const std::string path = findTableFile(tablesFolder, name);
    if (path.empty())
        return std::nullopt;
    CUnivCodek codek{std::string(text)};
    codek.TableFile = path;
    return codek.Convert();
}

std::string deTranslit(TRungler& rungler, std::string_view text, bool useExtTranslit,
                       const std::string& tablesFolder)
{
    rungler.Direction = cdLatinToRussian;
    rungler.setOriginalStr(text);
    std::string result = rungler.ConvertedStr();
    if (useExtTranslit) {
        if (auto extended = applyTableIfPresent(result, tablesFolder, kExtTranslitTable))
            result = std::move(*extended);
    }
    return result;
}

std::string translit(TRungler& rungler, std::string_view text)
{
    rungler.Direction = cdRussianToLatin;
    rungler.setOriginalStr(text);
    return rungler.ConvertedStr();
}

std::vector<KLayoutEntry> parseKLayouts(const std::vector<std::string>& lines)
{
    std::vector<KLayoutEntry> entries;
    for (const std::string& line : lines) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) {
            if (!line.empty())
                entries.push_back({line, false});
            continue;
        }
        entries.push_back({line.substr(0, eq), line.compare(eq + 1, std::string::npos, "1") == 0});
    }
    return entries;
}

std::vector<std::string> formatKLayouts(const std::vector<KLayoutEntry>& entries)
{
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const KLayoutEntry& e : entries)
        lines.push_back(e.name + (e.shown ? "=1" : "=0"));
    return lines;
}

std::vector<std::string> shownKLayouts(const std::vector<KLayoutEntry>& entries)
{
    std::vector<std::string> names;
    for (const KLayoutEntry& e : entries) {
        if (e.shown)
            names.push_back(e.name);
    }
    return names;
}

std::vector<KLayoutEntry> mergeKLayouts(const std::vector<KLayoutEntry>& old,
                                        const std::vector<std::string>& loadedNames)
{
    std::vector<KLayoutEntry> merged;
    for (const std::string& name : loadedNames) {
        bool shown = false;
        for (const KLayoutEntry& e : old) {
            if (e.name == name) {
                shown = e.shown;
                break;
            }
        }
        merged.push_back({name, shown});
    }
    return merged;
}

int findKLayout(const std::vector<std::string>& loadedNames, std::string_view caption)
{
    for (size_t i = 0; i < loadedNames.size(); ++i) {
        if (loadedNames[i] == caption)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace zuk::codepages
