#pragma once

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::tools::ui {

class CFunx;
class TSnippetCommands;

// Registers the external programs, macros, templates and snippets with the
// host: the commands mniNewFromTemplate, mniSaveAsTemplate, mniSaveAsSnippet,
// mniHTMLTemplate, mniOPenMakros, mniApplyMakroses, mniRunTidy and mniSniM
// (the snippet manager, made on first use), the run-time menus mniCompilers
// and mniSnippets, the command box of the tool row (the combo box edRun
// and the button btRun, found by name under the host's window), and the
// search commands (searchcommands.h).
void installToolsCommands(app::ui::ToolHost& host);

// The start-up step: compilers.txt read.
void toolsStartup(app::ui::ToolHost& host);
// The shut-down step: compilers.txt written back.
void toolsShutdown(app::ui::ToolHost& host);

// The objects installToolsCommands made, or nullptr before it ran.
CFunx* externalPrograms(app::ui::ToolHost& host);
TSnippetCommands* snippetCommands(app::ui::ToolHost& host);

} // namespace zuk::tools::ui
