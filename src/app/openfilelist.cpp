#include "app/openfilelist.h"

#include "app/droppedfiles.h"

#include <algorithm>
#include <filesystem>

namespace zuk::app {

bool sameFile(const std::string& a, const std::string& b)
{
    namespace fs = std::filesystem;
    if (a == b)
        return true;
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) {
        const bool same = fs::equivalent(a, b, ec);
        if (!ec)
            return same;
    }
    const fs::path ca = fs::weakly_canonical(a, ec);
    if (ec)
        return false;
    const fs::path cb = fs::weakly_canonical(b, ec);
    return !ec && ca == cb;
}

bool OpenFileList::contains(const std::string& path) const
{
    return std::any_of(m_paths.begin(), m_paths.end(),
                       [&path](const std::string& p) { return sameFile(p, path); });
}

bool OpenFileList::add(const std::string& path)
{
    if (contains(path))
        return false;
    m_paths.push_back(path);
    return true;
}

bool OpenFileList::remove(const std::string& path)
{
    // The name as it was added first: the file may be gone by now.
    auto it = std::find(m_paths.begin(), m_paths.end(), path);
    if (it == m_paths.end())
        it = std::find_if(m_paths.begin(), m_paths.end(),
                          [&path](const std::string& p) { return sameFile(p, path); });
    if (it == m_paths.end())
        return false;
    m_paths.erase(it);
    return true;
}

void OpenFileList::replace(const std::string& oldPath, const std::string& newPath)
{
    remove(oldPath);
    add(newPath);
}

OpenCheck checkOpen(const OpenFileList& openFiles, const std::string& path,
                    const std::function<bool(const std::string&)>& fileExists)
{
    if (!fileExists(path))
        return OpenCheck::Missing;
    if (dropKindOf(path) == DropKind::Rtf)
        return OpenCheck::ImportRtf;
    if (openFiles.contains(path))
        return OpenCheck::AlreadyOpen;
    return OpenCheck::Open;
}

} // namespace zuk::app
