#include "platform/privatefolder.h"

#include "io/safefile.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zuk::platform {

namespace {

std::string baseFolder()
{
    for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        const char* value = std::getenv(variable);
        struct stat st {};
        if (value && *value == '/' && ::stat(value, &st) == 0 && S_ISDIR(st.st_mode) &&
            ::access(value, W_OK | X_OK) == 0)
            return value;
    }
    return "/tmp";
}

} // namespace

PrivateFolder::PrivateFolder(std::string prefix) : m_prefix(std::move(prefix)) {}

PrivateFolder::~PrivateFolder()
{
    remove();
}

const std::string& PrivateFolder::path()
{
    if (!m_path.empty())
        return m_path;
    std::string base = baseFolder();
    if (base.back() != '/')
        base += '/';
    std::string pattern = base + m_prefix + "XXXXXX";
    // mkdtemp makes the folder with mode 0700 and fails on any existing name.
    if (!::mkdtemp(pattern.data()))
        throw io::writeError(pattern, errno);
    m_path = pattern + '/';
    return m_path;
}

std::string PrivateFolder::file(std::string_view name)
{
    return path() + std::string(name);
}

void PrivateFolder::remove()
{
    if (m_path.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
    m_path.clear();
}

PrivateFolder& exchangeFolder()
{
    static PrivateFolder folder;
    return folder;
}

void removeExchangeFolder()
{
    exchangeFolder().remove();
}

} // namespace zuk::platform
