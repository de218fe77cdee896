#include "filebox/findinfiles.h"

#include "filebox/fileboxtexts.h"
#include "filebox/folderwalk.h"
#include "textfunc/casefunctions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::filebox {

namespace {

const textfunc::CaseTable& kFold = textfunc::Cp1251Lower;

// Big enough that a read costs little next to the scan, small enough to sit
// in the cache.
constexpr std::size_t kBlock = 256 * 1024;

class FdCloser final {
public:
    explicit FdCloser(int fd) : m_fd(fd) {}
    ~FdCloser()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

private:
    int m_fd;
};

} // namespace

TextPattern::TextPattern(std::string_view text)
{
    m_folded.reserve(text.size());
    for (const char c : text) {
        m_folded.push_back(static_cast<char>(kFold[static_cast<unsigned char>(c)]));
        m_anyByte.push_back(c == '*' || c == '?');
    }
    const std::size_t m = m_folded.size();
    if (m == 0)
        return;
    // A wildcard matches every byte, so no shift may jump past the last one.
    std::size_t lastAny = std::string::npos;
    for (std::size_t i = 0; i + 1 < m; ++i)
        if (m_anyByte[i])
            lastAny = i;
    const std::size_t maxShift = lastAny == std::string::npos ? m : m - 1 - lastAny;
    m_shift.fill(maxShift);
    for (std::size_t i = 0; i + 1 < m; ++i)
        if (!m_anyByte[i])
            m_shift[static_cast<unsigned char>(m_folded[i])] = std::min(maxShift, m - 1 - i);
}

std::size_t TextPattern::find(const char* data, std::size_t size) const
{
    const std::size_t m = m_folded.size();
    if (m == 0 || size < m)
        return std::string::npos;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    const auto* pattern = reinterpret_cast<const unsigned char*>(m_folded.data());
    const std::size_t last = m - 1;
    const bool lastAny = m_anyByte[last];
    const unsigned char lastByte = pattern[last];
    std::size_t pos = 0;
    while (pos + m <= size) {
        const unsigned char tail = kFold[bytes[pos + last]];
        if (lastAny || tail == lastByte) {
            std::size_t i = 0;
            while (i < last && (m_anyByte[i] || kFold[bytes[pos + i]] == pattern[i]))
                ++i;
            if (i == last)
                return pos;
        }
        pos += m_shift[tail];
    }
    return std::string::npos;
}

ScanResult scanFile(int fd, const TextPattern& pattern, std::size_t block,
                    const std::function<bool()>& keepGoing)
{
    if (pattern.empty())
        return ScanResult::NoMatch;
    const std::size_t overlap = pattern.length() - 1;
    block = std::max(block, pattern.length());
    std::unique_ptr<char[]> buffer(new char[overlap + block]);
    std::size_t kept = 0; // bytes carried over from the block before
    for (;;) {
        if (keepGoing && !keepGoing())
            return ScanResult::Stopped;
        const ssize_t got = ::read(fd, buffer.get() + kept, block);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return ScanResult::ReadError;
        }
        if (got == 0)
            return ScanResult::NoMatch;
        const std::size_t filled = kept + static_cast<std::size_t>(got);
        if (pattern.find(buffer.get(), filled) != std::string::npos)
            return ScanResult::Match;
        kept = std::min(overlap, filled);
        std::memmove(buffer.get(), buffer.get() + filled - kept, kept);
    }
}

FindSummary findInFiles(const FindRequest& request, const FindObserver& observer)
{
    struct stat folderStat {};
    if (::stat(request.folder.c_str(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode))
        throw IoError(fileFindTexts(), "sNoFolder", {request.folder});
    const TextPattern pattern(request.text);
    FindSummary summary;
    auto keepGoing = [&observer, &summary] {
        if (observer.keepGoing && !observer.keepGoing()) {
            summary.stopped = true;
            return false;
        }
        return true;
    };
    WalkVisitor visitor;
    visitor.file = [&](const WalkEntry& entry) {
        if (!fileMaskMatches(request.mask, entry.name))
            return true;
        if (!keepGoing())
            return false;
        if (observer.reading)
            observer.reading(entry.path);
        // Non-blocking, so that a FIFO named like a text file cannot hold the
        // search; what is opened is checked again before it is read.
        const int fd = ::open(entry.path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            ++summary.skipped;
            return true;
        }
        FdCloser closer(fd);
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            ++summary.skipped;
            return true;
        }
        if (!S_ISREG(st.st_mode))
            return true;
        if (pattern.empty())
            return true;
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        switch (scanFile(fd, pattern, kBlock, keepGoing)) {
        case ScanResult::Match:
            ++summary.found;
            if (observer.found)
                observer.found(entry.path);
            return true;
        case ScanResult::ReadError:
            ++summary.skipped;
            return true;
        case ScanResult::Stopped:
            return false;
        case ScanResult::NoMatch:
            return true;
        }
        return true;
    };
    // As grep -r: a link is not searched (its file is, where it lies below).
    visitor.fileLinks = false;
    visitor.unreadableFolder = [&summary](const std::string&) { ++summary.skipped; };
    walkFolder(request.folder, request.maxDepth, visitor);
    return summary;
}

} // namespace zuk::filebox
