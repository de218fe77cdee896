#include "highlight/csynman.h"

#include "base/zukerror.h"
#include "highlight/iniwriter.h"

#include "codepages/charsets.h"
#include "io/inifile.h"
#include "io/nocase.h"
#include "platform/programfolder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace zuk::highlight {

const std::vector<BuiltInHighlighter>& builtInHighlighters()
{
    static const std::vector<BuiltInHighlighter> table = {
        {"HTML", "html", ".htm .html"}, {"Delphi", "pascal", ".pas .pp .dpr"},
        {"C++", "c++", ".cpp .h"},      {"C", "c", ".c"},
        {"Perl", "perl", ".pl"},        {"Java Script", "jscript", ".js"},
        {"VB Script", "vb", ".vbs"},    {"SQL", "sql", ".sql"},
    };
    return table;
}

bool IsBuiltInHighlighter(std::string_view name)
{
    const auto& t = builtInHighlighters();
    return std::any_of(t.begin(), t.end(),
                       [name](const BuiltInHighlighter& b) { return name == b.displayName; });
}

const std::vector<std::string>& automaticChoiceOrder()
{
    static const std::vector<std::string> order = {"pascal", "html",    "c++", "c",
                                                   "perl",   "jscript", "vb",  "sql"};
    return order;
}

std::string fileExtension(std::string_view fileName)
{
    const size_t slash = fileName.find_last_of("/\\");
    const size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    return io::lowerUtf8(fileName.substr(dot));
}

bool ExtensionMatchesLanguage(std::string_view fileName, std::string_view languageKey)
{
    const std::string ext = fileExtension(fileName);
    if (ext.empty())
        return false;
    for (const BuiltInHighlighter& b : builtInHighlighters()) {
        if (languageKey != b.languageKey)
            continue;
        std::string_view list = b.extensions;
        for (;;) {
            const size_t sp = list.find(' ');
            if (list.substr(0, sp) == ext)
                return true;
            if (sp == std::string_view::npos)
                return false;
            list.remove_prefix(sp + 1);
        }
    }
    return false;
}

bool HasExtension(std::string_view fileName, std::string_view extension)
{
    return fileExtension(fileName) == io::lowerUtf8(extension);
}

CSynMan::CSynMan(std::string registryFile, std::string programFolder)
    : RegistryFile(std::move(registryFile)), m_programFolder(std::move(programFolder))
{
    if (m_programFolder.empty())
        m_programFolder = std::filesystem::path(RegistryFile).parent_path().string() + "/";
    std::error_code ec;
    if (!std::filesystem::exists(RegistryFile, ec))
        return;
    try {
        const io::IniFile ini(RegistryFile);
        for (const std::string& section : ini.sectionNames()) {
            // A scheme is known by its name: a section without one ("[]")
            // could neither be chosen nor saved.
            if (!io::IniFile::isWritableSection(section))
                continue;
            Items.push_back({ini.readString(section, "Ext", ""), section,
                             ini.readString(section, "FileName", "")});
        }
    } catch (const ZukError&) {
        // Start without schemes, and keep the file as it is at shut-down.
        Items.clear();
        m_unreadable = true;
    }
}

void CSynMan::save() const
{
    if (m_unreadable)
        return;
    rewriteIniFile(RegistryFile, [this](io::IniFile& ini) {
        for (const RSynItem& item : Items) {
            ini.writeString(item.Name, "Ext", item.Ext);
            ini.writeString(item.Name, "Filename", item.FileName);
        }
    });
}

int CSynMan::IndexOfScheme(std::string_view name) const
{
    for (size_t i = 0; i < Items.size(); ++i)
        if (Items[i].Name == name)
            return static_cast<int>(i);
    return -1;
}

void CSynMan::DeleteScheme(std::string_view name)
{
    const int i = IndexOfScheme(name);
    if (i >= 0)
        Items.erase(Items.begin() + i);
}

bool CSynMan::changeScheme(std::string_view name, const RSynItem& item)
{
    const int i = IsBuiltInHighlighter(name) ? -1 : IndexOfScheme(name);
    if (i < 0)
        return false;
    Items[static_cast<size_t>(i)] = item;
    return true;
}

void CSynMan::ListSchemeNames(std::vector<std::string>& list) const
{
    list.clear();
    for (const BuiltInHighlighter& b : builtInHighlighters())
        list.emplace_back(b.displayName);
    for (const RSynItem& item : Items)
        list.push_back(item.Name);
}

std::optional<size_t> CSynMan::schemeForExtension(std::string_view fileName) const
{
    std::string ext = fileExtension(fileName);
    if (!ext.empty())
        ext.erase(0, 1);
    const std::string wanted = codepages::utf8ToWin(ext);
    for (size_t i = 0; i < Items.size(); ++i) {
        std::string_view s = Items[i].Ext;
        for (;;) {
            const size_t sp = s.find(' ');
            if (io::equalNoCaseWin(s.substr(0, sp), wanted))
                return i;
            if (sp == std::string_view::npos)
                break;
            s.remove_prefix(sp + 1);
        }
    }
    return std::nullopt;
}

std::string CSynMan::schemePath(const RSynItem& item) const
{
    std::string path = codepages::winToUtf8(item.FileName);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || path[0] == '/')
        return path;
    // Shipped registries name their files from the program folder; a bare name
    // the user typed is looked for beside syntax.ini too.
    const std::string fromProgram = platform::resolveDataPath(m_programFolder, path);
    std::error_code ec;
    if (std::filesystem::exists(fromProgram, ec))
        return fromProgram;
    const std::string besideRegistry = platform::resolveDataPath(
        std::filesystem::path(RegistryFile).parent_path().string() + "/", path);
    return std::filesystem::exists(besideRegistry, ec) ? besideRegistry : fromProgram;
}

} // namespace zuk::highlight
