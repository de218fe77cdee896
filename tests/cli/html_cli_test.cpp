// The HTML functions of zuk-text as the command-line contract gives them.

#include "cli/clirunner.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

using zuk::testing::checkRows;
using zuk::testing::runCli;

TEST(ZukTextHtml, PagesTagsLinksAndGradients)
{
    const std::string head = "<html>\r\n<head>\r\n<title>Untitled</title>\r\n</head>\r\n";
    checkRows({
        {{"text-to-html"},
         "a<b \xA9\r\n",
         head + "<body>\r\n\r\na&lt;b &copy;\r\n\r\n</body></html>"},
        {{"text-to-html", "--br", "--nbsp", "2", "--para", "--bgcolor", "#000000"},
         "a\r\nb\r\n",
         head + "<body bgcolor=\"#000000\">\r\n\r\n<p class=\"mypara\">a</p>\r\n"
                "<p class=\"mypara\">&nbsp&nbspb</p>\r\n\r\n</body></html>"},
        {{"text-to-html", "--nbsp", "0"}, "x", "", 2, "--nbsp"},
        {{"kill-tags", "--tags", "b,/B,!--"}, "<b>x</b><!-- c --><i>y</i>", "x<i>y</i>"},
        {{"kill-tags"}, "x", "", 2, "--tags"},
        {{"links"}, "<a class=x\nhref = 'p.htm'>p</a><a name=n>", "p.htm\r\n1 links\r\n"},
        {{"gradient", "--from", "000000", "--to", "#FFFFFF"},
         "ab",
         "<font color=\"#808080\">a</font><font color=\"#FFFFFF\">b</font>"},
        {{"gradient", "--from", "black", "--to", "FFFFFF"}, "ab", "", 2, "--from"},
        {{"gradient", "--from", "000000", "--to", "FFFFFF"}, "", ""},
    });
    // UTF-8 in and out.
    const auto r = runCli({"text-to-html", "--utf8"}, "Жёлтый © \"x\"");
    EXPECT_NE(r.out.find("Жёлтый &copy; &quot;x&quot;"), std::string::npos) << r.out;
}

TEST(ZukTextHtml, WeightAndPictureTagsReadTheFiles)
{
    zuk::testing::TempFolder dir;
    dir.write("site/page.htm", std::string(40, 'p'));
    dir.write("site/img/a.gif", std::string("GIF89a\x05\x00\x04\x00", 10) + std::string(20, '\0'));
    const std::string page = dir.file("site/page.htm");

    auto weight =
        runCli({"doc-weight", "--doc", page}, "<img src=\"img/a.gif\"><img src='img/a.gif'>");
    EXPECT_EQ(weight.status, 0) << weight.err;
    EXPECT_EQ(weight.out,
              dir.file("site/img/a.gif") + " 30\r\n" + page + " 40\r\nbytes total: 70\r\n");

    checkRows({
        {{"img-tag", "--doc", page},
         dir.file("site/img/a.gif") + "\n",
         "<img src=\"img/a.gif\" width=\"5\" height=\"4\" border=\"0\" alt=\"a.gif\">"},
        {{"img-tag", "--doc", dir.file("other/x.htm")},
         dir.file("site/img/a.gif"),
         "<img src=\"../site/img/a.gif\" width=\"5\" height=\"4\" border=\"0\" alt=\"a.gif\">"},
        {{"img-tag", "--doc", page},
         dir.file("site/notes.txt"),
         "<img src=\"notes.txt\" width=\"\" height=\"\" border=\"0\" alt=\"\">"},
    });
}
