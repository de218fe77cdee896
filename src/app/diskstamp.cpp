#include "app/diskstamp.h"

#include <sys/stat.h>
#include <unistd.h>

namespace zuk::app {

DiskStamp diskStampOf(const std::string& path)
{
    DiskStamp stamp;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 +
                       static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    return stamp;
}

bool changedOnDisk(const DiskStamp& remembered, const std::string& path)
{
    if (!remembered.exists)
        return false;
    const DiskStamp now = diskStampOf(path);
    return now.exists && now != remembered;
}

bool isReadOnlyFile(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

} // namespace zuk::app
