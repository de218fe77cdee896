// The analyzer window on the real main window: its buttons, the job's lines
// in the pane, and the thread controls.

#include "analyzer/ui/tunt.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "support/ui/mainformfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

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

// Lets the job end and its lines reach the pane.
bool settle(Tunt& w)
{
    w.job().wait();
    const bool drained = waitFor([&] { return !w.linesPending(); });
    QCoreApplication::processEvents(); // the no-document message, the progress
    return drained;
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
    // A paused job makes no progress to its end: given time, it is still there.
    waitFor([&] { return w.job().isFinished(); }, 100);
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
