#include "cli/clirunner.h"

#include "codepages/charsets.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zuk::codepages::utf8ToWin;
using zuk::testing::checkRows;
using zuk::testing::runCli;

namespace {

std::string w(const char* utf8)
{
    return utf8ToWin(utf8);
}

} // namespace

TEST(ZukTextCodePages, TranscodeAndConvert)
{
    checkRows({
        {{"transcode", "--from", "win", "--to", "dos"}, w("Ёё я") + "\x97 ", "\xF0\xF1 \xEF\x97 "},
        {{"transcode", "--from", "dos", "--to", "koi"}, "\x80\xF0", "\xE1\xB3"},
        {{"transcode", "--from", "koi", "--to", "iso"}, "\xE1", "\xB0"},
        {{"transcode", "--from", "mac", "--to", "win"}, "\xDF\xDD", "\xFF\xA8"},
        // --utf8 does not touch the bytes of a transcoder.
        {{"transcode", "--utf8", "--from", "win", "--to", "koi"}, "\xC0", "\xE1"},
        {{"transcode", "--from", "win", "--to", "utf8"}, "x", "", 2, "unknown code page"},
        {{"transcode", "--to", "dos"}, "x", "", 2},
        {{"convert-doc", "--from", "win", "--to", "dos"}, "a\x97 b", "a\xC4 b"},
        {{"convert-doc", "--from", "dos", "--to", "dos"}, "\x97 ", "\xC4 "},
        {{"convert-doc", "--from", "win", "--to", "koi"}, "\x97 ", "\x97 "},
        {{"convert-doc", "--from", "win", "--to", "mac"}, "x", "", 2},
    });
    // A large input goes through the streaming path unchanged in length.
    std::string big(3 << 20, '\xC0');
    const auto r = runCli({"transcode", "--from", "win", "--to", "dos"}, big);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string(3 << 20, '\x80'));
}

TEST(ZukTextCodePages, ExportAndImport)
{
    checkRows({
        {{"export", "--to", "utf16"},
         "ab\r\ncd",
         std::string("\xFF\xFE"
                     "a\0b\0\x28\x20"
                     "c\0d\0",
                     12)},
        // Both Unicode exports read the bytes in the working code page.
        {{"export", "--to", "utf16", "--from", "koi"}, "\xE1", std::string("\xFF\xFE\x10\x04", 4)},
        {{"export", "--to", "utf8", "--from", "dos"}, "\xC0\x80\n", "\xE2\x94\x94\xD0\x90\r\n"},
        {{"export", "--to", "koi"}, w("я"), "\xD1\r\n"},
        {{"export", "--to", "mac", "--from", "koi"}, "\xD1", "\xDF\r\n"},
        {{"export", "--to", "dos"}, "", ""},
        {{"export", "--to", "ebcdic"}, "x", "", 2},
        {{"import", "--from", "utf16"},
         std::string("\xFE\xFF\x04\x10\x20\x28\0b", 8),
         "\xC0\r\nb\r\n"},
        {{"import", "--from", "utf16"},
         "a\x0B"
         "b",
         "a\r\nb\r\n"},
        {{"import", "--from", "utf8"},
         "a\nb\rc\x1A"
         "d",
         "a\nb\r\nc\r\n"},
        {{"import", "--from", "utf8", "--utf8"}, "\xD0\x90\r", "\xD0\x90\r\n"},
        {{"import", "--from", "mac"}, "\xDF", "\xFF\r\n"},
        {{"import", "--from", "iso"}, "\xB0\r\n\xF1", "\xC0\r\n\xB8\r\n"},
        {{"import", "--from", "koi"}, "x", "", 2},
    });
}

TEST(ZukTextCodePages, DetectLayoutTranslit)
{
    const std::string text = w("Широкая электрификация южных губерний даст мощный толчок");
    checkRows({
        {{"detect"}, text, "win\n"},
        {{"transcode", "--from", "win", "--to", "koi"}, "", ""},
        {{"detect"}, "plain English", "win\n"},
        {{"detect"}, "Широкая электрификация", "utf8\n"},
        {{"detect"}, "\xEF\xBB\xBFplain", "utf8\n"},
        {{"detect"}, std::string("\xFE\xFF\x04\x14", 4), "utf16\n"},
        {{"fix-layout", "--utf8"}, "Ghbdtn/", "Привет."},
        {{"translit", "--utf8"}, "Щука и Хлеб", "Sjuka i Xleb"},
        {{"translit", "--utf8", "--shcha", "Shch", "--xa", "KH"}, "Щука и Хлеб", "Shchuka i Khleb"},
        {{"translit", "--shcha", "shch"}, "x", "", 2},
        {{"detranslit", "--utf8"}, "shchuka e'to", "щука это"},
        {{"detranslit", "--utf8", "--w", "Sj"}, "w", "щ"},
        {{"detranslit", "--xa", "Q"}, "x", "", 2},
    });
    for (const char* page : {"dos", "koi"}) {
        const auto bytes = runCli({"transcode", "--from", "win", "--to", page}, text);
        EXPECT_EQ(runCli({"detect"}, bytes.out).out, std::string(page) + "\n");
    }
}

TEST(ZukTextCodePages, Tables)
{
    zuk::testing::TempFolder folder;
    folder.write("t.tbl", "ab=x\r\nab=y\r\nc=cc\r\n");
    folder.write("ext.txt", w("йа=я"));
    checkRows({
        {{"apply-table", "--table", folder.file("t.tbl")}, "abcab", "xccx"},
        {{"apply-table", "--table", folder.file("none.tbl")}, "x", "", 1, "none.tbl"},
        {{"apply-table"}, "x", "", 2},
        {{"detranslit", "--utf8", "--ext-table", folder.file("ext.txt")}, "jabloko", "яблоко"},
        {{"detranslit", "--ext-table", folder.file("none.txt")}, "x", "", 1},
    });
}
