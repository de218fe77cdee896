#include "editor/doxstates.h"

#include "base/zukerror.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

using namespace zuk::editor;

TEST(DoxStates, LinesOfEveryBreakFormAndEmptyOnesLeftOut)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> paths;
    } cases[] = {
        {"", {}},
        {"\r\n\r\n", {}},
        {"/a\r\n/b\r\n", {"/a", "/b"}},
        {"/a\n/b", {"/a", "/b"}},
        // One CR goes with the LF; one more is part of the name.
        {"/a\r\r\n", {"/a\r"}},
        // A lone CR breaks no line.
        {"/a\r/b\r", {"/a\r/b"}},
        {std::string("/n\0ul\n", 6), {std::string("/n\0ul", 5)}},
        {"/\xD0\x9F\xD0\xB8\xD1\x81\xD1\x8C\xD0\xBC\xD0\xB0/x.txt\r\n",
         {"/\xD0\x9F\xD0\xB8\xD1\x81\xD1\x8C\xD0\xBC\xD0\xB0/x.txt"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseDoxState(c.bytes), c.paths) << c.bytes;
        EXPECT_EQ(parseDoxState(formatDoxState(c.paths)), c.paths) << c.bytes;
    }
    EXPECT_EQ(formatDoxState({"/a", "/b\r"}), "/a\r\n/b\r\r\n");
}

TEST(DoxStates, AFailedWriteLeavesTheOldSet)
{
    zuk::testing::TempFolder dir;
    const std::string file = dir.file("work");
    writeDoxState(file, {"/one", "/two"});
    EXPECT_EQ(dir.read("work"), "/one\r\n/two\r\n");
    EXPECT_EQ(readDoxState(file), (std::vector<std::string>{"/one", "/two"}));
    {
        zuk::testing::FileSizeLimit limit(16);
        EXPECT_THROW(writeDoxState(file, {std::string(100, 'x')}), zuk::IoError);
    }
    EXPECT_EQ(dir.read("work"), "/one\r\n/two\r\n");
    EXPECT_EQ(dir.entryCount(), 1u); // no temporary file left behind
    EXPECT_THROW(readDoxState(dir.file("missing")), zuk::IoError);
}
