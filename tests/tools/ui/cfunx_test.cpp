// The external-program engine on a host without a main window, with small
// shell scripts of tests/tools/programs standing for the user's programs.

#include "tools/ui/cfunx.h"

#include "editor/doctext.h"
#include "platform/privatefolder.h"
#include "support/ui/eventwait.h"
#include "support/ui/fakehost.h"
#include "tools/ui/toolscommands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using zuk::tools::ui::CFunx;

namespace {

std::string program(const char* name)
{
    return std::string(ZUK_SOURCE_DIR) + "/tests/tools/programs/" + name;
}

std::string readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().toStdString();
}

void writeAll(const QString& path, const std::string& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A host whose document is a file in a folder of its own, with the engine installed.
struct Engine {
    QTemporaryDir dir;
    zuk::test::FakeHost host;
    CFunx* funx = nullptr;
    QStringList notes;

    Engine()
    {
        host.partsDir = dir.path() + "/parts/";
        QDir().mkpath(host.partsDir);
        zuk::tools::ui::installToolsCommands(host);
        funx = zuk::tools::ui::externalPrograms(host);
        funx->messageHook = [this](const QString& text) { notes << text; };
    }
    // The document, bound to `name` in the folder, holding `text`.
    void open(const std::string& name, const std::string& text)
    {
        const QString path = dir.path() + "/" + QString::fromStdString(name);
        writeAll(path, text);
        host.ved.fileName = path.toStdString();
        host.ved.hasFile = true;
        host.ved.SetAllText(text);
    }
    QString file(const char* name) const { return dir.path() + "/" + name; }
};

TEST(ExternalPrograms, AHostileFileNameReachesTheProgramAsOneArgumentAndNothingElseRuns)
{
    Engine e;
    const std::string hostile = "a b;$(touch X)'\".txt";
    e.open(hostile, "text\r\n");
    const QString args = e.file("args");
    qputenv("ZUK_TEST_ARGS", args.toLocal8Bit());
    e.funx->RunCommand(program("args.sh") + " @ @filename.@ext", e.host.ved.fileName);
    ASSERT_TRUE(zuk::test::eventsUntil([&] { return QFileInfo::exists(args); }, 10000));
    EXPECT_EQ(readAll(args), e.host.ved.fileName + "\n" + "a b;$(touch X)'\"..txt\n");
    EXPECT_FALSE(QFileInfo::exists(e.file("X")));
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath("X")));
    qunsetenv("ZUK_TEST_ARGS");
}

TEST(ExternalPrograms, BlockModeWritesBackOnlyAChangedResultAsOneUndoStep)
{
    Engine e;
    e.open("doc.txt", "keep\r\nabc\r\ndef\r\nend");
    e.host.ved.selectText("abc\r\ndef");
    const int steps = e.host.ved.undoSteps();
    e.funx->RunCommand("cp @selected_block @input_file @output_file", e.host.ved.fileName);
    EXPECT_EQ(e.host.ved.text, "keep\r\nabc\r\ndef\r\nend");
    EXPECT_EQ(e.host.ved.undoSteps(), steps);

    e.funx->RunCommand(program("upper.sh") + " @selected_block @input_file @output_file",
                       e.host.ved.fileName);
    EXPECT_EQ(e.host.ved.text, "keep\r\nABC\r\nDEF\r\nend");
    EXPECT_TRUE(e.host.console.contains("upper: done")) << e.host.console.join('|').toStdString();
    e.host.ved.Undo();
    EXPECT_EQ(e.host.ved.text, "keep\r\nabc\r\ndef\r\nend");
    // The exchange files are gone, and none was ever beside the document.
    const QString exchange = QString::fromStdString(zuk::platform::exchangeFolder().path());
    EXPECT_FALSE(QFileInfo::exists(exchange + "zukblock.in"));
    EXPECT_FALSE(QFileInfo::exists(e.file("zukblock.in")));
    EXPECT_EQ(QFileInfo(exchange).permissions() & 0x0077, 0);

    // The shell mode reads its result after the program ended.
    e.host.ved.selectText("abc");
    e.funx->RunCommand("sleep 0.3; tr a-z A-Z <@input_file >@output_file @dosapp @selected_block",
                       e.host.ved.fileName);
    EXPECT_EQ(e.host.ved.text, "keep\r\nABC\r\ndef\r\nend");
}

TEST(ExternalPrograms, AFailedProgramLeavesTheTextAndTheUsersOwnFilesAlone)
{
    Engine e;
    e.open("doc.txt", "one\r\ntwo");
    writeAll(e.file("zukblock.out"), "mine");
    writeAll(e.file("zukblock.in"), "mine too");
    e.host.ved.selectText("two");
    e.funx->RunCommand(program("fail.sh") + " @selected_block @input_file @output_file",
                       e.host.ved.fileName);
    EXPECT_EQ(e.host.ved.text, "one\r\ntwo");
    EXPECT_EQ(e.host.ved.GetSelText(), "two");
    EXPECT_EQ(readAll(e.file("zukblock.out")), "mine");
    EXPECT_EQ(readAll(e.file("zukblock.in")), "mine too");
    EXPECT_EQ(e.notes, QStringList{"external app error!"});
    const QString console = e.host.console.join('|');
    EXPECT_TRUE(console.contains("3") && console.contains("bad thing happened"))
        << console.toStdString();

    e.notes.clear();
    e.funx->RunCommand("no-such-program-here @selected_block", e.host.ved.fileName);
    EXPECT_EQ(e.notes, QStringList{"external app error!"});
    EXPECT_EQ(e.host.ved.text, "one\r\ntwo");
}

TEST(ExternalPrograms, ALongProgramIsCancelledFromItsBoxAndTheInterfaceKeepsGoing)
{
    Engine e;
    e.open("doc.txt", "one\r\ntwo");
    e.host.ved.selectText("two");
    QTimer cancel;
    bool sawBox = false;
    QObject::connect(&cancel, &QTimer::timeout, [&sawBox] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box && box->objectName() == "fmRunning") {
            sawBox = true;
            box->findChild<QAbstractButton*>("btCancel")->click();
        }
    });
    cancel.start(50);
    QElapsedTimer clock;
    clock.start();
    e.funx->RunCommand("sleep 100 @selected_block", e.host.ved.fileName);
    EXPECT_LT(clock.elapsed(), 20000);
    EXPECT_TRUE(sawBox);
    EXPECT_EQ(e.host.ved.text, "one\r\ntwo");
    EXPECT_TRUE(e.notes.isEmpty());
    EXPECT_FALSE(e.host.console.isEmpty());
}

TEST(ExternalPrograms, PipelinesWaitBeforeTheyLoadAndStopAtAFailedStage)
{
    Engine e;
    e.open("page.htm", "abc\r\n");
    e.funx->RunPipeline(program("upper.sh") + " @file_in @file_out ##EXEWAIT | ##IMPORT @file_out",
                        e.host.ved.fileName);
    EXPECT_EQ(e.host.ved.text, "ABC");
    EXPECT_EQ(QFileInfo(QString::fromStdString(e.funx->tempCopy())).fileName(), "zuk_temp.htm");
    EXPECT_EQ(QFileInfo(QString::fromStdString(e.funx->pipelineOutput())).fileName(),
              "zuk_temp.z13");

    // No ##EXEWAIT, but the import after it still gets the finished result.
    e.host.ved.SetAllText("xyz\r\n");
    e.funx->RunCommand(program("upper.sh") + " @file_in @file_out | ##IMPORT @file_out",
                       e.host.ved.fileName);
    EXPECT_EQ(e.host.ved.text, "XYZ");

    // The failed stage's half result is never loaded.
    e.funx->RunCommand(program("fail.sh") + " @file_in @file_out | ##IMPORT @file_out",
                       e.host.ved.fileName);
    EXPECT_EQ(e.host.ved.text, "XYZ");

    // Extensions: the second changes what the first made; a folder is refused.
    e.notes.clear();
    e.funx->RunCommand("##CH_FOUT_EXT .txt | ##ch_fout_ext .out | ##INSERT_TO_NEW @file_out",
                       e.host.ved.fileName);
    EXPECT_TRUE(e.notes.last().endsWith("zuk_temp.out"));
    EXPECT_EQ(e.host.newDocuments, 1);
    e.funx->RunCommand("##CH_FOUT_EXT /../../x | ##IMPORT @file_out", e.host.ved.fileName);
    EXPECT_TRUE(e.notes.last().contains("/../../x"));
}

TEST(ExternalPrograms, StringCountAndDirectivesOutsideAPipeline)
{
    Engine e;
    e.open("doc.txt", "aaaa AA");
    e.funx->RunCommand("##StringCount aA", e.host.ved.fileName);
    EXPECT_EQ(e.host.console, (QStringList{"StringCount", "3"}));
    EXPECT_TRUE(e.host.consoleVisible());
    e.host.console.clear();
    e.funx->RunCommand("##IMPORT /etc/hostname", e.host.ved.fileName);
    EXPECT_TRUE(e.host.console.isEmpty());
    EXPECT_EQ(e.host.ved.text, "aaaa AA");
    // @select_all selects the whole text first.
    e.funx->RunCommand(program("upper.sh") +
                           " @select_all @selected_block @input_file @output_file",
                       e.host.ved.fileName);
    EXPECT_EQ(e.host.ved.text, "AAAA AA");
}

TEST(ExternalPrograms, TidyCleansTheWholeTextInOneUndoStep)
{
    if (!QFileInfo::exists("/usr/bin/tidy"))
        GTEST_SKIP() << "tidy is not installed (scripts/setup installs it)";
    Engine e;
    e.open("page.htm", "<p>hello<b>x</p>\r\n");
    e.host.record.tidy_path = "/usr/bin/tidy";
    e.host.record.tidyconfstr = " -m -q --show-body-only yes --char-encoding raw";
    const QString folder = QDir::currentPath();
    e.host.run("mniRunTidy");
    EXPECT_EQ(QDir::currentPath(), folder);
    EXPECT_EQ(e.host.ved.text.rfind("<p>hello<b>x</b></p>", 0), 0u) << e.host.ved.text;
    EXPECT_EQ(e.notes.last(), "OK");
    e.host.ved.Undo();
    EXPECT_EQ(e.host.ved.text, "<p>hello<b>x</p>");

    e.host.record.tidy_path = "/nonexistent/tidy";
    e.host.run("mniRunTidy");
    EXPECT_TRUE(e.notes.last().contains("/nonexistent/tidy"));
}

TEST(ExternalPrograms, ProgramListMenuAndCommandBox)
{
    Engine e;
    writeAll(e.host.partsDir + "compilers.txt", "R&D=echo @\r\nnot an entry\r\n");
    e.funx->loadPrograms();
    QMenu& menu = e.host.menuOf("mniCompilers");
    e.host.refillMenu("mniCompilers");
    ASSERT_GE(menu.actions().size(), 3);
    EXPECT_EQ(menu.actions()[0]->text(), "R&&D");
    EXPECT_EQ(menu.actions().last()->objectName(), "mniEditPrograms");
    e.funx->programs().add({"wc", "wc @"});
    e.funx->savePrograms();
    EXPECT_EQ(readAll(e.host.partsDir + "compilers.txt"),
              "R&D=echo @\r\nnot an entry\r\nwc=wc @\r\n");
}

TEST(ExternalPrograms, CommandBoxRefusesBlockModeAndKeepsItsHistory)
{
    zuk::test::FakeHost host;
    QTemporaryDir dir;
    host.partsDir = dir.path() + "/";
    auto* box = new QComboBox(host.window());
    box->setObjectName("edRun");
    box->setEditable(true);
    auto* button = new QToolButton(host.window());
    button->setObjectName("btRun");
    button->setEnabled(false);
    zuk::tools::ui::installToolsCommands(host);
    QStringList notes;
    zuk::tools::ui::externalPrograms(host)->messageHook = [&notes](const QString& t) {
        notes << t;
    };
    EXPECT_TRUE(button->isEnabled());
    box->setEditText("sort @selected_block");
    button->click();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].startsWith(QString::fromUtf8("Опа!")));
    EXPECT_EQ(box->itemText(0), "sort @selected_block");
    host.ved.text = "oOo";
    box->setEditText("##stringcount o");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(host.console, (QStringList{"StringCount", "3"}));
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(0), "##stringcount o");
}

} // namespace
