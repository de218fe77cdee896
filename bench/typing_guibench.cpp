// Keystrokes and Page Down in a big document through the real main window,
// offscreen, with and without a highlighting scheme: each key goes to the text
// control as a key event and the view is repainted at once, the way a frame
// follows a key on screen. Target: under 16 ms (one frame at 60 Hz) for both.
//   typing_guibench [SIZE_MB]   (default 10; offscreen unless QT_QPA_PLATFORM says)

#include "app/ui/mainform.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "guibenchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Script-like lines with Russian comments and strings, in Windows-1251.
void writeScript(const std::string& path, std::size_t bytes)
{
    std::ofstream out(path, std::ios::binary);
    const std::string comment =
        "# \xEF\xF0\xEE\xE2\xE5\xF0\xEA\xE0 \xE7\xED\xE0\xF7\xE5\xED\xE8\xFF";
    std::size_t written = 0;
    for (int i = 0; written < bytes; ++i) {
        const std::string n = std::to_string(i);
        const std::string block = "def step_" + n + "(value, count=" + n + "):\r\n    " + comment +
                                  " " + n + "\r\n    text = \"\xF1\xF2\xF0\xEE\xEA\xE0 " + n +
                                  "\" + str(value * 3.5)\r\n    if count > 10:\r\n        return "
                                  "text.upper()\r\n    return text\r\n\r\n";
        out << block;
        written += block.size();
    }
}

struct Timing {
    double median = 0;
    double worst = 0;
};

Timing summary(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// `count` presses of `key` (with its text) at the caret, each followed by an
// immediate repaint of the view; milliseconds per press.
Timing press(QApplication& app, zuk::editor::TedControl* c, int key, const QString& text, int count)
{
    std::vector<double> ms;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer t;
        t.start();
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(c, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(c, &up);
        c->viewport()->repaint();
        ms.push_back(t.nsecsElapsed() / 1e6);
        app.processEvents();
    }
    return summary(ms);
}

} // namespace

int main(int argc, char** argv)
{
    // Offscreen unless a platform is asked for (QT_QPA_PLATFORM=xcb times the
    // paints on a display).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double mb = argc > 1 ? std::atof(argv[1]) : 10;
    QTemporaryDir home;
    const QString file = home.path() + QStringLiteral("/big.py");
    writeScript(file.toStdString(), static_cast<std::size_t>(mb * 1024 * 1024));
    // A program folder with the shipped data tree (the highlighting schemes).
    const std::string seed = "mkdir -p '" + home.path().toStdString() + "/prog' && cp -r '" +
                             ZUK_DATA_DIR + "/.' '" + home.path().toStdString() + "/prog/'";
    if (std::system(seed.c_str()) != 0) {
        std::fprintf(stderr, "could not copy the data tree\n");
        return 1;
    }
    const std::unique_ptr<zuk::app::ui::TMainForm> form =
        zuk::bench::startMainWindow(app, home.path());
    if (!form->OpenFile(file)) {
        std::fprintf(stderr, "open failed\n");
        return 1;
    }
    app.processEvents();
    zuk::editor::CdreamEditor& editor = form->editor();
    zuk::editor::TedControl* c = editor.activeDocument()->control();

    for (const char* scheme : {"No", "Python", "C++", "HTML"}) {
        editor.SetSyntax(scheme);
        const bool coloured = c->lexer() != nullptr;
        if (coloured != (std::string(scheme) != "No")) {
            std::fprintf(stderr, "highlighting %s did not take\n", scheme);
            return 1;
        }
        // The caret to the middle of the text, into view.
        const long middle = c->SendScintilla(QsciScintilla::SCI_GETLENGTH) / 2;
        c->SendScintilla(QsciScintilla::SCI_GOTOPOS, static_cast<unsigned long>(middle));
        c->viewport()->repaint();
        app.processEvents();
        const Timing typing = press(app, c, Qt::Key_A, QStringLiteral("a"), 60);
        const Timing pageDown = press(app, c, Qt::Key_PageDown, QString(), 60);
        std::printf("%.0f MB, highlighting %-6s: keystroke %.1f ms (worst %.1f), Page Down %.1f ms "
                    "(worst %.1f)\n",
                    mb, scheme, typing.median, typing.worst, pageDown.median, pageDown.worst);
    }
    form->confirmHook = [](const QString&) { return true; };
    editor.SetModified(false);
    return 0;
}
