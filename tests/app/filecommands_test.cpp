#include "app/documentfiles.h"
#include "app/droppedfiles.h"
#include "app/filehistory.h"
#include "app/filenames.h"
#include "app/flashimport.h"
#include "app/openfilelist.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/inifile.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using namespace zuk::app;
using zuk::testing::TempFolder;

namespace {

std::tm fixedTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(FileHistory, MostRecentFirstWithinCapacity)
{
    FileHistory history(3);
    history.add("/x/a.txt", 10);
    history.add("/x/b.txt", 0);
    history.add("/x/c.txt", 5);
    history.add("/x/a.txt", 120); // already there: moves to the front with its new line
    ASSERT_EQ(history.entries().size(), 3u);
    EXPECT_EQ(history.entries()[0].fileName, "/x/a.txt");
    EXPECT_EQ(history.entries()[0].firstLine, 120);
    EXPECT_EQ(history.entries()[1].fileName, "/x/c.txt");

    history.add("/x/d.txt", 1); // full: the oldest (b) falls off
    EXPECT_EQ(history.find("/x/b.txt"), nullptr);
    EXPECT_EQ(history.entries().front().fileName, "/x/d.txt");
    history.add("/x/A.TXT", 2); // another file on a case-sensitive file system
    EXPECT_NE(history.find("/x/A.TXT"), nullptr);
    EXPECT_EQ(history.entries().size(), 3u);

    history.setCapacity(1);
    ASSERT_EQ(history.entries().size(), 1u);
    EXPECT_EQ(history.entries()[0].fileName, "/x/A.TXT");
    history.setCapacity(0);
    history.add("/x/e.txt", 0);
    EXPECT_TRUE(history.entries().empty());

    FileHistory loaded(2);
    loaded.assign({{"/a", 1}, {"", 3}, {"/a", 2}, {"/b", -4}, {"/c", 0}});
    ASSERT_EQ(loaded.entries().size(), 2u);
    EXPECT_EQ(loaded.entries()[0].firstLine, 1);
    EXPECT_EQ(loaded.entries()[1].fileName, "/b");
    EXPECT_EQ(loaded.entries()[1].firstLine, 0);

    EXPECT_EQ(FileHistory::menuCaption("/x/R&D/a&&b.txt"), "/x/R&&D/a&&&&b.txt");
}

TEST(FileHistory, NamesOutsideWindows1251SurviveZukIni)
{
    TempFolder dir;
    FileHistory history(25);
    history.add("/home/u/?n? ??.txt", 0); // as an older zuk.ini may hold it
    history.add("/home/u/Письма/a.txt", 4);
    history.add("/home/u/ünï 日本.txt", 12);
    {
        zuk::io::IniFile ini(dir.file("zuk.ini"));
        writeRecentFiles(ini, history.entries());
    }
    const std::string file = dir.read("zuk.ini");
    EXPECT_NE(file.find("Item_0=utf8:/home/u/%C3%BCn%C3%AF %E6%97%A5%E6%9C%AC.txt\r\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("Item_1=" + zuk::codepages::utf8ToWin("/home/u/Письма/a.txt") + "\r\n"),
              std::string::npos)
        << file;

    FileHistory loaded(25);
    loaded.assign(readRecentFiles(zuk::io::IniFile(dir.file("zuk.ini")), 25));
    ASSERT_EQ(loaded.entries().size(), 3u);
    EXPECT_EQ(loaded.entries()[0].fileName, "/home/u/ünï 日本.txt");
    EXPECT_EQ(loaded.entries()[0].firstLine, 12);
    EXPECT_EQ(loaded.entries()[1].fileName, "/home/u/Письма/a.txt");
    EXPECT_EQ(loaded.entries()[2].fileName, "/home/u/?n? ??.txt");
    EXPECT_NE(loaded.find("/home/u/ünï 日本.txt"), nullptr);
}

TEST(OpenFileList, OpenChecksInOrder)
{
    OpenFileList list;
    list.add("/x/a.txt");
    list.add("/x/b.rtf");
    std::set<std::string> files{"/x/a.txt", "/x/A.TXT", "/x/b.rtf", "/x/new.txt", "/x/C.Rtf"};
    auto exists = [&files](const std::string& p) { return files.count(p) > 0; };
    EXPECT_EQ(checkOpen(list, "/x/A.TXT", exists), OpenCheck::Open); // another file
    EXPECT_EQ(checkOpen(list, "/x/a.txt", exists), OpenCheck::AlreadyOpen);
    EXPECT_EQ(checkOpen(list, "/x/new.txt", exists), OpenCheck::Open);
    EXPECT_EQ(checkOpen(list, "/x/C.Rtf", exists), OpenCheck::ImportRtf);
    EXPECT_EQ(checkOpen(list, "/x/b.rtf", exists),
              OpenCheck::ImportRtf); // imports are never listed
    EXPECT_EQ(checkOpen(list, "/x/gone.txt", exists), OpenCheck::Missing);
}

TEST(FileNames, PartsAndDerivedNames)
{
    struct Case {
        const char* path;
        const char* name;
        const char* folder;
        const char* extension;
        const char* backup;
        const char* emergency;
    } cases[] = {
        {"/docs/notes.txt", "notes.txt", "/docs/", ".txt", "/docs/notes.bak", "/docs/notes.avr"},
        {"/docs/notes", "notes", "/docs/", "", "/docs/notes.bak", "/docs/notes.avr"},
        {"/docs/a.tar.gz", "a.tar.gz", "/docs/", ".gz", "/docs/a.tar.bak", "/docs/a.tar.avr"},
        {"/my.docs/readme", "readme", "/my.docs/", "", "/my.docs/readme.bak",
         "/my.docs/readme.avr"},
        {"/home/.profile", ".profile", "/home/", "", "/home/.profile.bak", "/home/.profile.avr"},
        {"untitled3", "untitled3", "", "", "untitled3.bak", "untitled3.avr"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fileNamePart(c.path), c.name);
        EXPECT_EQ(folderPart(c.path), c.folder);
        EXPECT_EQ(extensionPart(c.path), c.extension);
        EXPECT_EQ(backupName(c.path), c.backup);
        EXPECT_EQ(emergencyName(c.path), c.emergency);
    }
    EXPECT_EQ(untitledName(0), "untitled0");
    EXPECT_TRUE(isFilePath("/a.txt"));
    EXPECT_FALSE(isFilePath("untitled1"));
    EXPECT_FALSE(isFilePath(""));
}

TEST(FileNames, SaveAsDefaultExtension)
{
    EXPECT_EQ(saveAsName("/x/report", true, "txt"), "/x/report.txt");
    EXPECT_EQ(saveAsName("/x/report", false, "txt"), "/x/report");
    EXPECT_EQ(saveAsName("/x/report.htm", true, "txt"), "/x/report.htm");
    EXPECT_EQ(saveAsName("/x/report", true, ""), "/x/report");
    EXPECT_EQ(saveAsName("/x/report", true, ".txt"), "/x/report.txt");
    EXPECT_EQ(saveAsName("/x.d/report", true, "txt"), "/x.d/report.txt");
}

TEST(FileNames, VersionStampAndTargets)
{
    zuk::settings::RSaveOptions options;
    options.AddVersionNamePrefix = true;
    options.VersionNamePrefix = "v";
    const std::tm when = fixedTime(2024, 12, 31, 23, 59, 58);
    EXPECT_EQ(versionName("/docs/notes.txt", versionStamp(when, options)),
              "/docs/vdate-31-12-2024time-23-59-58notes.txt");

    options.VersionNamePrefix = "v1.0:";
    EXPECT_EQ(versionStamp(when, options), "v1-0-date-31-12-2024time-23-59-58");
    options.AddVersionNamePrefix = false;
    const std::tm morning = fixedTime(2025, 1, 2, 3, 4, 5);
    EXPECT_EQ(versionStamp(morning, options), "date-02-01-2025time-03-04-05");
    options.AddVersionNamePrefix = true;
    options.VersionNamePrefix = zuk::codepages::utf8ToWin("в");
    EXPECT_EQ(versionStamp(morning, options), "вdate-02-01-2025time-03-04-05");

    // Without a file the version is named after the caption, in the current folder.
    options.AddVersionNamePrefix = false;
    auto noFolders = [](const std::string&) { return false; };
    EXPECT_EQ(versionTargets("untitled2", morning, options, noFolders),
              std::vector<std::string>{"date-02-01-2025time-03-04-05untitled2"});

    options.DoCopyVer = true;
    options.CopyVerPath = "/copies";
    std::set<std::string> folders{"/copies"};
    auto exists = [&folders](const std::string& f) { return folders.count(f) > 0; };
    EXPECT_EQ(versionTargets("/d/n.txt", morning, options, exists),
              (std::vector<std::string>{"/d/date-02-01-2025time-03-04-05n.txt",
                                        "/copies/date-02-01-2025time-03-04-05n.txt"}));
    options.SaveInSameFolder = false;
    options.CopyVerPath = "/missing";
    EXPECT_TRUE(versionTargets("/d/n.txt", morning, options, exists).empty());
    options.CopyVerPath = "/копии ünï"; // a UTF-8 folder, as the settings hold it
    folders.insert(options.CopyVerPath);
    EXPECT_EQ(versionTargets("/d/n.txt", morning, options, exists),
              std::vector<std::string>{"/копии ünï/date-02-01-2025time-03-04-05n.txt"});
}

TEST(FileNames, VersionTextCharset)
{
    const std::string text = zuk::codepages::utf8ToWin("Ёж\r\n");
    zuk::settings::RSaveOptions options;
    options.ConvertVersionToCharset = "koi";
    EXPECT_EQ(versionText(text, options), text); // conversion off
    options.DoConvertVersionToCharset = true;
    EXPECT_EQ(versionText(text, options), "\xb3\xd6\r\n");
    options.ConvertVersionToCharset = "dos";
    EXPECT_EQ(versionText(text, options), "\xf0\xa6\r\n");
    options.ConvertVersionToCharset = "win";
    EXPECT_EQ(versionText(text, options), text);
    options.ConvertVersionToCharset = "KOI";
    EXPECT_EQ(versionText(text, options), text);
}

TEST(FileNames, TabStrip)
{
    const std::vector<std::string> tabs{"untitled0", "a.txt", "b.txt", "a.txt"};
    EXPECT_EQ(tabIndexFor(tabs, "/x/a.txt"), 1);
    EXPECT_EQ(tabIndexFor(tabs, "/x/A.txt"), -1); // exact comparison
    EXPECT_EQ(tabIndexFor(tabs, "untitled0"), 0);
    EXPECT_EQ(cycleTab(3, 4, 1), 0);
    EXPECT_EQ(cycleTab(0, 4, -1), 3);
    EXPECT_EQ(cycleTab(1, 4, 1), 2);
    EXPECT_EQ(cycleTab(-1, 4, -1), 3);
    EXPECT_EQ(cycleTab(0, 0, 1), -1);
    EXPECT_EQ(cycleTab(0, 1, 1), 0);
}

TEST(DroppedFiles, OrderAndStopRules)
{
    auto all = [](const std::string&) { return true; };
    auto actions = [](const std::vector<DropStep>& steps) {
        std::vector<DropAction> out;
        for (const DropStep& s : steps)
            out.push_back(s.action);
        return out;
    };
    using A = DropAction;
    struct Case {
        const char* name;
        std::vector<std::string> files;
        bool documentOpen;
        bool flashTemplate;
        std::vector<A> expected;
    } cases[] = {
        {"rtf ends the drop", {"/a.txt", "/b.rtf", "/c.txt"}, false, true, {A::Open, A::ImportRtf}},
        {"upper-case extensions",
         {"/p.JPG", "/b.RTF"},
         true,
         true,
         {A::InsertPicture, A::ImportRtf}},
        {"picture without document stops", {"/p.png", "/a.txt"}, false, true, {A::Stop}},
        {"opened file makes a document",
         {"/a.txt", "/p.gif", "/f.swf"},
         false,
         true,
         {A::Open, A::InsertPicture, A::InsertFlash}},
        {"flash without template skipped", {"/f.swf", "/a.txt"}, false, false, {A::Skip, A::Open}},
        {"flash without document stops", {"/f.swf", "/a.txt"}, false, true, {A::Stop}},
        {"every picture kind",
         {"/1.gif", "/2.jpeg", "/3.bmp", "/4.mng", "/5.jng"},
         true,
         true,
         {A::InsertPicture, A::InsertPicture, A::InsertPicture, A::InsertPicture,
          A::InsertPicture}},
        {"other files open",
         {"/x.htm", "/noext", "/x.rtf.txt"},
         false,
         false,
         {A::Open, A::Open, A::Open}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(actions(planDrop(c.files, c.documentOpen, c.flashTemplate, all)), c.expected);
    }
    // A missing file opens nothing, so a picture after it still finds no document.
    auto none = [](const std::string&) { return false; };
    EXPECT_EQ(actions(planDrop({"/gone.txt", "/p.png"}, false, true, none)),
              (std::vector<A>{A::Open, A::Stop}));
}

TEST(FlashImport, PlaceholdersAndGuid)
{
    const std::string guid = newGuid();
    EXPECT_TRUE(std::regex_match(
        guid, std::regex("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}")))
        << guid;
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i)
        seen.insert(newGuid());
    EXPECT_EQ(seen.size(), 1000u);

    const std::string templ =
        "<object classid=\"clsid:@clsid\" id=\"@id\"><param value=\"@filename\">"
        "@@id @unknown @ID @clsid</object>";
    EXPECT_EQ(flashInsertion(templ, "@", "/m/movie.clip.swf", "G-1"),
              "<object classid=\"clsid:G-1\" id=\"movie.clip\"><param "
              "value=\"/m/movie.clip.swf\">@movie.clip @unknown @ID G-1</object>");
    // A value holding a placeholder is not expanded again; the path becomes Windows-1251.
    EXPECT_EQ(flashInsertion("$filename|$id", "$", "/@id/фильм.swf", "G"),
              "/@id/" + zuk::codepages::utf8ToWin("фильм") + ".swf|" +
                  zuk::codepages::utf8ToWin("фильм"));
    EXPECT_EQ(flashInsertion("##id", "##", "/a/b", "G"), "b");
    EXPECT_EQ(flashInsertion("@id", "", "/a/b.swf", "G"), "@id");
}

TEST(DocumentFiles, VersionsBackupsEmergencyCopiesAndLastFiles)
{
    TempFolder dir;
    zuk::plugins::CFIOINT engine;
    zuk::settings::RSaveOptions options;
    options.DoCopyVer = true;
    options.CopyVerPath = dir.file("copies");
    std::filesystem::create_directory(dir.file("copies"));
    const Clock clock = [] { return fixedTime(2024, 12, 31, 23, 59, 58); };

    const std::string name = dir.file("notes.txt");
    const auto written = saveVersion(engine, name, "a\nb", options, clock);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(dir.read("date-31-12-2024time-23-59-58notes.txt"), "a\r\nb\r\n");
    EXPECT_EQ(dir.read("copies/date-31-12-2024time-23-59-58notes.txt"), "a\r\nb\r\n");

    EXPECT_EQ(saveBackupCopy(engine, name, "x"), dir.file("notes.bak"));
    EXPECT_EQ(dir.read("notes.bak"), "x\r\n");

    std::vector<DocumentText> documents = {
        {name, true, [] { return std::string("saved\r\n"); }, {}},
        {"untitled0", false, [] { return std::string("never asked"); }, {}},
        {dir.file("gone/x.txt"), true, [] { return std::string("lost"); }, {}},
    };
    EXPECT_EQ(writeEmergencyCopies(engine, documents),
              std::vector<std::string>{dir.file("gone/x.txt")});
    EXPECT_EQ(dir.read("notes.avr"), "saved\r\n");

    // Every copy is written the way the document's file is; a version the
    // options convert to a code page is that code page's bytes.
    using zuk::codepages::FileEncoding;
    using zuk::codepages::LineBreak;
    const zuk::codepages::FileFormat utf16{FileEncoding::Utf16Le, zuk::codepages::CodePage::Win,
                                           LineBreak::Lf};
    saveBackupCopy(engine, name, "ab\r\n", utf16);
    EXPECT_EQ(dir.read("notes.bak"), std::string("\xFF\xFE"
                                                 "a\0b\0\n\0",
                                                 8));
    documents[0].format = {FileEncoding::Utf8Bom, zuk::codepages::CodePage::Win, LineBreak::Cr};
    writeEmergencyCopies(engine, documents);
    EXPECT_EQ(dir.read("notes.avr"), "\xEF\xBB\xBFsaved\r");
    options.DoCopyVer = false;
    const std::string ya = zuk::codepages::utf8ToWin("я");
    saveVersion(engine, name, ya, options, clock, utf16);
    EXPECT_EQ(dir.read("date-31-12-2024time-23-59-58notes.txt"),
              std::string("\xFF\xFE\x4F\x04\n\0", 6));
    options.DoConvertVersionToCharset = true;
    options.ConvertVersionToCharset = "koi";
    saveVersion(engine, name, ya, options, clock, utf16);
    EXPECT_EQ(dir.read("date-31-12-2024time-23-59-58notes.txt"), "\xD1\n");

    EXPECT_TRUE(readLastFiles(dir.file("lastfiles.txt")).empty());
    const std::vector<std::string> last{dir.file("b.txt"), "/д/а.txt"};
    writeLastFiles(dir.file("lastfiles.txt"), last);
    EXPECT_EQ(readLastFiles(dir.file("lastfiles.txt")), last);
    dir.write("lastfiles.txt", "/a\n\n/b\r\n");
    EXPECT_EQ(readLastFiles(dir.file("lastfiles.txt")), (std::vector<std::string>{"/a", "/b"}));
}

} // namespace
