#include "platform/shellfiles.h"

#include "io/safefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::platform {

namespace {

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// One attempt; false with EEXIST in errno when `to` exists.
bool renameOnce(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    // A file system without the flag: a hard link cannot replace anything
    // either, for a file; a folder has to be checked first.
    struct stat st {};
    if (::lstat(from.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode) && ::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (!S_ISDIR(st.st_mode) && errno != EPERM && errno != ENOTSUP)
        return false;
    struct stat existing {};
    if (::lstat(to.c_str(), &existing) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

void removeInside(int folderFd, const std::string& shown)
{
    const int fd = ::dup(folderFd);
    if (fd < 0)
        throw io::writeError(shown, errno);
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        const int err = errno;
        ::close(fd);
        throw io::writeError(shown, err);
    }
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        struct stat st {};
        if (::fstatat(folderFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const std::string path = shown + "/" + name;
        if (S_ISDIR(st.st_mode)) {
            const int sub =
                ::openat(folderFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub < 0) {
                const int err = errno;
                ::closedir(dir);
                throw io::writeError(path, err);
            }
            try {
                removeInside(sub, path);
            } catch (...) {
                ::close(sub);
                ::closedir(dir);
                throw;
            }
            ::close(sub);
        }
        if (::unlinkat(folderFd, name, S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0) != 0) {
            const int err = errno;
            ::closedir(dir);
            throw io::writeError(path, err);
        }
    }
    ::closedir(dir);
}

} // namespace

bool validNewName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::string numberedName(std::string_view name, int n)
{
    const std::size_t dot = name.rfind('.');
    const std::size_t cut = dot == std::string_view::npos || dot == 0 ? name.size() : dot;
    return std::string(name.substr(0, cut)) + " (" + std::to_string(n) + ")" +
           std::string(name.substr(cut));
}

std::string renameNoReplace(const std::string& from, std::string_view newName,
                            bool renameOnCollision)
{
    if (!validNewName(newName))
        throw io::writeError(std::string(newName), EINVAL);
    const std::string folder = folderOf(from) + "/";
    std::string to = folder + std::string(newName);
    if (to == from || nameOf(from) == newName)
        return from;
    for (int n = 2;; ++n) {
        if (renameOnce(from, to))
            return to;
        if (errno != EEXIST || !renameOnCollision || n > 10000)
            throw io::writeError(to, errno);
        to = folder + numberedName(newName, n);
    }
}

void removeTree(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        throw io::writeError(path, errno);
    if (S_ISDIR(st.st_mode)) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            throw io::writeError(path, errno);
        try {
            removeInside(fd, path);
        } catch (...) {
            ::close(fd);
            throw;
        }
        ::close(fd);
        if (::rmdir(path.c_str()) != 0)
            throw io::writeError(path, errno);
        return;
    }
    if (::unlink(path.c_str()) != 0)
        throw io::writeError(path, errno);
}

std::optional<FileStamp> stampOf(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    FileStamp stamp;
    stamp.device = static_cast<uint64_t>(st.st_dev);
    stamp.inode = static_cast<uint64_t>(st.st_ino);
    stamp.size = static_cast<int64_t>(st.st_size);
    stamp.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

bool createExclusive(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        throw io::writeError(path, errno);
    }
    ::close(fd);
    return true;
}

} // namespace zuk::platform
