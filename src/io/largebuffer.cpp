#include "io/largebuffer.h"

#include "base/zukerror.h"
#include "io/safefile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <memory>
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
    Fd(Fd&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd& operator=(Fd&&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The file opened for reading, its status in `st`; a folder is refused.
Fd openForReading(const std::string& path, struct stat& st)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw readError(path, errno);
    if (::fstat(fd.get(), &st) != 0)
        throw readError(path, errno);
    if (S_ISDIR(st.st_mode))
        throw readError(path, EISDIR);
    return fd;
}

// Reads until `size` bytes are in or the file ends; the count read.
std::size_t readFully(const Fd& fd, char* buffer, std::size_t size, const std::string& path)
{
    std::size_t used = 0;
    while (used < size) {
        const ssize_t n = ::read(fd.get(), buffer + used, size - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw readError(path, errno);
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    return used;
}

} // namespace

std::string readWholeFile(const std::string& path, bool roomToDouble)
{
    struct stat st {};
    const Fd fd = openForReading(path, st);
    if (!S_ISREG(st.st_mode) || st.st_size <= 0) {
        // A pipe, a device, or a file of no stated size: read as it comes, and
        // from this opening (a pipe cannot be opened a second time).
        std::string out;
        std::size_t used = 0;
        do {
            out.resize(used + std::max<std::size_t>(64 * 1024, used / 2));
            used += readFully(fd, out.data() + used, out.size() - used, path);
        } while (used == out.size());
        out.resize(used);
        return out;
    }

    std::string out;
    const auto size = static_cast<std::size_t>(st.st_size);
    reserveLargeBuffer(out, roomToDouble ? 2 * size + 2 : size + 1);
    out.resize(size);
    std::size_t used = readFully(fd, out.data(), size, path);
    char probe;
    if (used == size && readFully(fd, &probe, 1, path) == 1) {
        // The file grew meanwhile: read on to its end.
        out.push_back(probe);
        used = out.size();
        for (;;) {
            out.resize(used + (used >> 1) + 4096);
            used += readFully(fd, out.data() + used, out.size() - used, path);
            if (used < out.size())
                break;
        }
    }
    out.resize(used);
    return out;
}

std::string readFileHead(const std::string& path, std::size_t limit)
{
    struct stat st {};
    const Fd fd = openForReading(path, st);
    std::string out(limit, '\0');
    out.resize(readFully(fd, out.data(), limit, path));
    return out;
}

void readFileBlocks(const std::string& path, std::size_t blockSize,
                    const std::function<void(std::string_view)>& sink)
{
    struct stat st {};
    const Fd fd = openForReading(path, st);
    // Not zero-filled: read() writes what is then read.
    const std::size_t size = std::max<std::size_t>(blockSize, 1);
    const std::unique_ptr<char[]> buffer(new char[size]);
    for (;;) {
        const std::size_t n = readFully(fd, buffer.get(), size, path);
        if (n > 0)
            sink(std::string_view(buffer.get(), n));
        if (n < size)
            return;
    }
}

} // namespace zuk::io
