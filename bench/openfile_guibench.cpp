// Opening and saving a Windows-1251 file through the editor's real path: the
// main window's OpenFile (read, split, load into the text control, window
// ready) and Save, offscreen, in one process per size so that the peak
// memory belongs to that size.
//   openfile_guibench SIZE_MB [line|utf8]
// ("line": the whole file is one line; "utf8": the same Russian text in
// UTF-8, which opens decoded into Windows-1251 and is saved as UTF-8 again)

#include "app/ui/filecommands.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "guibenchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Russian words in Windows-1251 (or UTF-8), lines of about 70 bytes or one
// long line, written in pieces so that making the file leaves no mark on the peak.
void writeText(const std::string& path, size_t bytes, bool oneLine, bool utf8)
{
    std::string words[] = {
        "\xcf\xf0\xe8\xe2\xe5\xf2",         "\xec\xe8\xf0", "text", "\xf1\xf2\xf0\xee\xea\xe0",
        "\xf0\xe5\xe4\xe0\xea\xf2\xee\xf0", "1251"};
    if (utf8)
        for (std::string& word : words)
            word = zuk::codepages::winToUtf8(word);
    std::ofstream out(path, std::ios::binary);
    std::string piece;
    size_t written = 0, lineLength = 0;
    for (size_t i = 0; written + piece.size() < bytes; ++i) {
        piece += words[i % 6];
        lineLength += words[i % 6].size();
        if (!oneLine && lineLength > 64) {
            piece += "\r\n";
            lineLength = 0;
        } else {
            piece += ' ';
        }
        if (piece.size() > 65536) {
            out << piece;
            written += piece.size();
            piece.clear();
        }
    }
    out << piece << "\r\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: openfile_guibench SIZE_MB [line]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double mb = std::atof(argv[1]);
    const bool oneLine = argc > 2 && std::string(argv[2]) == "line";
    const bool utf8 = argc > 2 && std::string(argv[2]) == "utf8";
    QTemporaryDir home;
    const QString file = home.path() + QStringLiteral("/big.txt");
    writeText(file.toStdString(), static_cast<size_t>(mb * 1024 * 1024), oneLine, utf8);
    const long before = peakKb();

    const std::unique_ptr<zuk::app::ui::TMainForm> window =
        zuk::bench::startMainWindow(app, home.path());
    zuk::app::ui::TMainForm& form = *window;

    QElapsedTimer t;
    t.start();
    if (!form.OpenFile(file)) {
        std::fprintf(stderr, "open failed\n");
        return 1;
    }
    app.processEvents(); // painted and idle: ready to edit
    const double openSeconds = t.nsecsElapsed() / 1e9;
    const long afterOpen = peakKb();
    const auto encoding = form.editor().activeDocument()->fileEncoding();
    if (encoding !=
        (utf8 ? zuk::codepages::FileEncoding::Utf8 : zuk::codepages::FileEncoding::CodePage)) {
        std::fprintf(stderr, "the file did not open as %s\n", utf8 ? "UTF-8" : "Windows-1251");
        return 1;
    }

    // The first keystroke: it must not copy the document.
    t.restart();
    form.editor().InsertAtCaret("x");
    app.processEvents();
    const double editSeconds = t.nsecsElapsed() / 1e9;
    // Ctrl+End right after opening, while word wrap still lays the text out
    // in the background, and a keystroke there.
    t.restart();
    {
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
        QApplication::sendEvent(form.editor().activeDocument()->control(), &end);
    }
    app.processEvents();
    const double jumpSeconds = t.nsecsElapsed() / 1e9;
    t.restart();
    form.editor().InsertAtCaret("y");
    app.processEvents();
    const double endEditSeconds = t.nsecsElapsed() / 1e9;
    t.restart();
    const bool saved = zuk::app::ui::FileCommands::of(form)->save();
    const double saveSeconds = t.nsecsElapsed() / 1e9;

    std::printf("%s %.0f MB: open %.3f s, first edit %.3f s, to the end %.3f s (wrap %s), edit "
                "there %.3f s, save %.3f s%s, peak %ld MB (%.2fx "
                "the file; %ld MB before opening)\n",
                oneLine ? "one line"
                : utf8  ? "UTF-8 lines"
                        : "lines",
                mb, openSeconds, editSeconds, jumpSeconds,
                form.editor().GetWordWrap() ? "on" : "off", endEditSeconds, saveSeconds,
                saved ? "" : " (FAILED)", afterOpen / 1024, (afterOpen - before) / 1024.0 / mb,
                before / 1024);
    form.confirmHook = [](const QString&) { return true; };
    form.editor().SetModified(false);
    return 0;
}
