#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/cpelagos.h"
#include "highlight/csynman.h"
#include "highlight/schemefile.h"

#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zuk::highlight;

TEST(BuiltInHighlighters, NamesAndExtensions)
{
    for (const char* name :
         {"HTML", "Delphi", "C++", "C", "Perl", "Java Script", "VB Script", "SQL"})
        EXPECT_TRUE(IsBuiltInHighlighter(name)) << name;
    for (const char* name : {"No", "html", "JavaScript", "Python", ""})
        EXPECT_FALSE(IsBuiltInHighlighter(name)) << name;

    struct Case {
        const char* file;
        const char* key;
        bool match;
    } cases[] = {
        {"report.PAS", "pascal", true}, {"a.pp", "pascal", true},    {"a.DPR", "pascal", true},
        {"x.h", "c++", true},           {"x.h", "c", false},         {"x.c", "c", true},
        {"index.HTML", "html", true},   {"index.htm", "html", true}, {"s.PL", "perl", true},
        {"s.js", "jscript", true},      {"s.vbs", "vb", true},       {"q.sql", "sql", true},
        {"q.sql", "python", false},     {"noext", "c", false},       {"dir.c/file", "c", false},
        {"a.cpp.bak", "c++", false},    {"a.", "c", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExtensionMatchesLanguage(c.file, c.key), c.match) << c.file << " " << c.key;

    EXPECT_TRUE(HasExtension("/x/Fortran.SHL", ".shl"));
    EXPECT_TRUE(HasExtension("b.shl", ".SHL"));
    EXPECT_FALSE(HasExtension("b.shl.txt", ".shl"));
    EXPECT_EQ(fileExtension(".bashrc"), ".bashrc");
}

TEST(SchemeRegistry, ListsFindsAndDeletes)
{
    CSynMan man;
    man.Items = {{"f for", "Fortran", "a"}, {"py", "Python", "b"}, {"x", "Fortran", "c"}};
    EXPECT_EQ(man.IndexOfScheme("Fortran"), 0);
    EXPECT_EQ(man.IndexOfScheme("fortran"), -1);
    std::vector<std::string> names{"stale"};
    man.ListSchemeNames(names);
    ASSERT_EQ(names.size(), 11u);
    EXPECT_EQ(names[0], "HTML");
    EXPECT_EQ(names[7], "SQL");
    EXPECT_EQ(names[8], "Fortran");
    EXPECT_EQ(names[10], "Fortran");

    man.DeleteScheme("Fortran");
    EXPECT_EQ(man.Items.size(), 2u);
    EXPECT_EQ(man.Items[1].FileName, "c");
    man.DeleteScheme("absent");
    EXPECT_EQ(man.Items.size(), 2u);

    // The settings page never edits a built-in highlighter.
    EXPECT_FALSE(man.changeScheme("SQL", {"q", "SQL", "q.txt"}));
    EXPECT_FALSE(man.changeScheme("absent", {"q", "Q", "q.txt"}));
    EXPECT_TRUE(man.changeScheme("Python", {"pyw", "Snake", "s.txt"}));
    EXPECT_EQ(man.IndexOfScheme("Snake"), 0);
    EXPECT_EQ(man.Items[0].Ext, "pyw");
}

TEST(SchemeRegistry, ExtensionPiecesIncludingEmptyOnes)
{
    CSynMan man;
    man.Items = {{"PAS DPR", "A", ""}, {"txt log", "B", ""}, {" ini", "C", ""}, {"TXT", "D", ""}};
    struct Case {
        const char* file;
        int scheme; // -1: none
    } cases[] = {{"notes.txt", 1}, {"notes.TXT", 1}, {"x.Log", 1},  {"x.dpr", 0},
                 {"x.ini", 2},     {"README", 2},    {"x.xyz", -1}, {"x.", 2}};
    for (const Case& c : cases) {
        const auto found = man.schemeForExtension(c.file);
        EXPECT_EQ(found ? static_cast<int>(*found) : -1, c.scheme) << c.file;
    }
    CSynMan plain;
    plain.Items = {{"txt", "B", ""}};
    EXPECT_FALSE(plain.schemeForExtension("README"));
    plain.Items = {{"a  b", "B", ""}};
    EXPECT_TRUE(plain.schemeForExtension("README"));
}

TEST(SchemeRegistry, SavedAndLoadedWithEitherSpellingOfTheFileKey)
{
    zuk::testing::TempFolder dir;
    dir.write("Syntax/syntax.ini",
              "; old comment\r\n[Fortran]\r\nExt=f for\r\nFileName=Syntax\\fortran.txt\r\n"
              "Other=1\r\n[Lua]\r\next=lua\r\nfilename=/abs/lua.txt\r\n[Empty]\r\n");
    CSynMan man(dir.file("Syntax/syntax.ini"), dir.path());
    ASSERT_EQ(man.Items.size(), 3u);
    EXPECT_EQ(man.Items[0].FileName, "Syntax\\fortran.txt");
    EXPECT_EQ(man.Items[1].Ext, "lua");
    EXPECT_EQ(man.Items[1].FileName, "/abs/lua.txt");
    EXPECT_EQ(man.Items[2].Ext, "");
    EXPECT_EQ(man.Items[2].FileName, "");

    dir.write("Syntax/Fortran.TXT", "x");
    EXPECT_EQ(man.schemePath(man.Items[0]), dir.file("Syntax/Fortran.TXT"));
    EXPECT_EQ(man.schemePath(man.Items[1]), "/abs/lua.txt");

    // Two items of the same name leave one section holding the later keys.
    man.Items.push_back({"new", "Fortran", "later.txt"});
    man.save();
    const std::string saved = dir.read("Syntax/syntax.ini");
    EXPECT_EQ(saved.find("old comment"), std::string::npos);
    EXPECT_EQ(saved.find("Other"), std::string::npos);
    EXPECT_NE(saved.find("Filename="), std::string::npos);

    CSynMan again(dir.file("Syntax/syntax.ini"), dir.path());
    ASSERT_EQ(again.Items.size(), 3u);
    EXPECT_EQ(again.Items[0].Name, "Fortran");
    EXPECT_EQ(again.Items[0].Ext, "new");
    EXPECT_EQ(again.Items[0].FileName, "later.txt");

    CSynMan missing(dir.file("nothing.ini"));
    EXPECT_TRUE(missing.Items.empty());

    // An empty registry leaves no file; an unreadable one is never overwritten.
    again.Items.clear();
    again.save();
    EXPECT_FALSE(std::filesystem::exists(dir.file("Syntax/syntax.ini")));
    std::filesystem::create_directory(dir.file("Syntax/syntax.ini"));
    CSynMan unreadable(dir.file("Syntax/syntax.ini"), dir.path());
    EXPECT_TRUE(unreadable.Items.empty());
    unreadable.Items.push_back({"x", "X", "x"});
    EXPECT_NO_THROW(unreadable.save());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("Syntax/syntax.ini")));
}

TEST(SchemeRegistry, SectionsWithoutANameAreNoSchemesOrFileTypes)
{
    // Such a section could never be saved again: the registries leave it out
    // instead of losing it with a failed write.
    zuk::testing::TempFolder dir;
    dir.write("syntax.ini", "[]\r\nExt=x\r\n[Lua]\r\nExt=lua\r\n[ ]\r\nExt=y\r\n");
    CSynMan man(dir.file("syntax.ini"), dir.path());
    ASSERT_EQ(man.Items.size(), 1u);
    EXPECT_EQ(man.Items[0].Name, "Lua");
    man.save();
    CSynMan again(dir.file("syntax.ini"), dir.path());
    ASSERT_EQ(again.Items.size(), 1u);
    EXPECT_EQ(again.Items[0].Ext, "lua");

    dir.write("filelinx", "[]\nColor=1\n[txt]\nColor=2\nViewer=less\n");
    CPelagos types(dir.file("filelinx"));
    ASSERT_TRUE(types.Handlers);
    ASSERT_EQ(types.Handlers->size(), 1u);
    types.save();
    CPelagos reread(dir.file("filelinx"));
    ASSERT_TRUE(reread.Handlers);
    ASSERT_EQ(reread.Handlers->size(), 1u);
    EXPECT_EQ((*reread.Handlers)[0].Ext, "txt");
    EXPECT_EQ((*reread.Handlers)[0].Color, 2);
    EXPECT_EQ((*reread.Handlers)[0].Viewer, "less");

    // A text style is a position: the nameless section takes none.
    dir.write("styles.txt", "[]\r\nFColor=1\r\n[Mine]\r\nFColor=2\r\n");
    CMyTextStyles styles(dir.file("styles.txt"));
    EXPECT_EQ(styles.Styles[0].Name, "Mine");
    EXPECT_EQ(styles.Styles[0].FColor, 2);
    EXPECT_EQ(styles.Styles[1].Name, builtInTextStyles()[1].Name);
    styles.save();
    EXPECT_EQ(CMyTextStyles(dir.file("styles.txt")).Styles[0].FColor, 2);
}

TEST(ShippedData, EveryRegisteredSchemeLoadsAndTheStylesParse)
{
    const std::string program = std::string(ZUK_SOURCE_DIR) + "/data/";
    CSynMan man(program + "Engine/Parts/Syntax/syntax.ini", program);
    ASSERT_GE(man.Items.size(), 6u);
    int formats[3] = {};
    for (const RSynItem& item : man.Items) {
        SCOPED_TRACE(item.Name);
        EXPECT_FALSE(IsBuiltInHighlighter(item.Name));
        const SchemeDefinition def = loadSchemeFile(man.schemePath(item));
        EXPECT_GE(def.keywords.size(), 10u);
        ++formats[static_cast<int>(def.format)];
        if (def.format == SchemeFormat::Header) {
            EXPECT_EQ(def.header.Name, item.Name);
        }
        EXPECT_TRUE(man.schemeForExtension("x." + item.Ext.substr(0, item.Ext.find(' '))));
    }
    for (int n : formats)
        EXPECT_GE(n, 2);

    const CMyTextStyles styles(program + "Engine/Parts/currtextstyles.txt");
    for (size_t i = 0; i < kTextStyleCount; ++i)
        EXPECT_EQ(styles.Styles[i].Name, builtInTextStyles()[i].Name);

    const CFontCOlors schemes(program + "Engine/CStyles");
    EXPECT_GE(schemes.Schemes.size(), 6u);
    int dark = 0;
    for (const CColorStyle& s : schemes.Schemes)
        dark +=
            (s.BackColor & 0xFF) + ((s.BackColor >> 8) & 0xFF) + ((s.BackColor >> 16) & 0xFF) < 200;
    EXPECT_GE(dark, 2);

    const CPelagos types(program + "Engine/Parts/Pelagos/filelinx");
    ASSERT_TRUE(types.Handlers);
    EXPECT_NE(types.FindFileType(".HTML"), nullptr);
    EXPECT_NE(types.FindFileType(".txt"), nullptr);
    EXPECT_GE(listFileBoxColorPresets(program + "Engine/Parts/Pelagos/Colors").size(), 2u);
}
