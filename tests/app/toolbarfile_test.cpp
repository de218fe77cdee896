// User toolbar files: their lines, the names they may have, and the folder
// operations behind loading, saving and renaming.

#include "app/toolbarfile.h"
#include "base/zukerror.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace zuk::app;
using zuk::testing::TempFolder;

namespace {

const std::set<std::string_view> kItems{"mniFileNew", "mniOpen", "mniSave", "mniExit"};
bool isItem(std::string_view name)
{
    return kItems.count(name) > 0;
}

} // namespace

TEST(ToolbarFile, ButtonsComeBackInTheirOrderAndOnlyNamedItemsAreButtons)
{
    const ToolbarLayout layout = parseToolbar(
        {"caption=Файл", "top=12", "left=x", "dock=ControlBarL", "Visible=1", "ShowCaptions=0",
         "mniSave", "mniNoSuchItem", "mniOpen", "", "mniFileNew", "mniExit=1"},
        isItem);
    EXPECT_EQ(layout.caption, "Файл");
    EXPECT_EQ(layout.top, 12);
    EXPECT_EQ(layout.left, 0); // not a number
    EXPECT_EQ(layout.dock, "ControlBarL");
    EXPECT_TRUE(layout.visible);
    EXPECT_FALSE(layout.showCaptions);
    EXPECT_EQ(layout.buttons, (std::vector<std::string>{"mniFileNew", "mniOpen", "mniSave"}));

    // Written and read again, the toolbar is the same.
    const ToolbarLayout again = parseToolbar(formatToolbar(layout), isItem);
    EXPECT_EQ(again.buttons, layout.buttons);
    EXPECT_EQ(again.dock, layout.dock);
    EXPECT_EQ(formatToolbar(again), formatToolbar(layout));
    EXPECT_EQ(formatToolbar(layout).back(), "mniFileNew"); // written from the last button

    // A file without a dock line floats.
    EXPECT_EQ(parseToolbar({"caption=a"}, isItem).dock, std::string(kFloatingDock));
}

TEST(ToolbarFile, NamesMustBeFileNamesAndUniqueWithoutRegardToCase)
{
    const std::vector<std::string> others{"Main", "\xD4\xE0\xE9\xEB"}; // "Файл"
    EXPECT_EQ(checkToolbarName("Tools", others), ToolbarNameCheck::ok);
    EXPECT_EQ(checkToolbarName("", others), ToolbarNameCheck::empty);
    EXPECT_EQ(checkToolbarName("main", others), ToolbarNameCheck::taken);
    EXPECT_EQ(checkToolbarName("\xF4\xE0\xE9\xEB", others), ToolbarNameCheck::taken); // "файл"
    for (const char* bad : {"a/b", "..", "a..b", "a\\b", "tab\there", "."})
        EXPECT_EQ(checkToolbarName(bad, others), ToolbarNameCheck::notAFileName) << bad;
}

TEST(ToolbarFolder, LoadsOnlyToolbarFilesAndKeepsEmptiedToolbars)
{
    TempFolder dir;
    dir.write("Main.txt", "caption=Main\r\nmniOpen\r\n");
    dir.write("Main.txt~", "caption=Backup\r\nmniOpen\r\n"); // an editor's backup
    dir.write("main.txt", "caption=main\r\nmniSave\r\n");    // same name, other case
    dir.write("Bare.txt", "mniExit\r\n");
    ToolbarFolder folder(dir.path());
    std::vector<ToolbarLayout> loaded = folder.loadAll(isItem);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].caption, "Bare"); // no caption line: the file's name
    EXPECT_EQ(loaded[1].caption, "Main");

    // Emptied of buttons, it is written as such and comes back empty.
    loaded[1].buttons.clear();
    folder.save(loaded[1]);
    const auto after = folder.loadAll(isItem);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_TRUE(after[1].buttons.empty());
}

TEST(ToolbarFolder, RenameWritesTheNewFileBeforeTheOldOneGoes)
{
    TempFolder dir;
    ToolbarFolder folder(dir.path());
    ToolbarLayout bar;
    bar.caption = "Old";
    bar.buttons = {"mniOpen"};
    folder.save(bar);
    bar.caption = "New";
    EXPECT_TRUE(folder.rename("Old", bar));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Old.txt")));
    EXPECT_NE(dir.read("New.txt").find("caption=New"), std::string::npos);

    // An old file that cannot be removed stays, and the new one is there.
    std::filesystem::create_directories(dir.file("Stuck.txt/inside"));
    bar.caption = "Free";
    EXPECT_FALSE(folder.rename("Stuck", bar));
    EXPECT_TRUE(std::filesystem::exists(dir.file("Free.txt")));

    // A new file that cannot be written leaves the old one as it was.
    std::filesystem::create_directories(dir.file("Blocked.txt/inside"));
    bar.caption = "Blocked";
    EXPECT_THROW(folder.rename("New", bar), zuk::IoError);
    EXPECT_TRUE(std::filesystem::exists(dir.file("New.txt")));
}
