#pragma once

#include "base/zukerror.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zuk::io {

// The whole content of a file, read with one big read. Throws zuk::IoError
// with the system's reason and the path when the file cannot be read.
std::string readFileBytes(const std::string& path);

// Like readFileBytes, but a file that does not exist yields false and leaves
// `out` empty instead of throwing.
bool readFileBytesIfExists(const std::string& path, std::string& out);

// Replaces the content of a file so that a failure never leaves it half
// written: the bytes go to a temporary file in the same folder, which is
// flushed to disk and renamed over the target by commit() (the folder is then
// flushed too, so that the new name lasts). An existing target
// keeps its permission bits; a symbolic link is followed and the file it names
// is replaced. Every failure throws zuk::IoError with the system's reason; the
// old file is then intact and the temporary file is removed (also when the
// writer is destroyed without commit()). Its system calls pass the test seam
// of faultinjection.h.
class AtomicFileWriter final {
public:
    explicit AtomicFileWriter(const std::string& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void append(std::string_view bytes);
    // `count` bytes of the open file `source` from `offset`, copied by the
    // system where it can (no pass through this process's memory), else read
    // and written in chunks. A failed read, or a source that ends before
    // `count` bytes, throws zuk::IoError naming `sourceName` (the target is
    // then untouched, like after any failure). With `releaseSource` (the
    // source is the file this one replaces) the system's cache lets go of the
    // source's pages behind the copy: a big file is then not held twice in
    // memory, and the copy takes the pages the old one gave back instead of
    // fresh ones.
    void appendFrom(int source, std::uint64_t offset, std::uint64_t count,
                    const std::string& sourceName, bool releaseSource = false);
    void commit();

private:
    void flushBuffer();
    void writeBack(std::uint64_t written);
    void appendFromByReading(int source, std::uint64_t offset, std::uint64_t count,
                             const std::string& sourceName, bool releaseSource);
    void abandon();
    [[noreturn]] void fail(int errnoValue);
    [[noreturn]] void sourceEnded(const std::string& sourceName);

    std::string m_target;    // the file that is replaced (links resolved)
    std::string m_shownPath; // the path as the caller named it, for messages
    std::string m_tempPath;
    std::string m_buffer;
    std::uint64_t m_written = 0; // bytes handed to the system so far
    std::uint64_t m_flushed = 0; // of those, how many the disk was asked to take
    int m_fd = -1;
    bool m_done = false;
};

// One-shot form of AtomicFileWriter.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// The failures of reading and of writing `path` (rows sCannotReadFile and
// sCannotWriteFile of ioMessages()), with the system's reason for `errnoValue`
// as the last argument.
IoError readError(const std::string& path, int errnoValue);
IoError writeError(const std::string& path, int errnoValue);

} // namespace zuk::io
