#include "cli/clirunner.h"

#include "codepages/charsets.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using zuk::codepages::utf8ToWin;
using zuk::testing::runCli;

namespace {

TEST(ZukText, ListNamesEveryFunctionOnePerLine)
{
    const auto r = runCli({"list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("upper\n"), std::string::npos);
    EXPECT_NE(r.out.find("lower\n"), std::string::npos);
    EXPECT_EQ(r.out.find(' '), std::string::npos);
    EXPECT_TRUE(r.err.empty());
}

TEST(ZukText, HelpTexts)
{
    const auto general = runCli({"--help"});
    EXPECT_EQ(general.status, 0);
    EXPECT_NE(general.out.find("Usage: zuk-text FUNCTION"), std::string::npos);

    const auto function = runCli({"upper", "--help"});
    EXPECT_EQ(function.status, 0);
    EXPECT_NE(function.out.find("zuk-text upper"), std::string::npos);
    EXPECT_NE(function.out.find("--utf8"), std::string::npos);
}

struct UsageRow {
    const char* name;
    std::vector<std::string> args;
    const char* errorPart;
};

TEST(ZukText, UsageErrorsExitWithTwoAndWriteNothingToStdout)
{
    const UsageRow rows[] = {
        {"no function", {}, "no function"},
        {"unknown function", {"no-such-function"}, "no-such-function"},
        {"unknown option", {"upper", "--frobnicate"}, "--frobnicate"},
        {"single-dash option", {"upper", "-x"}, "-x"},
        {"flag given a value", {"upper", "--utf8=yes"}, "--utf8"},
        {"two files", {"upper", "a", "b"}, "\"b\""},
        {"list with arguments", {"list", "x"}, "list"},
    };
    for (const UsageRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto r = runCli(row.args, "abc");
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find(row.errorPart), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Usage"), std::string::npos) << r.err;
    }
}

TEST(ZukText, CaseFunctionsWriteExactBytes)
{
    const std::string win = utf8ToWin("Съешь ещё, ёж! Hello\r\n");
    struct Row {
        const char* function;
        std::string input;
        std::string output;
    } rows[] = {
        {"upper", win, utf8ToWin("СЪЕШЬ ЕЩЁ, ЁЖ! HELLO\r\n")},
        {"lower", win, utf8ToWin("съешь ещё, ёж! hello\r\n")},
        {"upper", "no newline", "NO NEWLINE"},
        {"upper", "", ""},
        {"lower", std::string("A\0B\rC\n", 6), std::string("a\0b\rc\n", 6)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.function);
        const auto r = runCli({row.function}, row.input);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, row.output);
        EXPECT_TRUE(r.err.empty());
    }
}

TEST(ZukText, Utf8RoundTripOfRussianText)
{
    const auto r = runCli({"upper", "--utf8"}, "Мама мыла раму, ёлка — «ель»; 日本");
    EXPECT_EQ(r.status, 0) << r.err;
    // Characters Windows-1251 lacks come back as question marks.
    EXPECT_EQ(r.out, "МАМА МЫЛА РАМУ, ЁЛКА — «ЕЛЬ»; ??");

    // A byte-order mark is dropped rather than turned into a question mark.
    const auto bom = runCli({"upper", "--utf8"}, "\xEF\xBB\xBFёж");
    EXPECT_EQ(bom.out, "ЁЖ");

    const auto back = runCli({"lower", "--utf8", "-"}, r.out);
    EXPECT_EQ(back.status, 0);
    EXPECT_EQ(back.out, "мама мыла раму, ёлка — «ель»; ??");
}

TEST(ZukText, ReadsFileArgumentAndReportsMissingFile)
{
    const std::string path = zuk::testing::tempPath("input.txt");
    zuk::testing::writeFileBytes(path, "file text");
    const auto fromFile = runCli({"upper", path}, "stdin text");
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, "FILE TEXT");
    // Options may follow the file, and "--" ends the options.
    const auto optionAfter = runCli({"upper", path, "--utf8"});
    EXPECT_EQ(optionAfter.out, "FILE TEXT");
    const auto afterDashes = runCli({"upper", "--", path});
    EXPECT_EQ(afterDashes.out, "FILE TEXT");
    std::remove(path.c_str());

    const auto missing = runCli({"upper", path});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_NE(missing.err.find(path), std::string::npos);
    EXPECT_NE(missing.err.find("No such file or directory\n"), std::string::npos) << missing.err;

    // An empty file name is a file that cannot be opened, not standard input.
    const auto emptyName = runCli({"upper", ""}, "stdin text");
    EXPECT_EQ(emptyName.status, 1);
    EXPECT_TRUE(emptyName.out.empty());

    const auto directory = runCli({"upper", "/"});
    EXPECT_EQ(directory.status, 1);
    EXPECT_TRUE(directory.out.empty());
}

TEST(ZukText, LargeBinaryInputPassesThroughUnchangedExceptLetters)
{
    std::string input;
    for (int i = 0; i < 3 * 65536 + 7; ++i)
        input.push_back(static_cast<char>(i * 7 % 256));
    std::string expected = input;
    for (char& c : expected) {
        const unsigned char b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || b >= 0xE0)
            c = static_cast<char>(b - 0x20);
        else if (b == 0xB8)
            c = static_cast<char>(0xA8);
    }
    const auto r = runCli({"upper"}, input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, expected);
}

} // namespace
