#pragma once

#include <QString>

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::hexedit::ui {

class Tfmhexedit;

// The id under which the hex editor window is registered with the host.
inline constexpr const char* kHexEditWindow = "fmhexedit";

// Registers the hex editor window (made on first use, its geometry in
// section HexEdit of zuk.ini, asked before the program quits so unsaved
// changes are never dropped unasked) and Утилиты → "Hex-редактор".
void installHexEditCommands(app::ui::ToolHost& host);

// Shows the hex editor with `path` in it: what the file box's "open in the
// hex editor" calls. The editor asks about its unsaved changes first. False
// when the file was not opened (the user kept the current one, or the file
// cannot be read and the reason was shown); the window is shown either way.
bool openInHexEditor(app::ui::ToolHost& host, const QString& path);

} // namespace zuk::hexedit::ui
