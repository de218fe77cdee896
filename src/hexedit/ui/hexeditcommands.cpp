#include "hexedit/ui/hexeditcommands.h"

#include "app/ui/toolhost.h"
#include "hexedit/ui/tfmhexedit.h"

namespace zuk::hexedit::ui {

void installHexEditCommands(app::ui::ToolHost& host)
{
    app::ui::ToolHost* h = &host;
    app::ui::ToolWindowSpec tool;
    tool.id = kHexEditWindow;
    tool.make = [h](QWidget* parent) { return new Tfmhexedit(*h, parent); };
    tool.geometry = settings::WindowGeometryKeys{
        "HexEdit", "Top", "Left", "Width", "Height", {60, 60, 860, 560}, {}};
    tool.mayClose = [](QWidget* window) { return static_cast<Tfmhexedit*>(window)->queryClose(); };
    host.addToolWindow(std::move(tool));
    host.addCommands({{"mniHEXeditor", [h] { h->showToolWindow(kHexEditWindow); }}});
}

bool openInHexEditor(app::ui::ToolHost& host, const QString& path)
{
    auto* window = dynamic_cast<Tfmhexedit*>(host.showToolWindow(kHexEditWindow));
    return window && window->openFile(path);
}

} // namespace zuk::hexedit::ui
