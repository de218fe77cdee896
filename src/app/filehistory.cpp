#include "app/filehistory.h"

#include "io/inifile.h"

#include <algorithm>

namespace zuk::app {

FileHistory::FileHistory(int capacity) : m_capacity(std::max(capacity, 0)) {}

void FileHistory::setCapacity(int capacity)
{
    m_capacity = std::max(capacity, 0);
    if (m_entries.size() > static_cast<std::size_t>(m_capacity))
        m_entries.resize(static_cast<std::size_t>(m_capacity));
}

void FileHistory::add(const std::string& path, int firstLine)
{
    if (path.empty())
        return;
    remove(path);
    m_entries.insert(m_entries.begin(), RRecentFile{path, std::max(firstLine, 0)});
    if (m_entries.size() > static_cast<std::size_t>(m_capacity))
        m_entries.resize(static_cast<std::size_t>(m_capacity));
}

bool FileHistory::remove(const std::string& path)
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&path](const RRecentFile& e) { return e.fileName == path; });
    if (it == m_entries.end())
        return false;
    m_entries.erase(it);
    return true;
}

const RRecentFile* FileHistory::find(const std::string& path) const
{
    for (const RRecentFile& e : m_entries)
        if (e.fileName == path)
            return &e;
    return nullptr;
}

void FileHistory::assign(const std::vector<RRecentFile>& files)
{
    m_entries.clear();
    for (const RRecentFile& file : files) {
        if (m_entries.size() >= static_cast<std::size_t>(m_capacity))
            break;
        if (!file.fileName.empty() && !find(file.fileName))
            m_entries.push_back(RRecentFile{file.fileName, std::max(file.firstLine, 0)});
    }
}

std::string FileHistory::menuCaption(const std::string& path)
{
    std::string caption;
    caption.reserve(path.size());
    for (const char c : path) {
        caption.push_back(c);
        if (c == '&')
            caption.push_back('&');
    }
    return caption;
}

std::vector<RRecentFile> readRecentFiles(const io::IniFile& ini, int capacity)
{
    std::vector<RRecentFile> files;
    for (int n = 0; n < capacity; ++n) {
        std::string index = std::to_string(n);
        std::string name = ini.readPath("Recent", "Item_" + index, "");
        if (name.empty())
            break;
        files.push_back({std::move(name), ini.readInt("Recent", "User_" + index, 0)});
    }
    return files;
}

void writeRecentFiles(io::IniFile& ini, const std::vector<RRecentFile>& files)
{
    io::IniFile::Batch batch(ini);
    ini.eraseSection("Recent");
    // Numbers stay contiguous: the reader stops at the first gap.
    int n = 0;
    for (const RRecentFile& file : files) {
        if (file.fileName.empty())
            continue;
        std::string index = std::to_string(n++);
        ini.writePath("Recent", "Item_" + index, file.fileName);
        if (file.firstLine != 0)
            ini.writeInt("Recent", "User_" + index, file.firstLine);
    }
    batch.commit();
}

} // namespace zuk::app
