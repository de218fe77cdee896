#include "filebox/folderwalk.h"

#include "io/safefile.h"

#include <algorithm>
#include <cerrno>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

namespace zuk::filebox {

namespace {

enum class Kind { File, LinkedFile, Folder, LinkedFolder, Other };

Kind kindOf(int dirFd, const dirent& entry)
{
    struct stat st {};
    switch (entry.d_type) {
    case DT_REG:
        return Kind::File;
    case DT_DIR:
        return Kind::Folder;
    case DT_LNK:
        if (::fstatat(dirFd, entry.d_name, &st, 0) != 0)
            return Kind::Other;
        if (S_ISDIR(st.st_mode))
            return Kind::LinkedFolder;
        return S_ISREG(st.st_mode) ? Kind::LinkedFile : Kind::Other;
    case DT_UNKNOWN:
        if (::fstatat(dirFd, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return Kind::Other;
        if (S_ISLNK(st.st_mode)) {
            if (::fstatat(dirFd, entry.d_name, &st, 0) != 0)
                return Kind::Other;
            if (S_ISDIR(st.st_mode))
                return Kind::LinkedFolder;
            return S_ISREG(st.st_mode) ? Kind::LinkedFile : Kind::Other;
        }
        if (S_ISDIR(st.st_mode))
            return Kind::Folder;
        return S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
    default:
        return Kind::Other;
    }
}

bool dotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

class DirCloser final {
public:
    explicit DirCloser(DIR* dir) : m_dir(dir) {}
    ~DirCloser() { ::closedir(m_dir); }
    DirCloser(const DirCloser&) = delete;
    DirCloser& operator=(const DirCloser&) = delete;

private:
    DIR* m_dir;
};

// The entries of one folder with their kinds; false when it cannot be opened.
bool readFolder(const std::string& path, std::vector<std::pair<std::string, Kind>>& out, int& error)
{
    DIR* dir = ::opendir(path.c_str());
    if (!dir) {
        error = errno;
        return false;
    }
    DirCloser closer(dir);
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (dotOrDotDot(entry->d_name))
            continue;
        out.emplace_back(entry->d_name, kindOf(fd, *entry));
    }
    return true;
}

} // namespace

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

std::vector<DirEntry> listFolder(const std::string& path)
{
    std::vector<std::pair<std::string, Kind>> raw;
    int error = 0;
    if (!readFolder(path, raw, error))
        throw io::readError(path, error);
    std::vector<DirEntry> entries;
    entries.reserve(raw.size());
    for (auto& [name, kind] : raw) {
        DirEntry e;
        e.name = std::move(name);
        e.folder = kind == Kind::Folder || kind == Kind::LinkedFolder;
        e.link = kind == Kind::LinkedFolder;
        entries.push_back(std::move(e));
    }
    return entries;
}

void walkFolder(const std::string& root, int maxDepth, const WalkVisitor& visitor)
{
    std::deque<std::pair<std::string, int>> folders{{root, 0}};
    bool first = true;
    while (!folders.empty()) {
        auto [folder, depth] = std::move(folders.front());
        folders.pop_front();
        std::vector<std::pair<std::string, Kind>> entries;
        int error = 0;
        if (!readFolder(folder, entries, error)) {
            if (first)
                throw io::readError(folder, error);
            if (visitor.unreadableFolder)
                visitor.unreadableFolder(folder);
            continue;
        }
        first = false;
        std::sort(entries.begin(), entries.end());
        for (const auto& [name, kind] : entries) {
            if (kind == Kind::Folder && depth < maxDepth)
                folders.emplace_back(joinPath(folder, name), depth + 1);
            if (kind != Kind::File && !(kind == Kind::LinkedFile && visitor.fileLinks))
                continue;
            if (visitor.file && !visitor.file(WalkEntry{name, joinPath(folder, name)}))
                return;
        }
    }
}

} // namespace zuk::filebox
