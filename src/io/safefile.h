#pragma once

#include "base/zukerror.h"

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
    void commit();

private:
    void flushBuffer();
    [[noreturn]] void fail(int errnoValue);

    std::string m_target;    // the file that is replaced (links resolved)
    std::string m_shownPath; // the path as the caller named it, for messages
    std::string m_tempPath;
    std::string m_buffer;
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
