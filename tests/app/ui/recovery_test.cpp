// Recovery copies in the real main window, offscreen: written while typing,
// dropped on save, close and exit, offered and restored by the next window on
// the same program folder, and brought back after a kill -9 of a child
// process that runs this test binary.

#include "app/recovery.h"
#include "app/ui/filecommands.h"
#include "app/ui/infoconsole.h"
#include "app/ui/mainform.h"
#include "app/ui/recoverywatch.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "io/safefile.h"
#include "support/ui/mainformfixture.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <signal.h>

using zuk::test::MainFormFixture;
using zuk::test::waitFor;
using namespace zuk::app;
using zuk::app::ui::RecoveryChoice;
using zuk::app::ui::RecoveryWatch;
using zuk::editor::Ted;

namespace {

constexpr const char* kChildHome = "ZUK_RECOVERY_CHILD_HOME";

std::string koi(const char* utf8)
{
    return zuk::codepages::encodeFromUtf8(utf8, zuk::codepages::CodePage::Koi);
}

// Main windows over one program folder, started and dropped at will; a
// window dropped without its close event is gone as after a kill.
struct Windows {
    MainFormFixture fixture;

    std::unique_ptr<ui::TMainForm> start(QStringList files = {})
    {
        ui::StartupOptions options;
        options.home = fixture.home().chopped(1);
        options.files = std::move(files);
        options.executableDir = fixture.home() + QStringLiteral("bin");
        auto form = std::make_unique<ui::TMainForm>(options);
        form->createToolWindows();
        form->show();
        ui::FileCommands::of(*form)->messageHook = [](const QString&) {};
        RecoveryWatch* watch = RecoveryWatch::of(*form);
        watch->idleDelayMs = 30;
        watch->longestDelayMs = 300;
        return form;
    }
    static void drop(std::unique_ptr<ui::TMainForm>& form)
    {
        form->confirmHook = [](const QString&) { return true; };
        form.reset();
    }
    QString path(const QString& name) const { return fixture.home() + name; }
    std::string recoveryRoot() const
    {
        return (fixture.parts() + QStringLiteral("recovery/")).toStdString();
    }
};

RecoveryScan copiesOf(ui::TMainForm& form)
{
    RecoveryWatch& watch = *RecoveryWatch::of(form);
    watch.waitForWriter();
    return scanRecoveryFolder(watch.runFolder().toStdString());
}

std::size_t copyCount(ui::TMainForm& form)
{
    return copiesOf(form).entries.size();
}

bool waitForCopies(ui::TMainForm& form, std::size_t n, int ms = 5000)
{
    return waitFor([&] { return copyCount(form) == n; }, ms);
}

// Key presses that carry the characters, as a keyboard layout gives them
// (QTest::keyClicks knows only Latin keys).
void type(Ted& ted, const QString& text)
{
    ted.control()->setFocus();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(ted.control(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(ted.control(), &release);
    }
}

// Answers every Yes/No box with Yes while it lives (the close question of a
// modified document).
class YesSayer {
public:
    YesSayer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                    yes->click();
        });
        m_timer.start(10);
    }

private:
    QTimer m_timer;
};

// The document of the window whose file name ends with `tail`.
Ted* documentEndingWith(ui::TMainForm& form, const std::string& tail)
{
    for (Ted* ted : form.editor().documents())
        if (ted->fileName().size() >= tail.size() &&
            ted->fileName().compare(ted->fileName().size() - tail.size(), tail.size(), tail) == 0)
            return ted;
    return nullptr;
}

} // namespace

TEST(RecoveryCopies, TypingWritesACopyThatSavingUndoingAndClosingDrop)
{
    Windows w;
    const std::string original = koi("Старый текст\r\n");
    w.fixture.seed("letter.txt", original);
    auto form = w.start();
    ASSERT_TRUE(form->OpenFile(w.path("letter.txt")));
    Ted& letter = *form->editor().activeDocument();
    letter.setCharset("koi");
    EXPECT_EQ(copyCount(*form), 0u); // opened, not changed

    type(letter, QString::fromUtf8("Новое "));
    ASSERT_TRUE(waitForCopies(*form, 1));
    RecoveryEntry entry = copiesOf(*form).entries.at(0);
    EXPECT_EQ(entry.meta.path, std::optional<std::string>(w.path("letter.txt").toStdString()));
    EXPECT_EQ(entry.meta.title, letter.fileName());
    EXPECT_EQ(entry.meta.charset, "koi");
    EXPECT_EQ(readRecoveryText(entry), koi("Новое Старый текст\r\n"));
    EXPECT_NEAR(static_cast<double>(entry.meta.changedMs),
                static_cast<double>(QDateTime::currentMSecsSinceEpoch()), 10000.0);

    // Saved: the copy goes.
    ASSERT_TRUE(form->runCommand("mniSave"));
    EXPECT_TRUE(waitForCopies(*form, 0));

    // Changed and undone back to the saved text: it goes too.
    type(letter, QStringLiteral("x"));
    ASSERT_TRUE(waitForCopies(*form, 1));
    letter.control()->undo();
    ASSERT_FALSE(letter.modified());
    EXPECT_TRUE(waitForCopies(*form, 0));

    // An untitled document closed without saving drops its copy.
    form->runCommand("mniFileNew");
    Ted& untitled = *form->editor().activeDocument();
    type(untitled, QStringLiteral("draft"));
    ASSERT_TRUE(waitForCopies(*form, 1));
    EXPECT_FALSE(copiesOf(*form).entries.at(0).meta.path);
    {
        YesSayer yes;
        const int before = form->documentCount();
        form->runCommand("mniCloseCurrent");
        ASSERT_TRUE(waitFor([&] { return form->documentCount() < before; }));
    }
    EXPECT_TRUE(waitForCopies(*form, 0));

    // The normal exit takes this run's folder away.
    type(letter, QStringLiteral("y"));
    ASSERT_TRUE(waitForCopies(*form, 1));
    const std::string run = RecoveryWatch::of(*form)->runFolder().toStdString();
    ui::FileCommands::of(*form)->exitChoiceHook = [](const QString&) {
        return ui::ExitChoice::Discard;
    };
    form->close();
    EXPECT_FALSE(std::filesystem::exists(run));
    Windows::drop(form);
    EXPECT_TRUE(std::filesystem::is_empty(w.recoveryRoot()));
}

TEST(RecoveryCopies, LongTypingIsWrittenBeforeItStops)
{
    Windows w;
    auto form = w.start();
    RecoveryWatch::of(*form)->idleDelayMs = 60000;
    RecoveryWatch::of(*form)->longestDelayMs = 100;
    form->runCommand("mniFileNew");
    Ted& ted = *form->editor().activeDocument();
    QElapsedTimer typing;
    typing.start();
    bool written = false;
    while (!written && typing.elapsed() < 5000) {
        type(ted, QStringLiteral("a"));
        QTest::qWait(10);
        written = copyCount(*form) == 1;
    }
    EXPECT_TRUE(written);
}

TEST(RecoveryCopies, TheSettingTurnsThemOffAndOn)
{
    Windows w;
    auto form = w.start();
    EXPECT_TRUE(form->settings().Recovery);
    EXPECT_TRUE(form->isChecked("mniRecovery"));
    form->runCommand("mniFileNew");
    Ted& ted = *form->editor().activeDocument();
    type(ted, QStringLiteral("text"));
    ASSERT_TRUE(waitForCopies(*form, 1));
    const std::string run = RecoveryWatch::of(*form)->runFolder().toStdString();

    form->command(QStringLiteral("mniRecovery"))->trigger();
    EXPECT_FALSE(form->settings().Recovery);
    EXPECT_FALSE(std::filesystem::exists(run));
    EXPECT_TRUE(RecoveryWatch::of(*form)->runFolder().isEmpty());
    type(ted, QStringLiteral("more"));
    QTest::qWait(100);
    EXPECT_TRUE(std::filesystem::is_empty(w.recoveryRoot()));

    // On again (here through the settings notification): the modified
    // document gets its copy without another keystroke.
    form->settings().Recovery = true;
    form->settingsNotifier().notify();
    EXPECT_TRUE(form->isChecked("mniRecovery"));
    ASSERT_TRUE(waitForCopies(*form, 1));
    EXPECT_EQ(readRecoveryText(copiesOf(*form).entries.at(0)), ted.allText());
}

// A copy that cannot be written is reported once, and typing goes on.
TEST(RecoveryCopies, AFailedWriteIsReported)
{
    Windows w;
    auto form = w.start();
    form->runCommand("mniFileNew");
    Ted& ted = *form->editor().activeDocument();
    std::filesystem::remove_all(RecoveryWatch::of(*form)->runFolder().toStdString());
    type(ted, QStringLiteral("a"));
    ASSERT_TRUE(waitFor([&] { return !form->infoConsole()->lines().isEmpty(); }));
    type(ted, QStringLiteral("b"));
    QTest::qWait(100);
    const QStringList lines = form->infoConsole()->lines();
    ASSERT_EQ(lines.size(), 1) << lines.join('|').toStdString();
    EXPECT_TRUE(lines[0].contains(QString::fromUtf8("Копия для восстановления не записана")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("No such file or directory")));
    EXPECT_EQ(ted.allText(), "ab \r\n");
}

TEST(RecoveryCopies, TheNextWindowRestoresThemBoundToTheirFilesInTheirCodePages)
{
    Windows w;
    const std::string original = koi("Письмо\r\n");
    w.fixture.seed("koi.txt", original);
    auto first = w.start();
    ASSERT_TRUE(first->OpenFile(w.path("koi.txt")));
    Ted& file = *first->editor().activeDocument();
    file.setCharset("koi");
    type(file, QString::fromUtf8("Моё "));
    first->runCommand("mniFileNew");
    first->runCommand("mniFileNew");
    Ted& untitled = *first->editor().activeDocument();
    type(untitled, QStringLiteral("draft"));
    ASSERT_TRUE(waitForCopies(*first, 2));
    const std::string fileText = file.allText();
    const std::string untitledText = untitled.allText();
    const std::string untitledTitle = untitled.fileName();
    ASSERT_EQ(fileText, koi("Моё Письмо\r\n"));

    // A second window while the first lives: nothing of the first is offered.
    {
        auto second = w.start();
        int asked = 0;
        RecoveryWatch::of(*second)->choiceHook = [&](const QStringList&) {
            ++asked;
            return RecoveryChoice::Discard;
        };
        second->FormActivate();
        EXPECT_EQ(asked, 0);
        Windows::drop(second);
    }
    EXPECT_EQ(copyCount(*first), 2u);
    Windows::drop(first); // as killed: the copies stay

    auto next = w.start();
    QStringList offered;
    RecoveryWatch::of(*next)->choiceHook = [&](const QStringList& lines) {
        offered = lines;
        return RecoveryChoice::Restore;
    };
    next->FormActivate();
    ASSERT_EQ(offered.size(), 2);
    EXPECT_TRUE(offered.filter(QStringLiteral("koi.txt")).size() == 1)
        << offered.join('|').toStdString();
    EXPECT_TRUE(offered.filter(QString::fromStdString(untitledTitle)).size() == 1);
    ASSERT_EQ(next->documentCount(), 2);

    Ted* restored = documentEndingWith(*next, "/koi.txt");
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->fileName(), w.path("koi.txt").toStdString());
    EXPECT_TRUE(restored->hasFile());
    EXPECT_TRUE(restored->modified());
    EXPECT_EQ(restored->charset(), "koi");
    EXPECT_EQ(restored->allText(), fileText);
    EXPECT_TRUE(ui::FileCommands::of(*next)->openFiles().contains(restored->fileName()));
    Ted* draft = nullptr;
    for (Ted* ted : next->editor().documents())
        if (ted != restored)
            draft = ted;
    ASSERT_NE(draft, nullptr);
    EXPECT_FALSE(draft->hasFile());
    EXPECT_TRUE(draft->modified());
    EXPECT_EQ(draft->allText(), untitledText);

    // The restored documents have copies of this run at once, and the old
    // copies are gone.
    ASSERT_EQ(copyCount(*next), 2u);
    for (const auto& e : std::filesystem::directory_iterator(w.recoveryRoot()))
        EXPECT_EQ(e.path().string() + "/", RecoveryWatch::of(*next)->runFolder().toStdString());

    // Saving the restored file writes the recovered bytes to it.
    next->editor().activateDocument(restored);
    ASSERT_TRUE(next->runCommand("mniSave"));
    EXPECT_EQ(w.fixture.read("koi.txt"), fileText);
    EXPECT_TRUE(waitForCopies(*next, 1));
}

// SIGTERM ends the program without its questions: the copies are brought up
// to date and kept for the next start, unlike at a normal exit.
TEST(RecoveryCopies, TheTerminationShutdownKeepsTheCopies)
{
    Windows w;
    auto form = w.start();
    RecoveryWatch::of(*form)->idleDelayMs = 60000;
    RecoveryWatch::of(*form)->longestDelayMs = 60000;
    form->runCommand("mniFileNew");
    type(*form->editor().activeDocument(), QStringLiteral("last words"));
    EXPECT_EQ(copyCount(*form), 0u); // the timers have not run
    form->terminate();
    const RecoveryScan kept = copiesOf(*form);
    ASSERT_EQ(kept.entries.size(), 1u);
    EXPECT_EQ(readRecoveryText(kept.entries[0]), "last words \r\n");
    Windows::drop(form);

    auto next = w.start();
    int offered = 0;
    RecoveryWatch::of(*next)->choiceHook = [&](const QStringList& lines) {
        offered = static_cast<int>(lines.size());
        return RecoveryChoice::Later;
    };
    next->FormActivate();
    EXPECT_EQ(offered, 1);
}

// The file was given on the command line again: it is open before the copy
// is offered, so the copy comes back beside it as an untitled document.
TEST(RecoveryCopies, ACopyOfAFileOpenAlreadyComesBackUntitled)
{
    Windows w;
    w.fixture.seed("twice.txt", "on disk\r\n");
    {
        auto first = w.start();
        ASSERT_TRUE(first->OpenFile(w.path("twice.txt")));
        type(*first->editor().activeDocument(), QStringLiteral("edited "));
        ASSERT_TRUE(waitForCopies(*first, 1));
        Windows::drop(first);
    }
    auto form = w.start({w.path("twice.txt")});
    RecoveryWatch::of(*form)->choiceHook = [](const QStringList&) {
        return RecoveryChoice::Restore;
    };
    form->FormActivate();
    ASSERT_EQ(form->documentCount(), 2);
    Ted* file = documentEndingWith(*form, "/twice.txt");
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(file->modified());
    EXPECT_EQ(file->allText(), "on disk\r\n");
    Ted* copy = form->editor().activeDocument();
    ASSERT_NE(copy, file);
    EXPECT_FALSE(copy->hasFile());
    EXPECT_TRUE(copy->modified());
    EXPECT_EQ(copy->allText(), "edited on disk\r\n");
    EXPECT_EQ(form->infoConsole()->lines().filter(QStringLiteral("twice.txt")).size(), 1);
}

TEST(RecoveryCopies, DiscardDeletesLaterKeepsAndBrokenOnesAreReported)
{
    Windows w;
    {
        auto first = w.start();
        first->runCommand("mniFileNew");
        type(*first->editor().activeDocument(), QStringLiteral("lost"));
        ASSERT_TRUE(waitForCopies(*first, 1));
        Windows::drop(first);
    }
    // A copy whose description was cut short, in a folder of its own.
    w.fixture.seed("Engine/Parts/recovery/run-1-1/doc1.meta", "ZukRecovery 1\nTitle=x\n");

    int asked = 0;
    auto answer = [&](RecoveryChoice choice) {
        auto form = w.start();
        RecoveryWatch::of(*form)->choiceHook = [&asked, choice](const QStringList& lines) {
            ++asked;
            EXPECT_EQ(lines.size(), 1);
            return choice;
        };
        form->FormActivate();
        const QStringList console = form->infoConsole()->lines();
        EXPECT_EQ(console.filter(QStringLiteral("run-1-1/doc1.meta")).size(), 1)
            << console.join('|').toStdString();
        EXPECT_EQ(form->documentCount(), 0);
        Windows::drop(form);
    };
    answer(RecoveryChoice::Later);
    answer(RecoveryChoice::Later);
    EXPECT_EQ(asked, 2);
    answer(RecoveryChoice::Discard);
    EXPECT_EQ(asked, 3);
    answer(RecoveryChoice::Discard); // nothing left to ask about
    EXPECT_EQ(asked, 3);
    // The broken copy is left for the user to look at.
    EXPECT_EQ(w.fixture.read("Engine/Parts/recovery/run-1-1/doc1.meta"),
              "ZukRecovery 1\nTitle=x\n");
}

// Run by RecoveryKill.TextsComeBackAfterKillMinusNine in a child process of
// this binary: opens a file and an untitled document, types into both, waits
// until both copies are on the disk, says so and waits to be killed.
TEST(RecoveryKillChild, TypesAndWaitsToBeKilled)
{
    const QString home = qEnvironmentVariable(kChildHome);
    if (home.isEmpty())
        GTEST_SKIP() << "run by RecoveryKill.TextsComeBackAfterKillMinusNine";
    ui::StartupOptions options;
    options.home = home;
    options.executableDir = home + QStringLiteral("/bin");
    ui::TMainForm form(options);
    form.createToolWindows();
    form.show();
    RecoveryWatch& watch = *RecoveryWatch::of(form);
    watch.idleDelayMs = 30;
    ASSERT_TRUE(form.OpenFile(home + QStringLiteral("/koi.txt")));
    Ted& file = *form.editor().activeDocument();
    file.setCharset("koi");
    type(file, QString::fromUtf8("Убит "));
    form.runCommand("mniFileNew");
    Ted& untitled = *form.editor().activeDocument();
    type(untitled, QString::fromUtf8("Черновик"));
    ASSERT_TRUE(waitForCopies(form, 2));
    zuk::io::writeFileAtomically((home + QStringLiteral("/expected-file")).toStdString(),
                                 file.allText());
    zuk::io::writeFileAtomically((home + QStringLiteral("/expected-untitled")).toStdString(),
                                 untitled.allText());
    std::printf("RECOVERY-READY\n");
    std::fflush(stdout);
    waitFor([] { return false; }, 60000);
    ADD_FAILURE() << "not killed";
}

TEST(RecoveryKill, TextsComeBackAfterKillMinusNine)
{
    Windows w;
    w.fixture.seed("koi.txt", koi("Жил-был текст\r\n"));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildHome), w.fixture.home().chopped(1));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=RecoveryKillChild.TypesAndWaitsToBeKilled")});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray out;
    const bool ready = waitFor(
        [&] {
            child.waitForReadyRead(20);
            out += child.readAllStandardOutput();
            return out.contains("RECOVERY-READY") || child.state() == QProcess::NotRunning;
        },
        30000);
    ASSERT_TRUE(ready && out.contains("RECOVERY-READY")) << out.toStdString();
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    const std::string expectedFile = w.fixture.read("expected-file");
    const std::string expectedUntitled = w.fixture.read("expected-untitled");
    ASSERT_EQ(expectedFile, koi("Убит Жил-был текст\r\n"));
    auto form = w.start();
    int offered = 0;
    RecoveryWatch::of(*form)->choiceHook = [&](const QStringList& lines) {
        offered = static_cast<int>(lines.size());
        return RecoveryChoice::Restore;
    };
    form->FormActivate();
    EXPECT_EQ(offered, 2);
    ASSERT_EQ(form->documentCount(), 2);
    Ted* file = documentEndingWith(*form, "/koi.txt");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->hasFile());
    EXPECT_TRUE(file->modified());
    EXPECT_EQ(file->charset(), "koi");
    EXPECT_EQ(file->allText(), expectedFile);
    for (Ted* ted : form->editor().documents())
        if (ted != file) {
            EXPECT_FALSE(ted->hasFile());
            EXPECT_EQ(ted->allText(), expectedUntitled);
        }
}
