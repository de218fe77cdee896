#pragma once

#include <string>
#include <string_view>

// Whole-input reading and whole-output writing for zuk-text. Both are plain
// byte copies: no line-break translation, no encoding.
namespace zuk::cli {

// The whole file, or the whole standard input when path is "-".
// Throws zuk::IoError with the system's reason.
std::string readWholeInput(const std::string& path);

// Writes every byte to a file descriptor (1 or 2), retrying short writes.
// Returns false when the descriptor refuses (a closed pipe, a full disk).
bool writeAll(int fd, std::string_view bytes);

} // namespace zuk::cli
