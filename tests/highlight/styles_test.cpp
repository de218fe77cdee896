#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/cpelagos.h"
#include "highlight/iniwriter.h"

#include "base/zukerror.h"

#include "io/inifile.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zuk::highlight;

TEST(TextStyles, BuiltInTableWithoutFileAndSavedInTableOrder)
{
    zuk::testing::TempFolder dir;
    CMyTextStyles styles(dir.file("currtextstyles.txt"));
    EXPECT_EQ(styles.Styles[TsReservedWords].Name, "Reserved words");
    EXPECT_EQ(styles.Styles[TsReservedWords].FColor, 16711680);
    EXPECT_TRUE(styles.Styles[TsReservedWords].Bold);
    EXPECT_EQ(styles.Styles[TsSearchMatch].BColor, 0);
    EXPECT_TRUE(styles.Styles[TsSearchMatch].Underline);
    EXPECT_EQ(styles.Styles[TsUrl].BColor, kWindowColour);

    styles.save();
    const zuk::io::IniFile ini(dir.file("currtextstyles.txt"));
    const auto sections = ini.sectionNames();
    ASSERT_EQ(sections.size(), kTextStyleCount);
    for (size_t i = 0; i < kTextStyleCount; ++i)
        EXPECT_EQ(sections[i], builtInTextStyles()[i].Name);
    EXPECT_EQ(ini.readString("Comment", "Italic", ""), "1");
    EXPECT_EQ(ini.readString("BreakPoint", "BColor", ""), "255");
}

TEST(TextStyles, PositionsNotNamesAndShortFilesKeepDefaults)
{
    zuk::testing::TempFolder dir;
    dir.write(
        "s.txt",
        "[Url]\r\nFColor=255\r\nBColor=x\r\nBold=1\r\n[Whitespace]\r\nFColor=7\r\nOther=keep\r\n");
    CMyTextStyles styles(dir.file("s.txt"));
    // The first section colours plain text whatever its name.
    EXPECT_EQ(styles.Styles[0].Name, "Url");
    EXPECT_EQ(styles.Styles[0].FColor, 255);
    EXPECT_EQ(styles.Styles[0].BColor, kWindowColour);
    EXPECT_TRUE(styles.Styles[0].Bold);
    EXPECT_EQ(styles.Styles[1].Name, "Whitespace");
    EXPECT_EQ(styles.Styles[1].FColor, 7);
    EXPECT_FALSE(styles.Styles[1].Italic);
    // Positions the file does not reach keep the built-in styles.
    for (size_t i = 2; i < kTextStyleCount; ++i) {
        EXPECT_EQ(styles.Styles[i].Name, builtInTextStyles()[i].Name);
        EXPECT_EQ(styles.Styles[i].FColor, builtInTextStyles()[i].FColor);
    }

    styles.Styles[1].FColor = 99;
    styles.save();
    const zuk::io::IniFile ini(dir.file("s.txt"));
    EXPECT_EQ(ini.readString("Whitespace", "Other", ""), "keep");
    EXPECT_EQ(ini.readInt("Whitespace", "FColor", 0), 99);
    // Position 16 is also named Url, so the two share one section.
    EXPECT_EQ(ini.sectionNames().size(), kTextStyleCount - 1);
}

TEST(ColourSchemes, LoadedByNameWithDefaultsForBadKeys)
{
    zuk::testing::TempFolder dir;
    dir.write(
        "CStyles/b",
        "fontcolor=1\r\nBackColor = 2 \r\nSelFontColor=3\r\nSelBackColor=-4\r\nFontColor=9\r\n");
    dir.write("CStyles/a", "FontColor=12x\r\nSelBackColor=99999999999\r\nnot a line\r\n");
    dir.write("CStyles/B", "FontColor=5\r\n");
    CFontCOlors schemes(dir.file("CStyles"));
    ASSERT_EQ(schemes.Schemes.size(), 3u);
    const CColorStyle& b = schemes.Schemes[2];
    EXPECT_EQ(b.Name, "b");
    EXPECT_EQ(b.FontColor, 1);
    EXPECT_EQ(b.BackColor, 2);
    EXPECT_EQ(b.SelFontColor, 3);
    EXPECT_EQ(b.SelBackColor, -4);
    const CColorStyle& a = schemes.Schemes[1];
    EXPECT_EQ(a.FontColor, 0);
    EXPECT_EQ(a.BackColor, 16777215);
    EXPECT_EQ(a.SelFontColor, 16777215);
    EXPECT_EQ(a.SelBackColor, 0);
    ASSERT_NE(schemes.findByName("B"), nullptr);
    EXPECT_EQ(schemes.findByName("B")->FontColor, 5);
    EXPECT_EQ(schemes.findByName("c"), nullptr);

    // Saving and reloading gives back exactly the four colours.
    CColorStyle mine;
    mine.Name = "mine";
    mine.FontColor = 0x123456;
    mine.BackColor = -2147483643;
    mine.SelFontColor = 7;
    mine.SelBackColor = 16777215;
    saveColorStyle(dir.file("CStyles/mine"), mine);
    EXPECT_EQ(dir.read("CStyles/mine"),
              "FontColor=1193046\r\nBackColor=-2147483643\r\nSelFontColor=7\r\nSelBackColor="
              "16777215\r\n");
    schemes.reload();
    const CColorStyle* back = schemes.findByName("mine");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->FontColor, mine.FontColor);
    EXPECT_EQ(back->BackColor, mine.BackColor);
    EXPECT_EQ(back->SelFontColor, mine.SelFontColor);
    EXPECT_EQ(back->SelBackColor, mine.SelBackColor);

    EXPECT_TRUE(CFontCOlors(dir.file("none")).Schemes.empty());

    EXPECT_TRUE(deleteColorStyle(dir.file("CStyles"), "mine"));
    EXPECT_FALSE(deleteColorStyle(dir.file("CStyles"), "mine"));
    EXPECT_FALSE(deleteColorStyle(dir.file("CStyles"), "../CStyles/b"));
    schemes.reload();
    EXPECT_EQ(schemes.findByName("mine"), nullptr);
}

TEST(ColourSchemes, TokenColoursAreOptionalKeysNamedAfterTheTextStyles)
{
    zuk::testing::TempFolder dir;
    // Old files have no token keys; their schemes carry no token colours.
    const CColorStyle old = parseColorStyle("old", "FontColor=1\r\nBackColor=2\r\n");
    for (size_t pos = 0; pos < kTextStyleCount; ++pos)
        EXPECT_FALSE(old.TokenColors[pos].has_value()) << pos;

    const CColorStyle s = parseColorStyle(
        "s", "reserved WORDS = 255\r\nComment=x\r\nUrl=7\r\nUrl=8\r\nWhitespace=9\r\n"
             "Search Match=10\r\nHtml tags=-2147483643\r\n");
    EXPECT_EQ(s.TokenColors[TsReservedWords], 255);
    EXPECT_FALSE(s.TokenColors[TsComment].has_value()); // not a number
    EXPECT_EQ(s.TokenColors[TsUrl], 7);                 // the first line counts
    EXPECT_FALSE(s.TokenColors[TsWhitespace].has_value());
    EXPECT_FALSE(s.TokenColors[TsSearchMatch].has_value());
    EXPECT_EQ(s.TokenColors[TsHtmlTags], kWindowColour);

    // Saved after the four main lines, in style order, and read back alike.
    CColorStyle mine;
    mine.TokenColors[TsUrl] = 3;
    mine.TokenColors[TsString] = 4;
    EXPECT_EQ(formatColorStyle(mine), "FontColor=0\r\nBackColor=16777215\r\nSelFontColor=16777215"
                                      "\r\nSelBackColor=0\r\nString=4\r\nUrl=3\r\n");
    saveColorStyle(dir.file("mine"), mine);
    const CColorStyle back = CFontCOlors(dir.path()).Schemes.at(0);
    EXPECT_EQ(back.TokenColors, mine.TokenColors);

    // Every shipped scheme names a colour for every token class.
    for (const CColorStyle& shipped :
         CFontCOlors(std::string(ZUK_SOURCE_DIR) + "/data/Engine/CStyles").Schemes)
        for (size_t pos = 0; pos < kTextStyleCount; ++pos)
            EXPECT_EQ(shipped.TokenColors[pos].has_value(), isTokenStyle(pos))
                << shipped.Name << " " << pos;
}

TEST(HighlightFiles, AFileThatCannotBeReplacedIsReportedFromItsRow)
{
    zuk::testing::TempFolder dir;
    dir.write("syntax.ini/inner", "x"); // a folder with something in it stands in the way
    try {
        rewriteIniFile(dir.file("syntax.ini"),
                       [](zuk::io::IniFile& ini) { ini.writeString("Lua", "Ext", "lua"); });
        ADD_FAILURE() << "no failure reported";
    } catch (const zuk::IoError& e) {
        EXPECT_EQ(e.text().key, "sCannotWriteHighlightFile");
        EXPECT_NE(std::string(e.what()).find(dir.file("syntax.ini")), std::string::npos);
    }
    EXPECT_EQ(dir.read("syntax.ini/inner"), "x");
    EXPECT_FALSE(std::filesystem::exists(dir.file("syntax.ini.new")));
}

TEST(FileTypes, LookupsAndTheTableOnDisk)
{
    zuk::testing::TempFolder dir;
    dir.write("filelinx",
              "[htm]\r\nViewer=/usr/bin/firefox\r\nColor=255\r\n[tm]\r\nEditor=vi\r\n[txt]\r\n");
    CPelagos types(dir.file("filelinx"));
    ASSERT_TRUE(types.Handlers);
    ASSERT_NE(types.FindFileType(".HTM"), nullptr);
    EXPECT_EQ(types.FindFileType(".HTM")->Ext, "htm");
    EXPECT_EQ(types.FindFileType(".HTM")->Color, 255);
    ASSERT_NE(types.FindFileType("htm"), nullptr);
    EXPECT_EQ(types.FindFileType("htm")->Ext, "tm");
    EXPECT_EQ(types.FindFileType(".txt")->Color, 16777215);
    EXPECT_EQ(types.FindFileType(".doc"), nullptr);
    EXPECT_EQ(types.FindFileType(""), nullptr);
    EXPECT_EQ(types.IndexOfFileType("tm"), 1);
    EXPECT_EQ(types.IndexOfFileType("TM"), -1);

    types.addFileType({"PNG", "feh", "gimp", 65280});
    types.changeFileType(3, {"JPG", "feh", "gimp", 1});
    EXPECT_NE(types.FindFileType(".jpg"), nullptr);
    types.DeleteFileType("tm");
    std::vector<std::string> list{"x"};
    types.ListFileTypes(list);
    EXPECT_EQ(list, (std::vector<std::string>{"htm", "txt", "jpg"}));

    types.save();
    CPelagos again(dir.file("filelinx"));
    ASSERT_TRUE(again.Handlers);
    ASSERT_EQ(again.Handlers->size(), 3u);
    EXPECT_EQ((*again.Handlers)[0].Viewer, "/usr/bin/firefox");
    EXPECT_EQ((*again.Handlers)[2].Editor, "gimp");
    EXPECT_EQ((*again.Handlers)[2].Color, 1);

    // Without the file the table is absent and nothing is written, unless a
    // type is added.
    CPelagos none(dir.file("nothing"));
    EXPECT_FALSE(none.Handlers);
    EXPECT_EQ(none.FindFileType(".htm"), nullptr);
    none.save();
    EXPECT_FALSE(std::filesystem::exists(dir.file("nothing")));
    std::filesystem::create_directory(dir.file("dir"));
    CPelagos unreadable(dir.file("dir"));
    EXPECT_FALSE(unreadable.Handlers);
    unreadable.save();
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("dir")));

    none.addFileType({"Txt", "", "", 0});
    none.save();
    EXPECT_EQ(CPelagos(dir.file("nothing")).Handlers->at(0).Ext, "txt");
}

TEST(FileTypes, ColourPresets)
{
    zuk::testing::TempFolder dir;
    dir.write("Colors/dark", "[Color]\r\nDirs=1\r\nback=3\r\n");
    const FileBoxColors c = loadFileBoxColors(dir.file("Colors/dark"));
    EXPECT_EQ(c.Dirs, 1);
    EXPECT_EQ(c.Files, 0);
    EXPECT_EQ(c.back, 3);
    saveFileBoxColors(dir.file("Colors/light"), {5, 6, 7});
    const FileBoxColors l = loadFileBoxColors(dir.file("Colors/light"));
    EXPECT_EQ(l.Dirs, 5);
    EXPECT_EQ(l.Files, 6);
    EXPECT_EQ(l.back, 7);
    EXPECT_EQ(loadFileBoxColors(dir.file("none")).Dirs, 16711680);
    EXPECT_EQ(listFileBoxColorPresets(dir.file("Colors")),
              (std::vector<std::string>{"dark", "light"}));
}
