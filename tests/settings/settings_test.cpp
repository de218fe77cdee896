#include "settings/settings.h"

#include "app/filehistory.h"

#include "codepages/charsets.h"
#include "io/inifile.h"
#include "io/tempfolder.h"
#include "platform/programfolder.h"

#include <gtest/gtest.h>

#include <set>

using namespace zuk::settings;
using zuk::app::readRecentFiles;
using zuk::app::RRecentFile;
using zuk::app::writeRecentFiles;
using zuk::codepages::utf8ToWin;
using zuk::io::IniFile;
using zuk::testing::TempFolder;

namespace {

struct Key {
    const char* section;
    const char* key;
    std::string value;
};

// Every key the first SaveSettings writes into an empty zuk.ini, with its
// default, for a 1366 x 768 screen.
std::vector<Key> expectedDefaults()
{
    return {
        {"Main", "EditLineSepStyle", "2"},
        {"Main", "chfileext", "0"},
        {"Main", "defext", "txt"},
        {"Main", "ct.Browserz.ie", "/usr/bin/firefox"},
        {"Main", "ct.Browserz.opera", "/usr/bin/opera"},
        {"Main", "SaveToolbarsOnExit", "0"},
        {"Main", "do_crash_copy", "0"},
        {"Main", "Recovery", "1"},
        {"Main", "rtf_import_as_text", "1"},
        {"Main", "WinFontCharSet", "1"},
        {"Main", "ReplaceRecursive", "0"},
        {"Main", "find_opt_CaseInsensitive", "0"},
        {"Main", "exit_on_esc", "0"},
        {"Main", "Lastab", ""},
        {"Main", "tidyconfstr", " -m --char-encoding raw --output-xhtml true"},
        {"Main", "tidy_path", "/usr/bin/tidy"},
        {"Main", "dlgFileOpenSizeX", "1024"},
        {"Main", "dlgFileOpenSizeY", "576"},
        {"Main", "Persistent_blocks", "0"},
        {"Main", "SpacesPerTab", "3"},
        {"Translit", "use_ext_translit", "1"},
        {"Main", "bkonopen", "0"},
        {"Main", "MarginActive", "0"},
        {"Main", "ShowLineNumbers", "0"},
        {"Main", "DoEncDetect", "0"},
        {"Main", "UnicodeOnOpen", "1"},
        {"Main", "KeepLineBreaks", "0"},
        {"Main", "DefAutoIndent", "1"},
        {"Main", "RMargin", "72"},
        {"Main", "boutput_processed_files_to_dir", "0"},
        {"Main", "soutput_processed_files_to_dir", ""},
        {"Main", "imageeditor", "gimp"},
        {"Main", "imageviewer", ""},
        {"Main", "CopyOnSelect", "0"},
        {"Main", "WordWrap", "1"},
        {"Main", "BHU", "0"},
        {"Main", "show_statusbar", "1"},
        {"Main", "show_topbar", "1"},
        {"Main", "AutoComp", "1"},
        {"Main", "SyntaxHighlight", "1"},
        {"Main", "Lined", "0"},
        {"Main", "FontColor", "0"},
        {"Main", "BGColor", "16777215"},
        {"Main", "SelFontColor", "16777215"},
        {"Main", "SelBGColor", "0"},
        {"Main", "autoindent", "1"},
        {"Main", "use_temp_file", "0"},
        {"Main", "CurBeyondEOF", "0"},
        {"Main", "CurBeyondEOL", "0"},
        {"Main", "MRUItemsCount", "25"},
        {"Makros", "Metachar", "@"},
        {"AI", "showmagik", "0"},
        {"CPUStatus", "CPUStatus_enable", "1"},
        {"CPUStatus", "CPUStatus_update", "5000"},
        {"DoOnExit", "confirm_on_exit", "0"},
        {"Quotes", "current_quotefile", utf8ToWin("русские пословицы")},
        {"Gutter", "Gutter_Visible", "0"},
        {"Gutter", "GutFillOption", "0"},
        {"Gutter", "GradientColor1", "12632256"},
        {"Gutter", "GradientColor2", "16711680"},
        {"Gutter", "width", "24"},
        {"Gutter", "GradientMode", "1"},
        {"Gutter", "SimpleColor", "16724212"},
        {"RunglerOpts", "WInterpMode", "V"},
        {"RunglerOpts", "XaConvMode", "X"},
        {"RunglerOpts", "ShchaConvMode", "Sj"},
        {"LangOptions", "Lang", utf8ToWin("Русский")},
        {"OnStart", "LoadLastFiles", "0"},
        {"OnExit", "autosave_on_exit", "0"},
        {"PowModes", "Suspend", "0"},
        {"PowModes", "StandBy", "0"},
        {"PowModes", "shutdown", "0"},
        {"FileBox", "Files", "0"},
        {"FileBox", "Folders", "16711680"},
        {"FileBox", "Back", "16777215"},
        {"FileBox", "th_w", "150"},
        {"FileBox", "th_h", "100"},
        {"FileBox", "th_color", "8388608"},
        {"FileBox", "show_smotrelka", "1"},
        {"SaveOptions", "SaveVersionOnExit", "0"},
        {"SaveOptions", "ConvertVersionToCharset", "win"},
        {"SaveOptions", "DoConvertVersionToCharset", "0"},
        {"SaveOptions", "VersionNamePrefix", "version"},
        {"SaveOptions", "AddVersionNamePrefix", "0"},
        {"SaveOptions", "DoCopyVer", "0"},
        {"SaveOptions", "SaveInSameFolder", "1"},
        {"SaveOptions", "CopyVerPath", ""},
        {"SaveOptions", "SaveTime", "5"},
        {"SaveOptions", "SaveTimeEnable", "0"},
        {"SaveOptions", "autosaveonpreview", "0"},
        {"Autoscroll", "Active", "0"},
        {"Autoscroll", "Time", "2500"},
        {"Autoscroll", "LinesPerTime", "1"},
        {"Fonts", "KOI8", "Courier New"},
        {"Fonts", "DOS", "Terminal"},
        {"Fonts", "WIN", "Courier New"},
        {"Fonts", "KOI8Size", "10"},
        {"Fonts", "DOSSize", "10"},
        {"Fonts", "WINSize", "10"},
        {"TextStyles", "text_styles_use_back_color", "1"},
        {"AutoEdit", "ChangeQuotes", "0"},
        {"Sounds", "Key", "0"},
        {"Sounds", "CRET", "0"},
        {"Editor", "FillOption", "0"},
        {"Editor", "Wallpaper", ""},
        {"Editor", "GradientColor1", "12632256"},
        {"Editor", "GradientColor2", "16711680"},
        {"Editor", "GradientMode", "1"},
        {"Editor", "WallpaperMode", "1"},
        {"HexEdit", "BytesPerLine", "16"},
        {"HexEdit", "BytesPerColumn", "2"},
        {"HexEdit", "Translation", "ttAnsi"},
        {"HexEdit", "OffsetDisplay", "odHex"},
        {"HexEdit", "OffsetSeparator", ":"},
        {"HexEdit", "CreateBackup", "0"},
        {"HexEdit", "BackupExtension", ".bak"},
        {"HexEdit", "FocusFrame", "1"},
        {"HexEdit", "MaskWhiteSpaces", "1"},
        {"HexEdit", "MaskChar", "."},
        {"HexEdit", "FontName", "Courier"},
        {"HexEdit", "FontHeight", "20"},
        {"HexEdit", "Background", "-1"},
        {"HexEdit", "CurrentBack", "128"},
        {"HexEdit", "CurrentText", "16777215"},
        {"HexEdit", "ChangedBack", "11075583"},
        {"HexEdit", "ChangedText", "128"},
        {"HexEdit", "CaretFrame", "8388608"},
        {"HexEdit", "OffsetText", "0"},
        {"HexEdit", "OddColumn", "16711680"},
        {"HexEdit", "EvenColumn", "8388608"},
        {"Planner", "BorderColor", "15660543"},
        {"Planner", "BookMarkColor", "65535"},
        {"Planner", "HTMLBorder", "0"},
        {"Planner", "HTMLFontName", "Arial"},
        {"Sound_Man", "mode", "t"},
        {"Sound_Man", "Waveform", "0"},
        {"Sound_Man", "Frequency", "440"},
        {"Sound_Man", "Duration", "100"},
        {"Sound_Man", "Attack", "90"},
        {"Sound_Man", "Decay", "80"},
        {"Sound_Man", "Sustain", "50"},
        {"Sound_Man", "Release", "100"},
        {"Sound_Man", "Resolution", "0"},
        {"Sound_Man", "Quality", "1"},
    };
}

std::size_t keyCount(const IniFile& ini)
{
    std::size_t n = 0;
    for (const std::string& section : ini.sectionNames())
        n += ini.keys(section).size();
    return n;
}

TEST(Settings, FirstSaveWritesEveryDefaultAndNothingElse)
{
    TempFolder dir;
    IniFile ini(dir.file("zuk.ini"));
    RConnectionTable ct;
    RSoundSettings sound;
    RMainWindowProps props;
    LoadSettings(ini, ct, sound, props, 1366, 768, "/opt/zuk/");
    SaveSettings(ini, ct, sound, props, RMenuChecks{ct.WordWrap, ct.CopyOnSelect});

    IniFile written(dir.file("zuk.ini"));
    std::vector<Key> expected = expectedDefaults();
    for (const Key& k : expected)
        EXPECT_EQ(written.readString(k.section, k.key, "<missing>"), k.value)
            << k.section << "/" << k.key;
    // Shut-down-only keys, read-only keys and window sections are not among them.
    EXPECT_EQ(keyCount(written), expected.size());
    for (const char* key : {"DisplayMemStatus", "Top", "Left", "W", "H", "ChildW", "ChildH",
                            "LastOpenDir", "LastSaveDir"})
        EXPECT_FALSE(written.hasKey("Main", key)) << key;
    for (const char* key : {"Cols", "PelFont", "PelFontSize", "splitterx", "left", "w"})
        EXPECT_FALSE(written.hasKey("FileBox", key)) << key;
    EXPECT_FALSE(written.hasSection("Utils"));

    // Read back, every field equals what was saved: saving again changes nothing.
    std::string first = dir.read("zuk.ini");
    RConnectionTable ct2;
    RSoundSettings sound2;
    RMainWindowProps props2;
    LoadSettings(written, ct2, sound2, props2, 1366, 768, "/opt/zuk/");
    SaveSettings(written, ct2, sound2, props2, RMenuChecks{ct2.WordWrap, ct2.CopyOnSelect});
    EXPECT_EQ(dir.read("zuk.ini"), first);
    EXPECT_EQ(props2.LastOpenDir, "/opt/zuk/");
    EXPECT_EQ(props2.W, 1229);
    EXPECT_EQ(ct2.Lang, utf8ToWin("Русский"));
}

// Every key changed in the file is read into some field and written back
// from that field under the same key.
TEST(Settings, EveryKeyRoundTripsThroughTheRecord)
{
    TempFolder dir;
    IniFile ini(dir.file("zuk.ini"));
    RConnectionTable ct;
    RSoundSettings sound;
    RMainWindowProps props;
    LoadSettings(ini, ct, sound, props, 1024, 768, "/p/");
    SaveSettings(ini, ct, sound, props, RMenuChecks{});

    IniFile::Batch batch(ini);
    for (const std::string& section : ini.sectionNames()) {
        if (section == "HexEdit")
            continue; // checked on load: hexeditsettings_test.cpp
        for (const auto& [key, value] : ini.sectionValues(section)) {
            std::string next;
            if (key == "autoindent" || key == "LinesPerTime")
                next = "7"; // kept in bounds on load
            else if (value == "0" || value == "1")
                next = value == "0" ? "1" : "0";
            else if (!value.empty() && value.find_first_not_of("0123456789") == std::string::npos)
                next = std::to_string((std::stoi(value) + 7) % 256);
            else if (section == "Sound_Man")
                next = "s";
            else
                next = value + "x";
            ini.writeString(section, key, next);
        }
    }
    batch.commit();
    RConnectionTable ct2;
    RSoundSettings sound2;
    RMainWindowProps props2;
    IniFile reread(dir.file("zuk.ini"));
    LoadSettings(reread, ct2, sound2, props2, 1024, 768, "/p/");
    std::string before = dir.read("zuk.ini");
    SaveSettings(reread, ct2, sound2, props2, RMenuChecks{ct2.WordWrap, ct2.CopyOnSelect});
    EXPECT_EQ(dir.read("zuk.ini"), before);
    EXPECT_EQ(sound2.mode, 's');
    EXPECT_EQ(ct2.CPUStatus_update, (5000 + 7) % 256);
}

TEST(Settings, FallbacksBytesAndScreenRounding)
{
    TempFolder dir;
    dir.write("zuk.ini", "[Main]\r\nW=wide\r\nH=\r\nEditLineSepStyle=258\r\nWordWrap=0\r\n"
                         "[Fonts]\r\nKOI8Size=-1\r\nDOSSize=300\r\n"
                         "[Editor]\r\nFillOption=513\r\n"
                         "[Sound_Man]\r\nmode=sine\r\n"
                         "[Translit]\r\nuse_ext_translit=0\r\n[Utils]\r\nQuoteChar='\r\n");
    IniFile ini(dir.file("zuk.ini"));
    RConnectionTable ct;
    RSoundSettings sound;
    RMainWindowProps props;
    LoadSettings(ini, ct, sound, props, 1366, 1362, "/p/");
    EXPECT_EQ(props.W, 1229);                // not a number: 90 % of 1366 = 1229.4
    EXPECT_EQ(props.H, 1226);                // empty: 90 % of 1362 = 1225.8
    EXPECT_EQ(props.dlgFileOpenSizeX, 1024); // 1024.5: halves go to the even neighbour
    EXPECT_EQ(props.dlgFileOpenSizeY, 1022); // 1021.5
    EXPECT_EQ(props.Top, 1);
    EXPECT_EQ(props.Left, 1);
    EXPECT_EQ(ct.EditLineSepStyle, 2);
    EXPECT_EQ(ct.KOI8Size, 255);
    EXPECT_EQ(ct.DOSSize, 44);
    EXPECT_EQ(ct.EditorFill.FillOption, 1);
    EXPECT_FALSE(ct.WordWrap);
    EXPECT_EQ(sound.mode, 's');
    EXPECT_FALSE(ct.use_ext_translit);
    EXPECT_EQ(ct.QuoteChar, "'");

    struct Round {
        int value, percent, expected;
    } rounds[] = {
        {1366, 75, 1024}, {1362, 75, 1022}, {1365, 90, 1228}, {1375, 90, 1238}, {1920, 90, 1728},
        {0, 90, 0},       {1, 50, 0},       {3, 50, 2},       {-3, 50, -2},
    };
    for (const Round& r : rounds)
        EXPECT_EQ(percentRoundedHalfEven(r.value, r.percent), r.expected)
            << r.value << " " << r.percent;

    // The read-only keys stay as the user wrote them; the mode keeps one character;
    // the dialog's transliteration switch is saved.
    ct.use_ext_translit = true;
    SaveSettings(ini, ct, sound, props, RMenuChecks{false, true});
    IniFile after(dir.file("zuk.ini"));
    EXPECT_EQ(after.readString("Sound_Man", "mode", ""), "s");
    EXPECT_EQ(after.readString("Translit", "use_ext_translit", ""), "1");
    EXPECT_EQ(after.readString("Utils", "QuoteChar", ""), "'");
    EXPECT_EQ(after.readString("Main", "W", ""), "wide");         // shut-down key: untouched
    EXPECT_EQ(after.readString("Main", "CopyOnSelect", ""), "1"); // from the check mark
}

TEST(Settings, NumbersThatSizeEditorLoopsAreClamped)
{
    TempFolder dir;
    dir.write("zuk.ini", "[Main]\r\nSpacesPerTab=1000000000\r\nautoindent=-4\r\n"
                         "[Autoscroll]\r\nLinesPerTime=99999\r\n");
    IniFile ini(dir.file("zuk.ini"));
    RConnectionTable ct;
    RSoundSettings sound;
    RMainWindowProps props;
    LoadSettings(ini, ct, sound, props, 800, 600, "/p/");
    EXPECT_EQ(ct.SpacesPerTab, 32);
    EXPECT_EQ(ct.autoindent, 1);
    EXPECT_EQ(ct.LinesPerTime, 1000);
}

TEST(Settings, ShutdownKeys)
{
    TempFolder dir;
    IniFile ini(dir.file("zuk.ini"));
    RConnectionTable ct;
    ct.DisplayMemStatus = false;
    ct.ChildW = 640;
    ct.FileBoxCols = 3;
    ct.PelFont = "Mono";
    ct.splitterx = 321;
    RMainWindowProps props = defaultMainWindowProps(1000, 800, "/p/");
    props.Top = 5;

    SaveShutdownKeys(ini, ct, props, std::nullopt);
    EXPECT_FALSE(ini.hasKey("Main", "LastOpenDir")); // no document open
    EXPECT_FALSE(ini.hasKey("Main", "defext"));      // not a shut-down key
    EXPECT_EQ(ini.readString("Main", "DisplayMemStatus", ""), "0");
    EXPECT_EQ(ini.readInt("Main", "Top", 0), 5);
    EXPECT_EQ(ini.readInt("Main", "W", 0), 900);
    EXPECT_EQ(ini.readInt("Main", "ChildW", 0), 640);
    EXPECT_EQ(ini.readInt("Main", "ChildH", 0), 300);
    EXPECT_EQ(ini.readInt("FileBox", "Cols", 0), 3);
    EXPECT_EQ(ini.readString("FileBox", "PelFont", ""), "Mono");
    EXPECT_EQ(ini.readInt("FileBox", "PelFontSize", 0), 10);
    EXPECT_EQ(ini.readInt("FileBox", "splitterx", 0), 321);

    SaveShutdownKeys(ini, ct, props, std::string("/home/u/docs/"));
    IniFile reread(dir.file("zuk.ini"));
    EXPECT_EQ(reread.readString("Main", "LastOpenDir", ""), "/home/u/docs/");
    EXPECT_EQ(reread.readString("Main", "LastSaveDir", ""), "/home/u/docs/");
}

TEST(Settings, WindowGeometryAndHistory)
{
    TempFolder dir;
    IniFile ini(dir.file("zuk.ini"));
    struct Case {
        WindowGeometryKeys window;
        RWindowGeometry defaults;
        const char* section;
        const char* heightKey;
    } cases[] = {
        {doxGeometryKeys(), {2, 2, 100, 200}, "Dox", "H"},
        {bmxGeometryKeys(), {2, 2, 200, 300}, "Bmx", "height"},
        {sniMGeometryKeys(), {2, 2, 200, 300}, "fmSniM", "height"},
        {fileBoxGeometryKeys(), {2, 2, 400, 300}, "FileBox", "h"},
    };
    for (const Case& c : cases) {
        RWindowGeometry g = readWindowGeometry(ini, c.window);
        EXPECT_EQ(g.Top, c.defaults.Top);
        EXPECT_EQ(g.Left, c.defaults.Left);
        EXPECT_EQ(g.Width, c.defaults.Width);
        EXPECT_EQ(g.Height, c.defaults.Height);
        writeWindowGeometry(ini, c.window, {10, 20, 30, 40});
        EXPECT_EQ(ini.readInt(c.section, c.heightKey, 0), 40) << c.section;
        EXPECT_EQ(readWindowGeometry(IniFile(dir.file("zuk.ini")), c.window).Left, 20);
    }
    // The snippet manager also keeps its unrolled height under H.
    EXPECT_EQ(ini.readInt("fmSniM", "H", 0), 40);

    ini.writeString("Recent", "Item_7", "stale");
    writeRecentFiles(ini, {{"/home/u/\xD0\xB0.txt", 0}, {"", 3}, {"/b.txt", 12}});
    EXPECT_FALSE(ini.hasKey("Recent", "Item_7"));
    EXPECT_FALSE(ini.hasKey("Recent", "User_0"));
    EXPECT_EQ(ini.readString("Recent", "Item_0", ""), "/home/u/\xE0.txt"); // stored in Windows-1251
    EXPECT_EQ(ini.readInt("Recent", "User_1", 0), 12);

    std::vector<RRecentFile> files = readRecentFiles(IniFile(dir.file("zuk.ini")), 25);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].fileName, "/home/u/\xD0\xB0.txt");
    EXPECT_EQ(files[0].firstLine, 0);
    EXPECT_EQ(files[1].firstLine, 12);
    EXPECT_EQ(readRecentFiles(ini, 1).size(), 1u);
}

TEST(Settings, WorkingFoldersGoIntoTheRecord)
{
    TempFolder dir;
    dir.write("ünï 日本/engine/PARTS/x", "");
    RConnectionTable ct;
    setWorkingFolders(ct, zuk::platform::workingFolders(dir.file("ünï 日本")));
    EXPECT_EQ(ct.PartsDir, dir.path() + "ünï 日本/engine/PARTS/");
    EXPECT_EQ(ct.TablesDir, dir.path() + "ünï 日本/engine/Tables/");
}

// The path of every key that holds one, as a test sets it: the key's name in
// a folder whose name Windows-1251 cannot hold.
struct PathField {
    const char* section;
    const char* key;
    std::string* field;
};

std::vector<PathField> pathFields(RConnectionTable& ct)
{
    return {
        {"Main", "ct.Browserz.ie", &ct.BrowserPaths.ie},
        {"Main", "ct.Browserz.opera", &ct.BrowserPaths.opera},
        {"Main", "tidy_path", &ct.tidy_path},
        {"Main", "soutput_processed_files_to_dir", &ct.soutput_processed_files_to_dir},
        {"Main", "imageeditor", &ct.imageeditor},
        {"Main", "imageviewer", &ct.imageviewer},
        {"Quotes", "current_quotefile", &ct.current_quotefile},
        {"SaveOptions", "CopyVerPath", &ct.SaveOptions.CopyVerPath},
        {"Editor", "Wallpaper", &ct.EditorFill.Wallpaper},
    };
}

TEST(Settings, PathKeysKeepNamesOutsideWindows1251)
{
    TempFolder dir;
    RConnectionTable ct;
    RSoundSettings sound;
    RMainWindowProps props = defaultMainWindowProps(1024, 768, "/opt/ünï/");
    EXPECT_EQ(props.LastOpenDir, "/opt/ünï/");
    for (const PathField& p : pathFields(ct))
        *p.field = std::string("/home/ünï 日本/Письма/") + p.key;
    {
        IniFile ini(dir.file("zuk.ini"));
        SaveSettings(ini, ct, sound, props, RMenuChecks{});
        SaveShutdownKeys(ini, ct, props, std::string("/home/ünï 日本/docs/"));
    }
    const IniFile written(dir.file("zuk.ini"));
    for (const PathField& p : pathFields(ct))
        EXPECT_EQ(written.readString(p.section, p.key, "").rfind("utf8:/home/%C3%BCn%C3%AF", 0), 0u)
            << p.key << " holds " << written.readString(p.section, p.key, "");
    EXPECT_EQ(written.readString("Main", "LastOpenDir", ""),
              "utf8:/home/%C3%BCn%C3%AF %E6%97%A5%E6%9C%AC/docs/");

    RConnectionTable ct2;
    RSoundSettings sound2;
    RMainWindowProps props2;
    LoadSettings(written, ct2, sound2, props2, 1024, 768, "/p/");
    for (const PathField& p : pathFields(ct2))
        EXPECT_EQ(*p.field, std::string("/home/ünï 日本/Письма/") + p.key) << p.key;
    EXPECT_EQ(props2.LastOpenDir, "/home/ünï 日本/docs/");
    EXPECT_EQ(props2.LastSaveDir, "/home/ünï 日本/docs/");
}

TEST(Settings, PathKeysOfOldFilesReadAsBefore)
{
    TempFolder dir;
    dir.write("zuk.ini",
              std::string("[Main]\r\nct.Browserz.opera=C:\\Program Files\\Opera6\\opera.exe\r\n") +
                  utf8ToWin("LastOpenDir=/home/u/Документы/\r\n") +
                  "LastSaveDir=utf8:/%41\r\n"
                  "imageviewer=utf8:/%c3%bc\r\n"
                  "tidy_path=/usr/bin/tidy%20x\r\n"
                  "[Quotes]\r\n" +
                  utf8ToWin("current_quotefile=поговорки\r\n"));
    RConnectionTable ct;
    RSoundSettings sound;
    RMainWindowProps props;
    LoadSettings(IniFile(dir.file("zuk.ini")), ct, sound, props, 1024, 768, "/p/");
    EXPECT_EQ(ct.BrowserPaths.opera, "C:\\Program Files\\Opera6\\opera.exe");
    EXPECT_EQ(props.LastOpenDir, "/home/u/Документы/");
    EXPECT_EQ(props.LastSaveDir, "utf8:/%41");
    EXPECT_EQ(ct.imageviewer, "utf8:/%c3%bc");
    EXPECT_EQ(ct.tidy_path, "/usr/bin/tidy%20x");
    EXPECT_EQ(ct.current_quotefile, "поговорки");
    EXPECT_EQ(ct.BrowserPaths.ie, "/usr/bin/firefox"); // missing: the default
    EXPECT_EQ(RConnectionTable().current_quotefile, "русские пословицы");

    // Written back, each of them stays byte for byte.
    const IniFile before(dir.file("zuk.ini"));
    {
        IniFile ini(dir.file("zuk.ini"));
        SaveSettings(ini, ct, sound, props, RMenuChecks{});
        SaveShutdownKeys(ini, ct, props, std::nullopt);
    }
    const IniFile after(dir.file("zuk.ini"));
    for (const char* key :
         {"ct.Browserz.opera", "LastOpenDir", "LastSaveDir", "imageviewer", "tidy_path"})
        EXPECT_EQ(after.readString("Main", key, "?"), before.readString("Main", key, "!")) << key;
    EXPECT_EQ(after.readString("Quotes", "current_quotefile", ""), utf8ToWin("поговорки"));
}

} // namespace
