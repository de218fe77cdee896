// The hex editor's keys of zuk.ini: what is in range reads back as written,
// anything else gives the default, so the editor never gets a layout it
// cannot draw.

#include "hexedit/hexlayout.h"
#include "hexedit/translation.h"
#include "io/inifile.h"
#include "io/tempfolder.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

using namespace zuk::settings;
using zuk::io::IniFile;
using zuk::testing::TempFolder;

namespace {

RHexEdit load(const std::string& section)
{
    TempFolder dir;
    dir.write("zuk.ini", "[HexEdit]\r\n" + section);
    IniFile ini(dir.file("zuk.ini"));
    RConnectionTable ct;
    RSoundSettings sound;
    RMainWindowProps props;
    LoadSettings(ini, ct, sound, props, 1024, 768, "/p/");
    return ct.HexEdit;
}

} // namespace

TEST(HexEditSettings, ValuesInRangeReadBackAsWritten)
{
    const RHexEdit h = load("BytesPerLine=256\r\nBytesPerColumn=1\r\nTranslation=ttEBCDIC\r\n"
                            "OffsetDisplay=odDec\r\nOffsetSeparator=|\r\nCreateBackup=1\r\n"
                            "BackupExtension=.orig\r\nFocusFrame=0\r\nMaskWhiteSpaces=0\r\n"
                            "MaskChar=*\r\nFontName=Mono\r\nFontHeight=12\r\n"
                            "Background=16777215\r\nChangedBack=255\r\n");
    EXPECT_EQ(h.BytesPerLine, 256);
    EXPECT_EQ(h.BytesPerColumn, 1);
    EXPECT_EQ(h.Translation, "ttEBCDIC");
    EXPECT_EQ(h.OffsetDisplay, "odDec");
    EXPECT_EQ(h.OffsetSeparator, "|");
    EXPECT_TRUE(h.CreateBackup);
    EXPECT_EQ(h.BackupExtension, ".orig");
    EXPECT_FALSE(h.FocusFrame);
    EXPECT_FALSE(h.MaskWhiteSpaces);
    EXPECT_EQ(h.MaskChar, "*");
    EXPECT_EQ(h.FontName, "Mono");
    EXPECT_EQ(h.FontHeight, 12);
    EXPECT_EQ(h.Background, 0xFFFFFF);
    EXPECT_EQ(h.ChangedBack, 0xFF);
    EXPECT_EQ(load("OffsetSeparator=\r\n").OffsetSeparator, ""); // no separator at all
}

TEST(HexEditSettings, ValuesOutOfRangeGiveTheDefaults)
{
    const RHexEdit d;
    for (const char* bad : {"0", "257", "-16", "x"}) {
        const std::string v = bad;
        const RHexEdit h = load("BytesPerLine=" + v + "\r\nBytesPerColumn=" + v + "\r\n");
        EXPECT_EQ(h.BytesPerLine, d.BytesPerLine) << bad;
        EXPECT_EQ(h.BytesPerColumn, d.BytesPerColumn) << bad;
    }
    const RHexEdit h = load("Translation=Ansi\r\nOffsetDisplay=hex\r\nOffsetSeparator=::\r\n"
                            "MaskChar=ab\r\nFontHeight=0\r\nFontName=\r\n");
    EXPECT_EQ(h.Translation, "ttAnsi");
    EXPECT_EQ(h.OffsetDisplay, "odHex");
    EXPECT_EQ(h.OffsetSeparator, ":");
    EXPECT_EQ(h.MaskChar, ".");
    EXPECT_EQ(h.FontHeight, 20);
    EXPECT_EQ(h.FontName, "Courier");
    EXPECT_EQ(load("MaskChar=\r\n").MaskChar, ".");
}

// The loader's list of names is the editor's: none it accepts is unknown to
// the editor, none the editor has is refused.
TEST(HexEditSettings, TheLoaderKnowsEveryNameOfTheEditor)
{
    for (zuk::hexedit::Translation t : zuk::hexedit::kTranslations)
        EXPECT_EQ(load(std::string("Translation=") + translationName(t) + "\r\n").Translation,
                  translationName(t));
    using zuk::hexedit::OffsetDisplay;
    for (OffsetDisplay o : {OffsetDisplay::Hex, OffsetDisplay::Dec, OffsetDisplay::None})
        EXPECT_EQ(load(std::string("OffsetDisplay=") + offsetDisplayName(o) + "\r\n").OffsetDisplay,
                  offsetDisplayName(o));
}
