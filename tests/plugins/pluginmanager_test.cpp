// The plug-in manager: the lines of plugslist.txt, scanning a plugins folder,
// the start-up rule and the install, remove and rescan operations.

#include "io/faultinjection.h"
#include "io/linesfile.h"
#include "io/tempfolder.h"
#include "platform/programfolder.h"
#include "plugins/cplugsman.h"
#include "plugins/testplugins.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

using zuk::plugins::CPlugsMan;
using zuk::plugins::PluginEntry;
using zuk::plugins::pluginMenuName;
using zuk::plugins::ScanReport;
using zuk::testing::plughost;
using zuk::testing::putPlugin;
using zuk::testing::TempFolder;

namespace {

std::vector<std::string> skippedFiles(const ScanReport& report)
{
    std::vector<std::string> files;
    for (const auto& s : report.skipped)
        files.push_back(s.file);
    return files;
}

TEST(PluginList, LinesAreParsedAndCleaned)
{
    using zuk::plugins::parsePluginLine;
    struct Row {
        std::string line;
        bool valid;
        PluginEntry entry;
    };
    const Row rows[] = {
        {"Upper=upper.so", true, {"Upper", "upper.so"}},
        {"A=B=c.so", true, {"A", "B=c.so"}}, // split at the first "="
        {"=noname.so", true, {"noname.so", "noname.so"}},
        {" \t Name\tx  =x.so", true, {"Name x", "x.so"}},
        {"\xC8\xEC\xFF=\xD4.so", true, {"\xC8\xEC\xFF", "\xD4.so"}}, // Windows-1251 stays
        {"=Имя.so", true, {"\xC8\xEC\xFF.so", "Имя.so"}},            // the file's UTF-8 name shown
        {"no equals sign", false, {}},
        {"Up=", false, {}},
        {"Up=../escape.so", false, {}},
        {"Up=sub/x.so", false, {}},
        {"Up=sub\\x.so", false, {}},
        {"Up=..", false, {}},
        {"Up=.", false, {}},
        {"", false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const auto entry = parsePluginLine(row.line);
        ASSERT_EQ(entry.has_value(), row.valid);
        if (entry) {
            EXPECT_EQ(*entry, row.entry);
        }
    }
    // What a plug-in reports may be UTF-8.
    EXPECT_EQ(pluginMenuName("Имя", "x.so"), "\xC8\xEC\xFF");
    EXPECT_EQ(pluginMenuName("\xC8\xEC\xFF", "x.so"), "\xC8\xEC\xFF");
    EXPECT_EQ(pluginMenuName(" \r\n", "x=y.so"), "x-y.so");
    EXPECT_EQ(pluginMenuName("", "  "), "?");
    // A name is cut at 255 bytes, and what a line holds it gives back.
    const auto longName = parsePluginLine(std::string(300, 'n') + "=long.so");
    ASSERT_TRUE(longName);
    EXPECT_EQ(longName->name, std::string(255, 'n'));
    const std::vector<PluginEntry> entries =
        zuk::plugins::parsePluginList({"A=a.so", "bad", "B=b.so"});
    EXPECT_EQ(entries, (std::vector<PluginEntry>{{"A", "a.so"}, {"B", "b.so"}}));
    EXPECT_EQ(zuk::plugins::parsePluginList(zuk::plugins::formatPluginList(entries)), entries);
}

TEST(PluginList, MaskMatching)
{
    using zuk::plugins::matchesMask;
    EXPECT_TRUE(matchesMask("upper.so", "*.so"));
    EXPECT_TRUE(matchesMask("UPPER.SO", "*.so"));
    EXPECT_TRUE(matchesMask("a.b.so", "*.so"));
    EXPECT_FALSE(matchesMask("upper.so.1", "*.so"));
    EXPECT_FALSE(matchesMask("upperso", "*.so"));
    EXPECT_TRUE(matchesMask("x.so", "?.so"));
    EXPECT_FALSE(matchesMask("xy.so", "?.so"));
    EXPECT_TRUE(matchesMask("abcabd", "*ab?"));
}

// A folder with a bit of everything, scanned in byte order of the names.
TEST(PluginScan, ListsPluginsInOrderAndSkipsTheRest)
{
    TempFolder dir;
    putPlugin(dir.path(), "upcase1251", "bbb_good.so");
    dir.write("aaa_bad.so", "not a library");
    putPlugin(dir.path(), "nohandledata", "ccc.so");
    putPlugin(dir.path(), "twin_b", "twin_b.so");
    putPlugin(dir.path(), "twin_a", "twin_a.so");
    putPlugin(dir.path(), "oddname", "odd.so");
    putPlugin(dir.path(), "unnamed", "unnamed.so");
    putPlugin(dir.path(), "nameless", "nameless.so");
    putPlugin(dir.path(), "crash", "crash.txt"); // not matching the mask
    std::filesystem::create_directory(dir.file("folder.so"));

    CPlugsMan man(plughost());
    const ScanReport report = man.ScanPlugins(dir.path());
    const std::string twin = "\xC1\xEB\xE8\xE7\xED\xE5\xF6"; // as the plug-ins report it, in 1251
    EXPECT_EQ(man.Plugins(), (std::vector<PluginEntry>{
                                 {"\xC2\xE5\xF0\xF5\xED\xE8\xE9 \xF0\xE5\xE3\xE8\xF1\xF2\xF0 "
                                  "(Windows-1251)",
                                  "bbb_good.so"},
                                 {"a-b c  d", "odd.so"},
                                 {twin, "twin_a.so"},
                                 {twin, "twin_b.so"},
                                 {"unnamed.so", "unnamed.so"}}));
    EXPECT_EQ(skippedFiles(report),
              (std::vector<std::string>{"aaa_bad.so", "ccc.so", "nameless.so"}));
    EXPECT_EQ(report.skipped[0].reason.text().key, "sPluginCannotLoad");
    EXPECT_EQ(report.skipped[1].reason.text().key, "sPluginNoEntryPoint");

    // Each item calls its own library, whatever its name.
    EXPECT_EQ(man.CallPlugin(2, dir.path(), "x", {}), "xA");
    EXPECT_EQ(man.CallPlugin(3, dir.path(), "x", {}), "xB");
    EXPECT_EQ(man.ListPluginNames()[3], twin);

    // A scan appends; a folder that is not there lists nothing.
    man.ScanPlugins(dir.path() + "missing/");
    EXPECT_EQ(man.Plugins().size(), 5u);
}

// A program folder completed from the shipped data tree lists the example
// plug-ins at its first start, and deleting the list has the folder scanned
// again at the next start, with what the user dropped in.
TEST(PluginStartup, AProgramFolderFromTheShippedTreeListsTheExamples)
{
    const std::string tree = std::string(ZUK_EXAMPLE_PLUGIN_DIR) + "../../share/zuk";
    TempFolder home;
    zuk::platform::seedProgramFolder(home.path(), tree);
    const std::string dir = zuk::platform::workingFolders(home.path()).plugins;
    CPlugsMan first(plughost());
    EXPECT_TRUE(first.Startup(dir).skipped.empty());
    EXPECT_EQ(first.Plugins(), (std::vector<PluginEntry>{
                                   {"\xC0\xE1\xE7\xE0\xF6\xFB <p>\x85</p>", "paragraphs.so"},
                                   {"\xD3\xE1\xF0\xE0\xF2\xFC \xEF\xF0\xEE\xE1\xE5\xEB\xFB \xE2 "
                                    "\xEA\xEE\xED\xF6\xE0\xF5 \xF1\xF2\xF0\xEE\xEA",
                                    "trimtrailing.so"},
                                   {"\xC2\xE5\xF0\xF5\xED\xE8\xE9 \xF0\xE5\xE3\xE8\xF1\xF2\xF0 "
                                    "(Windows-1251)",
                                    "upcase1251.so"}}));

    std::filesystem::remove(dir + "plugslist.txt");
    putPlugin(dir, "empty", "empty.so");
    zuk::platform::seedProgramFolder(home.path(), tree);
    CPlugsMan second(plughost());
    second.Startup(dir);
    EXPECT_EQ(second.Plugins().size(), 4u);
}

TEST(PluginStartup, ScansWithoutAListAndTrustsAnExistingOne)
{
    TempFolder home;
    const std::string dir = home.path() + "Plugins/";
    {
        // No folder, no list: an empty list is written.
        CPlugsMan man(plughost());
        EXPECT_TRUE(man.Startup(dir).skipped.empty());
        EXPECT_TRUE(man.Plugins().empty());
        EXPECT_EQ(home.read("Plugins/plugslist.txt"), "");
    }
    std::filesystem::remove(dir + "plugslist.txt");
    putPlugin(dir, "upcase1251", "b.so");
    home.write("Plugins/a.so", "junk");
    {
        CPlugsMan man(plughost());
        const ScanReport report = man.Startup(dir);
        EXPECT_EQ(skippedFiles(report), std::vector<std::string>{"a.so"});
        ASSERT_EQ(man.Plugins().size(), 1u);
        EXPECT_EQ(zuk::io::readLinesFile(dir + "plugslist.txt"),
                  std::vector<std::string>{man.Plugins()[0].name + "=b.so"});
    }
    // The list is trusted as it stands: a library added later is not seen,
    // a line that cannot be one is dropped, a name in any case finds the file.
    putPlugin(dir, "paragraphs", "c.so");
    std::filesystem::rename(dir + "plugslist.txt", dir + "PlugsList.TXT");
    home.write("Plugins/PlugsList.TXT", "Mine=b.so\r\nbroken\r\nEvil=../../x.so\r\n");
    CPlugsMan man(plughost());
    EXPECT_TRUE(man.Startup(dir).skipped.empty());
    EXPECT_EQ(man.Plugins(), (std::vector<PluginEntry>{{"Mine", "b.so"}}));
    man.Rescan(dir);
    EXPECT_EQ(man.Plugins().size(), 2u);
    EXPECT_EQ(zuk::io::readLinesFile(dir + "PlugsList.TXT").size(), 2u);
}

TEST(PluginOperations, InstallAsksBeforeReplacingAndChecksTheLibrary)
{
    TempFolder dir, source;
    putPlugin(source.path(), "upcase1251", "mine.so");
    source.write("junk.so", "junk");
    CPlugsMan man(plughost());
    std::vector<std::string> asked;
    bool answer = false;
    const auto replace = [&](const std::string& file) {
        asked.push_back(file);
        return answer;
    };

    // A new file is copied without a question and listed.
    ASSERT_TRUE(man.Install(dir.path(), source.file("mine.so"), replace));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(man.Plugins().size(), 1u);
    EXPECT_EQ(dir.read("mine.so"), source.read("mine.so"));
    EXPECT_EQ(zuk::io::readLinesFile(dir.file("plugslist.txt")).size(), 1u);

    // The same file name again: asked, and kept on No, replaced on Yes.
    putPlugin(source.path(), "paragraphs", "mine.so");
    EXPECT_FALSE(man.Install(dir.path(), source.file("mine.so"), replace));
    EXPECT_EQ(asked, std::vector<std::string>{"mine.so"});
    EXPECT_NE(dir.read("mine.so"), source.read("mine.so"));
    answer = true;
    ASSERT_TRUE(man.Install(dir.path(), source.file("mine.so"), replace));
    EXPECT_EQ(dir.read("mine.so"), source.read("mine.so"));
    EXPECT_EQ(man.CallPlugin(0, dir.path(), "x", {}), "<p>x</p>");

    // What is no plug-in is not copied in.
    const auto keyOf = [&](const std::string& path) {
        try {
            man.Install(dir.path(), path, replace);
        } catch (const zuk::ZukError& e) {
            return std::string(e.text().key);
        }
        return std::string();
    };
    EXPECT_EQ(keyOf(source.file("junk.so")), "sPluginCannotLoad");
    EXPECT_EQ(keyOf(source.path()), "sPluginNotAFile");
    EXPECT_EQ(keyOf(source.file("none.so")), "sPluginNotAFile");
    EXPECT_FALSE(std::filesystem::exists(dir.file("junk.so")));

    // A copy that fails leaves the old library, and says why.
    putPlugin(source.path(), "trimtrailing", "mine.so");
    const std::string before = dir.read("mine.so");
    {
        zuk::io::InjectedFault fault(zuk::io::WriteCall::Write, 1, ENOSPC);
        try {
            man.Install(dir.path(), source.file("mine.so"), replace);
            ADD_FAILURE() << "the copy did not fail";
        } catch (const zuk::IoError& e) {
            EXPECT_NE(std::string(e.what()).find(std::strerror(ENOSPC)), std::string::npos);
        }
    }
    EXPECT_EQ(dir.read("mine.so"), before);
    EXPECT_EQ(dir.entryCount(), 2u); // the library and the list, no temporary file
}

TEST(PluginOperations, RemoveDeletesTheLibraryAndRescans)
{
    TempFolder dir;
    putPlugin(dir.path(), "twin_a", "a.so");
    putPlugin(dir.path(), "twin_b", "b.so");
    CPlugsMan man(plughost());
    man.Rescan(dir.path());
    ASSERT_EQ(man.Plugins().size(), 2u);

    man.Remove(dir.path(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.so")));
    EXPECT_EQ(man.Plugins(), (std::vector<PluginEntry>{{man.Plugins()[0].name, "b.so"}}));
    EXPECT_EQ(zuk::io::readLinesFile(dir.file("plugslist.txt")).size(), 1u);

    // A library already gone is no failure; a line that is not there is.
    std::filesystem::remove(dir.file("b.so"));
    man.Remove(dir.path(), 0);
    EXPECT_TRUE(man.Plugins().empty());
    EXPECT_THROW(man.Remove(dir.path(), 0), std::out_of_range);
}

} // namespace
