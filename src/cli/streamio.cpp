#include "cli/streamio.h"

#include "base/zukerror.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::cli {

namespace {

std::string systemReason(int error)
{
    return std::strerror(error);
}

// Reads to the end of fd. A regular file is read with its size known in
// advance, so a 100 MB input costs one allocation and a few large reads.
std::string readFd(int fd, const std::string& shownName)
{
    std::string data;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
        throw IoError("Cannot read \"" + shownName + "\": " + systemReason(EISDIR));
    std::size_t capacity = 1 << 16;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        capacity = static_cast<std::size_t>(st.st_size) + 1; // +1 sees the end at once
    data.resize(capacity);
    std::size_t used = 0;
    for (;;) {
        if (used == data.size())
            data.resize(data.size() * 2);
        const ssize_t got = ::read(fd, &data[used], data.size() - used);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw IoError("Cannot read \"" + shownName + "\": " + systemReason(errno));
        }
        used += static_cast<std::size_t>(got);
    }
    data.resize(used);
    return data;
}

} // namespace

std::string readWholeInput(const std::string& path)
{
    if (path == "-")
        return readFd(STDIN_FILENO, "standard input");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw IoError("Cannot open \"" + path + "\": " + systemReason(errno));
    try {
        std::string data = readFd(fd, path);
        ::close(fd);
        return data;
    } catch (...) {
        ::close(fd);
        throw;
    }
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

} // namespace zuk::cli
