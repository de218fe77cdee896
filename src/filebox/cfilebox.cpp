#include "filebox/cfilebox.h"

#include "filebox/folderwalk.h"
#include "filebox/namematch.h"

#include <algorithm>
#include <utility>

namespace zuk::filebox {

std::string parentFolder(const std::string& dir)
{
    std::string d = dir;
    while (d.size() > 1 && d.back() == '/')
        d.pop_back();
    const std::size_t slash = d.rfind('/');
    if (slash == std::string::npos)
        return d;
    if (slash == 0)
        return "/";
    return d.substr(0, slash);
}

std::vector<FileItem> listItems(const std::string& path)
{
    std::vector<DirEntry> entries = listFolder(path);
    // Folded once per name: a folder of 100,000 entries is sorted on keys,
    // not by folding names again in every comparison.
    struct Keyed {
        std::u32string key;
        std::size_t index;
    };
    std::vector<Keyed> folders, files;
    for (std::size_t i = 0; i < entries.size(); ++i)
        (entries[i].folder ? folders : files).push_back({foldName(entries[i].name), i});
    auto byKey = [&entries](const Keyed& a, const Keyed& b) {
        if (a.key != b.key)
            return a.key < b.key;
        return entries[a.index].name < entries[b.index].name;
    };
    std::sort(folders.begin(), folders.end(), byKey);
    std::sort(files.begin(), files.end(), byKey);
    std::vector<FileItem> items;
    items.reserve(entries.size() + 1);
    items.push_back({"..", true});
    for (const Keyed& k : folders)
        items.push_back({std::move(entries[k.index].name), true});
    for (const Keyed& k : files)
        items.push_back({std::move(entries[k.index].name), false});
    return items;
}

CFileBox::CFileBox(std::string dir, Callback fileCallback, std::string mask)
    : m_dir(std::move(dir)), m_mask(std::move(mask)), m_fileCallback(std::move(fileCallback))
{
}

void CFileBox::ReadDir(const std::string& path)
{
    std::vector<FileItem> items = listItems(path);
    m_dir = path;
    m_items = std::move(items);
}

std::string CFileBox::FullPath(const std::string& name) const
{
    return joinPath(m_dir, name);
}

void CFileBox::Activate(const std::string& name)
{
    if (name == "..") {
        GoUp();
        return;
    }
    const std::size_t at = indexOf(name);
    if (at != std::string::npos && m_items[at].folder) {
        EnterDir(name);
        return;
    }
    if (m_fileCallback)
        m_fileCallback(FullPath(name));
}

void CFileBox::EnterDir(const std::string& name)
{
    ReadDir(FullPath(name));
    if (folderChanged)
        folderChanged();
}

bool CFileBox::GoUp()
{
    const std::string parent = parentFolder(m_dir);
    if (parent == m_dir)
        return false;
    ReadDir(parent);
    if (folderChanged)
        folderChanged();
    return true;
}

std::size_t CFileBox::indexOf(const std::string& name) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].name == name)
            return i;
    return std::string::npos;
}

} // namespace zuk::filebox
