#include "io/rtfreader.h"
#include "io/rtftohtml.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "io/safefile.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

using zuk::codepages::utf8ToWin;
using zuk::codepages::winToUtf8;
using zuk::io::readRtf;
using zuk::io::rtfPlainLines;
using zuk::io::rtfToHtml;

namespace {

const std::string kDataDir = std::string(ZUK_SOURCE_DIR) + "/tests/data/rtf/";

// The plain text of an RTF document as UTF-8 lines, for readable expectations.
std::vector<std::string> plainUtf8(std::string_view rtf)
{
    std::vector<std::string> lines;
    for (const std::string& line : rtfPlainLines(readRtf(rtf)))
        lines.push_back(winToUtf8(line));
    return lines;
}

std::string htmlUtf8(std::string_view rtf)
{
    return winToUtf8(rtfToHtml(readRtf(rtf)));
}

// Documents written by word processors: the plain text equals the expected
// file next to each sample.
TEST(RtfReader, SamplesGiveTheirExpectedText)
{
    for (const char* name : {"lo_formatting", "lo_table", "lo_plain_lines", "lo_headings_links",
                             "lo_lists", "word_cyrillic"}) {
        SCOPED_TRACE(name);
        const auto document = zuk::io::readRtfFile(kDataDir + name + ".rtf");
        const std::vector<std::string> expected =
            zuk::io::splitLines(zuk::io::readFileBytes(kDataDir + name + ".txt"));
        EXPECT_EQ(rtfPlainLines(document), [&] {
            std::vector<std::string> win;
            for (const std::string& line : expected)
                win.push_back(utf8ToWin(line));
            return win;
        }());
    }
}

TEST(RtfReader, SamplesKeepTheirFormattingInHtml)
{
    struct Case {
        const char* file;
        std::vector<const char*> fragments;
    } cases[] = {
        {"lo_formatting",
         {"<b>Жирный</b>", "<i>курсив</i>", "<u>подчёркнутый</u>",
          "<span style=\"color:#ff0000\">Красный</span>",
          "<span style=\"font-size:20pt\">Крупный</span>", "English &amp; ", "&#8721;",
          "charset=windows-1251"}},
        {"lo_table",
         {"<p>Таблица:</p>\r\n<table", "<tr>\r\n<td>Имя</td>\r\n<td>Возраст</td>\r\n</tr>",
          "<td><b>30</b></td>", "</table>\r\n<p>После таблицы.</p>"}},
        {"lo_headings_links",
         {"<b>Заголовок</b>", "<p align=\"center\">По центру<br>\r\nвторая строка абзаца</p>",
          "<u>ссылка</u>", "a&lt;b&gt;c", "&#128512;"}},
        {"word_cyrillic",
         {"<p>Привет, <b>мир</b>! № 5</p>", "<span style=\"color:#ff0000\">красный</span>",
          "<td>Иван<br>Петрович</td>", "caf&#233;"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string html =
            winToUtf8(rtfToHtml(zuk::io::readRtfFile(kDataDir + c.file + ".rtf")));
        for (const char* fragment : c.fragments)
            EXPECT_NE(html.find(fragment), std::string::npos) << fragment << "\n" << html;
        EXPECT_EQ(html.find("fldinst"), std::string::npos);
        EXPECT_EQ(html.find("HYPERLINK"), std::string::npos);
    }
}

TEST(RtfReader, CharactersAndCodePages)
{
    struct Case {
        const char* name;
        std::string rtf;
        std::vector<std::string> lines;
    } cases[] = {
        {"ansicpg1251 bytes", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", {"Привет"}},
        {"font charset wins",
         R"({\rtf1\ansi{\fonttbl{\f0\fcharset204 A;}{\f1\fcharset0 B;}}\f0\'e9\f1\'e9})",
         {"й?"}},
        {"deff picks the font",
         R"({\rtf1\ansi\deff1{\fonttbl{\f0 A;}{\f1\fcharset204 B;}}\'e9})",
         {"й"}},
        {"cpg of a font", R"({\rtf1\ansi{\fonttbl{\f0\cpg866 A;}}\f0\'8f})", {"П"}},
        {"cp1252 default", R"({\rtf1\ansi \'93q\'94 \'80})", {"“q” €"}},
        {"unicode with skip", R"({\rtf1\ansi \u1046\'3f\u-3913?A})", {"Ж?A"}},
        {"uc2 skips two", R"({\rtf1\ansi\uc2 \u1046\'3f\'3fB})", {"ЖB"}},
        {"uc0 skips none", R"({\rtf1\ansi\uc0 \u1046B})", {"ЖB"}},
        {"uc scoped to group", R"({\rtf1\ansi{\uc2 \u1046??}\u1047?C})", {"ЖЗC"}},
        {"skip stops at group end", R"({\rtf1\ansi\uc3 {\u1046}X})", {"ЖX"}},
        {"control word counts as one skipped", R"({\rtf1\ansi\u1046\tab Y})", {"ЖY"}},
        {"unknown word counts as one skipped", R"({\rtf1\ansi\u1046\zzz Y})", {"ЖY"}},
        {"surrogate pair", R"({\rtf1\ansi\u-10179?\u-8704?})", {"?"}},
        {"escaped symbols",
         R"({\rtf1\ansi a\{b\}c\\d\~e\_f\-g})",
         {"a{b}c\\d\xc2\xa0"
          "e-fg"}},
        {"specials",
         R"({\rtf1\ansi\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
         {"—–•‘’“”"}},
        {"line tab par page",
         "{\\rtf1\\ansi a\\line b\\tab c\\par d\\page e}",
         {"a", "b\tc", "d", "e"}},
        {"raw breaks ignored, backslash-newline is par",
         "{\\rtf1\\ansi ab\r\ncd\\\ne}",
         {"abcd", "e"}},
        {"star skips unknown destinations", R"({\rtf1\ansi a{\*\foo b{c}}d})", {"ad"}},
        {"skipped destinations",
         R"({\rtf1\ansi{\info{\title T}}{\stylesheet{S;}}{\header H}{\footnote F}x{\pict 0a0b}y})",
         {"xy"}},
        {"field keeps its result",
         R"({\rtf1\ansi{\field{\fldinst HYPERLINK "u"}{\fldrslt L}}})",
         {"L"}},
        {"hidden text", R"({\rtf1\ansi a{\v b}c\v d\v0 e})", {"ace"}},
        {"bin data skipped", "{\\rtf1\\ansi a{\\pict\\bin4 }{}\\}b}", {"ab"}},
        {"table rows",
         R"({\rtf1\ansi\trowd\cellx1\cellx2\pard\intbl a\cell b\cell\row\pard c\par})",
         {"a\tb", "c"}},
        {"row without row mark",
         R"({\rtf1\ansi\trowd\pard\intbl a\cell b\cell\pard c\par})",
         {"a\tb", "c"}},
        {"empty cells", R"({\rtf1\ansi\trowd\pard\intbl\cell\cell x\cell\row})", {"\t\tx"}},
        {"no final par", R"({\rtf1\ansi last words})", {"last words"}},
        {"only formatting", R"({\rtf1\ansi\b\i})", {}},
        {"leading blank before rtf", " \r\n{\\rtf1 ok}", {"ok"}},
        {"text after the document is ignored", R"({\rtf1 a}b{c})", {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> expected;
        for (const std::string& line : c.lines)
            expected.push_back(winToUtf8(utf8ToWin(line)));
        EXPECT_EQ(plainUtf8(c.rtf), expected);
    }
}

// Damaged input never crashes, hangs or reads past the end; where there is
// text it is kept.
TEST(RtfReader, DamagedInputIsReadPast)
{
    const std::string inputs[] = {
        "{\\rtf",
        "{\\rtf1",
        "{\\rtf1\\",
        "{\\rtf1 abc\\'",
        "{\\rtf1 abc\\'4",
        "{\\rtf1 abc\\'zz",
        "{\\rtf1 \\u",
        "{\\rtf1 \\u-",
        "{\\rtf1 \\u99999999999999999999 x}",
        "{\\rtf1 \\bin999999999 x}",
        "{\\rtf1 \\bin-5 x}",
        "{\\rtf1 \\fs-4 \\fs99999999 \\cf-1 \\cf9999 x}",
        "{\\rtf1 {\\colortbl;\\red999\\green-4;}\\cf1 x}",
        "{\\rtf1 {\\fonttbl{\\f-1\\fcharset204 a;}}\\f-1\\'e0}",
        "{\\rtf1 }}}}}} x",
        "{\\rtf1 {{{{ x",
        "{\\rtf1 \\row\\cell\\row\\cell}",
        "{\\rtf1 \\*\\*\\* x}",
        "{\\rtf1 \\uc-3 \\u1046 x}",
        "{\\rtf1 \\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa "
        "x}",
        std::string("{\\rtf1 a\0b}", 11),
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        zuk::io::RtfDocument document;
        EXPECT_NO_THROW(document = readRtf(input));
        EXPECT_NO_THROW(rtfPlainLines(document));
        EXPECT_NO_THROW(rtfToHtml(document));
    }
    // The blank after a group mark is text, unlike the one that ends a control word.
    EXPECT_EQ(plainUtf8("{\\rtf1 {{{{ x"), std::vector<std::string>{" x"});
}

// A control character in the text would break a line of the imported
// document or, a NUL, cut it short; a \uN beyond Unicode is no character.
TEST(RtfReader, ControlCharactersAreNoText)
{
    struct Case {
        const char* name;
        std::string rtf;
        std::vector<std::string> lines;
    } cases[] = {
        {"nul byte", R"({\rtf1\ansi a\'00b})", {"ab"}},
        {"one hex digit", R"({\rtf1\ansi a\'e})", {"a"}},
        {"cr and lf bytes", R"({\rtf1\ansi a\'0d\'0ab\par c})", {"ab", "c"}},
        {"unicode controls", R"({\rtf1\ansi\uc0 a\u0\u13\u10\u27 b})", {"ab"}},
        {"tab byte kept", R"({\rtf1\ansi a\'09b})", {"a\tb"}},
        {"beyond unicode", R"({\rtf1\ansi\uc0 a\u-99999 b\u1114112 c})", {"a?b?c"}},
        {"the largest one", R"({\rtf1\ansi\uc0 \u1114111 })", {"?"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(plainUtf8(c.rtf), c.lines);
    }
    const std::string html = rtfToHtml(readRtf(R"({\rtf1\ansi\uc0 \'00\u-99999 \u1114111 })"));
    EXPECT_EQ(html.find('\0'), std::string::npos);
    EXPECT_NE(html.find("?&#1114111;"), std::string::npos) << html;
}

TEST(RtfReader, RejectsWhatIsNotRtf)
{
    for (const std::string input : {"", "plain text", "{\\rt", "{rtf1}", "\\rtf1"})
        EXPECT_THROW(readRtf(input), zuk::FormatError) << input;

    std::string deep = "{\\rtf1 ";
    deep += std::string(zuk::io::kRtfMaxDepth + 10, '{');
    EXPECT_THROW(readRtf(deep), zuk::FormatError);
    // Both say why in a text-table row.
    for (const auto& [input, key] :
         {std::pair<std::string, std::string_view>{"plain", "sNotAnRtfFile"},
          {deep, "sRtfNestedTooDeeply"}}) {
        try {
            readRtf(input);
        } catch (const zuk::FormatError& e) {
            EXPECT_EQ(e.text().key, key);
        }
    }
    std::string fine = "{\\rtf1 " + std::string(100, '{') + "x" + std::string(101, '}');
    EXPECT_EQ(plainUtf8(fine), std::vector<std::string>{"x"});
}

TEST(RtfReader, PlainTextIsTheWholeTextForm)
{
    EXPECT_EQ(zuk::io::rtfPlainText(readRtf("{\\rtf1 a\\par\\par b}")), "a\r\n\r\nb\r\n");
    EXPECT_EQ(zuk::io::rtfPlainText(readRtf("{\\rtf1 }")), "");
}

TEST(RtfToHtml, FormattingTags)
{
    const std::string html = htmlUtf8(
        R"({\rtf1\ansi{\colortbl;\red0\green0\blue0;\red18\green52\blue86;})"
        R"(\fs24 plain \b bold\b0  \i it\i0  \ul under\ulnone  \ul\ulc1 colour-of-line\ul0  )"
        R"(\cf2 blue\cf0  \cf1 black\cf0  \fs36 big\fs25  odd\fs24 \par)"
        R"(\pard\qr right\par\pard\qj just\par\par\pard < & > " \u1046?\u8364?\u8721?\par})");
    for (const char* fragment :
         {"<p>plain <b>bold</b> <i>it</i> <u>under</u> <u>colour-of-line</u> "
          "<span style=\"color:#123456\">blue</span> black "
          "<span style=\"font-size:18pt\">big</span><span style=\"font-size:12.5pt\"> "
          "odd</span></p>",
          "<p align=\"right\">right</p>", "<p align=\"justify\">just</p>",
          "<p align=\"justify\">&nbsp;</p>", "<p>&lt; &amp; &gt; &quot; Ж€&#8721;</p>",
          "<body>\r\n", "</body>\r\n</html>\r\n"})
        EXPECT_NE(html.find(fragment), std::string::npos) << fragment << "\n" << html;
}

TEST(RtfToHtml, WritesTheFile)
{
    zuk::testing::TempFolder dir;
    const auto document = readRtf(R"({\rtf1\ansi\ansicpg1251 \'c0\par})");
    zuk::io::writeRtfAsHtml(document, dir.file("zuk_temp.htm"));
    const std::string bytes = dir.read("zuk_temp.htm");
    EXPECT_NE(bytes.find("<p>\xc0</p>\r\n"), std::string::npos);
    EXPECT_THROW(zuk::io::writeRtfAsHtml(document, dir.file("none/zuk_temp.htm")), zuk::IoError);
}

} // namespace
