#pragma once

#include <cstdint>
#include <string>

namespace zuk::app {

// What a document remembers of its file to notice that someone else changed
// it: the size, the modification time to the nanosecond and the file's inode,
// as stat() gives them at the moment the document last read or wrote the
// file. The inode catches a file renamed over this one within one tick of the
// file system's clock, when the size and the time alone look the same.
struct DiskStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool operator==(const DiskStamp& o) const
    {
        return exists == o.exists && size == o.size && modifiedNs == o.modifiedNs &&
               device == o.device && inode == o.inode;
    }
    bool operator!=(const DiskStamp& o) const { return !(*this == o); }
};

// The stamp of `path` now (links followed); exists is false when there is
// nothing to stat.
DiskStamp diskStampOf(const std::string& path);

// True when writing `path` would overwrite a change someone else made since
// `remembered` was taken. A file that is gone is not changed in this sense
// (the save writes it anew), nor is one of which nothing is remembered.
bool changedOnDisk(const DiskStamp& remembered, const std::string& path);

// True when `path` is an existing file that is read-only: no write permission
// bit is set, or this process may not write it. Saving replaces a file by
// renaming over it, which needs only the folder to be writable, so this is
// asked before a read-only file is written over.
bool isReadOnlyFile(const std::string& path);

} // namespace zuk::app
