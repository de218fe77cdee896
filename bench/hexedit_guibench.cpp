// The hex editor on a big file through the real main window, offscreen: the
// window made and the file opened and painted, a jump to the last byte, the
// memory that costs, and saving one changed byte against cp of the same file
// (and cp followed by sync, since a save waits for the disk and cp does not).
//   hexedit_guibench [FILE | SIZE_MB]   (default: 1024 MB, made in $TMPDIR)
// A FILE is used as it is and left alone (the saved copy goes beside the
// benchmark's temporary folder); a size makes a file of pseudo-random bytes.

#include "guibenchsupport.h"
#include "hexedit/hexdocument.h"
#include "hexedit/ui/hexeditcommands.h"
#include "hexedit/ui/tfmhexedit.h"
#include "hexedit/ui/thexeditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// VmRSS and VmHWM of this process, in MB.
std::pair<long, long> residentMb()
{
    std::ifstream in("/proc/self/status");
    std::string line;
    long rss = 0, peak = 0;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            rss = std::atol(line.c_str() + 6) / 1024;
        else if (line.rfind("VmHWM:", 0) == 0)
            peak = std::atol(line.c_str() + 6) / 1024;
    }
    return {rss, peak};
}

void makeFile(const std::string& path, std::uint64_t bytes)
{
    std::ofstream out(path, std::ios::binary);
    std::mt19937_64 gen(42);
    std::string chunk(1 << 20, '\0');
    for (std::uint64_t written = 0; written < bytes; written += chunk.size()) {
        for (std::size_t i = 0; i < chunk.size(); i += 8) {
            const std::uint64_t v = gen();
            std::memcpy(&chunk[i], &v, 8);
        }
        out.write(chunk.data(), static_cast<std::streamsize>(
                                    std::min<std::uint64_t>(chunk.size(), bytes - written)));
    }
}

double timed(const char* command)
{
    QElapsedTimer t;
    t.start();
    if (std::system(command) != 0)
        std::fprintf(stderr, "failed: %s\n", command);
    return t.nsecsElapsed() / 1e9;
}

// The two files differ in exactly one byte, at `at`.
bool differOnlyAt(const std::string& a, const std::string& b, std::uint64_t at)
{
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    std::string p(1 << 20, '\0'), q(1 << 20, '\0');
    std::uint64_t offset = 0, differences = 0;
    bool atRightPlace = false;
    while (x && y) {
        x.read(&p[0], static_cast<std::streamsize>(p.size()));
        y.read(&q[0], static_cast<std::streamsize>(q.size()));
        if (x.gcount() != y.gcount())
            return false;
        for (std::streamsize i = 0; i < x.gcount(); ++i)
            if (p[static_cast<std::size_t>(i)] != q[static_cast<std::size_t>(i)]) {
                ++differences;
                atRightPlace = offset + static_cast<std::uint64_t>(i) == at;
            }
        offset += static_cast<std::uint64_t>(x.gcount());
    }
    return differences == 1 && atRightPlace;
}

void key(QWidget* w, int k, Qt::KeyboardModifiers mods, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, k, mods, text);
    QApplication::sendEvent(w, &press);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir home;
    std::string file = home.path().toStdString() + "/big.bin";
    const std::string arg = argc > 1 ? argv[1] : "1024";
    if (arg.find_first_not_of("0123456789.") == std::string::npos) {
        makeFile(file, static_cast<std::uint64_t>(std::atof(arg.c_str()) * 1024 * 1024));
    } else {
        file = arg;
    }
    const std::string work = home.path().toStdString() + "/work.bin";
    const std::string copy = home.path().toStdString() + "/copy.bin";
    // The editor saves over the file it opened: a copy of the input takes the save.
    if (std::system(("cp '" + file + "' '" + work + "' && sync").c_str()) != 0)
        return 1;

    const std::unique_ptr<zuk::app::ui::TMainForm> form =
        zuk::bench::startMainWindow(app, home.path());
    const long before = residentMb().first;

    QElapsedTimer t;
    t.start();
    if (!zuk::hexedit::ui::openInHexEditor(*form, QString::fromStdString(work))) {
        std::fprintf(stderr, "open failed\n");
        return 1;
    }
    auto* window = dynamic_cast<zuk::hexedit::ui::Tfmhexedit*>(
        form->existingToolWindow(zuk::hexedit::ui::kHexEditWindow));
    zuk::hexedit::ui::THexEditor* view = window->view();
    view->viewport()->repaint();
    app.processEvents();
    const double openSeconds = t.nsecsElapsed() / 1e9;
    const int firstRows = view->lastPaintedRows();

    t.restart();
    key(view, Qt::Key_End, Qt::ControlModifier);
    view->viewport()->repaint();
    const double endSeconds = t.nsecsElapsed() / 1e9;
    const std::uint64_t last = window->document()->size() - 1;
    const bool atEnd = view->caret() == last && view->lastPaintedRows() > 0;

    // One byte changed: its complement, typed as two digits.
    const std::uint8_t old = window->document()->byteAt(last);
    const int changed = 0xFF ^ old;
    const QString digits = QStringLiteral("%1").arg(changed, 2, 16, QLatin1Char('0'));
    view->setCaret(last, zuk::hexedit::HexArea::Hex, 0);
    key(view, digits[0].unicode(), Qt::NoModifier, digits.mid(0, 1));
    key(view, digits[1].unicode(), Qt::NoModifier, digits.mid(1, 1));
    app.processEvents();
    const auto [rss, peak] = residentMb();

    // cp writes over a copy that is there already, as the save replaces the
    // file it opened: both then give the old file's blocks back.
    timed(("cp '" + file + "' '" + copy + "' && sync").c_str());
    t.restart();
    const bool saved = window->save();
    const double saveSeconds = t.nsecsElapsed() / 1e9;
    timed("sync");
    const double cpSeconds = timed(("cp '" + file + "' '" + copy + "'").c_str());
    const double syncSeconds = timed("sync");
    const bool right = saved && differOnlyAt(copy, work, last);

    const double mb = static_cast<double>(last + 1) / (1024 * 1024);
    std::printf("hex editor, %.0f MB: open and first paint %.3f s (%d rows), to the end %.4f s%s\n",
                mb, openSeconds, firstRows, endSeconds, atEnd ? "" : " (WRONG PLACE)");
    std::printf(
        "  resident %ld MB after the jump and an edit (%ld MB before opening, peak %ld MB)\n", rss,
        before, peak);
    std::printf(
        "  save of one changed byte %.3f s%s; cp %.3f s (%.2fx), cp + sync %.3f s (%.2fx)\n",
        saveSeconds, right ? "" : " (WRONG RESULT)", cpSeconds, saveSeconds / cpSeconds,
        cpSeconds + syncSeconds, saveSeconds / (cpSeconds + syncSeconds));
    form->confirmHook = [](const QString&) { return true; };
    window->saveChangesHook = [](const QString&) { return QMessageBox::No; };
    return right && atEnd ? 0 : 1;
}
