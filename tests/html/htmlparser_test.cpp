// The tag scanner and what rests on it: optional tag removal, link analysis
// and the document weight.

#include "html/cleanup.h"
#include "html/htmlparser.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zuk::html;

namespace {

std::vector<std::string> names(std::string_view text)
{
    std::vector<std::string> out;
    THtmlParser parser(text);
    while (parser.NextTag())
        out.emplace_back(parser.Tag()->TagName);
    return out;
}

using Names = std::vector<std::string>;

} // namespace

TEST(TagScanner, FindsTagsByTheirStartAndQuotedEnd)
{
    struct Case {
        std::string text;
        Names tags;
    };
    const Case cases[] = {
        {"a < b and c > d", {}},
        {"<b><i>x</i></b>", {"b", "i", "/i", "/b"}},
        {"<a title=\"x>y\" href='a>b'>t</a>", {"a", "/a"}},
        {"<!-- <b> is not a tag here --><p>", {"!--", "p"}},
        {"<!---->x<!-->y", {"!--", "!--"}},
        {"<!DOCTYPE html><?xml v?>", {"!DOCTYPE", "?xml"}},
        {"<br/><img\r\nsrc=x>", {"br", "img"}},
        {"<a\thref=x>", {"a"}},
        {"3<4 <5 <", {}},
        // A quote that never closes does not swallow the text after it.
        {"<a title=\"open>text<b>", {"a", "b"}},
        {"<!-- never closed > <p>", {"!--", "p"}},
        // An apostrophe inside a bare value is no quote.
        {"<a title=don't>x</a>", {"a", "/a"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(names(c.text), c.tags) << c.text;
}

TEST(TagScanner, TagPositionsAndTheTextBetween)
{
    THtmlParser parser("ab<x y=\"1\">cd<z>");
    ASSERT_TRUE(parser.NextTag());
    EXPECT_EQ(parser.TagStart(), 2u);
    EXPECT_EQ(parser.TagLength(), 9u);
    EXPECT_EQ(parser.TextBeforeTag(), "ab");
    EXPECT_EQ(parser.Tag()->Content, "x y=\"1\"");
    ASSERT_TRUE(parser.NextTag());
    EXPECT_EQ(parser.TextBeforeTag(), "cd");
    EXPECT_FALSE(parser.NextTag());
    EXPECT_EQ(parser.Tag(), nullptr);
}

TEST(TagScanner, AttributesWithBlanksQuotesAndLineBreaks)
{
    THtmlParser parser("<A class=nav\r\n  HREF = 'page.htm' target=\"_blank\" defer x=\"a b\">");
    ASSERT_TRUE(parser.NextTag());
    const std::vector<TagAttribute> a = parser.Tag()->Attributes();
    ASSERT_EQ(a.size(), 5u);
    EXPECT_EQ(a[0].value, "nav");
    EXPECT_EQ(findAttribute(a, "href")->value, "page.htm");
    EXPECT_EQ(a[2].value, "_blank");
    EXPECT_FALSE(a[3].hasValue);
    EXPECT_EQ(a[4].value, "a b");
    EXPECT_EQ(parser.Tag()->UpperName(), "A");
}

TEST(TagKiller, RemovesListedTagsInOnePass)
{
    struct Case {
        const char* list;
        std::string text, result;
    };
    const Case cases[] = {
        {"FONT\r\n/FONT", "<font color=red>x</font>", "x"},
        {"font\n/font", "<FONT>y</Font >", "y"},
        {"FONT", "<font>x</font>", "x</font>"},
        {"B\r\n/B\r\nI\r\n/I", "<b><i>x</i></b>", "x"},
        {"  br  \r\n\r\n", "a<br>b<br/>c<BR\r\nclear=all>d", "abcd"},
        {"!--", "a<!-- <b> -->b", "ab"},
        {"", "<b>x</b>", "<b>x</b>"},
        {"\r\n\r\n", "a < b and c > d", "a < b and c > d"},
        {"P", "<p title=\"a > b\">x", "x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KillTags(c.text, parseTagList(c.list)), c.result) << c.list << " | " << c.text;
    // Cyrillic names are upper-cased in Windows-1251 too.
    EXPECT_EQ(parseTagList("\xE0\xE1\r\n"), Names{"\xC0\xC1"});
}

TEST(LinkAnalysis, TakesHrefWhereverItStands)
{
    const std::string text = "<a href=\"page.htm\">1</a> <a name=\"top\">\r\n"
                             "<A HREF='x.htm'> <a class=\"c\"\r\nhref = bare.htm>"
                             "<a title=\"href\"> <b href=no.htm> <a href=\"\">";
    EXPECT_EQ(LinkReport(text), (Names{"page.htm", "x.htm", "bare.htm", "", "4 links"}));
    EXPECT_EQ(LinkReport("no links"), Names{"0 links"});
}

TEST(DocumentWeight, CountsEachExistingSourceOnce)
{
    zuk::testing::TempFolder dir;
    dir.write("img/a.gif", std::string(10, 'a'));
    dir.write("B.png", std::string(20, 'b'));
    dir.write("page.htm", std::string(100, 'p'));
    const std::string text = "<img src=\"img/a.gif\"> <IMG SRC='img/a.gif'>"
                             "<img src=img/../B.png?x=1> <script src=\"/B.png#top\">"
                             "<img src=\"missing.gif\"> <img src=\"http://host/a.gif\">"
                             "<img alt=\"src=nothing\"> img.src=\"B.png\"";
    auto size = [](const std::string& path) -> std::optional<std::uint64_t> {
        std::error_code ec;
        const auto n = std::filesystem::file_size(path, ec);
        if (ec || !std::filesystem::is_regular_file(path))
            return std::nullopt;
        return n;
    };
    const Names report = DocumentWeight({text, dir.file("page.htm"), "page.htm"}, size);
    EXPECT_EQ(report, (Names{dir.file("B.png") + " 20", dir.file("img/a.gif") + " 10",
                             "page.htm 100", "bytes total: 130"}));

    // A document without a file: its text's bytes, and no folder for sources.
    const Names untitled = DocumentWeight({text, "", "untitled0"}, size);
    EXPECT_EQ(untitled, (Names{"untitled0 " + std::to_string(text.size()),
                               "bytes total: " + std::to_string(text.size())}));

    // Sizes add up in 64 bits.
    auto huge = [](const std::string&) -> std::optional<std::uint64_t> { return 3ull << 31; };
    const Names big = DocumentWeight({"<img src=a><img src=b>", "/d/p.htm", "p.htm"}, huge);
    EXPECT_EQ(big.back(), "bytes total: " + std::to_string(9ull << 31));
}

TEST(DocumentWeight, ResolvesSourcesAgainstTheFolder)
{
    EXPECT_EQ(resolveSource("a.gif", "/s"), "/s/a.gif");
    EXPECT_EQ(resolveSource("/img/a.gif", "/s/"), "/s/img/a.gif");
    EXPECT_EQ(resolveSource("img\\a.gif", "/s"), "/s/img/a.gif");
    EXPECT_EQ(resolveSource("../x/./a.gif", "/s/t"), "/s/x/a.gif");
    EXPECT_EQ(resolveSource("https://h/a.gif", "/s"), "");
    EXPECT_EQ(resolveSource("//h/a.gif", "/s"), "");
    EXPECT_EQ(resolveSource("data:image/gif;base64,R0", "/s"), "");
    EXPECT_EQ(resolveSource("a.gif", ""), "");
}
