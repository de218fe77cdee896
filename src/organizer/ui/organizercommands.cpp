#include "organizer/ui/organizercommands.h"

#include "app/ui/toolhost.h"
#include "editor/ved.h"
#include "organizer/organizertexts.h"
#include "organizer/ui/melodyplayer.h"
#include "organizer/ui/tfm_gviewer.h"
#include "organizer/ui/tfmbmxtree.h"
#include "organizer/ui/tfmpim.h"
#include "organizer/ui/tfrm_cal.h"
#include "organizer/ui/tfrm_chartable.h"

#include <QPointer>

namespace zuk::organizer::ui {

using app::ui::ToolHost;
using app::ui::ToolWindowSpec;

namespace {

// Centres a tool window over the main window the first time it is shown.
void placeFirst(QWidget* tool, QWidget* over)
{
    const QRect frame = over->frameGeometry();
    tool->move(frame.center() - QPoint(tool->width() / 2, tool->height() / 2));
}

void toggle(ToolHost& host, const char* id)
{
    QWidget* w = host.existingToolWindow(id);
    if (w && w->isVisible())
        w->hide();
    else
        host.showToolWindow(id);
}

void playMelody(ToolHost& host, TMelodyPlayer& player)
{
    const std::string text = host.document().GetWorkText();
    const std::string_view section = melodyTexts().section;
    switch (player.play(text)) {
    case TMelodyPlayer::Start::Playing:
        host.showStatus(
            host.format(section, "sPlaying", {QString::number(melodyNotes(text).size())}));
        break;
    case TMelodyPlayer::Start::NoNotes:
        host.showStatus(host.text(section, "sNoNotes"));
        break;
    case TMelodyPlayer::Start::NoDevice:
        host.showStatus(host.text(section, "sNoAudio"));
        break;
    }
}

} // namespace

void installOrganizerCommands(ToolHost& host)
{
    ToolHost* h = &host;

    ToolWindowSpec bookmarks;
    bookmarks.id = kBookmarkWindow;
    bookmarks.geometry = settings::bmxGeometryKeys();
    bookmarks.make = [h](QWidget* parent) { return new Tfmbmxtree(*h, parent); };
    bookmarks.restoreGeometry = [](QWidget* w, const QRect& r) {
        static_cast<Tfmbmxtree*>(w)->restoreGeometry(r);
    };
    bookmarks.storedGeometry = [](QWidget* w) {
        return static_cast<Tfmbmxtree*>(w)->storedGeometry();
    };
    bookmarks.mayClose = [](QWidget* w) {
        static_cast<Tfmbmxtree*>(w)->flush();
        return true;
    };
    host.addToolWindow(std::move(bookmarks));

    ToolWindowSpec pim;
    pim.id = kPimWindow;
    pim.make = [h](QWidget* parent) {
        auto* w = new TfmPim(*h, parent);
        placeFirst(w, parent);
        return w;
    };
    pim.mayClose = [](QWidget* w) {
        static_cast<TfmPim*>(w)->flush();
        return true;
    };
    host.addToolWindow(std::move(pim));

    auto addPlain = [h](const char* id, std::function<QWidget*(QWidget*)> make) {
        ToolWindowSpec tool;
        tool.id = id;
        tool.make = [make = std::move(make)](QWidget* parent) {
            QWidget* w = make(parent);
            placeFirst(w, parent);
            return w;
        };
        h->addToolWindow(std::move(tool));
    };
    addPlain(kCalendarWindow, [h](QWidget* parent) { return new Tfrm_cal(*h, parent); });
    addPlain(kCharTableWindow, [h](QWidget* parent) { return new Tfrm_CharTable(*h, parent); });
    addPlain(kViewerWindow, [h](QWidget* parent) { return new Tfm_GViewer(*h, parent); });

    // One player for the run, a child of the main window.
    QPointer<TMelodyPlayer> player = new TMelodyPlayer(host.window());
    player->finished = [h] { h->showStatus(QString()); };

    host.addCommands({
        {"mniBookmarx", [h] { toggle(*h, kBookmarkWindow); }},
        {"mniPIM", [h] { toggle(*h, kPimWindow); }},
        {"mniCalendar", [h] { h->showToolWindow(kCalendarWindow); }},
        {"mniCharTable",
         [h] {
             if (auto* table = h->tool<Tfrm_CharTable>(kCharTableWindow)) {
                 table->followDocument();
                 h->showToolWindow(kCharTableWindow);
             }
         }},
        {"mniPlayText",
         [h, player] {
             if (player)
                 playMelody(*h, *player);
         }},
        {"mniStopMelody",
         [h, player] {
             if (!player || !player->isPlaying())
                 return;
             player->stop();
             h->showStatus(h->text(melodyTexts().section, "sStopped"));
         }},
    });
}

void createBookmarkWindow(ToolHost& host)
{
    host.toolWindow(kBookmarkWindow);
}

bool openPicture(ToolHost& host, const QString& path)
{
    if (!isPictureFile(path))
        return false;
    auto* viewer = host.tool<Tfm_GViewer>(kViewerWindow);
    if (!viewer)
        return false;
    const bool shown = viewer->loadPicture(path);
    host.showToolWindow(kViewerWindow);
    return shown;
}

} // namespace zuk::organizer::ui
