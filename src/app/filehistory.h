#pragma once

#include <string>
#include <vector>

namespace zuk::io {
class IniFile;
}

namespace zuk::app {

// One entry of the file history: the file name (UTF-8) and the first visible
// line of its document.
struct RRecentFile {
    std::string fileName;
    int firstLine = 0;
};

// Section Recent of zuk.ini: Item_n (file name, stored losslessly as
// io/pathvalue.h says) and User_n (first visible line, left out when 0), n
// from 0. Reading stops at the first missing or
// empty Item_n and after `capacity` entries.
std::vector<RRecentFile> readRecentFiles(const io::IniFile& ini, int capacity);
// Erases the whole section and writes the entries in order, in one rewrite.
void writeRecentFiles(io::IniFile& ini, const std::vector<RRecentFile>& files);

// The file history of the History submenu: the most recent entry first, at
// most `capacity` entries (MRUItemsCount), each a full path and the first
// visible line its document had when it was closed. The main window owns one
// and loads and stores it through readRecentFiles / writeRecentFiles.
class FileHistory final {
public:
    explicit FileHistory(int capacity = 25);

    // A smaller capacity drops the oldest entries at once.
    void setCapacity(int capacity);
    int capacity() const { return m_capacity; }

    // Puts `path` first with `firstLine`; an entry with the same path (compared
    // exactly: the file system tells letter cases apart) moves to the front
    // instead of appearing twice. The oldest entry falls off when full.
    void add(const std::string& path, int firstLine);
    bool remove(const std::string& path);
    // The entry of `path`, or nullptr.
    const RRecentFile* find(const std::string& path) const;

    // Replaces the entries by `files` (as read from the settings), dropping
    // empty names and repeats and keeping at most capacity() of them.
    void assign(const std::vector<RRecentFile>& files);
    const std::vector<RRecentFile>& entries() const { return m_entries; }

    // The menu caption of a path: '&' is doubled so that no character of the
    // path becomes a keyboard accelerator.
    static std::string menuCaption(const std::string& path);

private:
    int m_capacity;
    std::vector<RRecentFile> m_entries;
};

} // namespace zuk::app
