#include "cli/clirunner.h"

#include <filesystem>

namespace zuk::testing {
namespace {

TEST(FileBoxCli, FindInFilesListsMatchesInSearchOrder)
{
    namespace fs = std::filesystem;
    const std::string root = tempPath("tree");
    fs::create_directories(root + "/sub");
    writeFileBytes(root + "/b.txt", "Hello");
    writeFileBytes(root + "/a.TXT", "say h-llo");
    writeFileBytes(root + "/c.htm", "hello");
    writeFileBytes(root + "/sub/d.txt", "\xEF\xF0\xE8\xE2\xE5\xF2 hello");
    const CliResult found =
        runCli({"find-in-files", "--dir", root, "--mask", "*.txt", "--text", "H?LLO"});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, root + "/a.TXT\n" + root + "/b.txt\n" + root + "/sub/d.txt\n");

    // --utf8 converts the text, never the paths.
    const CliResult cyrillic =
        runCli({"find-in-files", "--utf8", "--dir", root, "--mask", "*", "--text", "ПРИВЕТ"});
    EXPECT_EQ(cyrillic.out, root + "/sub/d.txt\n");

    const CliResult missing =
        runCli({"find-in-files", "--dir", root + "/none", "--mask", "*", "--text", "x"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_FALSE(missing.err.empty());
    EXPECT_EQ(runCli({"find-in-files", "--dir", root, "--mask", "*"}).status, 2);
    fs::remove_all(root);
}

} // namespace
} // namespace zuk::testing
