#include <gtest/gtest.h>

#include "editor/doctext.h"
#include "editor/selectedfile.h"
#include "editor/syntaxtable.h"
#include "editor/urlscan.h"

using namespace zuk::editor;

TEST(DocText, EveryLineEndSplitsOnce)
{
    using L = std::vector<std::string>;
    struct Case {
        std::string text;
        L lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\rc\r\n", {"a", "b", "c"}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {std::string("x\0y\n", 4), {std::string("x\0y", 3)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitLines(c.text), c.lines) << c.text;
}

TEST(DocText, WholeSelectionAndControlForms)
{
    const std::vector<std::string> lines = {"a", "", "b"};
    EXPECT_EQ(joinWhole(lines), "a\r\n\r\nb\r\n");
    EXPECT_EQ(joinLines(lines), "a\r\n\r\nb");
    EXPECT_EQ(joinLines({}), "");
    EXPECT_EQ(toControlForm("a\nb\n"), "a\r\nb");
    EXPECT_EQ(toControlForm("a\rb"), "a\r\nb");
    EXPECT_EQ(toControlForm("\r\n"), "");
    EXPECT_EQ(normalizeBreaks("a\n\rb\r"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(caretPositionText(0, 0), "1: 1");
    EXPECT_EQ(caretPositionText(9, 4), "10: 5");
}

TEST(SyntaxTable, ExtensionsChooseTheBuiltInHighlighter)
{
    struct Case {
        const char* file;
        const char* display; // nullptr: none
    };
    const Case cases[] = {
        {"report.PAS", "Delphi"}, {"a.pp", "Delphi"},     {"p.dpr", "Delphi"},
        {"x.h", "C++"},           {"x.cpp", "C++"},       {"x.c", "C"},
        {"y.pl", "Perl"},         {"i.HTM", "HTML"},      {"i.html", "HTML"},
        {"s.js", "Java Script"},  {"v.vbs", "VB Script"}, {"q.sql", "SQL"},
        {"w.xyz", nullptr},       {"noext", nullptr},     {"dir.pas/file", nullptr},
        {"x.hh", nullptr},
    };
    for (const Case& c : cases) {
        const auto* s = builtinForFileName(c.file);
        if (c.display == nullptr) {
            EXPECT_EQ(s, nullptr) << c.file;
        } else {
            ASSERT_NE(s, nullptr) << c.file;
            EXPECT_STREQ(s->displayName, c.display) << c.file;
        }
    }
    EXPECT_STREQ(builtinByDisplayName("SQL")->internalName, "SqlParser1");
    EXPECT_EQ(syntaxDisplayName("JavaScriptParser1"), "Java Script");
    EXPECT_EQ(syntaxDisplayName("MyScheme"), "MyScheme");
    EXPECT_EQ(builtinByDisplayName("sql"), nullptr); // display names compare exactly
}

TEST(SelectedFile, PathsResolveAgainstTheDocumentFolder)
{
    auto existsOnly = [](std::string p) { return [p](const std::string& q) { return q == p; }; };
    EXPECT_EQ(resolveSelectedPath("/img/a.gif", "/site/index.html", existsOnly("")),
              "/site/img/a.gif");
    EXPECT_EQ(resolveSelectedPath("\\img\\a.gif", "/site/index.html", existsOnly("")),
              "/site/img/a.gif");
    EXPECT_EQ(resolveSelectedPath("/etc/hosts", "/site/index.html", existsOnly("/etc/hosts")),
              "/etc/hosts");
    EXPECT_EQ(resolveSelectedPath("img/a.gif", "/site/index.html", existsOnly("")),
              "/site/img/a.gif");
    EXPECT_EQ(resolveSelectedPath("a.txt", "untitled3", existsOnly("")), "a.txt");
    EXPECT_EQ(resolveSelectedPath("", "/site/index.html", existsOnly("")), "");

    EXPECT_TRUE(isPictureName("/a/b.JPEG"));
    EXPECT_TRUE(isPictureName("x.mng"));
    EXPECT_FALSE(isPictureName("x.gif.txt"));
    EXPECT_FALSE(isPictureName("gif"));
}

TEST(UrlScan, FindsAddressesAtWordStarts)
{
    struct Case {
        std::string line;
        std::vector<TextRun> runs;
    };
    const Case cases[] = {
        {"see http://a.ru/x?y=1.", {{4, 17}}},
        {"WWW.Example.com, mailto:me@x.org", {{0, 15}, {17, 15}}},
        {"<a href=\"https://b.c/\">", {{9, 12}}},
        {"xhttp://no www.", {}},
        {"ftp://f", {{0, 7}}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findUrls(c.line), c.runs) << c.line;
}
