#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The file operations of the shell commands that need no desktop: renaming
// that never overwrites, deleting a folder tree without following links, and
// telling whether a file is still the one the program wrote. Paths are UTF-8.
// Failures throw zuk::IoError with the system's reason.
namespace zuk::platform {

// Whether `name` can be a new name in a folder: not empty, no '/' and no NUL,
// not "." or "..".
bool validNewName(std::string_view name);

// "name (2).ext", "name (3).ext", ... (the extension is what follows the last
// dot, unless the name starts with it): the n-th name like `name`.
std::string numberedName(std::string_view name, int n);

// Renames `from` to the new name `newName` in the same folder, never
// replacing an existing file or folder (the system's rename would). When the
// name is taken: with `renameOnCollision` the first free numbered name is
// used, else the rename fails (EEXIST). Returns the new path. Throws IoError
// for a name validNewName refuses (EINVAL) and for every failure.
std::string renameNoReplace(const std::string& from, std::string_view newName,
                            bool renameOnCollision);

// Deletes `path`: a file or a link is unlinked (a link's target stays), a
// folder is emptied first, depth first, and removed; links inside are removed
// themselves, never followed. Throws IoError naming the first entry that
// could not go; what could go is gone.
void removeTree(const std::string& path);

// What identifies a file as written by the program: device, inode, size and
// modification time. A file that was replaced, edited or made anew since
// has another stamp.
struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t mtimeNs = 0;
    bool operator==(const FileStamp& o) const
    {
        return device == o.device && inode == o.inode && size == o.size && mtimeNs == o.mtimeNs;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};
// The stamp of a regular file (links are not followed); none for anything else.
std::optional<FileStamp> stampOf(const std::string& path);

// Makes `path` as a new empty file, failing (false) when the name exists.
// Throws IoError for any other failure.
bool createExclusive(const std::string& path);

} // namespace zuk::platform
