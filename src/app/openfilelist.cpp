#include "app/openfilelist.h"

#include "app/droppedfiles.h"
#include "io/nocase.h"

#include <algorithm>

namespace zuk::app {

bool OpenFileList::contains(const std::string& path) const
{
    return std::any_of(m_paths.begin(), m_paths.end(),
                       [&path](const std::string& p) { return io::equalNoCaseUtf8(p, path); });
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
    const auto it = std::find_if(m_paths.begin(), m_paths.end(), [&path](const std::string& p) {
        return io::equalNoCaseUtf8(p, path);
    });
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
