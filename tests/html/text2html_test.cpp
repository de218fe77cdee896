// Text to HTML: the page's frame, the escapes (the copyright sign by the
// working code page), line breaks, spaces and paragraphs, and the body's
// attributes escaped.

#include "html/text2html.h"

#include <gtest/gtest.h>

using namespace zuk::html;
using zuk::codepages::CodePage;

namespace {

const std::string Head = "<html>\r\n<head>\r\n<title>Untitled</title>\r\n</head>\r\n";
const std::string Tail = "\r\n</body></html>";

// The part of a page between the empty line after the body tag and the end.
std::string bodyText(const std::string& page)
{
    const std::size_t start = page.find(">\r\n\r\n", page.find("<body")) + 5;
    return page.substr(start, page.size() - Tail.size() - start);
}

} // namespace

TEST(Text2Html, EveryOptionOffGivesThePlainFrame)
{
    const std::string page = Text2HTML("one\r\ntwo\r\n", RText2HTMLParams());
    EXPECT_EQ(page, Head + "<body>\r\n\r\none\r\ntwo\r\n" + Tail);
}

TEST(Text2Html, EscapesAmpersandFirstAndCopyrightByCodePage)
{
    // «a<b & "c" ©»: the ampersands made by later entities are not escaped again.
    const std::string winText = "a<b & \"c\" \xA9 d>e";
    EXPECT_EQ(bodyText(Text2HTML(winText, {})), "a&lt;b &amp; &quot;c&quot; &copy; d&gt;e");
    // KOI8-R has © at 0xBF; there 0xA9 is a box-drawing character.
    EXPECT_EQ(bodyText(Text2HTML("\xBF \xA9", {}, CodePage::Koi)), "&copy; \xA9");
    // CP866 has no ©, and 0xA9 is the letter й.
    EXPECT_EQ(bodyText(Text2HTML("\xA9\xBF", {}, CodePage::Dos)), "\xA9\xBF");
}

TEST(Text2Html, BreaksSpacesAndParagraphs)
{
    struct Case {
        const char* name;
        bool br, spaces, para;
        std::string text, body;
    };
    const Case cases[] = {
        {"br and 3 spaces", true, true, false, "a\r\nb", "a<br>&nbsp&nbsp&nbspb"},
        {"only spaces run the text on", false, true, false, "a\r\nb", "a&nbsp&nbsp&nbspb"},
        {"paragraphs at <br>, spaces lead the next", true, true, true, "a\r\nb\r\n",
         "<p class=\"mypara\">a</p>\r\n<p class=\"mypara\">&nbsp&nbsp&nbspb</p>\r\n"},
        {"empty lines are <br> without br", false, false, true, "a\r\n\r\nb\r\n",
         "<p class=\"mypara\">a</p>\r\n<br>\r\n<p class=\"mypara\">b</p>\r\n"},
        {"empty lines stay paragraphs with br", true, false, true, "a\r\n\r\nb",
         "<p class=\"mypara\">a</p>\r\n<p class=\"mypara\"></p>\r\n<p class=\"mypara\">b</p>\r\n"},
        {"spaces without br make one paragraph", false, true, true, "a\r\nb\r\n",
         "<p class=\"mypara\">a&nbsp&nbsp&nbspb&nbsp&nbsp&nbsp</p>\r\n"},
        {"an empty text has no paragraph", true, false, true, "", ""},
    };
    for (const Case& c : cases) {
        RText2HTMLParams p;
        p.replace_CRLF_with_br = c.br;
        p.add_spaces_after_br = c.spaces;
        p.enclose_para_with_p = c.para;
        p.css = defaultParagraphCss();
        EXPECT_EQ(bodyText(Text2HTML(c.text, p)), c.body) << c.name;
    }
}

TEST(Text2Html, SpacesAreClampedToTheSpinRange)
{
    RText2HTMLParams p;
    p.add_spaces_after_br = true;
    p.num_of_spaces = 0;
    EXPECT_EQ(bodyText(Text2HTML("a\r\nb", p)), "a&nbspb");
    p.num_of_spaces = 1000;
    EXPECT_EQ(bodyText(Text2HTML("a\r\nb", p)).size(), 2 + 100 * 5u);
}

TEST(Text2Html, ParagraphClassComesFromTheStyleSheet)
{
    EXPECT_EQ(paragraphClass(defaultParagraphCss()), "mypara");
    EXPECT_EQ(paragraphClass("p { color: red }"), "");
    EXPECT_EQ(paragraphClass("p { x: 1.5em } .late {"), "");
    EXPECT_EQ(paragraphClass("<style>\r\n.\tnice \r\n{"), "nice");
    RText2HTMLParams p;
    p.enclose_para_with_p = true;
    p.css = "<style>p{}</style>";
    EXPECT_EQ(bodyText(Text2HTML("x", p)), "<p class=\"\">x</p>\r\n");
    p.css = ".a\"b{";
    EXPECT_EQ(bodyText(Text2HTML("x", p)), "<p class=\"a&quot;b\">x</p>\r\n");
}

TEST(Text2Html, BodyAttributesInOrderAndEscaped)
{
    RText2HTMLParams p;
    p.back_color = "#000000";
    p.left_margin = "10";
    EXPECT_NE(Text2HTML("", p).find("<body bgcolor=\"#000000\" leftmargin=\"10\">\r\n"),
              std::string::npos);
    p.fore_color = "#FFFFFF";
    p.right_margin = "5\"><script>";
    EXPECT_NE(Text2HTML("", p).find("<body bgcolor=\"#000000\" text=\"#FFFFFF\" leftmargin=\"10\" "
                                    "rightmargin=\"5&quot;>&lt;script>\">"),
              std::string::npos);
}

TEST(Text2Html, StyleSheetGoesIntoTheHeadOnlyWhenUsed)
{
    RText2HTMLParams p;
    p.css = defaultParagraphCss();
    EXPECT_EQ(Text2HTML("", p).find("<style>"), std::string::npos);
    p.use_css_style = true;
    EXPECT_EQ(Text2HTML("", p).substr(0, 23 + p.css.size() + 2),
              "<html>\r\n<head>\r\n" + p.css + "\r\n<title>");
}

TEST(Text2Html, PiecesOfAnySizeMakeTheSamePage)
{
    const std::string text = "a&b\r\n\r\nc\rd\r\n\xA9\"<>\r\n";
    for (int options = 0; options < 8; ++options) {
        RText2HTMLParams p;
        p.replace_CRLF_with_br = options & 1;
        p.add_spaces_after_br = options & 2;
        p.enclose_para_with_p = options & 4;
        p.css = defaultParagraphCss();
        const std::string whole = Text2HTML(text, p);
        for (std::size_t cut = 0; cut <= text.size(); ++cut) {
            std::string page;
            Text2HtmlWriter writer(p, CodePage::Win, [&page](std::string_view s) { page += s; });
            writer.put(std::string_view(text).substr(0, cut));
            writer.put(std::string_view(text).substr(cut));
            writer.finish();
            EXPECT_EQ(page, whole) << "options " << options << ", cut at " << cut;
        }
    }
    // A lone CR is no line break.
    EXPECT_EQ(bodyText(Text2HTML("a\rb", {})), "a\rb");
}
