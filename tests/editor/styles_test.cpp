#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/zukerror.h"
#include "editor/styledexport.h"
#include "editor/textstyles.h"

using namespace zuk::editor;

TEST(TextStyles, DefaultsFollowTheFixedTable)
{
    const auto styles = defaultTextStyles();
    ASSERT_EQ(styles.size(), 15u);
    EXPECT_EQ(styles.front().name, "Whitespace");
    EXPECT_EQ(styles.back().name, "Error line");
    const TextStyle* rw = findStyle(styles, TokenClass::ReservedWords);
    ASSERT_TRUE(rw);
    EXPECT_TRUE(rw->bold);
    EXPECT_EQ(rw->fore, 0xFF0000);
    const TextStyle* bp = findStyle(styles, TokenClass::BreakPoint);
    ASSERT_TRUE(bp);
    EXPECT_FALSE(bp->useControlBack);
    EXPECT_EQ(bp->back, 0x0000FF);
    EXPECT_TRUE(findStyle(styles, TokenClass::Comment)->italic);
    EXPECT_TRUE(findStyle(styles, TokenClass::Url)->underline);
    EXPECT_EQ(findStyle(styles, TokenClass::SearchMatch), nullptr);
}

TEST(TextStyles, LexerDescriptionsMapOntoTokenClasses)
{
    struct Case {
        const char* description;
        TokenClass token;
    };
    const Case cases[] = {
        {"Default", TokenClass::Whitespace},
        {"C comment", TokenClass::Comment},
        {"JavaDoc style C++ comment", TokenClass::Comment},
        {"Double-quoted string", TokenClass::String},
        {"Single-quoted string", TokenClass::String},
        {"Number", TokenClass::Integer},
        {"Hex number", TokenClass::Integer},
        {"Keyword", TokenClass::ReservedWords},
        {"Operator", TokenClass::Delimeters},
        {"Identifier", TokenClass::Identifier},
        {"Pre-processor block", TokenClass::Defines},
        {"Inline asm", TokenClass::Assembler},
        {"Tag", TokenClass::HtmlTags},
        {"Unknown attribute", TokenClass::HtmlParams},
        {"Scalar", TokenClass::Identifier},
    };
    for (const Case& c : cases)
        EXPECT_EQ(classifyStyleDescription(c.description), c.token) << c.description;
}

namespace {
StyledText sample()
{
    StyledText t;
    t.utf8 = "if <a> & \xD0\xAF\r\n{\\}\t\xE4\xB8\xAD";
    t.styles.assign(t.utf8.size(), 0);
    for (int i = 0; i < 2; ++i)
        t.styles[i] = 1;
    t.look[1].fore = 0x0000FF;
    t.look[1].bold = true;
    t.title = "x<y";
    return t;
}
} // namespace

TEST(StyledExport, HtmlEscapesTextAndColoursRuns)
{
    const std::string html = exportHtml(sample());
    EXPECT_NE(html.find("<span style=\"color:#ff0000;font-weight:bold\">if</span>"),
              std::string::npos);
    EXPECT_NE(html.find(" &lt;a&gt; &amp; \xD0\xAF\r\n{\\}\t\xE4\xB8\xAD</pre>"),
              std::string::npos);
    EXPECT_NE(html.find("<title>x&lt;y</title>"), std::string::npos);
    EXPECT_EQ(html.find("<span", html.find("</span>")),
              std::string::npos); // default runs unwrapped
}

TEST(StyledExport, RtfWritesCodePageBytesAndUnicodeEscapes)
{
    const std::string rtf = exportRtf(sample());
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1251", 0), 0u);
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0;"), std::string::npos);
    EXPECT_NE(rtf.find("\\b if}"), std::string::npos);
    EXPECT_NE(rtf.find("\\'df\\par\n\\{\\\\\\}\\tab \\u20013?"), std::string::npos);
    // Braces balance, so a reader never runs off the end of a group.
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        if (rtf[i] == '{')
            ++depth;
        if (rtf[i] == '}')
            --depth;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST(StyledExport, WritingToAMissingFolderReportsTheReason)
{
    EXPECT_THROW(writeFileBytes("/nonexistent-dir/x.html", "x"), zuk::IoError);
}
