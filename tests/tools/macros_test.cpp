#include "tools/macros.h"
#include "tools/programlist.h"
#include "tools/toolstexts.h"

#include "io/tempfolder.h"

#include <gtest/gtest.h>

using namespace zuk::tools;
using zuk::testing::TempFolder;

namespace {

using Lines = std::vector<std::string>;

MacroContext context(const TempFolder* includes = nullptr)
{
    MacroContext c;
    c.date = "01.02.2003";
    c.time = "04:05:06";
    c.version = "Zuk build no. 0.1.0.0";
    if (includes)
        c.readInclude = [includes](const std::string& name) {
            return readIncludeFile(includes->file(name));
        };
    return c;
}

TEST(Macros, UserRulesAreSortedWithoutCaseAndTheFirstLineOfANameGivesItsValue)
{
    const struct {
        Lines macros;
        const char* text;
        const char* expected;
    } rows[] = {
        // xa=1 sorts first and eats the start of xab.
        {{"xab=2", "xa=1"}, "xab", "1b"},
        // Names differing only in case both take the value of the one that sorts first.
        {{"Ab=second", "AB=first"}, "Ab AB", "first first"},
        // A line without "=" or with an empty name changes nothing; names
        // match inside words and exactly.
        {{"no rule here", "=empty", "cat=dog"}, "cat concatenate Cat", "dog condogenate Cat"},
        // One pass per rule: a value holding its own name is not expanded again,
        // but a value naming a rule that sorts later is.
        {{"a=aa", "b=[a]", "c=b"}, "abc", "aa[a]b"},
        // Two equal lines (letter case aside) count once.
        {{"q=1", "Q=1", "q=1"}, "q", "1"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ExpandMacros(r.macros, r.text, context()), r.expected) << r.text;
    EXPECT_EQ(ExpandMacros(std::nullopt, "@date xa", context()), "@date xa");
}

TEST(Macros, BuiltInsInOrderAndIncludesOnlyAfterTheIncludeWord)
{
    TempFolder dir;
    dir.write("part.txt", "  \r\nline one\r\n@date\r\n\r\n");
    dir.write("user@date.ru", "mail");
    const MacroContext c = context(&dir);
    EXPECT_EQ(ExpandMacros(Lines{}, "@include \"part.txt\"!", c), "line one\r\n01.02.2003!");
    // The upper-case word stays; a quoted name elsewhere is left alone.
    EXPECT_EQ(ExpandMacros(Lines{}, "@INCLUDE \"part.txt\" \"part.txt\"", c),
              "@INCLUDE line one\r\n01.02.2003 \"part.txt\"");
    // A lone include word goes; one without a closing quote on its line stays text.
    EXPECT_EQ(ExpandMacros(Lines{}, "a@include b @include \"x\r\n\"", c), "a b  \"x\r\n\"");
    EXPECT_EQ(ExpandMacros(Lines{}, "@time @zukver @Date", c),
              "04:05:06 Zuk build no. 0.1.0.0 @Date");
    // The included text is not searched for includes again.
    dir.write("loop.txt", "@include \"loop.txt\"");
    EXPECT_EQ(ExpandMacros(Lines{}, "@include \"loop.txt\"", c), "@include \"loop.txt\"");

    MacroContext other = c;
    other.meta = "$";
    EXPECT_EQ(ExpandMacros(Lines{"x=y"}, "$date @date x", other), "01.02.2003 @date y");
    other.meta.clear();
    EXPECT_EQ(ExpandMacros(Lines{"x=y"}, "date x", other), "date y");
}

TEST(Macros, FailuresLeaveNothingHalfDone)
{
    TempFolder dir;
    const MacroContext c = context(&dir);
    EXPECT_THROW(ExpandMacros(Lines{}, "@include \"missing.txt\"", c), zuk::ZukError);
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_THROW(ExpandMacros(Lines{}, "@include \"folder\"", c), MacroError);
    dir.write("big.txt", std::string(64, 'x'));
    EXPECT_THROW(readIncludeFile(dir.file("big.txt"), 10), MacroError);
    EXPECT_EQ(readIncludeFile(dir.file("big.txt"), 64), std::string(64, 'x'));

    // A rule that doubles the text, applied many times, passes the cap.
    Lines doubling;
    for (int i = 0; i < 40; ++i)
        doubling.push_back("x" + std::to_string(1000 + i) + "=" +
                           (i < 39 ? "x" + std::to_string(1001 + i) + "x" + std::to_string(1001 + i)
                                   : std::string("yy")));
    EXPECT_THROW(ExpandMacros(doubling, "x1000", c), MacroError);
    EXPECT_LE(expansionCap(1), 16u * 1024 * 1024 + 64);
}

TEST(ProgramList, ReadLinesFindByCaptionAndWriteBackUnchanged)
{
    TempFolder dir;
    EXPECT_FALSE(ProgramList::read(dir.file("compilers.txt")));
    dir.write("compilers.txt", "Sort=sort -r @\r\nno entry\r\nsort=second\r\n=x\r\n");
    ProgramList list = *ProgramList::read(dir.file("compilers.txt"));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list.find("SORT"), "sort -r @");
    EXPECT_FALSE(list.entry(1));
    EXPECT_FALSE(list.entry(3));
    EXPECT_FALSE(list.find("missing"));
    list.add({"wc", "wc @"});
    list.replace(0, {"Sort", "sort @"});
    list.remove(1);
    list.write(dir.file("compilers.txt"));
    EXPECT_EQ(dir.read("compilers.txt"), "Sort=sort @\r\nsort=second\r\n=x\r\nwc=wc @\r\n");

    // An older list in Windows-1251 is read as such.
    dir.write("old.txt", "\xD1\xEE\xF0\xF2=sort\r\n");
    EXPECT_EQ(ProgramList::read(dir.file("old.txt"))->entry(0)->name, "Сорт");
    EXPECT_TRUE(isValidUtf8("Сорт"));
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
}

} // namespace
