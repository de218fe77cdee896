#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zuk::io {

// Reserves room for `size` bytes in `buffer` and, for buffers of many
// megabytes, asks the system to back them with large pages where it can.
// Touching fresh memory page by page is what dominates loading a file of
// hundreds of megabytes; large pages cut the page faults several hundredfold.
void reserveLargeBuffer(std::string& buffer, std::size_t size);

// The whole content of a regular file with one read into a buffer sized from
// the file's length (anything else, such as a pipe, is read as it comes).
// With `roomToDouble` the buffer's capacity leaves room for the content to
// double, so that it can be widened in place (memory that is reserved but not
// written costs address space only). Throws zuk::IoError with the system's
// reason and the path.
std::string readWholeFile(const std::string& path, bool roomToDouble = false);

// The first `limit` bytes of a file (all of a shorter one). Errors as readWholeFile.
std::string readFileHead(const std::string& path, std::size_t limit);

// The content of a file handed to `sink` in blocks of `blockSize` bytes (the
// last one shorter), read through one buffer of that size. Errors as
// readWholeFile, also when the file cannot be read part way.
void readFileBlocks(const std::string& path, std::size_t blockSize,
                    const std::function<void(std::string_view)>& sink);

} // namespace zuk::io
