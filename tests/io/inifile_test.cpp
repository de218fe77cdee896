#include "io/inifile.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <random>

using zuk::io::IniFile;
using zuk::testing::TempFolder;

namespace {

const std::string kSample = "; settings of the test\r\n"
                            "[Main]\n"
                            "  Width = 640  \r"
                            "Path=a=b=c\r\n"
                            "Quoted=\"  padded  \"\r\n"
                            "Half=\"open\r\n"
                            "Dup=first\r\n"
                            "Dup=second\r\n"
                            "NoValue\r\n"
                            "Empty=\r\n"
                            "\r\n"
                            "[\xCF\xF0\xE8\xEC\xE5\xF0]\r\n"                    // [Пример]
                            "\xC8\xEC\xFF=\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n" // Имя=значение
                            "[Broken\r\n"
                            "InBroken=1\r\n"
                            "[main]\r\n"
                            "Dup=third\r\n"
                            "Later=yes";

TEST(IniFileRead, NamesValuesQuotesAndDefaults)
{
    TempFolder dir;
    dir.write("a.ini", kSample);
    IniFile ini(dir.file("a.ini"));

    struct Case {
        const char* section;
        const char* key;
        std::string expected;
    } cases[] = {
        {"Main", "Width", "640"},
        {"MAIN", "width", "640"},         // names ignore case
        {"Main", "Path", "a=b=c"},        // the value is after the first '='
        {"Main", "Quoted", "  padded  "}, // one pair of quotes dropped, inner blanks kept
        {"Main", "Half", "\"open"},       // a lone quote stays
        {"Main", "Dup", "first"},         // first occurrence wins
        {"Main", "Empty", ""},
        {"Main", "Later", "yes"},                      // a second [main] adds keys; no final break
        {"\xCF\xF0\xE8\xEC\xE5\xF0", "InBroken", "1"}, // "[Broken" without ']' is no section
        {"\xEF\xD0\xC8\xCC\xC5\xD0", "\xE8\xCC\xDF",
         "\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5"}, // Cyrillic case
        {"Main", "NoValue", "default"},
        {"Main", "Missing", "default"},
        {"Nowhere", "Width", "default"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.readString(c.section, c.key, "default"), c.expected)
            << c.section << "/" << c.key;

    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Main", "\xCF\xF0\xE8\xEC\xE5\xF0"}));
    EXPECT_EQ(ini.keys("main"), (std::vector<std::string>{"Width", "Path", "Quoted", "Half", "Dup",
                                                          "Empty", "Later"}));
}

TEST(IniFileRead, NumbersAndBooleans)
{
    struct Case {
        const char* value;
        int expected;
    } cases[] = {
        {"12", 12},
        {" -5 ", -5},
        {"+7", 7},
        {"0x10", 16},
        {"0xFFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 99},
        {"12abc", 99},
        {"abc", 99},
        {"", 99},
        {"-", 99},
        {"0x", 99},
        {"1.5", 99},
        {"\"42\"", 42},
    };
    TempFolder dir;
    std::string text = "[N]\r\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        text += "k" + std::to_string(i) + "=" + cases[i].value + "\r\n";
    text += "yes=2\r\nno=0\r\nword=true\r\n";
    dir.write("n.ini", text);
    IniFile ini(dir.file("n.ini"));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ini.readInt("N", "k" + std::to_string(i), 99), cases[i].expected)
            << cases[i].value;

    EXPECT_TRUE(ini.readBool("N", "yes", false));
    EXPECT_FALSE(ini.readBool("N", "no", true));
    EXPECT_TRUE(ini.readBool("N", "word", true)); // not a number: the default
    EXPECT_FALSE(ini.readBool("N", "word", false));
    EXPECT_TRUE(ini.readBool("N", "missing", true));
}

TEST(IniFileWrite, KeepsEveryOtherLineByteForByte)
{
    TempFolder dir;
    const std::string original = "junk before any section\n"
                                 "; comment = not a key\n"
                                 "[Main]\n"
                                 "  Width = 640  \n"
                                 "unknown=kept \"as is\"  \n"
                                 "\n"
                                 "[Other]\n"
                                 "x=1";
    dir.write("a.ini", original);
    IniFile ini(dir.file("a.ini"));

    ini.writeInt("main", "WIDTH", 800);   // existing key: only its value changes
    ini.writeString("Main", "New", "v");  // new key: before the blank line of its section
    ini.writeBool("Fresh", "flag", true); // new section: appended
    EXPECT_EQ(dir.read("a.ini"), "junk before any section\r\n"
                                 "; comment = not a key\r\n"
                                 "[Main]\r\n"
                                 "  Width = 800\r\n"
                                 "unknown=kept \"as is\"  \r\n"
                                 "New=v\r\n"
                                 "\r\n"
                                 "[Other]\r\n"
                                 "x=1\r\n"
                                 "\r\n"
                                 "[Fresh]\r\n"
                                 "flag=1\r\n");

    IniFile again(dir.file("a.ini"));
    EXPECT_EQ(again.readInt("Main", "Width", 0), 800);
    EXPECT_TRUE(again.readBool("fresh", "FLAG", false));
}

TEST(IniFileWrite, ValuesReadBackAsWritten)
{
    TempFolder dir;
    IniFile ini(dir.file("v.ini")); // a missing file is an empty profile
    EXPECT_EQ(ini.readString("S", "k", "none"), "none");
    const std::string values[] = {
        "",
        " -m --char-encoding raw",
        "trailing ",
        "\"quoted\"",
        "\"",
        "a\"b\"",
        "x=y;z",
        "\xD0\xF3\xF1\xF1\xEA\xE8\xE9",
        std::string("nul\0byte", 8),
    };
    for (std::size_t i = 0; i < std::size(values); ++i)
        ini.writeString("S", "k" + std::to_string(i), values[i]);
    ini.writeString("S", "lines", "one\r\ntwo");

    IniFile reread(dir.file("v.ini"));
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(reread.readString("S", "k" + std::to_string(i), "?"), values[i]) << i;
    EXPECT_EQ(reread.readString("S", "lines", "?"), "one  two"); // a value never splits the line
    EXPECT_EQ(reread.keys("S").size(), std::size(values) + 1);
}

TEST(IniFileWrite, DeleteKeyAndEraseSection)
{
    TempFolder dir;
    dir.write("d.ini", "[A]\r\nk=1\r\nk=2\r\nm=3\r\n[B]\r\nk=4\r\n[a]\r\nk=5\r\nn=6\r\n");
    IniFile ini(dir.file("d.ini"));

    ini.deleteKey("a", "K"); // every occurrence in every [A]: a later read must not find an old one
    EXPECT_FALSE(ini.hasKey("A", "k"));
    EXPECT_EQ(ini.readInt("B", "k", 0), 4);
    EXPECT_EQ(dir.read("d.ini"), "[A]\r\nm=3\r\n[B]\r\nk=4\r\n[a]\r\nn=6\r\n");

    ini.deleteKey("A", "missing");
    ini.deleteKey("Missing", "k");
    ini.eraseSection("A");
    EXPECT_FALSE(ini.hasSection("A"));
    EXPECT_EQ(dir.read("d.ini"), "[B]\r\nk=4\r\n");
    EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{"B"});
}

TEST(IniFileWrite, BatchRewritesOnce)
{
    TempFolder dir;
    IniFile ini(dir.file("b.ini"));
    {
        IniFile::Batch batch(ini);
        ini.writeInt("S", "a", 1);
        {
            IniFile::Batch inner(ini);
            ini.writeInt("S", "b", 2);
            inner.commit();
        }
        EXPECT_EQ(dir.entryCount(), 0u); // nothing on disk until the outer batch ends
        EXPECT_EQ(ini.readInt("S", "b", 0), 2);
        batch.commit();
    }
    EXPECT_EQ(dir.read("b.ini"), "[S]\r\na=1\r\nb=2\r\n");
    {
        IniFile::Batch batch(ini); // ended without commit: still written
        ini.writeInt("S", "c", 3);
    }
    EXPECT_EQ(IniFile(dir.file("b.ini")).readInt("S", "c", 0), 3);
}

TEST(IniFileWrite, WritersOfTheSameFileDoNotLoseEachOthersKeys)
{
    TempFolder dir;
    IniFile a(dir.file("s.ini"));
    IniFile b(dir.file("s.ini"));
    a.writeInt("Main", "fromA", 1);
    b.writeInt("Main", "fromB", 2); // b read the file before a wrote
    a.writeInt("Other", "fromA", 3);
    {
        IniFile::Batch batch(b);
        b.deleteKey("Main", "fromA");
        b.writeInt("Main", "late", 4);
        dir.write("s.ini", dir.read("s.ini") + "[User]\r\nedited=yes\r\n"); // the user's editor
        batch.commit();
    }
    EXPECT_EQ(dir.read("s.ini"),
              "[Main]\r\nfromB=2\r\nlate=4\r\n\r\n[Other]\r\nfromA=3\r\n[User]\r\nedited=yes\r\n");
    a.writeInt("Main", "again", 5);
    EXPECT_EQ(a.readString("User", "edited", ""), "yes");
    EXPECT_FALSE(a.hasKey("Main", "fromA"));
}

TEST(IniFileWrite, FailedWriteLeavesFileAndMemoryIntact)
{
    TempFolder dir;
    const std::string original = "[S]\r\nk=" + std::string(200, 'x') + "\r\n";
    dir.write("f.ini", original);
    IniFile ini(dir.file("f.ini"));
    {
        zuk::testing::FileSizeLimit limit(64);
        try {
            ini.writeString("S", "k", std::string(300, 'y'));
            FAIL() << "the write should fail";
        } catch (const zuk::IoError& e) {
            EXPECT_NE(std::string(e.what()).find("f.ini"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("large"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(dir.read("f.ini"), original);
    EXPECT_EQ(dir.entryCount(), 1u); // no temporary file left behind
    EXPECT_EQ(ini.readString("S", "k", ""), std::string(200, 'x'));

    IniFile nowhere(dir.file("missing-folder/zuk.ini"));
    EXPECT_THROW(nowhere.writeInt("S", "k", 1), zuk::IoError);
}

TEST(IniFileParse, JunkNeverCrashesAndSurvivesRewrite)
{
    TempFolder dir;
    std::mt19937 rng(1234);
    std::vector<std::string> inputs = {
        "",
        "[",
        "]",
        "=",
        "[]",
        "[=]",
        "==",
        "\r",
        "\n\r",
        "[a]\r=\r[b",
        std::string(3, '\0'),
        "\xEF\xBB\xBF[Main]\r\nk=bom",
        "[S]\r\nlong=" + std::string(10 * 1024 * 1024, 'z'),
    };
    for (int i = 0; i < 30; ++i) {
        std::string junk(rng() % 2000, '\0');
        for (char& c : junk)
            c = static_cast<char>("[]=;\"\r\n \tab\0\xFF"[rng() % 14]);
        inputs.push_back(junk);
    }
    for (const std::string& input : inputs) {
        dir.write("j.ini", input);
        IniFile ini(dir.file("j.ini"));
        for (const std::string& section : ini.sectionNames())
            for (const std::string& key : ini.keys(section))
                ini.readString(section, key, "");
        ini.writeString("Added", "key", "value");
        IniFile reread(dir.file("j.ini"));
        EXPECT_EQ(reread.readString("Added", "key", ""), "value");
        // Every earlier line is still there (with CR LF line ends).
        std::string text = dir.read("j.ini");
        std::string normalised;
        normalised.reserve(input.size() * 2);
        for (std::size_t i = 0; i < input.size(); ++i) {
            char c = input[i];
            if (c == '\r' && i + 1 < input.size() && input[i + 1] == '\n')
                continue;
            if (c == '\r' || c == '\n')
                normalised += "\r\n";
            else
                normalised.push_back(c);
        }
        EXPECT_EQ(text.compare(0, normalised.size(), normalised), 0);
    }
    dir.write("bom.ini", "\xEF\xBB\xBF[Main]\r\nk=bom\r\n");
    EXPECT_EQ(IniFile(dir.file("bom.ini")).readString("main", "k", ""), "bom");
}

} // namespace

TEST(IniFileWrite, SectionsWithoutANameCanBeReadButNotWritten)
{
    TempFolder dir;
    dir.write("n.ini", "[]\r\nk=1\r\n[ ]\r\nj=2\r\n[A]\r\nx=3\r\n");
    IniFile ini(dir.file("n.ini"));
    // "[]" and "[ ]" are one section, and sectionNames lists it.
    const std::vector<std::string> sections = ini.sectionNames();
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0], "");
    EXPECT_EQ(ini.readString("", "j", ""), "2");

    struct Case {
        const char* name;
        bool writable;
    } cases[] = {{"", false},     {" \t", false},    {"a]b", false},   {"a\nb", false},
                 {"a\rb", false}, {"A", true},       {" Main ", true}, {"[x", true},
                 {"a=b;c", true}, {"\xCF\xF0", true}};
    for (const Case& c : cases)
        EXPECT_EQ(IniFile::isWritableSection(c.name), c.writable) << c.name;
    for (const std::string& section : sections)
        if (IniFile::isWritableSection(section))
            ini.writeString(section, "added", "v");
    EXPECT_EQ(IniFile(dir.file("n.ini")).readString("A", "added", ""), "v");
}
