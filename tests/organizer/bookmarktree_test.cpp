// The bookmark node record and the tree file: the fixed layout of a node, a
// nested tree written and read back, and files that are refused.

#include "base/zukerror.h"
#include "organizer/bookmarktree.h"

#include <gtest/gtest.h>

using namespace zuk::organizer;

namespace {

std::uint32_t u32At(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + i])) << (8 * i);
    return v;
}

std::string refusal(std::string_view bytes)
{
    try {
        readBookmarkTree(bytes);
        return "read";
    } catch (const zuk::FormatError& e) {
        return std::string(e.text().key);
    }
}

BookmarkNode node(const std::string& caption, std::int32_t line,
                  std::vector<BookmarkNode> children = {})
{
    return {{caption, "/home/u/" + caption + ".txt", line, line}, std::move(children)};
}

} // namespace

TEST(BookmarkTree, NodeRecordHasTheFixedLayout)
{
    const std::string record = encodeBookmark({"Глава 1", "/tmp/a b.txt", 120, -3});
    ASSERT_EQ(record.size(), kNodeRecordSize);
    EXPECT_EQ(static_cast<unsigned char>(record[0]), std::string("Глава 1").size());
    EXPECT_EQ(record.substr(1, 12), "Глава 1");
    EXPECT_EQ(static_cast<unsigned char>(record[256]), 12);
    EXPECT_EQ(record.substr(257, 12), "/tmp/a b.txt");
    EXPECT_EQ(u32At(record, 512), 120u);
    EXPECT_EQ(static_cast<std::int32_t>(u32At(record, 516)), -3);
    const RBookmark back = decodeBookmark(record, 0);
    EXPECT_EQ(back.Caption, "Глава 1");
    EXPECT_EQ(back.Line2, -3);
}

TEST(BookmarkTree, LongTextsAreRefusedOrCutAtACharacter)
{
    // A path is never cut: a cut path names another file.
    const std::string longPath = "/" + std::string(255, 'p');
    try {
        encodeBookmark({"c", longPath, 0, 0});
        FAIL() << "a 256-byte path was taken";
    } catch (const zuk::FormatError& e) {
        EXPECT_EQ(e.text().key, "sPathTooLong");
    }
    EXPECT_NO_THROW(encodeBookmark({"c", longPath.substr(1), 0, 0}));
    // A caption is a label: it is cut, but never inside a character.
    std::string caption;
    for (int i = 0; i < 200; ++i)
        caption += "Ж"; // two bytes each
    const std::string cut = fitCaption("x" + caption);
    EXPECT_EQ(cut.size(), 255u);
    EXPECT_EQ(cut.substr(1), caption.substr(0, 254));
    EXPECT_EQ(decodeBookmark(encodeBookmark({"x" + caption, "/p", 0, 0}), 0).Caption, cut);
}

TEST(BookmarkTree, NestedTreeIsWrittenDepthFirstAndReadBack)
{
    const std::vector<BookmarkNode> tree{
        node("a", 1, {node("a1", 2, {node("a1x", 3)}), node("a2", 4)}),
        node("b", 5),
        node("c", 6, {node("c1", 7)}),
    };
    const std::string file = writeBookmarkTree(tree);
    ASSERT_EQ(file.size(), 12 + 7 * (4 + kNodeRecordSize));
    EXPECT_EQ(file.substr(0, 4), "ZBMX");
    EXPECT_EQ(u32At(file, 8), 7u);
    // Levels in file order (a a1 a1x a2 b c c1): each node before its children.
    std::vector<std::uint32_t> levels;
    for (std::size_t at = 12; at < file.size(); at += 4 + kNodeRecordSize)
        levels.push_back(u32At(file, at));
    EXPECT_EQ(levels, (std::vector<std::uint32_t>{0, 1, 2, 1, 0, 0, 1}));

    const std::vector<BookmarkNode> back = readBookmarkTree(file);
    ASSERT_EQ(back.size(), 3u);
    ASSERT_EQ(back[0].children.size(), 2u);
    EXPECT_EQ(back[0].children[0].children[0].data.Caption, "a1x");
    EXPECT_EQ(back[0].children[1].data.Line, 4);
    EXPECT_EQ(back[2].children[0].data.FilePath, "/home/u/c1.txt");
    EXPECT_EQ(writeBookmarkTree(back), file);
    EXPECT_EQ(readBookmarkTree(writeBookmarkTree({})).size(), 0u);
}

TEST(BookmarkTree, DamagedFilesAreRefused)
{
    const std::string good = writeBookmarkTree({node("a", 1, {node("b", 2)}), node("c", 3)});
    EXPECT_EQ(refusal(""), "sBmxNotATree");
    EXPECT_EQ(refusal("ZBMX"), "sBmxNotATree");
    EXPECT_EQ(refusal("XBMX" + good.substr(4)), "sBmxNotATree");
    std::string version = good;
    version[4] = 2;
    EXPECT_EQ(refusal(version), "sBmxNotATree");
    EXPECT_EQ(refusal(good.substr(0, good.size() - 1)), "sBmxDamaged");
    EXPECT_EQ(refusal(good + "x"), "sBmxDamaged");
    std::string count = good;
    count[8] = 5;
    EXPECT_EQ(refusal(count), "sBmxDamaged");
    // A child of a node that is not there: level 1 first, or a jump by two.
    std::string orphan = good;
    orphan[12] = 1;
    EXPECT_EQ(refusal(orphan), "sBmxDamaged");
    std::string jump = good;
    jump[12 + 4 + kNodeRecordSize] = 2;
    EXPECT_EQ(refusal(jump), "sBmxDamaged");
    // A length byte can claim at most its whole field; the padding is read then.
    std::string path = good;
    path[12 + 4 + 256] = static_cast<char>(0xFF);
    EXPECT_EQ(refusal(path), "read");
    EXPECT_EQ(readBookmarkTree(path)[0].data.FilePath.size(), 255u);
}

TEST(BookmarkTree, NestingIsLimited)
{
    BookmarkNode deepest = node("leaf", 0);
    for (int i = 1; i < kMaxBookmarkDepth; ++i)
        deepest = node("n", i, {deepest});
    const std::string file = writeBookmarkTree({deepest});
    EXPECT_EQ(readBookmarkTree(file).size(), 1u);
    const BookmarkNode tooDeep = node("top", 0, {deepest});
    try {
        writeBookmarkTree({tooDeep});
        FAIL() << "a tree deeper than the limit was written";
    } catch (const zuk::FormatError& e) {
        EXPECT_EQ(e.text().key, "sBmxTooDeep");
    }
}
