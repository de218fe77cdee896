#include "io/safefile.h"

#include "io/faultinjection.h"
#include "io/iotexts.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace zuk::io {

namespace {

constexpr std::size_t kWriteChunk = 1 << 20;
// How much written data may wait in the page cache before the disk is asked
// to start on it: the fsync of a big file then finds little left to do, and
// writing and copying overlap instead of following one another.
constexpr std::uint64_t kWriteBackStep = 32u << 20;

// Only a hint as well: clean cached pages of the range go, dirty ones are
// written first and stay, and a file system that keeps files in memory
// (tmpfs) keeps them.
void releaseCache(int fd, off_t offset, off_t length)
{
#ifdef __linux__
    ::posix_fadvise(fd, offset, length, POSIX_FADV_DONTNEED);
#else
    (void)fd;
    (void)offset;
    (void)length;
#endif
}

// Closes a descriptor when it goes out of scope.
class FdGuard final {
public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;

private:
    int m_fd;
};

bool readAll(int fd, std::string& out, int& err)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        err = errno;
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        err = EISDIR;
        return false;
    }
    // Files in /proc report size 0; grow the buffer as data keeps coming.
    std::size_t capacity = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 4096;
    out.resize(capacity);
    std::size_t used = 0;
    for (;;) {
        if (used == out.size())
            out.resize(out.size() * 2);
        ssize_t n = ::read(fd, &out[used], out.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            out.clear();
            return false;
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    out.resize(used);
    return true;
}

std::string folderOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// A symbolic link is replaced through the file it names, so that saving
// through a link never turns the link into a plain file.
std::string resolveTarget(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return path;
    std::string result(real);
    std::free(real);
    return result;
}

} // namespace

IoError readError(const std::string& path, int errnoValue)
{
    return IoError(ioMessages(), "sCannotReadFile", {path, std::strerror(errnoValue)});
}

IoError writeError(const std::string& path, int errnoValue)
{
    return IoError(ioMessages(), "sCannotWriteFile", {path, std::strerror(errnoValue)});
}

bool readFileBytesIfExists(const std::string& path, std::string& out)
{
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return false;
        throw readError(path, errno);
    }
    FdGuard guard(fd);
    int err = 0;
    if (!readAll(fd, out, err))
        throw readError(path, err);
    return true;
}

std::string readFileBytes(const std::string& path)
{
    std::string out;
    if (!readFileBytesIfExists(path, out))
        throw readError(path, ENOENT);
    return out;
}

AtomicFileWriter::AtomicFileWriter(const std::string& path)
    : m_target(resolveTarget(path)), m_shownPath(path)
{
    static std::atomic<unsigned> counter{0};
    struct stat old {};
    const bool exists = ::stat(m_target.c_str(), &old) == 0;
    std::string folder = folderOf(m_target);
    std::size_t slash = m_target.rfind('/');
    std::string base = slash == std::string::npos ? m_target : m_target.substr(slash + 1);

    // O_EXCL with our own names rather than mkstemp: the new file then gets
    // the usual 0666-minus-umask permissions when there is no old file.
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_tempPath = folder + "/." + base + ".zuk-" + std::to_string(::getpid()) + "-" +
                     std::to_string(counter++) + ".tmp";
        m_fd = sys::openTemp(m_tempPath.c_str(), 0666);
        if (m_fd >= 0)
            break;
        if (errno != EEXIST) {
            int err = errno;
            m_tempPath.clear();
            m_done = true;
            throw writeError(m_shownPath, err);
        }
    }
    if (m_fd < 0) {
        m_tempPath.clear();
        m_done = true;
        throw writeError(m_shownPath, EEXIST);
    }

    // A replaced file keeps its permission bits; when they cannot be set the
    // new file would quietly differ, so the write fails instead.
    if (exists && sys::fchmod(m_fd, old.st_mode & 07777) != 0)
        fail(errno);
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_done && !m_tempPath.empty())
        ::unlink(m_tempPath.c_str());
}

void AtomicFileWriter::abandon()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty())
        ::unlink(m_tempPath.c_str());
    m_done = true;
}

void AtomicFileWriter::fail(int errnoValue)
{
    abandon();
    throw writeError(m_shownPath, errnoValue);
}

void AtomicFileWriter::sourceEnded(const std::string& sourceName)
{
    abandon();
    throw IoError(ioMessages(), "sSourceEnded", {sourceName});
}

void AtomicFileWriter::flushBuffer()
{
    const char* p = m_buffer.data();
    std::size_t left = m_buffer.size();
    while (left > 0) {
        ssize_t n = sys::write(m_fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
        writeBack(static_cast<std::uint64_t>(n));
    }
    m_buffer.clear();
}

void AtomicFileWriter::writeBack(std::uint64_t written)
{
    m_written += written;
#ifdef __linux__
    // Only a hint: a failure shows in the fsync of commit(), which counts.
    if (m_written - m_flushed >= kWriteBackStep) {
        ::sync_file_range(m_fd, static_cast<off_t>(m_flushed),
                          static_cast<off_t>(m_written - m_flushed), SYNC_FILE_RANGE_WRITE);
        m_flushed = m_written;
    }
#endif
}

void AtomicFileWriter::appendFrom(int source, std::uint64_t offset, std::uint64_t count,
                                  const std::string& sourceName, bool releaseSource)
{
    if (m_done)
        throw writeError(m_shownPath, EBADF);
    flushBuffer();
    off_t from = static_cast<off_t>(offset);
    while (count > 0) {
        const std::size_t step =
            static_cast<std::size_t>(std::min<std::uint64_t>(count, kWriteBackStep));
        const off_t start = from;
        const ssize_t n = sys::copyRange(source, &from, m_fd, step);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            // Not between these two files (other file systems, old kernels):
            // the plain way then.
            if (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP) {
                appendFromByReading(source, static_cast<std::uint64_t>(from), count, sourceName,
                                    releaseSource);
                return;
            }
            fail(errno);
        }
        if (n == 0)
            sourceEnded(sourceName);
        count -= static_cast<std::uint64_t>(n);
        writeBack(static_cast<std::uint64_t>(n));
        if (releaseSource)
            releaseCache(source, start, n);
    }
}

void AtomicFileWriter::appendFromByReading(int source, std::uint64_t offset, std::uint64_t count,
                                           const std::string& sourceName, bool releaseSource)
{
    std::string chunk(static_cast<std::size_t>(std::min<std::uint64_t>(count, kWriteChunk)), '\0');
    while (count > 0) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(count, chunk.size()));
        const ssize_t n = ::pread(source, &chunk[0], want, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            abandon();
            throw readError(sourceName, err);
        }
        if (n == 0)
            sourceEnded(sourceName);
        m_buffer.assign(chunk.data(), static_cast<std::size_t>(n));
        flushBuffer();
        if (releaseSource)
            releaseCache(source, static_cast<off_t>(offset), n);
        offset += static_cast<std::uint64_t>(n);
        count -= static_cast<std::uint64_t>(n);
    }
}

void AtomicFileWriter::append(std::string_view bytes)
{
    if (m_done)
        throw writeError(m_shownPath, EBADF);
    if (m_buffer.size() + bytes.size() > kWriteChunk) {
        flushBuffer();
        if (bytes.size() > kWriteChunk) {
            m_buffer.assign(bytes.data(), bytes.size());
            flushBuffer();
            return;
        }
    }
    m_buffer.append(bytes.data(), bytes.size());
}

void AtomicFileWriter::commit()
{
    if (m_done)
        throw writeError(m_shownPath, EBADF);
    flushBuffer();
    if (sys::fsync(m_fd) != 0)
        fail(errno);
    // A failing close may still report a lost write (NFS, quotas): the
    // descriptor is gone either way, the temporary file must go too.
    int fd = m_fd;
    m_fd = -1;
    if (sys::close(fd) != 0)
        fail(errno);
    if (sys::rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        fail(errno);
    m_done = true;
    // The new name reaches the disk with the folder: without this a power
    // cut soon after could bring back the old file after a reported save.
    // The file is replaced by now, so a failure here is no failed write.
    const int folder = ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

void writeFileAtomically(const std::string& path, std::string_view bytes)
{
    AtomicFileWriter writer(path);
    writer.append(bytes);
    writer.commit();
}

} // namespace zuk::io
