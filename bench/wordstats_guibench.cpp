// The text analyzer window on a big document with millions of distinct words,
// through the real main window offscreen: how long the count takes, how soon
// СТОП ends the output phase, how much memory the report holds, and how much
// Очистить gives back. Targets: СТОП ends the output within a second, and
// after Очистить the process is back within 64 MB of where it was before the
// analysis; the program exits with 1 when one is missed.
//   wordstats_guibench [SIZE_MB] [full]
// SIZE_MB (default 80) of Windows-1251 text in which nearly every word is
// distinct (about 9 million at 80 MB). Without "full" the output is stopped
// two seconds after it begins; with it the whole report is written.

#include "analyzer/ui/tunt.h"
#include "guibenchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long peakMb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

long residentMb()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024) / 1024;
}

// Word n as small Cyrillic letters, five bits a letter: every n gives another word.
void appendWord(std::string& out, unsigned long n)
{
    do {
        out += static_cast<char>(0xE0 + (n & 31));
        n >>= 5;
    } while (n);
}

// Distinct words, ten to a line, with every hundredth word a common one so
// that the frequency list has a head.
void writeText(const std::string& path, size_t bytes)
{
    std::ofstream out(path, std::ios::binary);
    std::string piece;
    size_t written = 0;
    for (unsigned long i = 0; written + piece.size() < bytes; ++i) {
        appendWord(piece, i % 100 == 0 ? i % 700 : i + 100000);
        piece += i % 10 == 9 ? "\r\n" : " ";
        if (piece.size() > 65536) {
            out << piece;
            written += piece.size();
            piece.clear();
        }
    }
    out << piece << "\r\n";
}

bool waitUntil(const std::function<bool()>& done, double seconds)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > seconds * 1000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double mb = argc > 1 ? std::atof(argv[1]) : 80;
    const bool full = argc > 2 && std::string(argv[2]) == "full";
    QTemporaryDir home;
    const QString file = home.path() + QStringLiteral("/words.txt");
    writeText(file.toStdString(), static_cast<size_t>(mb * 1024 * 1024));

    const std::unique_ptr<zuk::app::ui::TMainForm> window =
        zuk::bench::startMainWindow(app, home.path());
    zuk::app::ui::TMainForm& form = *window;
    if (!form.OpenFile(file)) {
        std::fprintf(stderr, "open failed\n");
        return 1;
    }
    app.processEvents();
    const long opened = residentMb();

    form.runCommand("mniUNITAZ");
    auto* w = form.findChild<zuk::analyzer::ui::Tunt*>();
    if (!w) {
        std::fprintf(stderr, "no analyzer window\n");
        return 1;
    }
    QTextDocument* pane = w->output()->document();
    QElapsedTimer t;
    t.start();
    w->startAnalysis();
    // The frequency list begins below the thirteen lines before it.
    if (!waitUntil([&] { return pane->blockCount() > 20 || w->job().isFinished(); }, 600)) {
        std::fprintf(stderr, "no output after 600 s\n");
        return 1;
    }
    const double counted = t.nsecsElapsed() / 1e9;
    auto settled = [&] { return w->job().isFinished() && !w->linesPending(); };
    double stopSeconds = 0;
    if (!full) {
        waitUntil([] { return false; }, 2);
        QElapsedTimer s;
        s.start();
        w->stopJob();
        waitUntil(settled, 600);
        stopSeconds = s.nsecsElapsed() / 1e9;
    } else {
        waitUntil(settled, 3600);
    }
    const double total = t.nsecsElapsed() / 1e9;
    const int lines = pane->blockCount();
    const long withReport = residentMb();
    w->clearOutput();
    app.processEvents();
    const long cleared = residentMb();

    std::printf("%.0f MB, %d pane lines: counted and sorted in %.1f s, %s %.1f s after the start",
                mb, lines, counted, full ? "report written" : "stopped", total);
    if (!full)
        std::printf(" (stop took %.2f s)", stopSeconds);
    std::printf("; resident: %ld MB with the document, %ld MB with the report, %ld MB after "
                "clearing; peak %ld MB\n",
                opened, withReport, cleared, peakMb());
    form.confirmHook = [](const QString&) { return true; };
    const bool met = (full || stopSeconds < 1.0) && cleared < opened + 64;
    if (!met)
        std::printf("target missed\n");
    return met ? 0 : 1;
}
