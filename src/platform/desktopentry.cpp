#include "platform/desktopentry.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <map>
#include <sys/stat.h>

namespace zuk::platform {

namespace {

constexpr std::size_t kMostEntryBytes = 1 << 20;
constexpr int kMostFolderDepth = 8;

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string unescape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += '\\';
            out += value[i];
        }
    }
    return out;
}

std::vector<std::string> splitList(std::string_view value)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < value.size()) {
        std::size_t end = value.find(';', start);
        if (end == std::string_view::npos)
            end = value.size();
        const std::string_view item = trim(value.substr(start, end - start));
        if (!item.empty())
            out.emplace_back(item);
        start = end + 1;
    }
    return out;
}

// Exec split into words; false for an unclosed quote or a stray escape.
bool splitExec(std::string_view exec, std::vector<std::string>& words)
{
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else if (c == '"') {
            inWord = true;
            bool closed = false;
            for (++i; i < exec.size(); ++i) {
                if (exec[i] == '"') {
                    closed = true;
                    break;
                }
                if (exec[i] == '\\' && i + 1 < exec.size() &&
                    std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos)
                    ++i;
                word += exec[i];
            }
            if (!closed)
                return false;
        } else {
            inWord = true;
            word += c;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return true;
}

std::string environmentOr(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}

std::optional<std::string> readSmallFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text;
    text.resize(kMostEntryBytes);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

void scanFolder(const std::string& folder, const std::string& idPrefix, int depthLeft,
                std::string_view language, std::map<std::string, DesktopEntry>& found)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> names;
    while (const dirent* e = ::readdir(dir))
        if (e->d_name[0] != '.')
            names.emplace_back(e->d_name);
    ::closedir(dir);
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        struct stat link {};
        if (::lstat(path.c_str(), &link) != 0)
            continue;
        if (S_ISDIR(link.st_mode)) {
            if (depthLeft > 0)
                scanFolder(path, idPrefix + name + "-", depthLeft - 1, language, found);
            continue;
        }
        const std::string suffix = ".desktop";
        if (name.size() <= suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string id = idPrefix + name;
        if (found.count(id))
            continue;
        const std::optional<std::string> text = readSmallFile(path);
        if (!text)
            continue;
        std::optional<DesktopEntry> entry = parseDesktopEntry(*text, language);
        if (!entry)
            continue;
        entry->id = id;
        entry->path = path;
        found.emplace(id, std::move(*entry));
    }
}

std::map<std::string, DesktopEntry> allEntries(std::string_view language)
{
    std::map<std::string, DesktopEntry> found;
    for (const std::string& folder : applicationFolders())
        scanFolder(folder, "", kMostFolderDepth, language, found);
    return found;
}

} // namespace

std::optional<DesktopEntry> parseDesktopEntry(std::string_view text, std::string_view language)
{
    DesktopEntry entry;
    bool inGroup = false;
    bool seen = false;
    std::string region(language);
    std::string plain = region.substr(0, region.find('_'));
    int nameRank = 0; // 1 Name, 2 Name[lang], 3 Name[lang_REGION]
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            inGroup = line == "[Desktop Entry]";
            seen = seen || inGroup;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inGroup || eq == std::string_view::npos)
            continue;
        const std::string_view key = trim(line.substr(0, eq));
        const std::string value = unescape(trim(line.substr(eq + 1)));
        if (key == "Type")
            entry.application = value == "Application";
        else if (key == "Exec")
            entry.exec = value;
        else if (key == "TryExec")
            entry.tryExec = value;
        else if (key == "Icon")
            entry.icon = value;
        else if (key == "MimeType")
            entry.mimeTypes = splitList(value);
        else if (key == "NoDisplay")
            entry.noDisplay = value == "true";
        else if (key == "Hidden")
            entry.hidden = value == "true";
        else if (key == "Terminal")
            entry.terminal = value == "true";
        else if (key == "Name" && nameRank < 1) {
            entry.name = value;
            nameRank = 1;
        } else if (!plain.empty() && key == "Name[" + plain + "]" && nameRank < 2) {
            entry.name = value;
            nameRank = 2;
        } else if (region != plain && key == "Name[" + region + "]") {
            entry.name = value;
            nameRank = 3;
        }
    }
    if (!seen)
        return std::nullopt;
    return entry;
}

std::vector<std::string> execArguments(const DesktopEntry& entry, const std::string& file,
                                       const std::string& url)
{
    std::vector<std::string> words;
    if (!splitExec(entry.exec, words) || words.empty())
        return {};
    std::vector<std::string> out;
    bool fileGiven = false;
    for (std::size_t w = 0; w < words.size(); ++w) {
        const std::string& word = words[w];
        if (w > 0 && (word == "%f" || word == "%F" || word == "%u" || word == "%U")) {
            out.push_back(word == "%f" || word == "%F" ? file : url);
            fileGiven = true;
            continue;
        }
        if (w > 0 && word == "%i") {
            if (!entry.icon.empty()) {
                out.emplace_back("--icon");
                out.push_back(entry.icon);
            }
            continue;
        }
        std::string expanded;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (word[i] != '%' || i + 1 == word.size()) {
                expanded += word[i];
                continue;
            }
            const char code = word[++i];
            if (code == '%')
                expanded += '%';
            else if (code == 'f' || code == 'F') {
                expanded += file;
                fileGiven = true;
            } else if (code == 'u' || code == 'U') {
                expanded += url;
                fileGiven = true;
            } else if (code == 'c')
                expanded += entry.name;
            else if (code == 'k')
                expanded += entry.path;
        }
        if (w == 0 || !expanded.empty() || word.empty())
            out.push_back(std::move(expanded));
    }
    if (out.empty() || out.front().empty())
        return {};
    if (!fileGiven)
        out.push_back(file);
    return out;
}

std::vector<std::string> applicationFolders()
{
    const std::string home = environmentOr("HOME", "");
    std::vector<std::string> folders;
    folders.push_back(environmentOr("XDG_DATA_HOME", home + "/.local/share") + "/applications");
    const std::string dirs = environmentOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        std::string folder = dirs.substr(start, end - start);
        start = end + 1;
        if (folder.empty())
            continue;
        if (folder.back() == '/')
            folder.pop_back();
        const std::string apps = folder + "/applications";
        if (std::find(folders.begin(), folders.end(), apps) == folders.end())
            folders.push_back(apps);
    }
    return folders;
}

std::vector<DesktopEntry> installedApplications(std::string_view language)
{
    std::vector<DesktopEntry> out;
    for (auto& [id, entry] : allEntries(language))
        if (entry.application && !entry.hidden && !entry.noDisplay && !entry.exec.empty())
            out.push_back(std::move(entry));
    std::sort(out.begin(), out.end(),
              [](const DesktopEntry& a, const DesktopEntry& b) { return a.name < b.name; });
    return out;
}

std::optional<DesktopEntry> findApplication(std::string_view id, std::string_view language)
{
    std::map<std::string, DesktopEntry> all = allEntries(language);
    const auto it = all.find(std::string(id));
    if (it == all.end())
        return std::nullopt;
    return std::move(it->second);
}

} // namespace zuk::platform
