// The command shapes and the main window's own commands: dates, statistics,
// clipboard capture, automatic scrolling, system files and help.

#include "app/ui/generalcommands.h"
#include "app/ui/infoconsole.h"
#include "app/ui/mainform.h"
#include "app/ui/selectioncommands.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/commandshapes.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "support/ui/mainformfixture.h"
#include "support/ui/promptanswer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using zuk::app::ui::GeneralCommands;
using zuk::test::MainFormFixture;
using zuk::test::PromptAnswer;
namespace ui = zuk::app::ui;

namespace {

std::string win(const char* utf8)
{
    return zuk::codepages::utf8ToWin(utf8);
}

class Commands : public ::testing::Test {
protected:
    void SetUp() override { m_form = &m_fixture.start(); }
    void TearDown() override
    {
        GeneralCommands::urlOpener() = [](const QUrl&) { return true; };
        GeneralCommands::clock() = [] { return QDateTime::currentDateTime(); };
    }

    ui::TMainForm& form() { return *m_form; }
    zuk::editor::CdreamEditor& ed() { return m_form->editor(); }
    void run(const char* name) { form().command(QString::fromLatin1(name))->trigger(); }
    void newDocument(const std::string& text)
    {
        run("mniFileNew");
        ed().SetAllText(text);
        ed().SetModified(false);
    }
    QString status() { return form().statusBar()->currentMessage(); }

    MainFormFixture m_fixture;
    ui::TMainForm* m_form = nullptr;
};

} // namespace

// --- the shapes ----------------------------------------------------------------

TEST_F(Commands, ShapesDoNothingWithoutADocument)
{
    int calls = 0;
    auto fn = [&calls](const std::string& t) {
        ++calls;
        return t + "x";
    };
    EXPECT_FALSE(zuk::editor::transformWorkText(form().document(), fn));
    EXPECT_FALSE(zuk::editor::transformSelectedLines(form().document(),
                                                     [&calls](const zuk::editor::LineList& l) {
                                                         ++calls;
                                                         return l;
                                                     }));
    EXPECT_FALSE(zuk::editor::insertAtCaret(form().document(), "x"));
    EXPECT_FALSE(zuk::editor::insertLinesAtCaret(form().document(), {"x"}));
    EXPECT_EQ(calls, 0);
}

TEST_F(Commands, TransformWritesOnlyAChangeAndAFailureLeavesTheText)
{
    newDocument("one\r\ntwo");
    EXPECT_FALSE(
        zuk::editor::transformWorkText(form().document(), [](const std::string& t) { return t; }));
    EXPECT_FALSE(ed().GetModified());

    EXPECT_THROW(zuk::editor::transformWorkText(
                     form().document(),
                     [](const std::string&) -> std::string { throw zuk::FormatError("bad"); }),
                 zuk::FormatError);
    EXPECT_EQ(ed().GetAllText(), "one\r\ntwo\r\n");
    EXPECT_FALSE(ed().GetModified());

    // A change of the whole text and one of the selected lines are one undo step each.
    EXPECT_TRUE(zuk::editor::transformWorkText(
        form().document(), [](const std::string&) { return std::string("a\r\nb"); }));
    ed().SelectAll();
    EXPECT_TRUE(zuk::editor::transformSelectedLines(form().document(), [](zuk::editor::LineList l) {
        std::reverse(l.begin(), l.end());
        return l;
    }));
    EXPECT_EQ(ed().GetAllText(), "b\r\na\r\n");
    ed().Undo();
    EXPECT_EQ(ed().GetAllText(), "a\r\nb\r\n");
    ed().Undo();
    EXPECT_EQ(ed().GetAllText(), "one\r\ntwo\r\n");
}

TEST_F(Commands, PromptReturnsTheAnswerOrNothingOnCancel)
{
    {
        PromptAnswer answer(QStringLiteral("42"));
        EXPECT_EQ(form().prompt("T", "P", "init"), std::optional<QString>("42"));
        EXPECT_EQ(answer.title, QStringLiteral("T"));
        EXPECT_EQ(answer.prompt, QStringLiteral("P"));
        EXPECT_EQ(answer.initial, QStringLiteral("init"));
    }
    PromptAnswer cancel(std::nullopt);
    EXPECT_EQ(form().prompt("T", "P"), std::nullopt);
}

// --- dates -----------------------------------------------------------------------

TEST_F(Commands, DateItemsInsertTheFormattedClockAtTheCaret)
{
    GeneralCommands::clock() = [] { return QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3, 45)); };
    const struct {
        const char* item;
        const char* text;
    } cases[] = {
        {"mniD2", "05.03.24"},  {"mniD3", "05.03.2024"}, {"mniD5", "05.03.2024  09:07:045"},
        {"mniD6", "09:07:045"}, {"mniD7", "09:07"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        newDocument("sel");
        ed().activeDocument()->control()->setSelection(0, 0, 0, 3); // the caret at its end
        run(c.item);
        // At the caret, after the selection, which stays.
        EXPECT_EQ(ed().GetAllText(), std::string("sel") + c.text + "\r\n");
        EXPECT_EQ(ed().GetSelText(), "sel");
    }
}

// --- statistics --------------------------------------------------------------------

TEST_F(Commands, StatisticsGoToTheConsoleAndASecondRunClosesIt)
{
    newDocument("ab cd");
    ui::TInfoConsole* console = form().infoConsole();
    ASSERT_NE(console, nullptr);
    console->clear();
    run("mniStat");
    ASSERT_TRUE(console->isVisible());
    const QString all = console->lines().join(QLatin1Char('\n'));
    for (const char* line :
         {"Begin update data:", ">Количество знаков и пробелов: 5", ">Количество только знаков: 4",
          ">Количество слов: 2", ">Авторских листов: 0"}) // 0.0001 with the locale's separator
        EXPECT_TRUE(all.contains(QString::fromUtf8(line))) << line << "\n" << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("0001")));
    EXPECT_FALSE(all.contains(QString::fromUtf8("Дата и время создания"))); // no file
    const int count = static_cast<int>(console->lines().size());

    run("mniStat");
    EXPECT_FALSE(console->isVisible());
    EXPECT_EQ(console->lines().size(), count);
}

TEST_F(Commands, TheConsoleOpensWhollyOnTheScreenOfTheMainWindow)
{
    // A main window as wide as the screen, at its right edge.
    const QRect area = form().screen()->availableGeometry();
    form().setGeometry(area.left() + 40, area.top() + 40, area.width() - 40, area.height() - 80);
    newDocument("ab cd");
    run("mniStat");
    ui::TInfoConsole* console = form().infoConsole();
    ASSERT_TRUE(console->isVisible());
    EXPECT_TRUE(area.contains(console->frameGeometry()))
        << console->frameGeometry().x() << "," << console->frameGeometry().y() << " "
        << console->frameGeometry().width() << "x" << console->frameGeometry().height();
    run("mniStat");
}

TEST_F(Commands, StatisticsOfAFileNameItsDate)
{
    m_fixture.seed(QStringLiteral("stat.txt"), "word\r\n");
    ASSERT_TRUE(form().OpenFile(m_fixture.home() + QStringLiteral("stat.txt")));
    form().infoConsole()->clear();
    run("mniStat");
    const QString all = form().infoConsole()->lines().join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("stat.txt")));
    EXPECT_TRUE(all.contains(QString::fromUtf8(">Дата и время создания файла: ")));
    EXPECT_TRUE(all.contains(QString::fromUtf8(">Количество слов: 1")));
}

// --- clipboard capture and scrolling -------------------------------------------------

TEST_F(Commands, ClipboardCaptureInsertsCopiedLinesWhileOn)
{
    newDocument("");
    QAction* hook = form().command(QStringLiteral("mniClipHook"));
    hook->trigger();
    ASSERT_TRUE(hook->isChecked());
    QApplication::clipboard()->setText(QString::fromUtf8("«x»"));
    EXPECT_TRUE(zuk::test::waitFor([&] { return ed().GetAllText().size() > 2; }, 1000));
    EXPECT_EQ(ed().GetAllText().substr(0, 5), win("«x»\r\n"));

    hook->trigger();
    ASSERT_FALSE(hook->isChecked());
    const std::string before = ed().GetAllText();
    QApplication::clipboard()->setText(QStringLiteral("more"));
    QCoreApplication::processEvents();
    EXPECT_EQ(ed().GetAllText(), before);
}

TEST_F(Commands, AutoscrollStartsAndStopsItsTimer)
{
    form().settings().AutoscrollTime = 30;
    form().settings().LinesPerTime = 2;
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "line\r\n";
    newDocument(text);
    QAction* scroll = form().command(QStringLiteral("mniAscroll"));
    scroll->trigger();
    EXPECT_TRUE(scroll->isChecked());
    EXPECT_TRUE(form().settings().AutoscrollActive);
    EXPECT_TRUE(zuk::test::waitFor([&] { return ed().GetTopLine() >= 4; }, 2000));

    // Suspended (the settings dialog is open) and resumed.
    GeneralCommands* general = GeneralCommands::of(form());
    ASSERT_NE(general, nullptr);
    general->suspendAutoscroll(true);
    EXPECT_FALSE(general->scrollTimer()->isActive());
    general->suspendAutoscroll(false);
    EXPECT_TRUE(general->scrollTimer()->isActive());

    scroll->trigger();
    EXPECT_FALSE(form().settings().AutoscrollActive);
    EXPECT_FALSE(general->scrollTimer()->isActive());
}

// --- system files and help ---------------------------------------------------------------

TEST_F(Commands, SystemFilesComeFromTheWinePrefix)
{
    QTemporaryDir prefix;
    qputenv("WINEPREFIX", prefix.path().toLocal8Bit());
    run("mniWinIni");
    EXPECT_EQ(ed().DocumentCount(), 0);
    EXPECT_TRUE(status().contains(QStringLiteral("win.ini"))) << status().toStdString();

    QDir(prefix.path()).mkpath(QStringLiteral("drive_c/Windows"));
    QFile ini(prefix.path() + QStringLiteral("/drive_c/Windows/WIN.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[windows]\r\n");
    ini.close();
    run("mniWinIni");
    EXPECT_EQ(ed().DocumentCount(), 1);
    EXPECT_EQ(ed().GetAllText(), "[windows]\r\n");

    run("mniAutoexecBat");
    EXPECT_EQ(ed().DocumentCount(), 1);
    EXPECT_TRUE(status().contains(QStringLiteral("autoexec.bat")));
    qunsetenv("WINEPREFIX");
}

TEST_F(Commands, HelpItemsOpenTheirFiles)
{
    QList<QUrl> opened;
    GeneralCommands::urlOpener() = [&opened](const QUrl& url) {
        opened << url;
        return true;
    };
    m_fixture.seed(QStringLiteral("dox/zuk.html"), "<html></html>");
    m_fixture.seed(QStringLiteral("dox/!bugs.txt"), "bug\r\n");
    run("mniAppManual");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_TRUE(opened[0].toLocalFile().endsWith(QStringLiteral("dox/zuk.html")));

    run("mniBugs");
    EXPECT_EQ(ed().DocumentCount(), 1);
    EXPECT_EQ(ed().GetAllText(), "bug\r\n");

    run("mniFeedback");
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[1].scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(opened[1]
                    .query(QUrl::FullyDecoded)
                    .contains(QStringLiteral("Zuk build no. ") + QStringLiteral(ZUK_VERSION)));
    run("mniAppSite");
    ASSERT_EQ(opened.size(), 3);
    EXPECT_TRUE(opened[2].scheme().startsWith(QStringLiteral("http")));

    // An opener that fails is reported, not silent.
    GeneralCommands::urlOpener() = [](const QUrl&) { return false; };
    form().statusBar()->clearMessage();
    run("mniFreedback4Designer");
    EXPECT_FALSE(status().isEmpty());
}

TEST_F(Commands, TheShippedHelpFilesAreFound)
{
    // The build tree carries the data beside the test program.
    QList<QUrl> opened;
    GeneralCommands::urlOpener() = [&opened](const QUrl& url) {
        opened << url;
        return true;
    };
    for (const char* item : {"mniAppManual", "mniSODH", "mniFAQ"})
        run(item);
    EXPECT_EQ(opened.size(), 3) << status().toStdString();
    run("mniNotes");
    EXPECT_EQ(ed().DocumentCount(), 1);
}

TEST_F(Commands, AboutBoxIsModal)
{
    PromptAnswer box(std::nullopt);
    run("mniHelpAbout");
    EXPECT_EQ(box.noteTitle, QString::fromUtf8("Копырайто официазо"));
    EXPECT_TRUE(box.note.contains(QStringLiteral(ZUK_VERSION)));
}
