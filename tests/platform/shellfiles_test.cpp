#include "platform/previewcopy.h"
#include "platform/privatefolder.h"
#include "platform/shellfiles.h"

#include "base/zukerror.h"
#include "io/safefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace zuk::platform;
namespace fs = std::filesystem;

namespace {

class ShellFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zuk-shell-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern + "/";
    }
    void TearDown() override { fs::remove_all(m_root); }
    std::string put(const std::string& relative, const std::string& bytes = "x")
    {
        fs::create_directories(fs::path(m_root + relative).parent_path());
        zuk::io::writeFileAtomically(m_root + relative, bytes);
        return m_root + relative;
    }
    std::string read(const std::string& path) { return zuk::io::readFileBytes(path); }
    std::string m_root;
};

TEST_F(ShellFilesTest, RenameNeverOverwritesAndRefusesBadNames)
{
    const std::string a = put("a.txt", "A");
    put("b.txt", "B");
    put("b (2).txt", "B2");
    EXPECT_THROW(renameNoReplace(a, "b.txt", false), zuk::IoError);
    EXPECT_EQ(read(m_root + "b.txt"), "B");
    EXPECT_EQ(renameNoReplace(a, "b.txt", true), m_root + "b (3).txt");
    EXPECT_EQ(read(m_root + "b (3).txt"), "A");
    EXPECT_EQ(read(m_root + "b.txt"), "B");
    for (const char* bad : {"", ".", "..", "x/y", "/etc/passwd"})
        EXPECT_THROW(renameNoReplace(m_root + "b.txt", bad, true), zuk::IoError) << bad;
    EXPECT_EQ(read(m_root + "b.txt"), "B");

    // Folders too; a numbered name keeps the extension and a leading dot.
    fs::create_directory(m_root + "dir");
    fs::create_directory(m_root + "taken");
    EXPECT_EQ(renameNoReplace(m_root + "dir", "taken", true), m_root + "taken (2)");
    EXPECT_EQ(numberedName("archive.tar.gz", 2), "archive.tar (2).gz");
    EXPECT_EQ(numberedName(".profile", 3), ".profile (3)");
}

TEST_F(ShellFilesTest, RemoveTreeRemovesLinksNeverTheirTargets)
{
    const std::string kept = put("outside/keep.txt");
    put("tree/a.txt");
    put("tree/sub/b.txt");
    fs::create_directory_symlink(m_root + "outside", m_root + "tree/sub/link");
    fs::create_directory_symlink(m_root + "outside", m_root + "toplink");

    removeTree(m_root + "toplink");
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_root + "toplink")));
    removeTree(m_root + "tree");
    EXPECT_FALSE(fs::exists(m_root + "tree"));
    EXPECT_EQ(read(kept), "x");
    EXPECT_THROW(removeTree(m_root + "tree"), zuk::IoError);
}

TEST_F(ShellFilesTest, PreviewCopyBesideTheDocumentOrPrivateAndOnlyEverOurOwnFile)
{
    PrivateFolder exchange("zuk-test-");
    PreviewCopy copy(exchange);

    // An untitled document: only the private folder is written.
    const std::string untitled = copy.write("untitled3", false, "<p>u</p>");
    EXPECT_EQ(untitled, exchange.path() + "zuk_temp.htm");
    EXPECT_EQ(read(untitled), "<p>u</p>");

    // A document with a file: beside it, with its extension; a second
    // preview deletes the first copy and writes it again.
    const std::string doc = put("site/a.html", "<p>a</p>");
    const std::string first = copy.write(doc, true, "<p>1</p>");
    EXPECT_EQ(first, m_root + "site/zuk_temp.html");
    EXPECT_FALSE(fs::exists(untitled));
    EXPECT_EQ(copy.write(doc, true, "<p>2</p>"), first);
    EXPECT_EQ(read(first), "<p>2</p>");

    // A user's own file of that name is never written over, nor deleted.
    copy.remove();
    EXPECT_FALSE(fs::exists(first));
    put("site/zuk_temp.html", "mine");
    EXPECT_EQ(copy.write(doc, true, "<p>3</p>"), m_root + "site/zuk_temp (2).html");
    EXPECT_EQ(read(first), "mine");

    // A copy changed since it was written is no longer the program's to delete.
    zuk::io::writeFileAtomically(copy.path(), "edited by the user");
    const std::string edited = copy.path();
    copy.remove();
    EXPECT_EQ(read(edited), "edited by the user");
    EXPECT_EQ(read(first), "mine");
}

} // namespace
