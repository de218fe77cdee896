#include "io/linesfile.h"

#include "base/zukerror.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using zuk::testing::TempFolder;
using Lines = std::vector<std::string>;

namespace {

TEST(LinesFile, SplitLinesEdgeCases)
{
    struct Case {
        std::string text;
        Lines expected;
    } cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"abc", {"abc"}},
        {"abc\r\n", {"abc"}}, // a final break adds no empty line
        {"abc\r\n\r\n", {"abc", ""}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}}, // mixed breaks
        {"a\n\rb", {"a", "", "b"}},             // LF CR is two breaks
        {"a\r\r\nb", {"a", "", "b"}},
        {std::string("ab\0cd\r\nef", 9), {"ab"}}, // NUL ends the text
        {std::string("ab\r\n\0", 5), {"ab"}},
        {std::string("\0ab", 3), {}},
        {"\xFF\xC0\r\n\xE0", {"\xFF\xC0", "\xE0"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zuk::io::splitLines(c.text), c.expected) << testing::PrintToString(c.text);

    EXPECT_EQ(zuk::io::joinLines({"a", "", "b"}), "a\r\n\r\nb");
    EXPECT_EQ(zuk::io::joinLines({}), "");
    EXPECT_EQ(zuk::io::joinLines({"x", "y"}, "\n"), "x\ny");
}

TEST(LinesFile, WriteAndReadBack)
{
    TempFolder dir;
    const std::string big(10 * 1024 * 1024, 'q');
    const Lines lines = {"first", "", "\xCF\xF0\xE8\xE2\xE5\xF2", big, "last"};
    zuk::io::writeLinesFile(dir.file("t.txt"), lines);
    EXPECT_EQ(dir.read("t.txt").size(), 5 + 6 + big.size() + 4 + 5 * 2);
    EXPECT_EQ(dir.read("t.txt").substr(0, 9), "first\r\n\r\n");
    EXPECT_EQ(zuk::io::readLinesFile(dir.file("t.txt")), lines);

    zuk::io::writeLinesFile(dir.file("empty.txt"), {});
    EXPECT_EQ(dir.read("empty.txt"), "");
    EXPECT_EQ(zuk::io::readLinesFile(dir.file("empty.txt")), Lines{});
    EXPECT_EQ(dir.entryCount(), 2u); // no temporary files left
}

TEST(LinesFile, WriteKeepsPermissionsAndFollowsLinks)
{
    TempFolder dir;
    dir.write("p.txt", "old\r\n");
    ASSERT_EQ(::chmod(dir.file("p.txt").c_str(), 0640), 0);
    zuk::io::writeLinesFile(dir.file("p.txt"), {"new"});
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("p.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.read("p.txt"), "new\r\n");

    ASSERT_EQ(::symlink("p.txt", dir.file("link.txt").c_str()), 0);
    zuk::io::writeLinesFile(dir.file("link.txt"), {"through the link"});
    ASSERT_EQ(::lstat(dir.file("link.txt").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(dir.read("p.txt"), "through the link\r\n");
}

TEST(LinesFile, FailuresReportReasonAndLeaveOldFile)
{
    TempFolder dir;
    try {
        zuk::io::writeLinesFile(dir.file("no/such/folder/x.txt"), {"a"});
        FAIL() << "writing into a missing folder should fail";
    } catch (const zuk::IoError& e) {
        // The text-table row, so the interface can word it in its language.
        EXPECT_EQ(std::string(e.what()), "Не удалось записать файл «" +
                                             dir.file("no/such/folder/x.txt") +
                                             "»: " + std::strerror(ENOENT));
        EXPECT_EQ(e.text().key, "sCannotWriteFile");
        EXPECT_EQ(e.text().args, (std::vector<std::string>{dir.file("no/such/folder/x.txt"),
                                                           std::strerror(ENOENT)}));
    }
    EXPECT_EQ(dir.entryCount(), 0u);

    dir.write("keep.txt", "precious\r\n");
    {
        zuk::testing::FileSizeLimit limit(4096);
        EXPECT_THROW(zuk::io::writeLinesFile(dir.file("keep.txt"), {std::string(100000, 'x')}),
                     zuk::IoError);
    }
    EXPECT_EQ(dir.read("keep.txt"), "precious\r\n");
    EXPECT_EQ(dir.entryCount(), 1u);

    try {
        zuk::io::readLinesFile(dir.file("absent.txt"));
        FAIL() << "reading a missing file should fail";
    } catch (const zuk::IoError& e) {
        EXPECT_EQ(std::string(e.what()), "Не удалось прочитать файл «" + dir.file("absent.txt") +
                                             "»: " + std::strerror(ENOENT));
        EXPECT_EQ(e.text().key, "sCannotReadFile");
    }
    EXPECT_THROW(zuk::io::readLinesFile(dir.path()), zuk::IoError); // a folder
}

} // namespace
