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

// Shift+Down from the start of a line selects whole lines and ends at column 0
// of the next one: the command takes the lines before that column, and the
// line break after them stays, so the next line is not glued on.
TEST(CommandShapes, ASelectionEndingAtColumnZeroCoversTheWholeLinesBeforeIt)
{
    const auto sorted = [](LineList l) {
        std::sort(l.begin(), l.end());
        return l;
    };
    const auto numbered = [](LineList l) {
        for (std::size_t i = 0; i < l.size(); ++i)
            l[i] = std::to_string(i + 1) + " " + l[i];
        return l;
    };
    const auto reversed = [](LineList l) { return LineList(l.rbegin(), l.rend()); };
    const auto none = [](const LineList&) { return LineList{}; };
    const struct {
        const char* name;
        ed::LinesFunction fn;
        const char* selected; // from the start of the text, ending at column 0
        const char* expected;
    } rows[] = {
        {"sort", sorted, "c\r\nb\r\na\r\n", "a\r\nb\r\nc\r\nnext"},
        {"number", numbered, "c\r\nb\r\n", "1 c\r\n2 b\r\na\r\nnext"},
        {"reverse", reversed, "c\r\nb\r\na\r\n", "a\r\nb\r\nc\r\nnext"},
        {"one whole line", numbered, "c\r\n", "1 c\r\nb\r\na\r\nnext"},
        {"lines removed with their break", none, "c\r\nb\r\n", "a\r\nnext"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        FakeVed ved;
        ved.text = "c\r\nb\r\na\r\nnext";
        ved.select(0, static_cast<long>(std::string(r.selected).size()));
        EXPECT_TRUE(ed::transformSelectedLines(ved, r.fn));
        EXPECT_EQ(ved.text, r.expected);
        EXPECT_EQ(ved.undoSteps(), 1);
    }
    // The same from the end backwards (anchor below, caret at the top).
    FakeVed ved;
    ved.text = "\r\nb\r\na\r\nnext";
    ved.select(8, 0);
    EXPECT_TRUE(ed::transformSelectedLines(ved, sorted));
    EXPECT_EQ(ved.text, "\r\na\r\nb\r\nnext");
    // An empty line selected whole is one empty line.
    ved.text = "\r\nx";
    ved.select(0, 2);
    EXPECT_TRUE(ed::transformSelectedLines(ved, numbered));
    EXPECT_EQ(ved.text, "1 \r\nx");
    // A selection that ends inside a line still takes that line.
    ved.text = "b\r\na\r\nnext";
    ved.select(0, 4);
    EXPECT_TRUE(ed::transformSelectedLines(ved, sorted));
    EXPECT_EQ(ved.text, "a\r\nb\r\nnext");
}

TEST(CommandShapes, WhatADocumentCanHoldExactly)
{
    const struct {
        std::string bytes;
        bool asSelection;
        bool asWholeText;
    } rows[] = {
        {"plain", true, true},
        {"", true, true},
        {"a\r\nb", true, true},
        {"a\r\n", true, false}, // the whole text's own final break would swallow it
        {"\r\n\r\nx", true, true},
        {"a\nb", false, false},
        {"a\rb", false, false},
        {"a\r", false, false},
        {"\n", false, false},
        {"a\n\r", false, false},
        {std::string("a\0b", 3), false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.bytes);
        EXPECT_EQ(ed::documentHolds(r.bytes, false), r.asSelection);
        EXPECT_EQ(ed::documentHolds(r.bytes, true), r.asWholeText);
    }
}
