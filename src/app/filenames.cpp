#include "app/filenames.h"

#include "codepages/charsets.h"

#include <cstdio>

namespace zuk::app {

std::string untitledName(int counter)
{
    return "untitled" + std::to_string(counter);
}

bool isFilePath(std::string_view name)
{
    return !name.empty() && name.front() == '/';
}

std::string fileNamePart(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string folderPart(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

namespace {

// Position of the extension's dot in `path`, or npos.
std::size_t extensionDot(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot <= nameStart)
        return std::string_view::npos;
    return dot;
}

} // namespace

std::string extensionPart(std::string_view path)
{
    const std::size_t dot = extensionDot(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string replaceExtension(std::string_view path, std::string_view extension)
{
    const std::size_t dot = extensionDot(path);
    std::string out(dot == std::string_view::npos ? path : path.substr(0, dot));
    out.append(extension.data(), extension.size());
    return out;
}

std::string backupName(std::string_view path)
{
    return replaceExtension(path, ".bak");
}

std::string emergencyName(std::string_view path)
{
    return replaceExtension(path, ".avr");
}

std::string saveAsName(std::string_view chosen, bool chfileext, std::string_view defext)
{
    std::string name(chosen);
    while (!defext.empty() && defext.front() == '.')
        defext.remove_prefix(1);
    if (chfileext && !defext.empty() && extensionPart(name).empty()) {
        name.push_back('.');
        name.append(defext.data(), defext.size());
    }
    return name;
}

std::string versionStamp(const std::tm& when, const settings::RSaveOptions& options)
{
    char date[64];
    char time[64];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", when.tm_mday, when.tm_mon + 1,
                  when.tm_year + 1900);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", when.tm_hour, when.tm_min, when.tm_sec);
    std::string stamp = std::string("date-") + date + "time-" + time;
    if (options.AddVersionNamePrefix && !options.VersionNamePrefix.empty())
        stamp = codepages::winToUtf8(options.VersionNamePrefix) + stamp;
    for (char& c : stamp)
        if (c == ':' || c == '.')
            c = '-';
    return stamp;
}

std::string versionName(std::string_view name, std::string_view stamp)
{
    return folderPart(name) + std::string(stamp) + fileNamePart(name);
}

std::string versionText(const std::string& text, const settings::RSaveOptions& options)
{
    if (!options.DoConvertVersionToCharset)
        return text;
    codepages::CodePage target;
    if (options.ConvertVersionToCharset == "koi")
        target = codepages::CodePage::Koi;
    else if (options.ConvertVersionToCharset == "dos")
        target = codepages::CodePage::Dos;
    else
        return text;
    return codepages::encodeFromUtf8(codepages::winToUtf8(text), target);
}

std::vector<std::string> versionTargets(std::string_view name, const std::tm& when,
                                        const settings::RSaveOptions& options,
                                        const std::function<bool(const std::string&)>& folderExists)
{
    const std::string version = versionName(name, versionStamp(when, options));
    std::vector<std::string> targets;
    if (options.SaveInSameFolder)
        targets.push_back(version);
    if (options.DoCopyVer && !options.CopyVerPath.empty()) {
        std::string folder = options.CopyVerPath;
        if (folderExists(folder)) {
            if (folder.back() != '/')
                folder.push_back('/');
            targets.push_back(folder + fileNamePart(version));
        }
    }
    return targets;
}

std::tm localTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

int tabIndexFor(const std::vector<std::string>& captions, std::string_view documentName)
{
    const std::string part = fileNamePart(documentName);
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (captions[i] == part)
            return static_cast<int>(i);
    return -1;
}

int cycleTab(int current, int count, int step)
{
    if (count <= 0)
        return -1;
    if (current < 0 || current >= count)
        return step >= 0 ? 0 : count - 1;
    return ((current + step) % count + count) % count;
}

} // namespace zuk::app
