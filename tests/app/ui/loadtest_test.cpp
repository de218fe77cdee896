// The main window under load: hundreds of documents at once, and thousands of
// commands in a row through the command table on random text. Nothing may
// crash, hang or keep the memory of what was closed.

#include "app/commandtable.h"
#include "app/ui/generalcommands.h"
#include "app/ui/mainform.h"
#include "editor/ui/cdreameditor.h"
#include "platform/runtime.h"
#include "support/ui/mainformfixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ZUK_SANITIZED 1
#else
#define ZUK_SANITIZED 0
#endif

using zuk::test::MainFormFixture;
namespace ui = zuk::app::ui;

namespace {

long residentKilobytes()
{
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

long settledKilobytes()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    zuk::platform::releaseFreedMemory();
    return residentKilobytes();
}

// Windows-1251 text of mixed kinds: Russian and Latin words, numbers, tags,
// blank lines, long and short lines, CR LF breaks.
std::string randomText(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {
        "\xcf\xf0\xe8\xe2\xe5\xf2",                  // Привет
        "\xec\xe8\xf0",                              // мир
        "\xc0\xc1\xc2\xc3\xc4 \xe0\xe1\xe2\xe3\xe4", // АБВГД абвгд
        "hello",
        "World",
        "12345",
        "3.14",
        "-7",
        "<p>",
        "</p>",
        "<a href=\"x.html\">",
        "&amp;",
        "\t",
        "  ",
        "\"quoted\"",
        "(2+3)*4",
        "e-mail@example.org",
        "http://example.org/",
        "\xb8\xa8", // ёЁ
    };
    std::string text;
    const int lines = std::uniform_int_distribution<int>(0, 40)(random);
    for (int line = 0; line < lines; ++line) {
        const int words = std::uniform_int_distribution<int>(0, 12)(random);
        for (int w = 0; w < words; ++w) {
            if (w)
                text += ' ';
            text +=
                pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        }
        text += "\r\n";
    }
    return text;
}

unsigned seedFromEnvironment()
{
    const char* value = std::getenv("ZUK_LOAD_SEED");
    return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : 20261209u;
}

} // namespace

TEST(LoadTest, TwoHundredDocumentsOpenAtOnceAndClosedInTurnGiveTheirMemoryBack)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    form.confirmHook = [](const QString&) { return false; };
    std::mt19937 random(seedFromEnvironment());

    auto fill = [&] {
        for (int i = 0; i < 200; ++i) {
            form.NewFile();
            form.editor().SetAllText(randomText(random));
            if (i % 20 == 0)
                QCoreApplication::processEvents();
        }
    };
    // The first round grows the heap, the caches of fonts and glyphs and the
    // lexers' tables to what 200 documents need; the baseline is taken after it.
    fill();
    while (form.documentCount() > 0) {
        form.editor().SetModified(false);
        form.runCommand("mniCloseCurrent");
    }
    const long before = settledKilobytes();

    fill();
    ASSERT_EQ(form.documentCount(), 200);
    const long open = residentKilobytes();

    // Each closed in turn: the modified ones are dropped through the close
    // question, answered "do not save".
    int closed = 0;
    while (form.documentCount() > 0) {
        const int count = form.documentCount();
        form.editor().SetModified(false);
        form.runCommand("mniCloseCurrent");
        ASSERT_EQ(form.documentCount(), count - 1);
        if (++closed % 20 == 0)
            QCoreApplication::processEvents();
    }
    const long after = settledKilobytes();

    std::printf("resident: %ld KB before, %ld KB with 200 documents, %ld KB after closing\n",
                before, open, after);
    if (!ZUK_SANITIZED) { // the sanitizers keep freed memory in quarantine
        EXPECT_LE(after, before + before / 10);
    }
}

TEST(LoadTest, TenThousandCommandsInARowOnRandomTextNeitherCrashNorHang)
{
    MainFormFixture f;
    // The help documents the commands open are saved by the commands after
    // them: copies in the program folder keep the shipped ones as they are.
    for (const char* name : {"notes.txt", "!bugs.txt"}) {
        QFile shipped(QStringLiteral(ZUK_SOURCE_DIR "/data/dox/") + QString::fromLatin1(name));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << name;
        f.seed(QStringLiteral("dox/") + QString::fromLatin1(name), shipped.readAll().toStdString());
    }
    ui::TMainForm& form = f.start();
    form.confirmHook = [](const QString&) { return false; };
    ui::GeneralCommands::urlOpener() = [](const QUrl&) { return true; };
    QTemporaryDir wine;
    qputenv("WINEPREFIX", wine.path().toLocal8Bit());

    // Every modal box or dialog a command shows is closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
        else if (w)
            w->close();
    });
    closer.start(0);

    std::vector<QString> names;
    for (const zuk::app::CommandRow& row : zuk::app::commandTable())
        if (row.kind == zuk::app::RowKind::Command && row.name != "mniExit")
            names.push_back(QString::fromUtf8(row.name.data(), int(row.name.size())));
    ASSERT_GT(names.size(), 100u);

    const unsigned seed = seedFromEnvironment();
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, names.size() - 1);
    int run = 0;
    for (int i = 0; i < 10000; ++i) {
        if (form.documentCount() == 0 || i % 50 == 0) {
            if (form.documentCount() == 0 || form.documentCount() > 20)
                form.NewFile();
            form.editor().SetAllText(randomText(random));
        }
        if (random() % 3 == 0)
            form.editor().SelectAll();
        if (random() % 2 == 0) // the other half meets the close and exit questions
            form.editor().SetModified(false);
        const QString& name = names[pick(random)];
        SCOPED_TRACE(("command " + std::to_string(i) + " " + name.toStdString() + ", seed " +
                      std::to_string(seed))
                         .c_str());
        QAction* action = form.command(name);
        ASSERT_NE(action, nullptr);
        if (!action->isEnabled())
            continue;
        action->trigger();
        ++run;
        if (i % 10 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    for (const char* toggle : {"mniAscroll", "mniClipHook"})
        if (form.isChecked(toggle))
            form.runCommand(toggle);
    qunsetenv("WINEPREFIX");
    std::printf("%d commands run\n", run);
    EXPECT_GT(run, 5000);
}
