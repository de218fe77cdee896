#include "plugins/cplugsman.h"

#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "io/nocase.h"
#include "io/safefile.h"
#include "platform/programfolder.h"
#include "plugins/plugintexts.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::plugins {

namespace {

bool isBlank(char c)
{
    return c == ' ';
}

// UTF-8 that holds at least one multi-byte character and nothing malformed:
// a name a plug-in wrote in UTF-8 rather than in Windows-1251 (Russian text
// in Windows-1251 practically never has this form).
bool isMultiByteUtf8(std::string_view s)
{
    bool multi = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            extra = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            extra = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (extra > 0 && i + extra >= s.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        multi = multi || extra > 0;
        i += extra + 1;
    }
    return multi;
}

// `mayBeUtf8`: the text may be UTF-8 (a plug-in's answer, a file name on
// disk) rather than Windows-1251 (a name in the list file).
std::string cleanName(std::string_view text, bool mayBeUtf8)
{
    std::string name =
        mayBeUtf8 && isMultiByteUtf8(text) ? codepages::utf8ToWin(text) : std::string(text);
    for (char& c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '=')
            c = '-';
        else if (u < 0x20 || u == 0x7F)
            c = ' ';
    }
    auto trim = [](std::string& s) {
        while (!s.empty() && isBlank(s.back()))
            s.pop_back();
        std::size_t first = 0;
        while (first < s.size() && isBlank(s[first]))
            ++first;
        s.erase(0, first);
    };
    trim(name);
    if (name.size() > kMaxPluginName) {
        name.resize(kMaxPluginName);
        trim(name);
    }
    return name;
}

bool isRegularFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool exists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string withSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

// The names in `folder` matching `mask`, sorted; none for a folder that
// cannot be read.
std::vector<std::string> listMatching(const std::string& folder, std::string_view mask)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != ".." && matchesMask(name, mask))
            names.emplace_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

bool isPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == ".." || name.size() > 255)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
}

namespace {

std::string nameOrFile(std::string name, std::string_view file)
{
    if (name.empty())
        name = cleanName(file, true);
    return name.empty() ? std::string("?") : name;
}

} // namespace

std::string pluginMenuName(std::string_view reported, std::string_view file)
{
    return nameOrFile(cleanName(reported, true), file);
}

std::optional<PluginEntry> parsePluginLine(std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const std::string_view file = line.substr(eq + 1);
    if (!isPlainFileName(file))
        return std::nullopt;
    return PluginEntry{nameOrFile(cleanName(line.substr(0, eq), false), file), std::string(file)};
}

std::vector<PluginEntry> parsePluginList(const std::vector<std::string>& lines)
{
    std::vector<PluginEntry> entries;
    for (const std::string& line : lines)
        if (std::optional<PluginEntry> entry = parsePluginLine(line))
            entries.push_back(std::move(*entry));
    return entries;
}

std::vector<std::string> formatPluginList(const std::vector<PluginEntry>& entries)
{
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const PluginEntry& e : entries)
        lines.push_back(e.name + "=" + e.file);
    return lines;
}

bool matchesMask(std::string_view name, std::string_view mask)
{
    const std::string n = io::lowerUtf8(name);
    const std::string m = io::lowerUtf8(mask);
    // The usual greedy match with one point to go back to: linear in practice.
    std::size_t i = 0, j = 0, star = std::string::npos, resume = 0;
    while (i < n.size()) {
        if (j < m.size() && (m[j] == '?' || m[j] == n[i])) {
            ++i;
            ++j;
        } else if (j < m.size() && m[j] == '*') {
            star = j++;
            resume = i;
        } else if (star != std::string::npos) {
            j = star + 1;
            i = ++resume;
        } else {
            return false;
        }
    }
    while (j < m.size() && m[j] == '*')
        ++j;
    return j == m.size();
}

CPlugsMan::CPlugsMan(std::string helperPath) : m_helper(std::move(helperPath)) {}

void CPlugsMan::LoadPluginList(const std::string& path)
{
    m_plugins.clear();
    m_plugins = parsePluginList(io::readLinesFile(path));
}

void CPlugsMan::SavePluginList(const std::string& path) const
{
    io::writeLinesFile(path, formatPluginList(m_plugins));
}

ScanReport CPlugsMan::ScanPlugins(const std::string& folder, std::string_view mask)
{
    ScanReport report;
    const std::string dir = withSlash(folder);
    for (const std::string& file : listMatching(dir, mask)) {
        const std::string path = dir + file;
        if (!isRegularFile(path))
            continue;
        if (!isPlainFileName(file)) {
            report.skipped.push_back(
                {file, ZukError(pluginMessages(), "sPluginBadFileName", {file})});
            continue;
        }
        try {
            m_plugins.push_back({pluginMenuName(pluginVersionInfo(m_helper, path), file), file});
        } catch (const ZukError& e) {
            report.skipped.push_back({file, e});
        }
    }
    return report;
}

std::vector<std::string> CPlugsMan::ListPluginNames() const
{
    std::vector<std::string> names;
    names.reserve(m_plugins.size());
    for (const PluginEntry& e : m_plugins)
        names.push_back(e.name);
    return names;
}

std::string CPlugsMan::CallPlugin(std::size_t index, const std::string& folder,
                                  const std::string& text, const HandleDataLimits& limits) const
{
    const PluginEntry& entry = m_plugins.at(index);
    return pluginHandleData(m_helper, withSlash(folder) + entry.file, index + 1, text, limits);
}

ScanReport CPlugsMan::Startup(const std::string& folder)
{
    const std::string list = platform::resolveDataPath(withSlash(folder), kPluginListFile);
    if (exists(list)) {
        LoadPluginList(list);
        return {};
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    m_plugins.clear();
    ScanReport report = ScanPlugins(folder);
    SavePluginList(list);
    return report;
}

ScanReport CPlugsMan::Rescan(const std::string& folder)
{
    m_plugins.clear();
    ScanReport report = ScanPlugins(folder);
    SavePluginList(platform::resolveDataPath(withSlash(folder), kPluginListFile));
    return report;
}

ScanReport CPlugsMan::Remove(const std::string& folder, std::size_t index)
{
    const std::string file = m_plugins.at(index).file;
    const std::string path = withSlash(folder) + file;
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        throw ZukError(pluginMessages(), "sPluginCannotRemove", {file, std::strerror(errno)});
    return Rescan(folder);
}

std::optional<ScanReport> CPlugsMan::Install(const std::string& folder, const std::string& source,
                                             const std::function<bool(const std::string&)>& replace)
{
    if (!isRegularFile(source))
        throw ZukError(pluginMessages(), "sPluginNotAFile", {source});
    const std::string file = fileNameOf(source);
    if (!isPlainFileName(file))
        throw ZukError(pluginMessages(), "sPluginBadFileName", {file});
    pluginVersionInfo(m_helper, source); // throws what makes it no plug-in
    const std::string target = withSlash(folder) + file;
    if (exists(target)) {
        if (!replace(file))
            return std::nullopt;
    } else {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
    }
    // Written beside and renamed over the old library, so a half-copied one
    // never stands in the folder.
    if (!sameFile(source, target))
        io::writeFileAtomically(target, io::readFileBytes(source));
    return Rescan(folder);
}

} // namespace zuk::plugins
