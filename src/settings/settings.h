#pragma once

#include "settings/connectiontable.h"

#include <optional>
#include <string>
#include <vector>

namespace zuk::io {
class IniFile;
}
namespace zuk::platform {
struct WorkingFolders;
}

namespace zuk::settings {

// Main-window properties kept in section Main of zuk.ini. The two folders are
// UTF-8 paths (stored losslessly, see io/pathvalue.h); Lastab is
// Windows-1251.
struct RMainWindowProps {
    int Top = 1, Left = 1;
    int W = 0, H = 0;                               // default: 90 % of the screen
    int dlgFileOpenSizeX = 0, dlgFileOpenSizeY = 0; // default: 75 % of the screen
    std::string LastOpenDir, LastSaveDir;           // default: the program folder
    std::string Lastab;                             // settings-dialog page shown last
};

// The menu check marks that settings mirror; SaveSettings writes these, not the
// record's fields, because the check marks are what the user last set.
struct RMenuChecks {
    bool WordWrap = true;      // mwordwrap
    bool CopyOnSelect = false; // mniCopyOnSelect
};

// `value` × `percent` / 100 rounded to the nearest integer, halves to even,
// computed exactly (no floating point).
int percentRoundedHalfEven(int value, int percent);

// The main-window properties before zuk.ini is read: position (1, 1), window
// 90 % and open dialog 75 % of the screen, dialog folders at the program folder
// (`programFolder`, a UTF-8 path).
settings::RMainWindowProps defaultMainWindowProps(int screenW, int screenH,
                                                  const std::string& programFolder);

// The bounds LoadSettings puts the tab width, the indent and the automatic
// scrolling's lines into; the settings dialog offers the same.
inline constexpr int kMinIndent = 1, kMaxIndent = 32;
inline constexpr int kMaxScrollLines = 1000;

// Reads every key of zuk.ini into the record, the sound settings and the
// main-window properties; a missing key gives the built-in default (the
// defaults of RConnectionTable, RSoundSettings and defaultMainWindowProps).
// Fields that are not stored in the file (the folders, the
// run-time flags) are left as they are.
void LoadSettings(const io::IniFile& ini, RConnectionTable& ct, settings::RSoundSettings& sound,
                  settings::RMainWindowProps& props, int screenW, int screenH,
                  const std::string& programFolder);

// Writes the keys of zuk.ini in one rewrite of the file, except the keys that
// are written at shut-down only (SaveShutdownKeys), the read-only keys and the
// window sections. WordWrap and CopyOnSelect come from `checks`.
// shortcuts.txt and enabled_exts.txt are the caller's (see shortcutfile.h).
// Throws zuk::IoError when the file cannot be written.
void SaveSettings(io::IniFile& ini, const RConnectionTable& ct,
                  const settings::RSoundSettings& sound, const settings::RMainWindowProps& props,
                  const settings::RMenuChecks& checks);

// The keys written only at shut-down: DisplayMemStatus, Top, Left, W, H, ChildW,
// ChildH, the file box's Cols, PelFont, PelFontSize and splitterx, and — only
// when a document is open, i.e. `activeDocumentFolder` is given (a UTF-8 path)
// — LastOpenDir and LastSaveDir, both set to that folder.
void SaveShutdownKeys(io::IniFile& ini, const RConnectionTable& ct,
                      const settings::RMainWindowProps& props,
                      const std::optional<std::string>& activeDocumentFolder);

// Sets the working-folder fields (PartsDir, TablesDir, TemplatesDir,
// PluginsDir, CStylesDir) from the resolved UTF-8 folders.
void setWorkingFolders(RConnectionTable& ct, const platform::WorkingFolders& folders);

struct RWindowGeometry {
    int Top = 0, Left = 0, Width = 0, Height = 0;
};

// Where a window keeps its position and size in zuk.ini: its section, the four
// key names (they differ from window to window) and the values of a first run.
struct WindowGeometryKeys {
    std::string section;
    std::string top = "Top", left = "Left", width = "W", height = "H";
    RWindowGeometry defaults;
    // A key written beside the others with the height too (the unrolled
    // height of a window that rolls up); empty: none.
    std::string unrolledHeight;
};

// The windows whose keys zuk.ini has always had.
WindowGeometryKeys doxGeometryKeys();     // [Dox] Top, Left, W, H = 2, 2, 100, 200
WindowGeometryKeys bmxGeometryKeys();     // [Bmx] Top, Left, width, height = 2, 2, 200, 300
WindowGeometryKeys sniMGeometryKeys();    // [fmSniM] Top, Left, width, height = 2, 2, 200, 300; H
WindowGeometryKeys fileBoxGeometryKeys(); // [FileBox] left, top, w, h = 2, 2, 400, 300
WindowGeometryKeys replaceFormGeometryKeys(); // [replaceform] Top, Left, W, H = 120, 160, 480, 400

// Read when the window is made; written at shut-down. The caller passes the
// height a collapsed window had before it was collapsed.
RWindowGeometry readWindowGeometry(const io::IniFile& ini, const WindowGeometryKeys& keys);
void writeWindowGeometry(io::IniFile& ini, const WindowGeometryKeys& keys,
                         const RWindowGeometry& geometry);

} // namespace zuk::settings
