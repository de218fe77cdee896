#pragma once

#include "platform/shellfiles.h"

#include <string>
#include <string_view>

namespace zuk::platform {

class PrivateFolder;

// The copy of a document a browser is shown instead of the document (the
// preview of an untitled document, or of any document with use_temp_file).
// The copy of a document that has a file lies beside it, "zuk_temp" with the
// document's extension, so the page's relative links (pictures, style
// sheets) still work; the copy of an untitled document, or of one whose
// folder takes no new file, is "zuk_temp.htm" in the private exchange folder.
//
// A copy is only ever a new file: a name that is taken by a file the program
// did not write is never written over (the copy takes "zuk_temp (2).htm" and
// so on). The previous copy is deleted before a new one is written, and by
// remove() at shut-down, but only while it is still the file the program
// wrote: one the user saved over, edited or replaced since is left alone.
class PreviewCopy final {
public:
    explicit PreviewCopy(PrivateFolder& exchange) : m_exchange(exchange) {}
    ~PreviewCopy() = default;
    PreviewCopy(const PreviewCopy&) = delete;
    PreviewCopy& operator=(const PreviewCopy&) = delete;

    // Writes `text` as the copy of `source` (a document's file name, UTF-8;
    // `sourceExists` whether it names an existing file) and returns its path.
    // Throws zuk::IoError when no copy can be written.
    std::string write(const std::string& source, bool sourceExists, std::string_view text);
    // Deletes the copy if it is still the program's own; forgets it either way.
    void remove();
    const std::string& path() const { return m_path; }

private:
    bool writeIn(const std::string& folder, const std::string& name, std::string_view text);

    PrivateFolder& m_exchange;
    std::string m_path;
    FileStamp m_stamp;
};

} // namespace zuk::platform
