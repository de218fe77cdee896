#include "tools/snippets.h"

#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zuk::tools;
using zuk::testing::TempFolder;

namespace {

using Kind = SnippetInsertion::Kind;

// Stands for the macro expansion: @date becomes a date.
std::string fakeExpand(std::string_view text)
{
    std::string out(text);
    for (std::size_t at = out.find("@date"); at != std::string::npos; at = out.find("@date"))
        out.replace(at, 5, "01.02.2003");
    return out;
}

TEST(Snippets, MarkerTakesTheSelectionAfterExpansion)
{
    const std::string marker = selectionMarker("@");
    EXPECT_EQ(marker, "@@@");
    const SnippetInsertion bold =
        prepareSnippet({"<b>@@@</b> @date"}, marker, std::string("user@date.ru"), fakeExpand);
    EXPECT_EQ(bold.kind, Kind::ReplaceSelection);
    EXPECT_EQ(bold.text, "<b>user@date.ru</b> 01.02.2003");

    const SnippetInsertion empty =
        prepareSnippet({"  <b>@@@</b>  "}, marker, std::nullopt, fakeExpand);
    EXPECT_EQ(empty.kind, Kind::InsertText);
    EXPECT_EQ(empty.text, "<b></b>");

    const SnippetInsertion lines =
        prepareSnippet({"@@@", "@date  "}, marker, std::nullopt, fakeExpand);
    EXPECT_EQ(lines.kind, Kind::InsertLines);
    EXPECT_EQ(lines.lines, (std::vector<std::string>{"", "01.02.2003  "}));
}

TEST(Snippets, WithoutMarkerNoExpansionAndOneLineIsTrimmed)
{
    const SnippetInsertion one =
        prepareSnippet({" \t@date  "}, "@@@", std::string("sel"), fakeExpand);
    EXPECT_EQ(one.kind, Kind::InsertText);
    EXPECT_EQ(one.text, "@date");
    const SnippetInsertion two = prepareSnippet({" a ", " b "}, "@@@", std::nullopt, fakeExpand);
    EXPECT_EQ(two.kind, Kind::InsertLines);
    EXPECT_EQ(two.lines, (std::vector<std::string>{" a ", " b "}));
    EXPECT_EQ(prepareSnippet({}, "@@@", std::nullopt, fakeExpand).text, "");
}

std::vector<std::string> names(const std::vector<SnippetEntry>& entries)
{
    std::vector<std::string> out;
    for (const SnippetEntry& e : entries)
        out.push_back(e.name);
    return out;
}

TEST(Snippets, TreeHasFoldersFirstSortedAndSkipsLinkedFoldersAndDepth)
{
    TempFolder dir;
    namespace fs = std::filesystem;
    dir.write("b file", "x");
    dir.write("A file", "x");
    dir.write("Zeta/inner", "x");
    dir.write("alpha/deep/deeper/deepest/leaf", "x");
    fs::create_directory(dir.file("empty"));
    // A link back up the tree, a link to a file and a link to nowhere.
    fs::create_directory_symlink(dir.path(), dir.file("Zeta/loop"));
    fs::create_symlink(dir.file("A file"), dir.file("linked file"));
    fs::create_symlink(dir.file("nowhere"), dir.file("dangling"));

    const std::vector<SnippetEntry> tree = walkSnippetFolder(dir.path(), 3);
    EXPECT_EQ(names(tree), (std::vector<std::string>{"alpha", "empty", "Zeta", "A file", "b file",
                                                     "linked file"}));
    EXPECT_TRUE(tree[0].folder);
    EXPECT_EQ(names(tree[2].children), std::vector<std::string>{"inner"});
    EXPECT_EQ(tree[2].children[0].path, dir.file("Zeta/inner"));
    // Depth 3: alpha, deep, deeper are read; deeper's folder is listed but not entered.
    const SnippetEntry& deeper = tree[0].children[0].children[0];
    EXPECT_EQ(deeper.name, "deeper");
    ASSERT_EQ(deeper.children.size(), 0u);
    EXPECT_TRUE(walkSnippetFolder(dir.file("missing")).empty());
    EXPECT_EQ(walkSnippetFolder(dir.path(), 8, 2).size(), 2u);
}

} // namespace
