// The command shapes on a document without a window.

#include "editor/commandshapes.h"

#include "base/zukerror.h"
#include "support/fakeved.h"

#include <gtest/gtest.h>

#include <algorithm>

using zuk::editor::LineList;
using zuk::test::FakeVed;
namespace ed = zuk::editor;

TEST(CommandShapes, DoNothingWithoutADocument)
{
    FakeVed ved;
    ved.open = false;
    int calls = 0;
    EXPECT_FALSE(ed::transformWorkText(ved, [&calls](const std::string& t) {
        ++calls;
        return t + "x";
    }));
    EXPECT_FALSE(ed::transformSelectedLines(ved, [&calls](const LineList& l) {
        ++calls;
        return l;
    }));
    EXPECT_FALSE(ed::insertAtCaret(ved, "x"));
    EXPECT_FALSE(ed::insertLinesAtCaret(ved, {"x"}));
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(ved.undoSteps(), 0);
}

TEST(CommandShapes, ATransformWritesOnlyAChangeAsOneStepAndAFailureLeavesTheText)
{
    FakeVed ved;
    ved.text = "one\r\ntwo";
    EXPECT_FALSE(ed::transformWorkText(ved, [](const std::string& t) { return t; }));
    EXPECT_FALSE(ved.modified);
    EXPECT_THROW(ed::transformWorkText(
                     ved, [](const std::string&) -> std::string { throw zuk::FormatError("bad"); }),
                 zuk::FormatError);
    EXPECT_EQ(ved.text, "one\r\ntwo");

    // The whole text without a selection, the selection with one.
    EXPECT_TRUE(ed::transformWorkText(ved, [](const std::string& t) {
        EXPECT_EQ(t, "one\r\ntwo\r\n");
        return std::string("a\r\nb\r\n");
    }));
    EXPECT_EQ(ved.text, "a\r\nb");
    ved.selectText("b");
    EXPECT_TRUE(ed::transformWorkText(ved, [](const std::string& t) { return t + t; }));
    EXPECT_EQ(ved.text, "a\r\nbb");
    EXPECT_EQ(ved.undoSteps(), 2);
}

TEST(CommandShapes, ALineTransformReplacesTheSelectedLinesInOneStep)
{
    FakeVed ved;
    ved.text = "c\r\nb\r\na";
    EXPECT_FALSE(ed::transformSelectedLines(ved, [](LineList l) { return l; }));
    ved.SelectAll();
    EXPECT_TRUE(ed::transformSelectedLines(ved, [](LineList l) {
        std::sort(l.begin(), l.end());
        return l;
    }));
    EXPECT_EQ(ved.text, "a\r\nb\r\nc");
    EXPECT_EQ(ved.undoSteps(), 1);
    ved.Undo();
    EXPECT_EQ(ved.text, "c\r\nb\r\na");
}

TEST(CommandShapes, AnInsertionKeepsTheSelectionOnTheSameText)
{
    FakeVed ved;
    ved.text = "hello world";
    // Caret after the selection: the text goes in behind it, the selection stays.
    ved.select(0, 5);
    EXPECT_TRUE(ed::insertAtCaret(ved, "!"));
    EXPECT_EQ(ved.text, "hello! world");
    EXPECT_EQ(ved.GetSelText(), "hello");
    // Caret before the selection: the selection moves with its text.
    ved.select(12, 7);
    EXPECT_TRUE(ed::insertAtCaret(ved, ">>"));
    EXPECT_EQ(ved.text, "hello! >>world");
    EXPECT_EQ(ved.GetSelText(), "world");
    EXPECT_EQ(ved.GetCaretPos(), 9);
    EXPECT_TRUE(ed::insertLinesAtCaret(ved, {"x", ""}));
    EXPECT_EQ(ved.text, "hello! >>x\r\nworld");
    EXPECT_EQ(ved.undoSteps(), 3);
}

TEST(CommandShapes, TextFromTheInterfaceGoesThroughTheWorkingCodePage)
{
    FakeVed ved;
    EXPECT_EQ(ed::documentBytes(ved, "Ж"), "\xC6");
    ved.charset = "koi";
    EXPECT_EQ(ed::documentBytes(ved, "Ж"), "\xF6");
    EXPECT_EQ(ed::documentUtf8(ved, "\xF6"), "Ж");
    ved.charset = "dos";
    EXPECT_EQ(ed::documentBytes(ved, "Ж"), "\x86");
    ved.charset = "nonsense";
    EXPECT_EQ(ed::documentBytes(ved, "Ж"), "\xC6");
}
