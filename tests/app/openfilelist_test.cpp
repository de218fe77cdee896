#include "app/openfilelist.h"

#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using zuk::app::OpenFileList;
using zuk::testing::TempFolder;

TEST(OpenFileList, ComparesTheFilesThePathsName)
{
    TempFolder dir;
    dir.write("a.txt", "a");
    dir.write("A.TXT", "A");
    dir.write("sub/x", "");
    std::filesystem::create_symlink(dir.file("a.txt"), dir.file("link.txt"));

    OpenFileList list;
    EXPECT_TRUE(list.add(dir.file("a.txt")));
    // Another file that differs in letter case only is another document.
    EXPECT_FALSE(list.contains(dir.file("A.TXT")));
    EXPECT_TRUE(list.add(dir.file("A.TXT")));
    // Other names of the same file are the same document.
    EXPECT_TRUE(list.contains(dir.file("link.txt")));
    EXPECT_FALSE(list.add(dir.file("link.txt")));
    EXPECT_TRUE(list.contains(dir.file("sub/../a.txt")));

    // Save As, also to a name that does not exist yet.
    list.replace(dir.file("a.txt"), dir.file("new/b.txt"));
    EXPECT_FALSE(list.contains(dir.file("link.txt")));
    EXPECT_TRUE(list.contains(dir.file("new/../new/b.txt")));
    list.replace("untitled0", dir.file("c.txt")); // an untitled document was never listed
    EXPECT_TRUE(list.contains(dir.file("c.txt")));

    // A file deleted while open still leaves the list by its name.
    std::filesystem::remove(dir.file("A.TXT"));
    EXPECT_TRUE(list.remove(dir.file("A.TXT")));
    EXPECT_FALSE(list.remove(dir.file("A.TXT")));
    EXPECT_EQ(list.paths().size(), 2u);
}
