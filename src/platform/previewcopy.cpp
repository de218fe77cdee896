#include "platform/previewcopy.h"

#include "base/zukerror.h"
#include "io/safefile.h"
#include "platform/privatefolder.h"

#include <unistd.h>

namespace zuk::platform {

namespace {

std::string extensionOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        dot == (slash == std::string::npos ? 0 : slash + 1))
        return {};
    return path.substr(dot);
}

} // namespace

bool PreviewCopy::writeIn(const std::string& folder, const std::string& name, std::string_view text)
{
    for (int n = 1; n <= 100; ++n) {
        const std::string path = folder + (n == 1 ? name : numberedName(name, n));
        // The name is claimed first, so a file that appears meanwhile is not
        // ours to write over; the text then goes in through the safe writer.
        if (!createExclusive(path))
            continue;
        try {
            io::writeFileAtomically(path, text);
        } catch (const ZukError&) {
            ::unlink(path.c_str());
            throw;
        }
        m_path = path;
        m_stamp = stampOf(path).value_or(FileStamp{});
        return true;
    }
    return false;
}

std::string PreviewCopy::write(const std::string& source, bool sourceExists, std::string_view text)
{
    remove();
    if (sourceExists) {
        const std::size_t slash = source.rfind('/');
        const std::string folder = slash == std::string::npos ? "./" : source.substr(0, slash + 1);
        try {
            if (::access(folder.c_str(), W_OK) == 0 &&
                writeIn(folder, "zuk_temp" + extensionOf(source), text))
                return m_path;
        } catch (const IoError&) {
            // A folder that takes no new file (full, read-only): the private one will.
        }
    }
    const std::string ext = sourceExists ? extensionOf(source) : std::string();
    if (!writeIn(m_exchange.path(), "zuk_temp" + (ext.empty() ? std::string(".htm") : ext), text))
        throw io::writeError(m_exchange.file("zuk_temp.htm"), EEXIST);
    return m_path;
}

void PreviewCopy::remove()
{
    if (m_path.empty())
        return;
    const std::optional<FileStamp> now = stampOf(m_path);
    if (now && *now == m_stamp)
        ::unlink(m_path.c_str());
    m_path.clear();
}

} // namespace zuk::platform
