#include "textfunc/textlines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zuk::textfunc::joinLinesCrLf;
using zuk::textfunc::splitLines;

namespace {

struct SplitRow {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

const SplitRow kSplitRows[] = {
    {"empty text has no lines", "", {}},
    {"one line without break", "abc", {"abc"}},
    {"final CR LF adds no line", "a\r\nb\r\n", {"a", "b"}},
    {"final LF adds no line", "a\nb\n", {"a", "b"}},
    {"final CR adds no line", "a\rb\r", {"a", "b"}},
    {"lone break is one empty line", "\r\n", {""}},
    {"mixed breaks", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
    {"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
    {"CR CR LF is two breaks", "a\r\r\nb", {"a", "", "b"}},
    {"empty lines inside stay", "\n\na\n\n", {"", "", "a", ""}},
    {"zero bytes are ordinary", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
};

TEST(TextLines, SplitByTable)
{
    for (const SplitRow& row : kSplitRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(splitLines(row.text), row.lines);
    }
}

TEST(TextLines, JoinWritesCrLfAfterEveryLine)
{
    EXPECT_EQ(joinLinesCrLf({}), "");
    EXPECT_EQ(joinLinesCrLf({""}), "\r\n");
    EXPECT_EQ(joinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
    // Splitting what was joined gives the lines back.
    const std::vector<std::string> lines = {"x", "", "y z", ""};
    EXPECT_EQ(splitLines(joinLinesCrLf(lines)), lines);
}

} // namespace
