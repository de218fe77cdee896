#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zuk::hexedit {

// A file opened for reading and read in pages when asked, so that a file of
// any size opens at once and only the pages in view are in memory (a few
// megabytes at most). The descriptor stays open for the object's life: the
// pages still come from the file that was opened when someone renames
// another file over its name.
class CPagedFile final {
public:
    static constexpr std::size_t kPageSize = 64 * 1024;
    static constexpr std::size_t kMaxPages = 64;

    // Opens `path` (UTF-8). Throws zuk::IoError with the system's reason when
    // it cannot be opened, and when it is a folder or no regular file.
    explicit CPagedFile(const std::string& path);
    ~CPagedFile();
    CPagedFile(const CPagedFile&) = delete;
    CPagedFile& operator=(const CPagedFile&) = delete;

    const std::string& path() const { return m_path; }
    // The size when the file was opened; it does not follow later changes.
    std::uint64_t size() const { return m_size; }
    int descriptor() const { return m_fd; }
    // Hands the descriptor to the caller, who closes it; no reads after.
    int releaseDescriptor() { return std::exchange(m_fd, -1); }

    // `count` bytes from `offset` (which must lie inside size()). Throws
    // zuk::IoError when the file can no longer give them: a read error, or
    // the file got shorter since it was opened.
    void read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const;
    std::uint8_t at(std::uint64_t offset) const;
    // Forgets the pages read so far: the next reads see the file as it is now.
    void dropPages() { m_pages.clear(); }

private:
    struct Page {
        std::uint64_t index = 0;
        std::uint64_t lastUse = 0;
        std::vector<std::uint8_t> bytes;
    };
    const Page& page(std::uint64_t index) const;

    std::string m_path;
    int m_fd = -1;
    std::uint64_t m_size = 0;
    mutable std::vector<Page> m_pages; // at most kMaxPages, the least used goes first
    mutable std::uint64_t m_clock = 0;
};

} // namespace zuk::hexedit
