#include "filebox/cfilebox.h"
#include "filebox/fileboxlogic.h"
#include "filebox/processing.h"

#include "codepages/transcoders.h"
#include "io/safefile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

using namespace zuk::filebox;
namespace fs = std::filesystem;

namespace {

class FileBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zuk-fbx-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override { fs::remove_all(m_root); }

    std::string put(const std::string& relative, const std::string& bytes)
    {
        const std::string path = m_root + "/" + relative;
        fs::create_directories(fs::path(path).parent_path());
        zuk::io::writeFileAtomically(path, bytes);
        return path;
    }
    std::string read(const std::string& relative) const
    {
        return zuk::io::readFileBytes(m_root + "/" + relative);
    }
    bool exists(const std::string& relative) const { return fs::exists(m_root + "/" + relative); }
    std::vector<std::string> names(const CFileBox& box) const
    {
        std::vector<std::string> out;
        for (const FileItem& item : box.ListItems())
            out.push_back(item.name);
        return out;
    }
    std::string m_root;
};

std::string same(const std::string& text)
{
    return text;
}

} // namespace

TEST(FileBoxPaths, GoingUpEndsAtTheRoot)
{
    EXPECT_EQ(parentFolder("/a/b"), "/a");
    EXPECT_EQ(parentFolder("/a"), "/");
    EXPECT_EQ(parentFolder("/"), "/");
    EXPECT_EQ(parentFolder("/a/b/"), "/a");
}

TEST_F(FileBoxTest, ListingPutsUpFirstThenFoldersThenFilesWithoutRegardToCase)
{
    put("b.txt", "");
    put("A.txt", "");
    put("Zeta/x", "");
    put("alpha/x", "");
    put(".hidden", "");
    std::vector<std::string> chosen;
    CFileBox box("/", [&](const std::string& p) { chosen.push_back(p); });
    EXPECT_TRUE(box.ListItems().empty()); // nothing before a folder is read
    box.ReadDir(m_root);
    EXPECT_EQ(names(box),
              (std::vector<std::string>{"..", "alpha", "Zeta", ".hidden", "A.txt", "b.txt"}));
    box.Activate("alpha");
    EXPECT_EQ(box.Dir(), m_root + "/alpha");
    EXPECT_EQ(names(box).front(), "..");
    box.Activate("x");
    EXPECT_EQ(chosen, std::vector<std::string>{m_root + "/alpha/x"});
    box.Activate("..");
    EXPECT_EQ(box.Dir(), m_root);

    // A folder that cannot be listed keeps the old one.
    EXPECT_THROW(box.ReadDir(m_root + "/none"), zuk::IoError);
    EXPECT_EQ(box.Dir(), m_root);
    EXPECT_EQ(box.ListItems().size(), 6u);

    box.ReadDir("/");
    EXPECT_EQ(names(box).front(), "..");
    EXPECT_FALSE(box.GoUp());
    EXPECT_EQ(box.Dir(), "/");
}

TEST_F(FileBoxTest, ProcessingNeedsAProcessableExtensionAndKeepsSubfolders)
{
    const std::string a = put("a.txt", "x");
    const std::string sub = put("sub/a.txt", "y");
    ProcessRule rule;
    EXPECT_EQ(processedTarget(rule, a, m_root), ""); // an empty list writes nothing
    rule.extensions = {".TXT", "htm"};
    EXPECT_EQ(processedTarget(rule, a, m_root), a);
    EXPECT_EQ(processedTarget(rule, withExtension(a, "htm"), m_root), m_root + "/a.htm");
    EXPECT_EQ(processedTarget(rule, m_root + "/b.doc", m_root), "");
    rule.toFolder = true;
    rule.folder = m_root + "/missing";
    EXPECT_EQ(processedTarget(rule, a, m_root), "");
    fs::create_directory(m_root + "/out");
    rule.folder = m_root + "/out";
    const std::string t1 = processedTarget(rule, a, m_root);
    const std::string t2 = processedTarget(rule, sub, m_root);
    EXPECT_EQ(t1, m_root + "/out/a.txt");
    EXPECT_EQ(t2, m_root + "/out/sub/a.txt");
    const ProcessReport report = processFiles({{a, t1}, {sub, t2}}, same);
    EXPECT_EQ(report.written.size(), 2u);
    EXPECT_EQ(read("out/a.txt"), "x\r\n");
    EXPECT_EQ(read("out/sub/a.txt"), "y\r\n");
}

TEST_F(FileBoxTest, BatchWritingNeverDestroysText)
{
    // Win > DOS then DOS > Win gives the bytes back; the replaced text stays in .bak.
    const std::string text = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0!\r\nline 2\r\n";
    const std::string path = put("ru.txt", text);
    auto toDos = [](const std::string& t) { return zuk::codepages::WinToDos(t); };
    auto toWin = [](const std::string& t) { return zuk::codepages::DosToWin(t); };
    EXPECT_EQ(processFiles({{path, path}}, toDos).written.size(), 1u);
    EXPECT_NE(read("ru.txt"), text);
    EXPECT_EQ(read("ru.txt.bak"), text);
    processFiles({{path, path}}, toWin);
    EXPECT_EQ(read("ru.txt"), text);

    // A file holding NUL is never rewritten: its tail would be lost.
    const std::string binary = std::string("head\0tail\r\n", 11);
    const std::string nul = put("nul.txt", binary);
    const ProcessReport report = processFiles({{nul, nul}}, toDos);
    EXPECT_EQ(report.binary, std::vector<std::string>{nul});
    EXPECT_EQ(read("nul.txt"), binary);
    EXPECT_FALSE(exists("nul.txt.bak"));

    // Without a target nothing is written; a failure is reported, not thrown.
    const ProcessReport skipped = processFiles({{path, ""}, {m_root + "/gone.txt", path}}, same);
    EXPECT_EQ(skipped.notProcessable.size(), 1u);
    EXPECT_EQ(skipped.failed.size(), 1u);
    EXPECT_EQ(read("ru.txt"), text);
}

TEST(FileBoxThumbnails, PlacementKeepsTheWholePicture)
{
    struct Case {
        int w, h, width, height, x, y;
    };
    for (const Case& c : {Case{300, 150, 150, 75, 0, 12}, Case{100, 50, 100, 50, 25, 25},
                          Case{140, 130, 108, 100, 21, 0}, Case{1000, 1, 150, 1, 0, 50},
                          Case{150, 100, 150, 100, 0, 0}}) {
        const ThumbPlacement p = placeThumbnail(c.w, c.h, 150, 100);
        EXPECT_EQ(p.width, c.width) << c.w << "x" << c.h;
        EXPECT_EQ(p.height, c.height) << c.w << "x" << c.h;
        EXPECT_EQ(p.x, c.x) << c.w << "x" << c.h;
        EXPECT_EQ(p.y, c.y) << c.w << "x" << c.h;
    }
}

TEST(FileBoxLinks, TitleOrFileName)
{
    EXPECT_EQ(linkTo("sub/a.htm", "<html><TITLE>Home</title></html>", "a.htm"),
              "<a href=\"sub/a.htm\">Home</a>");
    EXPECT_EQ(linkTo("a.htm", "<title></title>", "a.htm"), "<a href=\"a.htm\">a.htm</a>");
    EXPECT_EQ(linkTo("a.txt", "no tags", "a.txt"), "<a href=\"a.txt\">a.txt</a>");
    EXPECT_EQ(pageTitle("<title>x</titles>"), "");
}

TEST_F(FileBoxTest, LocationListingsAndHotlist)
{
    put("b", "");
    put("d/c", "");
    put("a/e", "");
    EXPECT_EQ(locationNames(m_root), (std::vector<std::string>{"a", "d", "b"}));
    EXPECT_EQ(locationFilesRecursive(m_root),
              (std::vector<std::string>{m_root + "/b", m_root + "/a/e", m_root + "/d/c"}));
    const std::string hot = m_root + "/hotlist.txt";
    EXPECT_TRUE(loadHotlist(hot).empty());
    saveHotlist(hot, {"/home", "/tmp/Привет"});
    EXPECT_EQ(loadHotlist(hot), (std::vector<std::string>{"/home", "/tmp/Привет"}));
}
