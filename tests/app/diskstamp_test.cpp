#include "app/diskstamp.h"

#include "io/faultloop.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <sys/time.h>

using zuk::app::changedOnDisk;
using zuk::app::diskStampOf;

namespace {

void setModifiedTime(const std::string& path, time_t seconds, long microseconds)
{
    const timeval times[2] = {{seconds, 0}, {seconds, microseconds}};
    ASSERT_EQ(::utimes(path.c_str(), times), 0);
}

TEST(DiskStamp, AChangeIsSizeTimeOrAnotherInodeAndAGoneFileIsNone)
{
    zuk::testing::TempFolder dir;
    const std::string path = dir.file("doc.txt");
    struct Case {
        const char* name;
        std::string bytes;
        long microseconds;
        bool changed;
    } const cases[] = {
        {"untouched", "12345", 500, false},
        {"longer", "123456", 500, true},
        {"same size, other bytes, same time", "abcde", 500, false}, // nothing to see it by
        {"same size, a microsecond later", "12345", 501, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        zuk::testing::seedFile(path, "12345");
        setModifiedTime(path, 1700000000, 500);
        const zuk::app::DiskStamp opened = diskStampOf(path);
        EXPECT_TRUE(opened.exists);
        EXPECT_EQ(opened.size, 5u);
        EXPECT_EQ(opened.modifiedNs, 1700000000LL * 1000000000 + 500 * 1000);
        zuk::testing::seedFile(path, c.bytes);
        setModifiedTime(path, 1700000000, c.microseconds);
        EXPECT_EQ(changedOnDisk(opened, path), c.changed);
    }
    // Another program saves by renaming its copy over the file: same size and
    // time to the nanosecond, but another inode.
    zuk::testing::seedFile(path, "12345");
    setModifiedTime(path, 1700000000, 500);
    const zuk::app::DiskStamp opened = diskStampOf(path);
    zuk::testing::seedFile(path + ".new", "abcde");
    setModifiedTime(path + ".new", 1700000000, 500);
    std::filesystem::rename(path + ".new", path);
    EXPECT_TRUE(changedOnDisk(opened, path));

    const zuk::app::DiskStamp before = diskStampOf(path);
    std::filesystem::remove(path);
    EXPECT_FALSE(diskStampOf(path).exists);
    EXPECT_FALSE(changedOnDisk(before, path)); // written anew, nothing to lose
    zuk::testing::seedFile(path, "new");
    EXPECT_FALSE(changedOnDisk({}, path)); // nothing remembered, nothing to compare
}

} // namespace
