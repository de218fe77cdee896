#pragma once

#include "base/texts.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace zuk {

// The one base of every failure core code reports. what() is the built-in
// (Russian, UTF-8) text the user may see. A failure raised from a text table
// also carries the key of its row and its arguments, so the interface can put
// it into the words of the chosen language; one raised from a plain string
// (a system reason, a name) is shown as it stands. The command wrapper of the
// main window and the main of zuk-text catch these; nothing else turns them
// into words.
class ZukError : public std::runtime_error {
public:
    explicit ZukError(const std::string& message) : std::runtime_error(message) {}
    // The row `key` of `table` with its %s placeholders filled from `args`.
    ZukError(const TextTable& table, std::string_view key, std::vector<std::string> args = {})
        : std::runtime_error(formatText(table.builtIn(key), args)), m_text{table.section, key,
                                                                           std::move(args)}
    {
    }

    // Empty key: the message has no row and what() is all there is.
    const TextRef& text() const { return m_text; }

private:
    TextRef m_text;
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
