#include "io/largebuffer.h"

#include "base/zukerror.h"
#include "io/safefile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::io {

void reserveLargeBuffer(std::string& buffer, std::size_t size)
{
    buffer.reserve(size);
#if defined(MADV_HUGEPAGE)
    constexpr std::size_t kWorthIt = 8u << 20;
    if (size < kWorthIt)
        return;
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    const auto page = static_cast<std::uintptr_t>(pageSize > 0 ? pageSize : 4096);
    const auto start = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t first = (start + page - 1) & ~(page - 1);
    const std::uintptr_t last = (start + size) & ~(page - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE); // a hint only
#endif
}

namespace {

class Fd final {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::string readWholeFile(const std::string& path, bool roomToDouble)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw IoError(ioErrorMessage("Не удалось прочитать файл", path, errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        throw IoError(ioErrorMessage("Не удалось прочитать файл", path, errno));
    if (S_ISDIR(st.st_mode))
        throw IoError(ioErrorMessage("Не удалось прочитать файл", path, EISDIR));
    if (!S_ISREG(st.st_mode) || st.st_size <= 0)
        return readFileBytes(path);

    std::string out;
    const auto size = static_cast<std::size_t>(st.st_size);
    reserveLargeBuffer(out, roomToDouble ? 2 * size + 2 : size + 1);
    out.resize(size);
    std::size_t used = 0;
    for (;;) {
        if (used == out.size())
            out.resize(out.size() + (out.size() >> 1) + 4096); // the file grew meanwhile
        const ssize_t n = ::read(fd.get(), &out[used], out.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(ioErrorMessage("Не удалось прочитать файл", path, errno));
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
        if (used == size && used == out.size()) {
            // The usual end: probe once for growth without resizing first.
            char probe;
            const ssize_t more = ::read(fd.get(), &probe, 1);
            if (more <= 0)
                break;
            out.push_back(probe);
            ++used;
        }
    }
    out.resize(used);
    return out;
}

std::string readFileHead(const std::string& path, std::size_t limit)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw IoError(ioErrorMessage("Не удалось прочитать файл", path, errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        throw IoError(ioErrorMessage("Не удалось прочитать файл", path, errno));
    if (S_ISDIR(st.st_mode))
        throw IoError(ioErrorMessage("Не удалось прочитать файл", path, EISDIR));
    std::string out(limit, '\0');
    std::size_t used = 0;
    while (used < limit) {
        const ssize_t n = ::read(fd.get(), &out[used], limit - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(ioErrorMessage("Не удалось прочитать файл", path, errno));
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    out.resize(used);
    return out;
}

void readFileBlocks(const std::string& path, std::size_t blockSize,
                    const std::function<void(std::string_view)>& sink)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw IoError(ioErrorMessage("Не удалось прочитать файл", path, errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        throw IoError(ioErrorMessage("Не удалось прочитать файл", path, errno));
    if (S_ISDIR(st.st_mode))
        throw IoError(ioErrorMessage("Не удалось прочитать файл", path, EISDIR));
    std::string buffer(std::max<std::size_t>(blockSize, 1), '\0');
    std::size_t used = 0;
    for (;;) {
        const ssize_t n = ::read(fd.get(), &buffer[used], buffer.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(ioErrorMessage("Не удалось прочитать файл", path, errno));
        }
        used += static_cast<std::size_t>(n);
        if (n == 0 || used == buffer.size()) {
            if (used > 0)
                sink(std::string_view(buffer.data(), used));
            used = 0;
            if (n == 0)
                return;
        }
    }
}

} // namespace zuk::io
