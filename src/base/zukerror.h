#pragma once

#include <stdexcept>
#include <string>

namespace zuk {

// The one base of every failure core code reports. The message is the text the
// user may see (UTF-8); it is caught by the command wrapper of the main window
// and by the main of zuk-text, nowhere else.
class ZukError : public std::runtime_error {
public:
    explicit ZukError(const std::string& message) : std::runtime_error(message) {}
};

// A file could not be read or written; the message carries the system's reason.
class IoError : public ZukError {
public:
    using ZukError::ZukError;
};

// Input text that does not have the form a function needs (bad number, bad Base64, ...).
class FormatError : public ZukError {
public:
    using ZukError::ZukError;
};

} // namespace zuk
