#pragma once

#include <cstdint>
#include <string>

namespace zuk::settings {

// A colour value: red in the lowest byte, then green, then blue (0x00BBGGRR);
// negative values name system colours.
using Colour = int32_t;

// Executable paths (UTF-8) of the two preview browsers; the other three are
// kept unused.
struct RBrowserPaths {
    std::string ie = "/usr/bin/firefox";
    std::string opera = "/usr/bin/opera";
    std::string spare1, spare2, spare3;
};

// Version and backup options of the file commands.
struct RSaveOptions {
    bool SaveVersionOnExit = false;
    std::string ConvertVersionToCharset = "win";
    bool DoConvertVersionToCharset = false;
    std::string VersionNamePrefix = "version";
    bool AddVersionNamePrefix = false;
    bool DoCopyVer = false;
    bool SaveInSameFolder = true;
    std::string CopyVerPath; // UTF-8 folder
    int SaveTime = 5;
    bool SaveTimeEnable = false;
};

// A background fill. The text area uses the first six fields; the gutter uses
// FillOption (0 plain SimpleColor, 2 gradient), the colours, GradientMode,
// width (its width in pixels) and SimpleColor.
struct RFR {
    uint8_t FillOption = 0;    // 0 none, 1 picture, 2 gradient
    std::string Wallpaper;     // picture file, UTF-8
    uint8_t WallpaperMode = 1; // 1 tile, 2 centre, 3 stretch
    Colour GradientColor1 = 0xC0C0C0;
    Colour GradientColor2 = 0xFF0000;
    uint8_t GradientMode = 1; // 1 vertical, 2 horizontal
    int width = 24;
    Colour SimpleColor = 0xFF30F4;
};

// The hex editor's settings (section HexEdit of zuk.ini). LoadSettings puts
// every value into its range: a bad one gives the default. The three names are
// those of the hex editor's enums ("ttAnsi", "odHex"); the characters and the
// font name are Windows-1251, the backup extension UTF-8 with its dot.
inline constexpr int kMaxHexBytesPerLine = 256;
struct RHexEdit {
    int BytesPerLine = 16;  // 1..256
    int BytesPerColumn = 2; // 1..256
    std::string Translation = "ttAnsi";
    std::string OffsetDisplay = "odHex";
    std::string OffsetSeparator = ":"; // one character
    bool CreateBackup = false;
    std::string BackupExtension = ".bak";
    bool FocusFrame = true;
    bool MaskWhiteSpaces = true;
    std::string MaskChar = "."; // one character
    std::string FontName = "Courier";
    int FontHeight = 20;    // pixels, 6..72
    Colour Background = -1; // negative: the window colour
    Colour CurrentBack = 0x000080, CurrentText = 0xFFFFFF;
    Colour ChangedBack = 0xA8FFFF, ChangedText = 0x000080;
    Colour CaretFrame = 0x800000;
    Colour OffsetText = 0x000000;
    Colour OddColumn = 0xFF0000, EvenColumn = 0x800000;
};

// The year planner's colours and the look of its year page (section Planner
// of zuk.ini). The font name is Windows-1251.
struct RPlanner {
    Colour BorderColor = 0xEEF5FF;   // red FF, green F5, blue EE
    Colour BookMarkColor = 0x00FFFF; // yellow
    bool HTMLBorder = false;
    std::string HTMLFontName = "Arial";
};

// The one settings record of the run. The main window owns it and hands it to
// the tools through the host; everything reads it by field name. It holds
// values only: the objects of a run (scheme registry, text styles) belong to
// their subsystems. Fields that hold a path or a file name are UTF-8, as the
// file system has them: BrowserPaths, imageeditor, imageviewer, tidy_path,
// current_quotefile, soutput_processed_files_to_dir, SaveOptions.CopyVerPath,
// EditorFill.Wallpaper and GutterFill.Wallpaper, and the working folders
// (TablesDir ... CStylesDir, with a trailing '/'). zuk.ini keeps them in the
// lossless form of io/pathvalue.h, so no name outside Windows-1251 is lost.
// Every other string is Windows-1251 bytes. The defaults here are the built-in
// ones (LoadSettings fills the ones that depend on the screen or on the
// program folder).
struct RConnectionTable {
    bool SyntaxHighlight = true;
    bool CPUStatus_enable = true;
    int CPUStatus_update = 5000;
    bool rtf_import_as_text = true;
    bool Gutter_Visible = false;
    bool SaveToolbarsOnExit = false;
    int WinFontCharSet = 1;
    settings::RBrowserPaths BrowserPaths;
    bool DoEncDetect = false;
    // A file opened that is UTF-8 without a byte-order mark is recognised as such.
    bool UnicodeOnOpen = true;
    // Every save writes the line break the document's file had, not CR LF.
    bool KeepLineBreaks = false;
    bool ChangeQuotes = false;
    bool Lined = false;
    bool ShowLineNumbers = false;
    int MRUItemsCount = 25;
    bool WordWrap = true;
    bool autosaveonpreview = false;
    std::string imageeditor = "gimp";
    std::string imageviewer;
    bool text_styles_use_back_color = true;
    bool exit_on_esc = false;
    bool showmagik = false;
    std::string Metachar = "@";
    bool show_statusbar = true;
    bool show_topbar = true;
    bool find_opt_CaseInsensitive = false;
    bool chfileext = false;
    std::string defext = "txt";
    bool do_crash_copy = false;
    // Recovery copies of unsaved documents in Engine/Parts/recovery/ (app/recovery.h).
    bool Recovery = true;
    bool DisplayMemStatus = true;
    bool BHU = false;
    std::string Lang = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9"; // "Русский": the built-in texts
    bool CopyOnSelect = false;
    bool ReplaceRecursive = false;
    std::string tidy_path = "/usr/bin/tidy";
    std::string QuoteChar = "\"";
    int UntitledCounter = -1;
    bool FirstActivation = false;
    int autoindent = 1;
    int ChildW = 400, ChildH = 300;
    bool AutoscrollActive = false;
    int LinesPerTime = 1;
    int AutoscrollTime = 2500;
    settings::RSaveOptions SaveOptions;
    bool Suspend = false, StandBy = false;
    bool shutdown = false;
    bool LoadLastFiles = false;
    bool autosave_on_exit = false;
    bool Closing = false;
    bool HighlightListUpdating = false;
    uint8_t EditLineSepStyle = 2; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    std::string current_quotefile = "русские пословицы"; // a file of quotes/, UTF-8
    std::string FontKOI8 = "Courier New", FontDOS = "Terminal", FontWIN = "Courier New";
    uint8_t KOI8Size = 10, DOSSize = 10, WINSize = 10;
    std::string TablesDir, TemplatesDir, PluginsDir, PartsDir, CStylesDir;
    bool use_temp_file = false;
    bool Persistent_blocks = false;
    bool boutput_processed_files_to_dir = false;
    std::string soutput_processed_files_to_dir;
    bool SnippetsChanged = true;
    std::string ShchaConvMode = "Sj", XaConvMode = "X", WInterpMode = "V";
    bool use_ext_translit = true;
    bool confirm_on_exit = false;
    bool show_smotrelka = true;
    bool SoundKey = false, SoundCRET = false;
    int SpacesPerTab = 3;
    int RMargin = 72;
    bool DefAutoIndent = true;
    bool MarginActive = false;
    bool bkonopen = false;
    bool AutoComp = true, CurBeyondEOF = false, CurBeyondEOL = false;
    Colour BGColor = 0xFFFFFF, FontColor = 0, SelBGColor = 0, SelFontColor = 0xFFFFFF;
    settings::RFR EditorFill;
    settings::RFR GutterFill;
    std::string tidyconfstr = " -m --char-encoding raw --output-xhtml true";
    Colour FileBoxFiles = 0, FileBoxFolders = 0xFF0000, FileBoxBack = 0xFFFFFF;
    int FileBoxCols = 2;
    int PelFontSize = 10;
    std::string PelFont = "Courier";
    int splitterx = 0; // the file box's list width; 0: none stored, 60 % of the window
    int th_w = 150, th_h = 100;
    Colour th_color = 0x800000;
    settings::RHexEdit HexEdit;
    settings::RPlanner Planner;
};

// The sound settings of section Sound_Man (key clicks and the tone generator).
struct RSoundSettings {
    char mode = 't';  // 't' plays the two built-in clicks; anything else the tone generator
    int Waveform = 0; // 0 sine, 1 square, 2 triangle, 3 sawtooth, 4 noise
    int Frequency = 440, Duration = 100;
    int Attack = 90, Decay = 80, Sustain = 50, Release = 100;
    int Resolution = 0, Quality = 1;
};

} // namespace zuk::settings
