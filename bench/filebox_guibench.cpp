// The file box on a folder of many files (100,000, or the first argument),
// offscreen through the real main window: the folder listed and the list
// painted, against `ls -la` of the same folder (its output to /dev/null), both
// with a warm cache. Target: under 0.5 s and within 1.5 times ls.

#include "filebox/ui/fileboxcommands.h"
#include "filebox/ui/tnewfilebox.h"
#include "guibenchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir home;
    const std::string folder = home.path().toStdString() + "/many";
    ::mkdir(folder.c_str(), 0755);
    for (int i = 0; i < count; ++i) {
        const std::string name = folder + "/file" + std::to_string(i) + (i % 3 ? ".txt" : ".htm");
        ::close(::open(name.c_str(), O_CREAT | O_WRONLY, 0644));
    }
    const auto form = zuk::bench::startMainWindow(app, home.path());
    form->runCommand("mniFileBro");
    auto* box =
        dynamic_cast<zuk::filebox::ui::Tnewfilebox*>(form->existingToolWindow("newfilebox"));
    if (!box)
        return 1;
    const std::string ls = "ls -la '" + folder + "' >/dev/null";
    double best = 1e9, bestLs = 1e9;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer t;
        t.start();
        box->readDir(QString::fromStdString(folder));
        box->list()->viewport()->repaint();
        app.processEvents();
        best = std::min(best, t.nsecsElapsed() / 1e9);
        t.restart();
        if (std::system(ls.c_str()) != 0)
            return 1;
        bestLs = std::min(bestLs, t.nsecsElapsed() / 1e9);
    }
    std::printf("file box, %d files listed and painted: %.3f s; ls -la %.3f s; ratio %.2f\n", count,
                best, bestLs, best / bestLs);
    return 0;
}
