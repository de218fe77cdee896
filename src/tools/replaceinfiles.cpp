#include "tools/replaceinfiles.h"

#include "io/safefile.h"
#include "textfunc/casefunctions.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace zuk::tools {

namespace {

void walkFolder(const std::string& folder, int depthLeft, std::vector<std::string>& out)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    const std::string prefix = folder.back() == '/' ? folder : folder + '/';
    for (const std::string& name : names) {
        const std::string path = prefix + name;
        struct stat st {};
        // lstat: a link is neither a regular file nor a folder here.
        if (::lstat(path.c_str(), &st) != 0)
            continue;
        if (S_ISREG(st.st_mode))
            out.push_back(path);
        else if (S_ISDIR(st.st_mode) && depthLeft > 0)
            walkFolder(path, depthLeft - 1, out);
    }
}

} // namespace

std::vector<std::string> collectReplaceFiles(const std::vector<std::string>& selected,
                                             bool recursive, int maxDepth)
{
    std::vector<std::string> files;
    for (const std::string& path : selected) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            continue;
        if (S_ISREG(st.st_mode)) {
            files.push_back(path);
            continue;
        }
        struct stat link {};
        // A selected link to a folder is not entered either.
        if (recursive && S_ISDIR(st.st_mode) && ::lstat(path.c_str(), &link) == 0 &&
            S_ISDIR(link.st_mode))
            walkFolder(path, maxDepth, files);
    }
    return files;
}

ReplaceFilesReport ReplaceInFiles(const std::vector<std::string>& files, const ReplaceJob& job,
                                  const std::function<std::string(const std::string&)>& target,
                                  const std::function<bool()>& stop)
{
    static const FoldTable kFold = textfunc::Cp1251Lower;
    const FoldTable* fold = job.ignoreCase ? &kFold : nullptr;
    ReplaceFilesReport report;
    for (const std::string& path : files) {
        if (stop && stop())
            break;
        const std::string to = target(path);
        if (to.empty()) {
            report.skipped.push_back(path);
            continue;
        }
        try {
            const std::string text = io::readFileBytes(path);
            if (text.find('\0') != std::string::npos) {
                report.binary.push_back(path);
                continue;
            }
            std::size_t count = 0;
            std::string result;
            if (job.multi)
                result = MultiReplace(text, job.rules, fold, &count);
            else if (!job.with.empty())
                result = ReplaceAll(text, job.find, job.with, fold, &count);
            else
                result = text;
            if (count == 0 && to == path) {
                report.unchanged.push_back(path);
                continue;
            }
            io::writeFileAtomically(to, count == 0 ? text : result);
            (count == 0 ? report.unchanged : report.changed).push_back(path);
            report.replacements += count;
        } catch (const ZukError& e) {
            report.failed.emplace_back(path, e);
        }
    }
    return report;
}

} // namespace zuk::tools
