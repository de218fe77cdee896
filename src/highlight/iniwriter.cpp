#include "highlight/iniwriter.h"

#include "base/zukerror.h"
#include "highlight/highlighttexts.h"

#include <filesystem>

namespace zuk::highlight {

void rewriteIniFile(const std::string& path, const std::function<void(io::IniFile&)>& fill)
{
    const std::string fresh = path + ".new";
    std::error_code ec;
    std::filesystem::remove(fresh, ec);
    {
        io::IniFile ini(fresh);
        io::IniFile::Batch batch(ini);
        fill(ini);
        batch.commit();
    }
    if (!std::filesystem::exists(fresh, ec)) {
        std::filesystem::remove(path, ec);
        return;
    }
    std::filesystem::rename(fresh, path, ec);
    if (ec) {
        std::filesystem::remove(fresh);
        throw IoError(highlightMessages(), "sCannotWriteHighlightFile", {path, ec.message()});
    }
}

} // namespace zuk::highlight
