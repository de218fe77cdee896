#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zuk::filebox {

// One item of the file box's list. «..» is always the first item of a listing
// and is never a file the commands act on.
struct FileItem {
    std::string name; // UTF-8, as on disk
    bool folder = false;
    bool up() const { return name == ".."; }
};

// The file box's folder logic without a window: the current folder, its
// listing (folders first, then the rest, each sorted without regard to
// letter case) and the walk up and down. Paths are UTF-8 and absolute; the
// root "/" plays the part of a drive root.
class CFileBox {
public:
    using Callback = std::function<void(const std::string& path)>;

    // Lists nothing yet.
    CFileBox(std::string dir, Callback fileCallback, std::string mask = "*.*");
    virtual ~CFileBox() = default;

    const std::string& Dir() const { return m_dir; }
    const std::string& Mask() const { return m_mask; }
    const std::vector<FileItem>& ListItems() const { return m_items; }

    // What a double click on `name` does: «..» goes up, a folder is entered,
    // a file goes to the callback.
    virtual void Activate(const std::string& name);
    virtual void EnterDir(const std::string& name);
    // Lists `path` and makes it the current folder. A folder that cannot be
    // listed throws IoError and leaves the folder and the listing as they were.
    virtual void ReadDir(const std::string& path);
    // Lists the parent; nothing at the root. False when there was nothing to do.
    virtual bool GoUp();
    virtual std::string FullPath(const std::string& name) const;

    // The item index of `name`, or npos.
    std::size_t indexOf(const std::string& name) const;

    // Called after EnterDir and GoUp have listed a new folder (the window
    // reloads its thumbnails).
    std::function<void()> folderChanged;

private:
    std::string m_dir;
    std::string m_mask;
    std::vector<FileItem> m_items;
    Callback m_fileCallback;
};

// "/a/b" → "/a" → "/"; the root stays the root.
std::string parentFolder(const std::string& dir);

// The items of `path` as the file box shows them: «..» first, then the
// folders, then the other entries, each group sorted without regard to case.
std::vector<FileItem> listItems(const std::string& path);

} // namespace zuk::filebox
