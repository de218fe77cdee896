// The analyzer window on the real main window: its buttons, the job's lines
// in the pane, and the thread controls.

#include "analyzer/asimplestat.h"
#include "analyzer/ui/tunt.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "support/ui/fakehost.h"
#include "support/ui/mainformfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTextDocument>

#include <functional>
#include <thread>

#include <gtest/gtest.h>

using zuk::analyzer::CASimpleStat;
using zuk::analyzer::JobPriority;
using zuk::analyzer::ui::Tunt;
using zuk::test::MainFormFixture;
using zuk::test::waitFor;

namespace {

QString qs(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void click(Tunt& w, const char* name)
{
    QPushButton* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

// Lets the job end and its lines reach the pane. The events are handled
// meanwhile: a long report holds until the pane has taken its lines.
bool settle(Tunt& w)
{
    const bool drained = waitFor([&] { return w.job().isFinished() && !w.linesPending(); }, 20000);
    QCoreApplication::processEvents(); // the no-document message, the progress
    return drained;
}

// Waits for a condition the worker brings about, handling no events, so
// that nothing reaches the pane meanwhile.
bool waitWithoutEvents(const std::function<bool()>& done)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 20000)
            return false;
        std::this_thread::yield();
    }
    return true;
}

Tunt& openAnalyzer(zuk::app::ui::TMainForm& form)
{
    EXPECT_TRUE(form.runCommand("mniUNITAZ"));
    Tunt* w = form.findChild<Tunt*>();
    EXPECT_NE(w, nullptr);
    return *w;
}

// A text long enough that the job is still counting when the test acts:
// kDistinct words, each kRepeats times.
constexpr int kDistinct = 20000;
constexpr int kRepeats = 30;
std::string longText()
{
    std::string text;
    text.reserve(kDistinct * kRepeats * 8);
    for (int i = 0; i < kDistinct * kRepeats; ++i) {
        text += 'w';
        text += std::to_string(i % kDistinct);
        text += i % 10 == 9 ? '\n' : ' ';
    }
    return text;
}

} // namespace

TEST(AnalyzerWindow, ReportsASmallDocumentLineByLine)
{
    MainFormFixture f;
    auto& form = f.start();
    EXPECT_EQ(form.findChild<Tunt*>(), nullptr); // not made at start-up
    form.NewFile();
    form.editor().SetAllText(zuk::codepages::utf8ToWin("Кот кот КОТ, пёс."));
    Tunt& w = openAnalyzer(form);
    EXPECT_EQ(w.windowTitle(), qs("УНИверсальный Текстовый АналиЗатор 1.0"));
    EXPECT_EQ(w.prioritySlider()->value(), 4);
    click(w, "btAnalysis");
    ASSERT_TRUE(settle(w));
    const QString sep = QLocale().decimalPoint();
    const QStringList lines = w.outputLines();
    ASSERT_EQ(lines.size(), 15) << lines.join('\n').toStdString();
    const QStringList expected = {
        "Thread constructor call...", "Thread constructor called OK", qs("Я думаю. Ждите..."),
        qs("Начинаю сортировку"),     qs("Сортировка завершена"),     qs("Вывод результатов"),
    };
    EXPECT_EQ(lines.mid(0, 6), expected);
    EXPECT_TRUE(lines[6].startsWith(qs("Время вычисления: 0:00:0"))) << lines[6].toStdString();
    const QStringList report = {
        qs("Общее кол-во слов: 4"),
        qs("Кол-во уникальных слов: 2"),
        qs("Отношение уникальных к общему: 0") + sep + "5",
        qs("Средняя длина слова (общ) 3"),
        "",
        qs("Вывод результатов частотной статистики: "),
        qs("кот    3"),
        qs("пёс    1"),
    };
    EXPECT_EQ(lines.mid(7), report);
    EXPECT_EQ(w.progress()->value(), 100);

    click(w, "btCopy2Clipboard");
    EXPECT_EQ(QApplication::clipboard()->text(), lines.join('\n'));
    click(w, "btClear");
    EXPECT_TRUE(w.outputLines().isEmpty());

    // Close hides; the command shows the same window again, its pane kept.
    w.output()->appendPlainText("kept");
    click(w, "btClose");
    EXPECT_FALSE(w.isVisible());
    openAnalyzer(form);
    EXPECT_EQ(form.findChildren<Tunt*>().size(), 1);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.outputLines(), QStringList{"kept"});
}

TEST(AnalyzerWindow, ASelectionLimitsTheAnalysis)
{
    MainFormFixture f;
    auto& form = f.start();
    form.NewFile();
    form.editor().SetAllText("b a b a c");
    form.editor().SelectAll();
    Tunt& w = openAnalyzer(form);
    click(w, "btAnalysis");
    ASSERT_TRUE(settle(w));
    const QStringList lines = w.outputLines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(lines.size() - 3), (QStringList{"b    2", "a    2", "c    1"}));
}

TEST(AnalyzerWindow, WithoutADocumentShowsTheMessageAndWritesNoReport)
{
    MainFormFixture f;
    auto& form = f.start();
    Tunt& w = openAnalyzer(form);
    QString shown;
    w.messageHook = [&](const QString& m) { shown = m; };
    click(w, "btAnalysis");
    ASSERT_TRUE(settle(w));
    EXPECT_TRUE(waitFor([&] { return !shown.isEmpty(); }));
    EXPECT_EQ(shown, qs("Нефиг обрабатывать - еще ни один файл не открыт!"));
    EXPECT_EQ(w.outputLines(),
              (QStringList{"Thread constructor call...", "Thread constructor called OK"}));
}

TEST(AnalyzerWindow, ControlButtonsWriteTheirLinesOnlyWhenTheyApply)
{
    MainFormFixture f;
    auto& form = f.start();
    form.NewFile();
    form.editor().SetAllText(longText());
    Tunt& w = openAnalyzer(form);

    // No job object yet: the controls write nothing.
    click(w, "btStop");
    click(w, "btPause");
    click(w, "btResume");
    EXPECT_FALSE(w.linesPending());
    EXPECT_TRUE(w.outputLines().isEmpty());

    click(w, "btAnalysis");
    click(w, "btPause");
    click(w, "btPause"); // already paused: nothing
    ASSERT_TRUE(w.job().isPaused());
    // A paused job stops at its next look at the job and waits there.
    ASSERT_TRUE(waitFor([&] { return w.job().isHeld(); }));
    EXPECT_FALSE(w.job().isFinished());
    w.prioritySlider()->setValue(2);
    EXPECT_EQ(w.job().priority(), JobPriority::Lowest);
    click(w, "btResume");
    click(w, "btResume"); // not paused: nothing
    click(w, "btStop");
    ASSERT_TRUE(settle(w));
    const QStringList lines = w.outputLines();
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.mid(0, 2),
              (QStringList{"Thread constructor call...", "Thread constructor called OK"}));
    EXPECT_EQ(lines.count("Thread paused OK"), 1);
    EXPECT_EQ(lines.count("Thread resumed OK"), 1);
    EXPECT_EQ(lines.count("Thread stopped OK"), 1);
    EXPECT_LT(lines.indexOf("Thread paused OK"), lines.indexOf("Thread resumed OK"));
    EXPECT_LT(lines.indexOf("Thread resumed OK"), lines.indexOf("Thread stopped OK"));
    // Stopped before its report was through.
    EXPECT_FALSE(lines.contains(qs("Вывод результатов частотной статистики: ")));
    EXPECT_TRUE(w.job().hasJob()); // the object stays after its job ends

    // Pause still applies to the finished job's object.
    click(w, "btPause");
    ASSERT_TRUE(settle(w));
    EXPECT_EQ(w.outputLines().count("Thread paused OK"), 2);
}

TEST(AnalyzerWindow, ASecondStartWaitsForTheFirstJobAndDestroysIt)
{
    MainFormFixture f;
    auto& form = f.start();
    form.NewFile();
    form.editor().SetAllText(longText());
    Tunt& w = openAnalyzer(form);
    click(w, "btAnalysis");
    click(w, "btPause"); // even a paused job is ended by the next start
    click(w, "btAnalysis");
    ASSERT_TRUE(settle(w));
    const QStringList lines = w.outputLines();
    const int destroyed = lines.indexOf("Thread destroying done");
    ASSERT_GE(destroyed, 0) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.lastIndexOf("Thread constructor call..."), destroyed - 1);
    EXPECT_EQ(lines[destroyed + 1], "Thread constructor called OK");
    // The second job runs through to its frequency list.
    EXPECT_EQ(lines.count(qs("Вывод результатов частотной статистики: ")), 1);
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral("    %1").arg(kRepeats)))
        << lines.last().toStdString();
}

TEST(AnalyzerWindow, ClosingTheMainWindowEndsARunningJob)
{
    auto f = std::make_unique<MainFormFixture>();
    auto& form = f->start();
    form.NewFile();
    form.editor().SetAllText(longText());
    Tunt& w = openAnalyzer(form);
    click(w, "btAnalysis");
    click(w, "btPause");
    f.reset(); // must not hang on the paused worker nor touch the freed pane
    SUCCEED();
}

// A report of hundreds of thousands of lines is the case where the pane takes
// its lines slower than the job writes them.
TEST(AnalyzerWindow, TheOutputHoldsForThePaneSoStopPauseAndClearActAtOnce)
{
    constexpr int kWords = 200000;
    static_assert(kWords > 4 * CASimpleStat::kMaxBacklog);
    std::string text;
    for (int i = 0; i < kWords; ++i)
        text += "w" + std::to_string(i) + (i % 10 == 9 ? "\r\n" : " ");
    const QString listHead = qs("Вывод результатов частотной статистики: ");

    zuk::test::FakeHost host;
    host.ved.text = text;
    auto* w = new Tunt(host, host.window());

    { // Stopped in the middle of the list: it ends at once, not after the list.
        w->startAnalysis();
        // The pane takes nothing while no event is handled, so the job holds.
        ASSERT_TRUE(waitWithoutEvents([&] { return w->job().isHeld() || w->job().isFinished(); }));
        EXPECT_FALSE(w->job().isFinished());
        w->stopJob();
        ASSERT_TRUE(settle(*w));
        const QStringList lines = w->outputLines();
        ASSERT_TRUE(lines.contains(listHead));
        EXPECT_TRUE(lines.contains("Thread stopped OK"));
        EXPECT_LT(lines.size() - lines.indexOf(listHead),
                  static_cast<int>(CASimpleStat::kMaxBacklog + 2 * CASimpleStat::kLinesPerCheck));
    }
    { // Paused in the middle of the list: the pane stops growing until Resume.
        w->clearOutput();
        w->startAnalysis();
        ASSERT_TRUE(waitWithoutEvents([&] { return w->job().isHeld(); }));
        w->pauseJob();
        ASSERT_TRUE(waitFor([&] { return !w->linesPending(); }));
        // The pane has taken everything written; the job, woken, is held by the pause.
        ASSERT_TRUE(waitFor([&] { return w->job().isHeld(); }));
        const int shown = w->output()->document()->lineCount();
        QCoreApplication::processEvents();
        EXPECT_FALSE(w->linesPending());
        EXPECT_EQ(w->output()->document()->lineCount(), shown);
        EXPECT_FALSE(w->job().isFinished());
        w->resumeJob();
        ASSERT_TRUE(settle(*w));
        const QStringList lines = w->outputLines();
        const int head = lines.indexOf(listHead);
        ASSERT_GE(head, 0);
        // Every word once, then the control lines written after it.
        EXPECT_EQ(lines.count(QStringLiteral("w199999    1")), 1);
        EXPECT_EQ(lines.mid(head + 1).filter(QRegularExpression("^w\\d+    1$")).size(), kWords);
    }
    { // Cleared: the pane, its queue and its undo history hold nothing of the report.
        EXPECT_FALSE(w->output()->document()->isUndoAvailable());
        w->clearOutput();
        EXPECT_FALSE(w->linesPending());
        EXPECT_TRUE(w->output()->document()->isEmpty());
        EXPECT_EQ(w->output()->document()->blockCount(), 1);
        EXPECT_FALSE(w->output()->document()->isUndoAvailable());
    }
    { // Cleared while the list is being written: the queued lines go, the job goes on.
        w->startAnalysis();
        ASSERT_TRUE(waitWithoutEvents([&] { return w->job().isHeld(); }));
        w->clearOutput();
        ASSERT_TRUE(settle(*w));
        const QStringList lines = w->outputLines();
        EXPECT_FALSE(lines.contains(listHead)); // it went with the clearing
        EXPECT_TRUE(lines.contains(QStringLiteral("w199999    1")));
    }
}
