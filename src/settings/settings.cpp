#include "settings/settings.h"

#include "io/inifile.h"
#include "platform/programfolder.h"

#include <algorithm>
#include <cstdint>

namespace zuk::settings {

namespace {

using R = RConnectionTable;

// How SaveSettings treats a key.
enum class Store {
    Always,       // written by SaveSettings
    ShutdownOnly, // written by SaveShutdownKeys only
    ReadOnly,     // never written
};

// Every key of zuk.ini that maps onto a field of the record, in the order the
// file is written. The visitor is called with the section, the key, the field
// (as one or two member pointers) and how the key is stored; the loader, the
// saver and the shut-down saver all walk this one list. Keys that hold a path
// or a file name go through path(): their fields are UTF-8 and the file keeps
// them in the lossless form of io/pathvalue.h.
template <class Visitor> void visitConnectionTable(Visitor& v)
{
    v.field("Main", "EditLineSepStyle", &R::EditLineSepStyle);
    v.field("Main", "chfileext", &R::chfileext);
    v.field("Main", "defext", &R::defext);
    v.path("Main", "ct.Browserz.ie", &R::BrowserPaths, &settings::RBrowserPaths::ie);
    v.path("Main", "ct.Browserz.opera", &R::BrowserPaths, &settings::RBrowserPaths::opera);
    v.field("Main", "SaveToolbarsOnExit", &R::SaveToolbarsOnExit);
    v.field("Main", "do_crash_copy", &R::do_crash_copy);
    v.field("Main", "Recovery", &R::Recovery);
    v.field("Main", "rtf_import_as_text", &R::rtf_import_as_text);
    v.field("Main", "WinFontCharSet", &R::WinFontCharSet);
    v.field("Main", "DisplayMemStatus", &R::DisplayMemStatus, Store::ShutdownOnly);
    v.field("Main", "ReplaceRecursive", &R::ReplaceRecursive);
    v.field("Main", "find_opt_CaseInsensitive", &R::find_opt_CaseInsensitive);
    v.field("Main", "exit_on_esc", &R::exit_on_esc);
    v.field("Main", "tidyconfstr", &R::tidyconfstr);
    v.path("Main", "tidy_path", &R::tidy_path);
    v.field("Main", "Persistent_blocks", &R::Persistent_blocks);
    v.field("Main", "SpacesPerTab", &R::SpacesPerTab);
    v.field("Main", "bkonopen", &R::bkonopen);
    v.field("Main", "MarginActive", &R::MarginActive);
    v.field("Main", "ShowLineNumbers", &R::ShowLineNumbers);
    v.field("Main", "DoEncDetect", &R::DoEncDetect);
    v.field("Main", "UnicodeOnOpen", &R::UnicodeOnOpen);
    v.field("Main", "KeepLineBreaks", &R::KeepLineBreaks);
    v.field("Main", "DefAutoIndent", &R::DefAutoIndent);
    v.field("Main", "RMargin", &R::RMargin);
    v.field("Main", "boutput_processed_files_to_dir", &R::boutput_processed_files_to_dir);
    v.path("Main", "soutput_processed_files_to_dir", &R::soutput_processed_files_to_dir);
    v.path("Main", "imageeditor", &R::imageeditor);
    v.path("Main", "imageviewer", &R::imageviewer);
    v.field("Main", "ChildW", &R::ChildW, Store::ShutdownOnly);
    v.field("Main", "ChildH", &R::ChildH, Store::ShutdownOnly);
    v.field("Main", "BHU", &R::BHU);
    v.field("Main", "show_statusbar", &R::show_statusbar);
    v.field("Main", "show_topbar", &R::show_topbar);
    v.field("Main", "AutoComp", &R::AutoComp);
    v.field("Main", "SyntaxHighlight", &R::SyntaxHighlight);
    v.field("Main", "Lined", &R::Lined);
    v.field("Main", "FontColor", &R::FontColor);
    v.field("Main", "BGColor", &R::BGColor);
    v.field("Main", "SelFontColor", &R::SelFontColor);
    v.field("Main", "SelBGColor", &R::SelBGColor);
    v.field("Main", "autoindent", &R::autoindent);
    v.field("Main", "use_temp_file", &R::use_temp_file);
    v.field("Main", "CurBeyondEOF", &R::CurBeyondEOF);
    v.field("Main", "CurBeyondEOL", &R::CurBeyondEOL);
    v.field("Main", "MRUItemsCount", &R::MRUItemsCount);

    v.field("Makros", "Metachar", &R::Metachar);
    v.field("AI", "showmagik", &R::showmagik);
    v.field("Translit", "use_ext_translit", &R::use_ext_translit);
    v.field("CPUStatus", "CPUStatus_enable", &R::CPUStatus_enable);
    v.field("CPUStatus", "CPUStatus_update", &R::CPUStatus_update);
    v.field("DoOnExit", "confirm_on_exit", &R::confirm_on_exit);
    v.path("Quotes", "current_quotefile", &R::current_quotefile);

    v.field("Gutter", "Gutter_Visible", &R::Gutter_Visible);
    v.field("Gutter", "GutFillOption", &R::GutterFill, &settings::RFR::FillOption);
    v.field("Gutter", "GradientColor1", &R::GutterFill, &settings::RFR::GradientColor1);
    v.field("Gutter", "GradientColor2", &R::GutterFill, &settings::RFR::GradientColor2);
    v.field("Gutter", "width", &R::GutterFill, &settings::RFR::width);
    v.field("Gutter", "GradientMode", &R::GutterFill, &settings::RFR::GradientMode);
    v.field("Gutter", "SimpleColor", &R::GutterFill, &settings::RFR::SimpleColor);

    v.field("RunglerOpts", "WInterpMode", &R::WInterpMode);
    v.field("RunglerOpts", "XaConvMode", &R::XaConvMode);
    v.field("RunglerOpts", "ShchaConvMode", &R::ShchaConvMode);
    v.field("LangOptions", "Lang", &R::Lang);
    v.field("OnStart", "LoadLastFiles", &R::LoadLastFiles);
    v.field("OnExit", "autosave_on_exit", &R::autosave_on_exit);
    v.field("PowModes", "Suspend", &R::Suspend);
    v.field("PowModes", "StandBy", &R::StandBy);
    v.field("PowModes", "shutdown", &R::shutdown);

    v.field("FileBox", "Files", &R::FileBoxFiles);
    v.field("FileBox", "Folders", &R::FileBoxFolders);
    v.field("FileBox", "Back", &R::FileBoxBack);
    v.field("FileBox", "Cols", &R::FileBoxCols, Store::ShutdownOnly);
    v.field("FileBox", "PelFont", &R::PelFont, Store::ShutdownOnly);
    v.field("FileBox", "PelFontSize", &R::PelFontSize, Store::ShutdownOnly);
    v.field("FileBox", "splitterx", &R::splitterx, Store::ShutdownOnly);
    v.field("FileBox", "th_w", &R::th_w);
    v.field("FileBox", "th_h", &R::th_h);
    v.field("FileBox", "th_color", &R::th_color);
    v.field("FileBox", "show_smotrelka", &R::show_smotrelka);

    v.field("SaveOptions", "SaveVersionOnExit", &R::SaveOptions,
            &settings::RSaveOptions::SaveVersionOnExit);
    v.field("SaveOptions", "ConvertVersionToCharset", &R::SaveOptions,
            &settings::RSaveOptions::ConvertVersionToCharset);
    v.field("SaveOptions", "DoConvertVersionToCharset", &R::SaveOptions,
            &settings::RSaveOptions::DoConvertVersionToCharset);
    v.field("SaveOptions", "VersionNamePrefix", &R::SaveOptions,
            &settings::RSaveOptions::VersionNamePrefix);
    v.field("SaveOptions", "AddVersionNamePrefix", &R::SaveOptions,
            &settings::RSaveOptions::AddVersionNamePrefix);
    v.field("SaveOptions", "DoCopyVer", &R::SaveOptions, &settings::RSaveOptions::DoCopyVer);
    v.field("SaveOptions", "SaveInSameFolder", &R::SaveOptions,
            &settings::RSaveOptions::SaveInSameFolder);
    v.path("SaveOptions", "CopyVerPath", &R::SaveOptions, &settings::RSaveOptions::CopyVerPath);
    v.field("SaveOptions", "SaveTime", &R::SaveOptions, &settings::RSaveOptions::SaveTime);
    v.field("SaveOptions", "SaveTimeEnable", &R::SaveOptions,
            &settings::RSaveOptions::SaveTimeEnable);
    v.field("SaveOptions", "autosaveonpreview", &R::autosaveonpreview);

    v.field("Autoscroll", "Active", &R::AutoscrollActive);
    v.field("Autoscroll", "Time", &R::AutoscrollTime);
    v.field("Autoscroll", "LinesPerTime", &R::LinesPerTime);

    v.field("Fonts", "KOI8", &R::FontKOI8);
    v.field("Fonts", "DOS", &R::FontDOS);
    v.field("Fonts", "WIN", &R::FontWIN);
    v.field("Fonts", "KOI8Size", &R::KOI8Size);
    v.field("Fonts", "DOSSize", &R::DOSSize);
    v.field("Fonts", "WINSize", &R::WINSize);

    v.field("Utils", "QuoteChar", &R::QuoteChar, Store::ReadOnly);
    v.field("TextStyles", "text_styles_use_back_color", &R::text_styles_use_back_color);
    v.field("AutoEdit", "ChangeQuotes", &R::ChangeQuotes);
    v.field("Sounds", "Key", &R::SoundKey);
    v.field("Sounds", "CRET", &R::SoundCRET);

    v.field("Editor", "FillOption", &R::EditorFill, &settings::RFR::FillOption);
    v.path("Editor", "Wallpaper", &R::EditorFill, &settings::RFR::Wallpaper);
    v.field("Editor", "GradientColor1", &R::EditorFill, &settings::RFR::GradientColor1);
    v.field("Editor", "GradientColor2", &R::EditorFill, &settings::RFR::GradientColor2);
    v.field("Editor", "GradientMode", &R::EditorFill, &settings::RFR::GradientMode);
    v.field("Editor", "WallpaperMode", &R::EditorFill, &settings::RFR::WallpaperMode);

    using H = settings::RHexEdit;
    v.field("HexEdit", "BytesPerLine", &R::HexEdit, &H::BytesPerLine);
    v.field("HexEdit", "BytesPerColumn", &R::HexEdit, &H::BytesPerColumn);
    v.field("HexEdit", "Translation", &R::HexEdit, &H::Translation);
    v.field("HexEdit", "OffsetDisplay", &R::HexEdit, &H::OffsetDisplay);
    v.field("HexEdit", "OffsetSeparator", &R::HexEdit, &H::OffsetSeparator);
    v.field("HexEdit", "CreateBackup", &R::HexEdit, &H::CreateBackup);
    v.path("HexEdit", "BackupExtension", &R::HexEdit, &H::BackupExtension);
    v.field("HexEdit", "FocusFrame", &R::HexEdit, &H::FocusFrame);
    v.field("HexEdit", "MaskWhiteSpaces", &R::HexEdit, &H::MaskWhiteSpaces);
    v.field("HexEdit", "MaskChar", &R::HexEdit, &H::MaskChar);
    v.field("HexEdit", "FontName", &R::HexEdit, &H::FontName);
    v.field("HexEdit", "FontHeight", &R::HexEdit, &H::FontHeight);
    v.field("HexEdit", "Background", &R::HexEdit, &H::Background);
    v.field("HexEdit", "CurrentBack", &R::HexEdit, &H::CurrentBack);
    v.field("HexEdit", "CurrentText", &R::HexEdit, &H::CurrentText);
    v.field("HexEdit", "ChangedBack", &R::HexEdit, &H::ChangedBack);
    v.field("HexEdit", "ChangedText", &R::HexEdit, &H::ChangedText);
    v.field("HexEdit", "CaretFrame", &R::HexEdit, &H::CaretFrame);
    v.field("HexEdit", "OffsetText", &R::HexEdit, &H::OffsetText);
    v.field("HexEdit", "OddColumn", &R::HexEdit, &H::OddColumn);
    v.field("HexEdit", "EvenColumn", &R::HexEdit, &H::EvenColumn);

    using P = settings::RPlanner;
    v.field("Planner", "BorderColor", &R::Planner, &P::BorderColor);
    v.field("Planner", "BookMarkColor", &R::Planner, &P::BookMarkColor);
    v.field("Planner", "HTMLBorder", &R::Planner, &P::HTMLBorder);
    v.field("Planner", "HTMLFontName", &R::Planner, &P::HTMLFontName);
}

// A value of the file outside what the hex editor can show gives the default:
// a row of 0 bytes or groups of 0 bytes cannot be laid out at all.
void normaliseHexEdit(settings::RHexEdit& h)
{
    const settings::RHexEdit d;
    auto inRange = [](int v, int low, int high) { return v >= low && v <= high; };
    auto oneOf = [](const std::string& v, std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (v == n)
                return true;
        return false;
    };
    if (!inRange(h.BytesPerLine, 1, kMaxHexBytesPerLine))
        h.BytesPerLine = d.BytesPerLine;
    if (!inRange(h.BytesPerColumn, 1, kMaxHexBytesPerLine))
        h.BytesPerColumn = d.BytesPerColumn;
    if (!oneOf(h.Translation, {"ttAnsi", "ttDos8", "ttASCII", "ttMac", "ttEBCDIC"}))
        h.Translation = d.Translation;
    if (!oneOf(h.OffsetDisplay, {"odHex", "odDec", "odNone"}))
        h.OffsetDisplay = d.OffsetDisplay;
    if (h.OffsetSeparator.size() > 1)
        h.OffsetSeparator.resize(1);
    if (h.MaskChar.size() != 1)
        h.MaskChar = d.MaskChar;
    if (!inRange(h.FontHeight, 6, 72))
        h.FontHeight = d.FontHeight;
    if (h.FontName.empty())
        h.FontName = d.FontName;
}

using S = settings::RSoundSettings;

// Section Sound_Man apart from `mode`, which keeps one character.
template <class Visitor> void visitSoundSettings(Visitor& v)
{
    v.field("Sound_Man", "Waveform", &S::Waveform);
    v.field("Sound_Man", "Frequency", &S::Frequency);
    v.field("Sound_Man", "Duration", &S::Duration);
    v.field("Sound_Man", "Attack", &S::Attack);
    v.field("Sound_Man", "Decay", &S::Decay);
    v.field("Sound_Man", "Sustain", &S::Sustain);
    v.field("Sound_Man", "Release", &S::Release);
    v.field("Sound_Man", "Resolution", &S::Resolution);
    v.field("Sound_Man", "Quality", &S::Quality);
}

void readValue(const io::IniFile& ini, const char* s, const char* k, bool& out, bool def)
{
    out = ini.readBool(s, k, def);
}
void readValue(const io::IniFile& ini, const char* s, const char* k, int& out, int def)
{
    out = ini.readInt(s, k, def);
}
// Fields stored in one byte keep the low byte of whatever number the file holds.
void readValue(const io::IniFile& ini, const char* s, const char* k, uint8_t& out, uint8_t def)
{
    out = static_cast<uint8_t>(ini.readInt(s, k, def));
}
void readValue(const io::IniFile& ini, const char* s, const char* k, std::string& out,
               const std::string& def)
{
    out = ini.readString(s, k, def);
}

void writeValue(io::IniFile& ini, const char* s, const char* k, bool value)
{
    ini.writeBool(s, k, value);
}
void writeValue(io::IniFile& ini, const char* s, const char* k, int value)
{
    ini.writeInt(s, k, value);
}
void writeValue(io::IniFile& ini, const char* s, const char* k, uint8_t value)
{
    ini.writeInt(s, k, value);
}
void writeValue(io::IniFile& ini, const char* s, const char* k, const std::string& value)
{
    ini.writeString(s, k, value);
}

// Reads each key into `target`, with the same field of `defaults` as default.
template <class Record> struct Loader {
    const io::IniFile& ini;
    Record& target;
    const Record& defaults;

    void path(const char* s, const char* k, std::string Record::*m)
    {
        target.*m = ini.readPath(s, k, defaults.*m);
    }
    template <class Sub>
    void path(const char* s, const char* k, Sub Record::*outer, std::string Sub::*inner)
    {
        (target.*outer).*inner = ini.readPath(s, k, (defaults.*outer).*inner);
    }

    template <class T> void field(const char* s, const char* k, T Record::*m, Store = Store::Always)
    {
        readValue(ini, s, k, target.*m, defaults.*m);
    }
    template <class Sub, class T>
    void field(const char* s, const char* k, Sub Record::*outer, T Sub::*inner,
               Store = Store::Always)
    {
        readValue(ini, s, k, (target.*outer).*inner, (defaults.*outer).*inner);
    }
};

// Writes the keys whose storage class is `which`. Every path key is one that
// SaveSettings writes.
template <class Record> struct Saver {
    io::IniFile& ini;
    const Record& source;
    Store which;

    void path(const char* s, const char* k, std::string Record::*m)
    {
        if (which == Store::Always)
            ini.writePath(s, k, source.*m);
    }
    template <class Sub>
    void path(const char* s, const char* k, Sub Record::*outer, std::string Sub::*inner)
    {
        if (which == Store::Always)
            ini.writePath(s, k, (source.*outer).*inner);
    }

    template <class T>
    void field(const char* s, const char* k, T Record::*m, Store store = Store::Always)
    {
        if (store == which)
            writeValue(ini, s, k, source.*m);
    }
    template <class Sub, class T>
    void field(const char* s, const char* k, Sub Record::*outer, T Sub::*inner,
               Store store = Store::Always)
    {
        if (store == which)
            writeValue(ini, s, k, (source.*outer).*inner);
    }
};

} // namespace

int percentRoundedHalfEven(int value, int percent)
{
    long long product = static_cast<long long>(value) * percent;
    long long quotient = product / 100;
    long long remainder = product % 100;
    if (remainder < 0) { // floor division, so the remainder is in 0..99
        remainder += 100;
        --quotient;
    }
    if (remainder > 50 || (remainder == 50 && quotient % 2 != 0))
        ++quotient;
    return static_cast<int>(quotient);
}

settings::RMainWindowProps defaultMainWindowProps(int screenW, int screenH,
                                                  const std::string& programFolder)
{
    settings::RMainWindowProps props;
    props.Top = 1;
    props.Left = 1;
    props.W = percentRoundedHalfEven(screenW, 90);
    props.H = percentRoundedHalfEven(screenH, 90);
    props.dlgFileOpenSizeX = percentRoundedHalfEven(screenW, 75);
    props.dlgFileOpenSizeY = percentRoundedHalfEven(screenH, 75);
    props.LastOpenDir = programFolder;
    props.LastSaveDir = props.LastOpenDir;
    return props;
}

void LoadSettings(const io::IniFile& ini, RConnectionTable& ct, settings::RSoundSettings& sound,
                  settings::RMainWindowProps& props, int screenW, int screenH,
                  const std::string& programFolder)
{
    const RConnectionTable ctDefaults;
    Loader<RConnectionTable> ctLoader{ini, ct, ctDefaults};
    visitConnectionTable(ctLoader);
    ct.WordWrap = ini.readBool("Main", "WordWrap", ctDefaults.WordWrap);
    ct.CopyOnSelect = ini.readBool("Main", "CopyOnSelect", ctDefaults.CopyOnSelect);
    normaliseHexEdit(ct.HexEdit);
    // Numbers that size loops of the editor: a tab width of a billion would
    // hang the Tab key.
    ct.SpacesPerTab = std::clamp(ct.SpacesPerTab, kMinIndent, kMaxIndent);
    ct.autoindent = std::clamp(ct.autoindent, kMinIndent, kMaxIndent);
    ct.LinesPerTime = std::clamp(ct.LinesPerTime, 1, kMaxScrollLines);

    const settings::RSoundSettings soundDefaults;
    Loader<settings::RSoundSettings> soundLoader{ini, sound, soundDefaults};
    visitSoundSettings(soundLoader);
    std::string mode = ini.readString("Sound_Man", "mode", std::string(1, soundDefaults.mode));
    sound.mode = mode.empty() ? soundDefaults.mode : mode[0];

    const settings::RMainWindowProps d = defaultMainWindowProps(screenW, screenH, programFolder);
    props.Top = ini.readInt("Main", "Top", d.Top);
    props.Left = ini.readInt("Main", "Left", d.Left);
    props.W = ini.readInt("Main", "W", d.W);
    props.H = ini.readInt("Main", "H", d.H);
    props.dlgFileOpenSizeX = ini.readInt("Main", "dlgFileOpenSizeX", d.dlgFileOpenSizeX);
    props.dlgFileOpenSizeY = ini.readInt("Main", "dlgFileOpenSizeY", d.dlgFileOpenSizeY);
    props.LastOpenDir = ini.readPath("Main", "LastOpenDir", d.LastOpenDir);
    props.LastSaveDir = ini.readPath("Main", "LastSaveDir", d.LastSaveDir);
    props.Lastab = ini.readString("Main", "Lastab", d.Lastab);
}

void SaveSettings(io::IniFile& ini, const RConnectionTable& ct,
                  const settings::RSoundSettings& sound, const settings::RMainWindowProps& props,
                  const settings::RMenuChecks& checks)
{
    io::IniFile::Batch batch(ini);
    Saver<RConnectionTable> ctSaver{ini, ct, Store::Always};
    visitConnectionTable(ctSaver);
    ini.writeBool("Main", "WordWrap", checks.WordWrap);
    ini.writeBool("Main", "CopyOnSelect", checks.CopyOnSelect);
    ini.writeString("Main", "Lastab", props.Lastab);
    ini.writeInt("Main", "dlgFileOpenSizeX", props.dlgFileOpenSizeX);
    ini.writeInt("Main", "dlgFileOpenSizeY", props.dlgFileOpenSizeY);

    ini.writeString("Sound_Man", "mode", std::string(1, sound.mode));
    Saver<settings::RSoundSettings> soundSaver{ini, sound, Store::Always};
    visitSoundSettings(soundSaver);
    batch.commit();
}

void SaveShutdownKeys(io::IniFile& ini, const RConnectionTable& ct,
                      const settings::RMainWindowProps& props,
                      const std::optional<std::string>& activeDocumentFolder)
{
    io::IniFile::Batch batch(ini);
    Saver<RConnectionTable> ctSaver{ini, ct, Store::ShutdownOnly};
    visitConnectionTable(ctSaver);
    ini.writeInt("Main", "Top", props.Top);
    ini.writeInt("Main", "Left", props.Left);
    ini.writeInt("Main", "W", props.W);
    ini.writeInt("Main", "H", props.H);
    if (activeDocumentFolder) {
        ini.writePath("Main", "LastOpenDir", *activeDocumentFolder);
        ini.writePath("Main", "LastSaveDir", *activeDocumentFolder);
    }
    batch.commit();
}

void setWorkingFolders(RConnectionTable& ct, const platform::WorkingFolders& folders)
{
    ct.PartsDir = folders.parts;
    ct.TablesDir = folders.tables;
    ct.TemplatesDir = folders.templates;
    ct.PluginsDir = folders.plugins;
    ct.CStylesDir = folders.cstyles;
}

WindowGeometryKeys doxGeometryKeys()
{
    return {"Dox", "Top", "Left", "W", "H", {2, 2, 100, 200}, {}};
}

WindowGeometryKeys bmxGeometryKeys()
{
    return {"Bmx", "Top", "Left", "width", "height", {2, 2, 200, 300}, {}};
}

WindowGeometryKeys sniMGeometryKeys()
{
    return {"fmSniM", "Top", "Left", "width", "height", {2, 2, 200, 300}, "H"};
}

WindowGeometryKeys fileBoxGeometryKeys()
{
    return {"FileBox", "top", "left", "w", "h", {2, 2, 400, 300}, {}};
}

WindowGeometryKeys replaceFormGeometryKeys()
{
    return {"replaceform", "Top", "Left", "W", "H", {120, 160, 480, 400}, {}};
}

RWindowGeometry readWindowGeometry(const io::IniFile& ini, const WindowGeometryKeys& k)
{
    RWindowGeometry g;
    g.Top = ini.readInt(k.section, k.top, k.defaults.Top);
    g.Left = ini.readInt(k.section, k.left, k.defaults.Left);
    g.Width = ini.readInt(k.section, k.width, k.defaults.Width);
    g.Height = ini.readInt(k.section, k.height, k.defaults.Height);
    return g;
}

void writeWindowGeometry(io::IniFile& ini, const WindowGeometryKeys& k,
                         const RWindowGeometry& geometry)
{
    io::IniFile::Batch batch(ini);
    ini.writeInt(k.section, k.top, geometry.Top);
    ini.writeInt(k.section, k.left, geometry.Left);
    ini.writeInt(k.section, k.width, geometry.Width);
    ini.writeInt(k.section, k.height, geometry.Height);
    if (!k.unrolledHeight.empty())
        ini.writeInt(k.section, k.unrolledHeight, geometry.Height);
    batch.commit();
}

} // namespace zuk::settings
