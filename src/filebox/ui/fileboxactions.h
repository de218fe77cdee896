#pragma once

#include <string_view>
#include <vector>

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::filebox::ui {

class Tnewfilebox;

// One command of the file box's menus and toolbar, by component name.
// `available` (when given) says whether the part it needs is there; a
// command without it stays disabled.
struct FileBoxCommand {
    const char* name;
    void (*run)(Tnewfilebox& box, app::ui::ToolHost& host);
    bool (*available)(app::ui::ToolHost& host) = nullptr;
};

const std::vector<FileBoxCommand>& fileBoxCommands();

// Runs the command `name`; false for a name that is none.
bool runFileBoxCommand(Tnewfilebox& box, app::ui::ToolHost& host, std::string_view name);

} // namespace zuk::filebox::ui
