#pragma once

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::filebox::ui {

inline constexpr const char* kFileBoxWindow = "newfilebox";
inline constexpr const char* kFileFindWindow = "frm_FileFind";

// Registers the file box and find in files with the host: mniFileBro (the
// file box, made on first use, then shown or hidden in turn; geometry in
// [FileBox]) and mniFindinFiles (the find-in-files window, geometry in
// [frm_FileFind]).
void installFileBoxCommands(app::ui::ToolHost& host);

} // namespace zuk::filebox::ui
