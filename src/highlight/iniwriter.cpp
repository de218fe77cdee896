#include "highlight/iniwriter.h"

#include "base/zukerror.h"
#include "highlight/highlighttexts.h"
#include "io/faultinjection.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zuk::highlight {

void rewriteIniFile(const std::string& path, const std::function<void(io::IniFile&)>& fill)
{
    const std::string fresh = path + ".new";
    std::error_code ec;
    std::filesystem::remove(fresh, ec);
    try {
        io::IniFile ini(fresh);
        io::IniFile::Batch batch(ini);
        fill(ini);
        batch.commit();
    } catch (const IoError& e) {
        // The user knows the file by its own name, not by the fresh one's.
        const std::vector<std::string>& args = e.text().args;
        throw IoError(highlightMessages(), "sCannotWriteHighlightFile",
                      {path, args.empty() ? std::string(e.what()) : args.back()});
    }
    if (!std::filesystem::exists(fresh, ec)) {
        std::filesystem::remove(path, ec);
        return;
    }
    // The last step of the safe writer's own sequence: through its calls, so
    // that a failure here is met like one there (reason shown, nothing left).
    if (io::sys::rename(fresh.c_str(), path.c_str()) != 0) {
        const int err = errno;
        std::filesystem::remove(fresh, ec);
        throw IoError(highlightMessages(), "sCannotWriteHighlightFile", {path, std::strerror(err)});
    }
}

} // namespace zuk::highlight
