#include "tools/replaceinfiles.h"

#include "io/safefile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

using namespace zuk::tools;
namespace fs = std::filesystem;

namespace {

class ReplaceInFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zuk-rif-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern + "/";
    }
    void TearDown() override { fs::remove_all(m_root); }

    std::string put(const std::string& relative, const std::string& bytes)
    {
        const std::string path = m_root + relative;
        fs::create_directories(fs::path(path).parent_path());
        zuk::io::writeFileAtomically(path, bytes);
        return path;
    }
    std::string read(const std::string& relative) const
    {
        return zuk::io::readFileBytes(m_root + relative);
    }
    std::string m_root;
};

TEST_F(ReplaceInFilesTest, FoldersOnlyWhenRecursiveAndLinkedFoldersNeverEntered)
{
    const std::string a = put("sel/a.txt", "x");
    put("sel/sub/b.txt", "x");
    put("sel/sub/deeper/c.txt", "x");
    put("outside/secret.txt", "x");
    fs::create_directory_symlink(m_root + "outside", m_root + "sel/link");
    fs::create_symlink(m_root + "outside/secret.txt", m_root + "sel/filelink.txt");
    const std::string top = put("top.txt", "x");

    EXPECT_EQ(collectReplaceFiles({top, m_root + "sel"}, false), std::vector<std::string>{top});
    EXPECT_EQ(collectReplaceFiles({m_root + "sel", top}, true),
              (std::vector<std::string>{a, m_root + "sel/sub/b.txt",
                                        m_root + "sel/sub/deeper/c.txt", top}));
    EXPECT_EQ(collectReplaceFiles({m_root + "sel"}, true, 0).size(), 1u); // no sub-folders
    EXPECT_TRUE(collectReplaceFiles({m_root + "sel/link", m_root + "missing"}, true).empty());
}

TEST_F(ReplaceInFilesTest, NulFilesUntouchedResultsWrittenSafelyAndReported)
{
    const std::string text = put("a.txt", "one two one\nlf stays\n");
    const std::string binary = put("b.bin", std::string("one\0two", 7));
    const std::string none = put("c.txt", "nothing here");
    const std::string skipped = put("d.dat", "one");
    ReplaceJob job;
    job.find = "ONE";
    job.with = "1";
    job.ignoreCase = true;
    const auto report =
        ReplaceInFiles({text, binary, none, skipped}, job, [](const std::string& path) {
            return path.size() > 4 && path.compare(path.size() - 4, 4, ".dat") == 0 ? std::string()
                                                                                    : path;
        });
    EXPECT_EQ(read("a.txt"), "1 two 1\nlf stays\n");
    EXPECT_EQ(read("b.bin"), std::string("one\0two", 7));
    EXPECT_EQ(read("d.dat"), "one");
    EXPECT_EQ(report.changed, std::vector<std::string>{text});
    EXPECT_EQ(report.binary, std::vector<std::string>{binary});
    EXPECT_EQ(report.unchanged, std::vector<std::string>{none});
    EXPECT_EQ(report.skipped, std::vector<std::string>{skipped});
    EXPECT_EQ(report.replacements, 2u);

    // An empty replacement leaves each text as it is; a missing file is a failure.
    job.with.clear();
    const auto second =
        ReplaceInFiles({text, m_root + "gone.txt"}, job, [](const std::string& p) { return p; });
    EXPECT_EQ(read("a.txt"), "1 two 1\nlf stays\n");
    ASSERT_EQ(second.failed.size(), 1u);
    EXPECT_EQ(second.failed[0].first, m_root + "gone.txt");
}

TEST_F(ReplaceInFilesTest, MultiReplaceIntoAnOutputFolderCopiesEveryFile)
{
    const std::string a = put("in/a.txt", "a b");
    const std::string c = put("in/c.txt", "zzz");
    fs::create_directory(m_root + "out");
    ReplaceJob job;
    job.multi = true;
    job.rules = {{"a", "b"}, {"b", "c"}};
    const auto report = ReplaceInFiles({a, c}, job, [this](const std::string& path) {
        return m_root + "out/" + fs::path(path).filename().string();
    });
    EXPECT_EQ(read("out/a.txt"), "c c");
    EXPECT_EQ(read("out/c.txt"), "zzz");
    EXPECT_EQ(read("in/a.txt"), "a b");
    EXPECT_EQ(report.changed.size(), 1u);
    EXPECT_EQ(report.unchanged.size(), 1u);
}

} // namespace
