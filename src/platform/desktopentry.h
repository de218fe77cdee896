#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The desktop's application entries (freedesktop .desktop files): what the
// open-with chooser lists and how the default browser is found. Texts are
// UTF-8, as the files are.
namespace zuk::platform {

struct DesktopEntry {
    std::string id;   // the desktop file id: "firefox.desktop", "kde-kate.desktop"
    std::string path; // the file it was read from
    std::string name; // in the user's language when the file has it
    std::string exec;
    std::string tryExec;
    std::string icon;
    std::vector<std::string> mimeTypes;
    bool application = false; // Type=Application
    bool noDisplay = false;
    bool hidden = false;
    bool terminal = false;
};

// The [Desktop Entry] group of a .desktop file's text; nothing when it has
// none. `language` ("ru", "ru_RU") picks localised names (Name[ru_RU], then
// Name[ru]). Escapes in values (\s \n \t \r \\) are undone. Lines that are no
// key=value line are skipped; the parser never fails on bad input.
std::optional<DesktopEntry> parseDesktopEntry(std::string_view text,
                                              std::string_view language = {});

// The argument list (program first) that Exec gives for opening `file`
// (a path; `url` its file:// form): %f %F stand for the path, %u %U for the
// URL, %i for --icon and the icon, %c for the name, %k for the entry's file,
// %% for %; other field codes go. An Exec without a file field code gets the
// path as its last argument. Quoting follows the desktop-entry rules (double
// quotes, backslash before " ` $ \). Empty for an Exec that does not parse.
std::vector<std::string> execArguments(const DesktopEntry& entry, const std::string& file,
                                       const std::string& url);

// The folders applications are looked up in: $XDG_DATA_HOME/applications
// (default ~/.local/share), then each of $XDG_DATA_DIRS (default
// /usr/local/share:/usr/share) with /applications, in that order.
std::vector<std::string> applicationFolders();

// Every application entry of those folders that is to be shown (not Hidden,
// not NoDisplay, with an Exec), one per desktop file id (the first folder
// wins), sorted by name. Sub-folders give ids with '-' ("kde/kate.desktop"
// is "kde-kate.desktop"); links to folders are not followed.
std::vector<DesktopEntry> installedApplications(std::string_view language = {});
// The entry of one desktop file id, hidden ones included; nothing when none.
std::optional<DesktopEntry> findApplication(std::string_view id, std::string_view language = {});

} // namespace zuk::platform
