#include "io/pathvalue.h"

#include "codepages/charsets.h"
#include "io/inifile.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

using zuk::codepages::utf8ToWin;
using zuk::codepages::winToUtf8;
using zuk::io::decodePathValue;
using zuk::io::encodePathValue;
using zuk::io::IniFile;
using zuk::testing::TempFolder;

namespace {

TEST(PathValue, EveryPathReadsBackAsWritten)
{
    struct Case {
        const char* name;
        std::string path;   // UTF-8, or any bytes a file name may hold
        std::string stored; // what the profile holds
    } cases[] = {
        {"ascii", "/usr/bin/firefox", "/usr/bin/firefox"},
        {"empty", "", ""},
        {"cyrillic stays Windows-1251", "/home/u/Письма/№ 1.txt",
         utf8ToWin("/home/u/Письма/№ 1.txt")},
        {"percent alone stays plain", "/a/100% b%20c.txt", "/a/100% b%20c.txt"},
        {"outside Windows-1251", "/home/u/ünï 日本.txt",
         "utf8:/home/u/%C3%BCn%C3%AF %E6%97%A5%E6%9C%AC.txt"},
        {"mixed with cyrillic", "/д/ü", "utf8:/" + utf8ToWin("д") + "/%C3%BC"},
        {"four-byte character", "/x/\xF0\x9F\x98\x80", "utf8:/x/%F0%9F%98%80"},
        {"percent beside an escape", "/ü%41", "utf8:/%C3%BC%2541"},
        {"line break and tab", "/a\nb\tc", "utf8:/a%0Ab%09c"},
        {"bytes that are no UTF-8", "/koi/\xF0\xD2\xC9", "utf8:/koi/%F0%D2%C9"},
        {"lone lead byte before a letter", "/\xC3x", "utf8:/%C3x"},
        {"overlong slash", "/\xC0\xAF", "utf8:/%C0%AF"},
        {"marker without escapes stays plain", "utf8:/plain", "utf8:/plain"},
        // Its plain form would read as an escaped value, so it is escaped itself.
        {"looks escaped", "utf8:/%C3%BC", "utf8:utf8:/%25C3%25BC"},
        {"blanks at the ends", " /x/ü ", "utf8: /x/%C3%BC "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(encodePathValue(c.path), c.stored);
        EXPECT_EQ(decodePathValue(c.stored), c.path);
    }
}

// Values the program has always written, and values that merely look like an
// escaped one, read exactly as plain Windows-1251 did.
TEST(PathValue, OldAndLookAlikeValuesReadAsPlainWindows1251)
{
    const std::string values[] = {
        "C:\\Program Files\\Opera6\\opera.exe",
        utf8ToWin("/home/u/Документы/"),
        "?n? ??.txt",          // what the old writer left of a name it could not hold
        "%C3%BC.txt",          // escapes without the marker
        "/a/utf8:%C3%BC",      // the marker not at the start
        "utf8:/%c3%bc",        // lower-case hexadecimal is never written
        "utf8:/%41",           // an escape the writer would not make
        "utf8:/%D0%B4",        // a Cyrillic letter, which the writer keeps plain
        "utf8:/%4",            // cut short
        "utf8:/100%",          // a percent sign that escapes nothing
        "utf8:/%%41",          //
        "utf8:/%C3%BC\tx",     // a control character the writer would escape
        "UTF8:/%C3%BC",        // another spelling of the marker
        "utf8:",               //
        utf8ToWin("utf8:/ь%"), //
        "\x98\xFF\x80 \x01",   // every byte has a character
    };
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        EXPECT_EQ(decodePathValue(value), winToUtf8(value));
    }
}

TEST(PathValue, ProfileKeepsPathsThroughARewrite)
{
    TempFolder dir;
    const std::string odd = "/home/u/ünï 日本/\"quoted\"";
    {
        IniFile ini(dir.file("zuk.ini"));
        IniFile::Batch batch(ini);
        ini.writePath("Main", "odd", odd);
        ini.writePath("Main", "russian", "/home/u/Письма/");
        ini.writePath("Main", "padded", "  /x/ ");
        batch.commit();
    }
    const std::string file = dir.read("zuk.ini");
    EXPECT_NE(file.find("russian=" + utf8ToWin("/home/u/Письма/") + "\r\n"), std::string::npos)
        << file;
    const IniFile reread(dir.file("zuk.ini"));
    EXPECT_EQ(reread.readPath("Main", "odd", ""), odd);
    EXPECT_EQ(reread.readPath("Main", "russian", ""), "/home/u/Письма/");
    EXPECT_EQ(reread.readPath("Main", "padded", ""), "  /x/ ");
    EXPECT_EQ(reread.readPath("Main", "missing", "/default/ü"), "/default/ü");
}

} // namespace
