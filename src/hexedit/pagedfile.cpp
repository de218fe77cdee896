#include "hexedit/pagedfile.h"

#include "base/zukassert.h"
#include "base/zukerror.h"
#include "hexedit/hexedittexts.h"
#include "io/safefile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::hexedit {

CPagedFile::CPagedFile(const std::string& path) : m_path(path)
{
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        throw io::readError(path, errno);
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) {
        const int err = errno;
        ::close(m_fd);
        throw io::readError(path, err);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(m_fd);
        throw io::readError(path, EISDIR);
    }
    // A device or a pipe has no size to page through, and writing one back
    // through a renamed temporary file would replace it by a plain file.
    if (!S_ISREG(st.st_mode)) {
        ::close(m_fd);
        throw IoError(hexEditTexts(), "sNotRegularFile", {path});
    }
    m_size = static_cast<std::uint64_t>(st.st_size);
}

CPagedFile::~CPagedFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

const CPagedFile::Page& CPagedFile::page(std::uint64_t index) const
{
    ++m_clock;
    for (Page& p : m_pages)
        if (p.index == index) {
            p.lastUse = m_clock;
            return p;
        }
    const std::uint64_t start = index * kPageSize;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(kPageSize, m_size - start));
    std::vector<std::uint8_t> bytes(want);
    std::size_t got = 0;
    while (got < want) {
        const ssize_t n =
            ::pread(m_fd, bytes.data() + got, want - got, static_cast<off_t>(start + got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw io::readError(m_path, errno);
        }
        if (n == 0)
            throw IoError(hexEditTexts(), "sSourceChanged", {m_path});
        got += static_cast<std::size_t>(n);
    }
    if (m_pages.size() < kMaxPages) {
        m_pages.push_back({index, m_clock, std::move(bytes)});
        return m_pages.back();
    }
    Page& oldest =
        *std::min_element(m_pages.begin(), m_pages.end(),
                          [](const Page& a, const Page& b) { return a.lastUse < b.lastUse; });
    oldest = {index, m_clock, std::move(bytes)};
    return oldest;
}

void CPagedFile::read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const
{
    if (!ZUK_ASSERT(offset <= m_size && count <= m_size - offset))
        count = offset < m_size ? static_cast<std::size_t>(m_size - offset) : 0;
    while (count > 0) {
        const Page& p = page(offset / kPageSize);
        const std::size_t inPage = static_cast<std::size_t>(offset % kPageSize);
        const std::size_t n = std::min(count, p.bytes.size() - inPage);
        std::copy_n(p.bytes.data() + inPage, n, out);
        out += n;
        offset += n;
        count -= n;
    }
}

std::uint8_t CPagedFile::at(std::uint64_t offset) const
{
    if (!ZUK_ASSERT(offset < m_size))
        return 0;
    const Page& p = page(offset / kPageSize);
    return p.bytes[static_cast<std::size_t>(offset % kPageSize)];
}

} // namespace zuk::hexedit
