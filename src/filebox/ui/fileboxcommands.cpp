#include "filebox/ui/fileboxcommands.h"

#include "app/ui/toolhost.h"
#include "filebox/ui/tfrm_filefind.h"
#include "filebox/ui/tnewfilebox.h"
#include "settings/settings.h"

#include <QSplitter>

namespace zuk::filebox::ui {

using app::ui::ToolHost;

void installFileBoxCommands(ToolHost& host)
{
    ToolHost* h = &host;

    app::ui::ToolWindowSpec box;
    box.id = kFileBoxWindow;
    box.geometry = settings::fileBoxGeometryKeys();
    box.make = [h](QWidget* parent) {
        auto* window = new Tnewfilebox(*h, parent);
        return window;
    };
    box.restoreGeometry = [h](QWidget* w, const QRect& r) {
        w->setGeometry(r);
        // Without a stored splitter position the list takes 60 % of the width.
        auto* window = static_cast<Tnewfilebox*>(w);
        const int list = h->settings().splitterx > 0 ? h->settings().splitterx
                                                     : static_cast<int>(r.width() * 0.6 + 0.5);
        window->splitter()->setSizes({list, std::max(0, r.width() - list)});
    };
    host.addToolWindow(std::move(box));

    app::ui::ToolWindowSpec find;
    find.id = kFileFindWindow;
    find.geometry = settings::WindowGeometryKeys{"frm_FileFind",       "Top", "Left", "W", "H",
                                                 {120, 120, 520, 420}, {}};
    find.make = [h](QWidget* parent) { return new Tfrm_FileFind(*h, parent); };
    find.restoreGeometry = [](QWidget* w, const QRect& r) {
        static_cast<Tfrm_FileFind*>(w)->restoreStoredGeometry(r);
    };
    find.storedGeometry = [](QWidget* w) {
        return static_cast<Tfrm_FileFind*>(w)->storedGeometry();
    };
    host.addToolWindow(std::move(find));

    host.addCommands({
        {"mniFileBro",
         [h] {
             QWidget* existing = h->existingToolWindow(kFileBoxWindow);
             if (existing && existing->isVisible())
                 existing->hide();
             else
                 h->showToolWindow(kFileBoxWindow);
         }},
        {"mniFindinFiles", [h] { h->showToolWindow(kFileFindWindow); }},
    });
}

} // namespace zuk::filebox::ui
