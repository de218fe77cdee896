#pragma once

#include "base/zukerror.h"
#include "plugins/plugincall.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::plugins {

// One line of the plug-in list: name=file. The name is the menu caption, in
// Windows-1251, at most kMaxPluginName bytes, with no "=" and no control
// character; the file is a plain file name in the plugins folder (no '/',
// '\', "." or "..").
struct PluginEntry {
    std::string name;
    std::string file;
    bool operator==(const PluginEntry& other) const
    {
        return name == other.name && file == other.file;
    }
};

inline constexpr std::size_t kMaxPluginName = 255;
inline constexpr std::string_view kPluginMask = "*.so";
inline constexpr std::string_view kPluginListFile = "plugslist.txt";

// Whether `name` may stand as the file part of a line.
bool isPlainFileName(std::string_view name);

// The caption a reported name gives: a name that is UTF-8 with letters beyond
// ASCII is converted to Windows-1251, "=" becomes "-", line breaks and other
// control characters become blanks, blanks at either end go, and the rest is
// cut at kMaxPluginName bytes. An empty result is replaced by `file`
// (treated the same way).
std::string pluginMenuName(std::string_view reported, std::string_view file);

// One line of plugslist.txt; nothing for a line without "=" or whose file part
// is no plain file name. The name part (Windows-1251) is cleaned as
// pluginMenuName does, without the conversion from UTF-8, so that reading a
// list that was written gives the same list.
std::optional<PluginEntry> parsePluginLine(std::string_view line);
std::vector<PluginEntry> parsePluginList(const std::vector<std::string>& lines);
std::vector<std::string> formatPluginList(const std::vector<PluginEntry>& entries);

// Whether a file name matches a mask of '*' and '?', without regard to case.
bool matchesMask(std::string_view name, std::string_view mask);

// A library the scan passed over, and why.
struct ScanFailure {
    std::string file;
    ZukError reason;
};
struct ScanReport {
    std::vector<ScanFailure> skipped;
};

// The plug-in manager: the list of installed plug-ins, kept in plugslist.txt
// in the plugins folder, and the calls into them. Every call into a library
// goes through the helper program (see plugincall.h), one process per call,
// so no plug-in code ever runs in the program itself. The manager makes its
// calls on the calling thread and is not shared between threads: a caller
// that must not block (the menu) calls pluginHandleData on a worker thread
// with a copy of the line's file.
class CPlugsMan final {
public:
    explicit CPlugsMan(std::string helperPath = defaultHelperPath());

    const std::vector<PluginEntry>& Plugins() const { return m_plugins; }
    const std::string& helperPath() const { return m_helper; }
    void setHelperPath(std::string path) { m_helper = std::move(path); }

    // Clears the list and reads `path`. Lines that are no plug-in line are
    // dropped. Throws IoError when the file cannot be read.
    void LoadPluginList(const std::string& path);
    // Writes the list through the safe writer; throws IoError.
    void SavePluginList(const std::string& path) const;
    // Appends a line for every regular file of `folder` that matches `mask`,
    // in byte order of the names: the name its VersionInfo reports and the
    // file's name. A file that does not load, lacks an entry point, fails or
    // has a file name no line can hold is skipped and listed in the report.
    // A missing or unreadable folder lists nothing.
    ScanReport ScanPlugins(const std::string& folder, std::string_view mask = kPluginMask);
    // The name parts, in order.
    std::vector<std::string> ListPluginNames() const;

    // HandleData of the library of line `index` on `text` (the working text,
    // bytes of the document's code page); the handle the plug-in gets is
    // index + 1. Throws PluginError, or IoError when the helper is missing;
    // std::out_of_range for a line that does not exist.
    std::string CallPlugin(std::size_t index, const std::string& folder, const std::string& text,
                           const HandleDataLimits& limits) const;

    // --- what the program does with the list ---------------------------------
    // `folder` is the plugins folder with a trailing '/'.

    // Start-up: plugslist.txt is read when it exists and trusted as it is;
    // otherwise the folder is scanned and the list written (the folder is
    // made when missing). Throws IoError when the list cannot be read or
    // written.
    ScanReport Startup(const std::string& folder);
    // The list made anew from the folder and written.
    ScanReport Rescan(const std::string& folder);
    // Deletes the library of line `index` from the folder, then Rescan.
    // Throws ZukError when the file cannot be deleted (a file already gone
    // is no failure).
    ScanReport Remove(const std::string& folder, std::size_t index);
    // Copies the library `source` into the folder under its own file name,
    // then Rescan. The library is tried first (its VersionInfo must answer),
    // so that nothing that cannot be a plug-in is copied in. When the folder
    // already holds a file of that name, `replace` is asked (with the file
    // name) and nothing happens unless it says yes. Returns nothing when the
    // user declined; throws ZukError when the library is no plug-in or the
    // copy fails (the folder is then as it was).
    std::optional<ScanReport> Install(const std::string& folder, const std::string& source,
                                      const std::function<bool(const std::string&)>& replace);

private:
    std::string m_helper;
    std::vector<PluginEntry> m_plugins;
};

} // namespace zuk::plugins
