// Searching and replacing in a big document through the real main window,
// offscreen: "Заменить все" of a word with millions of matches (written
// back as one undo step), its undo, and a search for a text that is not
// there. Target: seconds, not minutes.
//   replaceall_guibench SIZE_MB   (default 100)

#include "editor/ui/cdreameditor.h"
#include "guibenchsupport.h"
#include "tools/ui/documentsearch.h"
#include "tools/ui/searchcommands.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Russian words in Windows-1251, lines of about 70 bytes, written in pieces.
void writeText(const std::string& path, std::size_t bytes)
{
    const std::string words[] = {
        "\xcf\xf0\xe8\xe2\xe5\xf2",         "\xec\xe8\xf0", "text", "\xf1\xf2\xf0\xee\xea\xe0",
        "\xf0\xe5\xe4\xe0\xea\xf2\xee\xf0", "1251"};
    std::ofstream out(path, std::ios::binary);
    std::string piece;
    std::size_t written = 0, lineLength = 0;
    for (std::size_t i = 0; written + piece.size() < bytes; ++i) {
        piece += words[i % 6];
        lineLength += words[i % 6].size();
        piece += lineLength > 64 ? "\r\n" : " ";
        if (lineLength > 64)
            lineLength = 0;
        if (piece.size() > 65536) {
            out << piece;
            written += piece.size();
            piece.clear();
        }
    }
    out << piece;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double mb = argc > 1 ? std::atof(argv[1]) : 100;
    QTemporaryDir home;
    const QString file = home.path() + QStringLiteral("/big.txt");
    writeText(file.toStdString(), static_cast<std::size_t>(mb * 1024 * 1024));
    const auto window = zuk::bench::startMainWindow(app, home.path());
    zuk::app::ui::TMainForm& form = *window;
    if (!form.OpenFile(file)) {
        std::fprintf(stderr, "open failed\n");
        return 1;
    }
    app.processEvents();

    // The message boxes after each command are closed as they come.
    QStringList notes;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&notes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            notes << box->text();
            box->accept();
        }
    });
    closer.start(20);
    zuk::tools::ui::TDocumentSearch* search = zuk::tools::ui::documentSearch(form);
    auto answer = [search](const char* find, const char* with, int button) {
        search->dialogHook = [=](zuk::tools::ui::TfmSearch& dialog) {
            dialog.findBox()->setEditText(QString::fromUtf8(find));
            if (dialog.replaceBox())
                dialog.replaceBox()->setEditText(QString::fromUtf8(with));
            return button;
        };
    };

    QElapsedTimer t;
    answer("мир", "МИР", zuk::tools::ui::TfmSearch::kReplaceAll);
    t.start();
    search->ReplaceDialog();
    const double replaceSeconds = t.nsecsElapsed() / 1e9;
    const QString replaced = notes.value(0);
    t.restart();
    form.editor().Undo();
    app.processEvents();
    const double undoSeconds = t.nsecsElapsed() / 1e9;
    answer("ненайдёныш", "", QDialog::Accepted);
    form.editor().SetSelection(0, 0);
    t.restart();
    search->FindDialog();
    const double findSeconds = t.nsecsElapsed() / 1e9;

    std::printf("%.0f MB: replace all %.3f s (%s), its undo %.3f s, a text not there %.3f s (%s)\n",
                mb, replaceSeconds, qPrintable(replaced), undoSeconds, findSeconds,
                qPrintable(notes.value(1)));
    form.confirmHook = [](const QString&) { return true; };
    form.editor().SetModified(false);
    return 0;
}
