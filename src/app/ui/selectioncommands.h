#pragma once

namespace zuk::app::ui {

class ToolHost;

// Every selection command of the main menu: the text functions, dates and
// statistics, the editing toggles, automatic scrolling, the system files and
// help. Called once from the main window's command wiring.
void installSelectionCommands(ToolHost& host);

} // namespace zuk::app::ui
