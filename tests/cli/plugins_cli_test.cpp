#include "cli/clirunner.h"
#include "io/tempfolder.h"
#include "plugins/testplugins.h"

#include <gtest/gtest.h>

using zuk::testing::checkRows;
using zuk::testing::examplePlugin;
using zuk::testing::testPlugin;

namespace {

TEST(ZukTextPlugin, RunsTheLibraryOrSaysWhyNot)
{
    zuk::testing::TempFolder tmp;
    tmp.write("junk.so", "junk");
    checkRows({
        {{"plugin", "--library", examplePlugin("upcase1251")}, "abc\xE0", "ABC\xC0"},
        {{"plugin", "--utf8", "--library", examplePlugin("upcase1251")}, "ёж", "ЁЖ"},
        {{"plugin", "--library", examplePlugin("paragraphs")}, "a\r\nb", "<p>a</p>\r\n<p>b</p>"},
        {{"plugin", "--library", testPlugin("empty")}, "text", ""},
        {{"plugin", "--library", testPlugin("crash")}, "x", "", 1, "SIGSEGV"},
        {{"plugin", "--library", testPlugin("endless"), "--timeout", "1"}, "x", "", 1, "1"},
        {{"plugin", "--library", testPlugin("nohandledata")}, "x", "", 1, "HandleData"},
        {{"plugin", "--library", testPlugin("nullresult")}, "x", "", 1, "nullresult.so"},
        {{"plugin", "--library", tmp.file("junk.so")}, "x", "", 1, "junk.so"},
        {{"plugin", "--library", tmp.file("none.so")}, "x", "", 1, "none.so"},
        {{"plugin"}, "x", "", 2, "--library"},
        {{"plugin", "--library", testPlugin("empty"), "--timeout", "0"}, "x", "", 2, "--timeout"},
    });
}

} // namespace
