#include "cli/clirunner.h"

#include <gtest/gtest.h>

using zuk::testing::runCli;
using zuk::testing::tempPath;
using zuk::testing::writeFileBytes;

namespace {

TEST(ZukTextTools, ExpandMacrosWithAMacroFileMetaAndIncludes)
{
    const std::string macros = tempPath("makros.txt");
    const std::string part = tempPath("part.txt");
    writeFileBytes(macros, "xab=2\r\nxa=1\r\n");
    writeFileBytes(part, "  inside \r\n");
    EXPECT_EQ(runCli({"expand-macros", "--macros", macros}, "xab").out, "1b");
    EXPECT_EQ(runCli({"expand-macros", "--macros", macros}, "@include \"" + part + "\"!").out,
              "inside!");
    EXPECT_EQ(runCli({"expand-macros", "--macros", macros, "--meta", "$"}, "$zukver @zukver")
                  .out.rfind("Zuk build no. ", 0),
              0u);
    // No macro file: the text as it was, built-in macros included.
    EXPECT_EQ(runCli({"expand-macros", "--macros", tempPath("none")}, "@date xa").out, "@date xa");
    const auto failed =
        runCli({"expand-macros", "--macros", macros}, "@include \"" + tempPath("gone") + "\"");
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.out.empty());
    EXPECT_NE(failed.err.find("gone"), std::string::npos);
    EXPECT_EQ(runCli({"expand-macros"}, "x").status, 2);
    std::remove(macros.c_str());
    std::remove(part.c_str());
}

TEST(ZukTextTools, ReplaceAndMultiReplaceAsTheCommandLineContractSays)
{
    EXPECT_EQ(runCli({"replace", "--find", "aa", "--with", "a"}, "aaaa").out, "aa");
    EXPECT_EQ(
        runCli({"replace", "--find", "\xcf", "--with", "x", "--ignore-case"}, "\xcf\xef-").out,
        "xx-");
    EXPECT_EQ(runCli({"replace", "--find", "", "--with", "x"}, "abc").out, "abc");
    EXPECT_EQ(runCli({"replace", "--find", "b", "--with", ""}, "abcb").out, "ac");
    EXPECT_EQ(
        runCli({"replace", "--find", "ё", "--with", "е", "--utf8", "--ignore-case"}, "Ёлка ёж").out,
        "елка еж");
    EXPECT_EQ(runCli({"replace", "--find", "x"}, "x").status, 2);

    const std::string list = tempPath("multi.txt");
    writeFileBytes(list, "a=b\nb=c\r\n=x\r\nno equals sign\r\nB=repeated\nd=\n");
    EXPECT_EQ(runCli({"multi-replace", "--list", list}, "a B d!").out, "c c !");
    const auto missing = runCli({"multi-replace", "--list", tempPath("gone")}, "a");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());
    std::remove(list.c_str());
}

} // namespace
