// The real main window, offscreen, each test over its own program folder.

#include "app/commandtable.h"
#include "app/ui/documenttabs.h"
#include "app/ui/filecommands.h"
#include "app/ui/generalcommands.h"
#include "app/ui/infoconsole.h"
#include "app/ui/mainmenu.h"
#include "app/ui/mainstatusbar.h"
#include "app/ui/toolrow.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "settings/settings.h"
#include "support/ui/mainformfixture.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;
using zuk::test::ModalCloser;
using namespace zuk::app;

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// Windows-1251 bytes of a UTF-8 text (the files the program keeps are in it).
std::string win(const char* utf8)
{
    return zuk::codepages::utf8ToWin(utf8);
}

QStringList tabTexts(ui::TMainForm& form)
{
    QStringList out;
    for (int i = 0; i < form.documentTabs().count(); ++i)
        out << form.documentTabs().tabText(i);
    return out;
}

} // namespace

TEST(MainFormStartup, WithoutIniCreatesItAndTakesNinetyPercentOfTheScreenAtOneOne)
{
    MainFormFixture f;
    ASSERT_FALSE(QFileInfo::exists(f.home() + "zuk.ini"));
    ui::TMainForm& form = f.start();
    EXPECT_TRUE(QFileInfo::exists(f.home() + "zuk.ini"));
    EXPECT_EQ(f.read("zuk.ini"), "");
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(form.pos(), QPoint(1, 1));
    EXPECT_EQ(form.size(), QSize(zuk::settings::percentRoundedHalfEven(screen.width(), 90),
                                 zuk::settings::percentRoundedHalfEven(screen.height(), 90)));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Zuk " ZUK_VERSION));
    EXPECT_EQ(form.editor().DocumentCount(), 0);
    EXPECT_EQ(form.settings().UntitledCounter, -1);
    EXPECT_TRUE(form.settings().FirstActivation);
    ASSERT_NE(form.infoConsole(), nullptr);
    EXPECT_EQ(form.infoConsole()->windowTitle(), QStringLiteral("Infoconsole"));
    EXPECT_NE(form.documentListWindow(), nullptr);

    // The date items show the current date in their formats.
    EXPECT_FALSE(form.command("mniD3")->text().isEmpty());
    EXPECT_EQ(form.command("mniD3")->text(),
              QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
}

TEST(MainFormStartup, TheFirstSaveSettingsFillsTheFiles)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    form.SaveSettings();
    const std::string ini = f.read("zuk.ini");
    EXPECT_NE(ini.find("WordWrap=1"), std::string::npos);
    EXPECT_NE(ini.find("[CPUStatus]"), std::string::npos);
    // Shut-down-only keys are not written by SaveSettings.
    EXPECT_EQ(ini.find("\r\nW="), std::string::npos);
    const std::string shortcuts = f.read("Engine/Parts/shortcuts.txt");
    EXPECT_EQ(shortcuts.rfind("mniFileNew=Ctrl+N\r\n", 0), 0u) << shortcuts;
    EXPECT_NE(shortcuts.find("mniFileSaveAs=Shift+Ctrl+S\r\n"), std::string::npos);
    EXPECT_TRUE(QFileInfo::exists(f.parts() + "enabled_exts.txt"));
}

TEST(MainFormStartup, ShortcutFileIsAppliedByNameAndOldFilesByCaption)
{
    MainFormFixture f;
    f.seed("Engine/Parts/shortcuts.txt",
           win("Новый=Shift+Ctrl+F2\r\nНет такого пункта=F7\r\nОтчалить=\r\n"
               "mnisaveall=Shift+Ctrl+F3\r\n"));
    ui::TMainForm& form = f.start();
    EXPECT_EQ(form.command("mniFileNew")->shortcut(),
              QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F2));
    EXPECT_EQ(form.command("mniSaveAll")->shortcut(),
              QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F3));
    // A caption the menu does not have changes nothing, and F7 is nowhere.
    for (QAction* a : form.mainMenu().itemsDepthFirst())
        EXPECT_NE(a->shortcut(), QKeySequence(Qt::Key_F7)) << a->objectName().toStdString();
    EXPECT_EQ(form.command("mniOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    // The settings read at start-up: a bad W falls back to its default.
}

TEST(MainFormStartup, BadWindowSizeFallsBackToTheDefault)
{
    MainFormFixture f;
    f.seed("zuk.ini", "[Main]\r\nW=wide\r\nTop=40\r\n");
    ui::TMainForm& form = f.start();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(form.width(), zuk::settings::percentRoundedHalfEven(screen.width(), 90));
    EXPECT_EQ(form.pos().y(), 40);
}

TEST(MainFormMenu, EveryCommandOfTheTableIsThereAndOnlyBuiltOnesAreEnabled)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    for (const CommandRow& row : commandTable()) {
        if (row.kind != RowKind::Command)
            continue;
        QAction* a = form.command(qs(row.name));
        ASSERT_NE(a, nullptr) << row.name;
        if (row.parent != "mniDateTime") {
            EXPECT_EQ(a->text(), qs(row.caption)) << row.name;
        }
        EXPECT_EQ(a->isEnabled(), form.hasHandler(qs(row.name))) << row.name;
    }
}

TEST(MainFormCommands, NewFileNamesUntitledZeroThenOne)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    form.command("mniFileNew")->trigger();
    EXPECT_EQ(form.editor().GetFileName(), "untitled0");
    form.command("mniFileNew")->trigger();
    EXPECT_EQ(form.editor().GetFileName(), "untitled1");
    EXPECT_EQ(form.editor().DocumentCount(), 2);
    EXPECT_EQ(tabTexts(form), (QStringList{"untitled0", "untitled1"}));
    EXPECT_EQ(form.documentTabs().currentIndex(), 1);

    // Next and previous document go by tab and wrap around.
    form.command("mniNextWindow")->trigger();
    EXPECT_EQ(form.editor().GetFileName(), "untitled0");
    form.command("mniPrevWindow")->trigger();
    EXPECT_EQ(form.editor().GetFileName(), "untitled1");

    form.command("mniCloseCurrent")->trigger();
    EXPECT_TRUE(zuk::test::waitFor([&] { return form.editor().DocumentCount() == 1; }));
    EXPECT_TRUE(zuk::test::waitFor([&] { return tabTexts(form) == QStringList{"untitled0"}; }));
    // The last window's caret, code page and highlighter go with it.
    form.editor().SetCharset("koi");
    form.toolRow().cbSyntax()->setCurrentText("HTML");
    ASSERT_FALSE(form.mainStatusBar().panel(0).isEmpty());
    form.command("mniCloseAll")->trigger();
    EXPECT_TRUE(zuk::test::waitFor([&] { return form.editor().DocumentCount() == 0; }));
    EXPECT_TRUE(zuk::test::waitFor([&] { return form.documentTabs().count() == 0; }));
    EXPECT_TRUE(zuk::test::waitFor([&] { return form.mainStatusBar().panel(1).isEmpty(); }));
    EXPECT_TRUE(form.mainStatusBar().panel(0).isEmpty());
    EXPECT_EQ(form.toolRow().cbSyntax()->currentText(), "No");
}

TEST(MainFormCommands, WordWrapNeedsADocumentAndFollowsTheCheckMark)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    QAction* wrap = form.command("mwordwrap");
    ASSERT_TRUE(wrap->isChecked());
    wrap->trigger(); // no document: unchanged
    EXPECT_TRUE(wrap->isChecked());
    EXPECT_TRUE(form.settings().WordWrap);

    form.command("mniFileNew")->trigger();
    wrap->trigger();
    EXPECT_FALSE(wrap->isChecked());
    EXPECT_FALSE(form.settings().WordWrap);
    EXPECT_FALSE(form.editor().GetWordWrap());

    QAction* copyOnSelect = form.command("mniCopyOnSelect");
    copyOnSelect->trigger();
    EXPECT_TRUE(form.settings().CopyOnSelect);
}

// Every enabled command on no document, an empty one and one with a selection:
// nothing may crash or throw, and modal boxes are closed as they come.
TEST(MainFormCommands, EveryEnabledCommandSurvivesNoEmptyAndFilledDocuments)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    ModalCloser closer;
    form.confirmHook = [](const QString&) { return false; }; // never leave
    // Nothing is handed to the desktop, and the system files come from an empty prefix.
    ui::GeneralCommands::urlOpener() = [](const QUrl&) { return true; };
    QTemporaryDir wine;
    qputenv("WINEPREFIX", wine.path().toLocal8Bit());
    auto runAll = [&form](const char* stage) {
        for (const CommandRow& row : commandTable()) {
            if (row.kind != RowKind::Command || row.name == "mniExit")
                continue;
            QAction* a = form.command(qs(row.name));
            if (!a->isEnabled())
                continue;
            SCOPED_TRACE(std::string(stage) + " " + std::string(row.name));
            a->trigger();
            QCoreApplication::processEvents();
        }
    };
    runAll("no document");
    form.command("mniFileNew")->trigger();
    form.editor().SetAllText("");
    runAll("empty document");
    if (form.editor().DocumentCount() == 0)
        form.command("mniFileNew")->trigger();
    form.editor().SetAllText(win("первая строка\r\nsecond line\r\n"));
    form.editor().SelectAll();
    runAll("filled document");
    if (form.editor().DocumentCount() == 0)
        form.command("mniFileNew")->trigger();
    form.editor().SetAllText(win("первая строка\r\nsecond line\r\n"));
    runAll("filled document, nothing selected");
    if (form.command("mniAscroll")->isChecked())
        form.command("mniAscroll")->trigger();
    if (form.command("mniClipHook")->isChecked())
        form.command("mniClipHook")->trigger();
    qunsetenv("WINEPREFIX");
    form.command("mniExit")->trigger(); // answered No: stays
    EXPECT_TRUE(form.isVisible());
}

TEST(MainFormActivation, CommandLineOpensEveryFileOnceAndLastFilesSkipMissingAndOpenOnes)
{
    MainFormFixture f;
    f.seed("a.txt", "alpha\r\n");
    f.seed("b.txt", "beta\r\n");
    f.seed("c.txt", "gamma\n");
    f.seed("zuk.ini", "[OnStart]\r\nLoadLastFiles=1\r\n");
    f.seed("Engine/Parts/lastfiles.txt",
           (f.home() + "gone.txt\r\n" + f.home() + "b.txt\r\n" + f.home() + "c.txt\r\n")
               .toStdString());
    // A desktop's "Open with" hands over every chosen file; one named twice
    // (here through another spelling of its path) or missing opens no box.
    ui::TMainForm& form = f.start(
        {f.home() + "a.txt", f.home() + "missing.txt", f.home() + "b.txt", f.home() + "./a.txt"});
    QStringList boxes;
    ui::FileCommands::of(form)->messageHook = [&boxes](const QString& text) { boxes << text; };
    form.FormActivate();
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
    EXPECT_FALSE(form.settings().FirstActivation);
    ASSERT_EQ(form.editor().DocumentCount(), 3);
    EXPECT_EQ(tabTexts(form), (QStringList{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(form.editor().GetFileName(), (f.home() + "c.txt").toStdString());
    EXPECT_EQ(form.editor().GetAllText(), "gamma\r\n");
    EXPECT_FALSE(form.editor().GetModified());
    EXPECT_TRUE(form.editor().HasFile());
    form.FormActivate(); // only once
    EXPECT_EQ(form.editor().DocumentCount(), 3);

    // Opening the same file again by hand is refused.
    ModalCloser closer;
    EXPECT_FALSE(form.OpenFile(f.home() + "a.txt"));
    EXPECT_EQ(form.editor().DocumentCount(), 3);
}

TEST(MainFormShutdown, ConfirmAnsweredNoLeavesEverythingUntouched)
{
    MainFormFixture f;
    f.seed("zuk.ini", "[DoOnExit]\r\nconfirm_on_exit=1\r\n");
    ui::TMainForm& form = f.start();
    form.command("mniFileNew")->trigger();
    QStringList asked;
    form.confirmHook = [&asked](const QString& q) {
        asked << q;
        return false;
    };
    const std::string iniBefore = f.read("zuk.ini");
    EXPECT_FALSE(form.close());
    EXPECT_EQ(asked, QStringList{QString::fromUtf8("Вы и впрямь хотите энто сделать?")});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.editor().DocumentCount(), 1);
    EXPECT_FALSE(form.settings().Closing);
    EXPECT_EQ(f.read("zuk.ini"), iniBefore);
    EXPECT_FALSE(QFileInfo::exists(f.parts() + "lastfiles.txt"));
    EXPECT_FALSE(QFileInfo::exists(f.parts() + "shortcuts.txt"));
}

TEST(MainFormShutdown, UnsavedDocumentsAreNamedAndCanStopTheExit)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    form.command("mniFileNew")->trigger();
    form.command("mniFileNew")->trigger();
    form.editor().SetAllText("changed\r\n");
    form.editor().SetModified(true);
    QStringList asked;
    form.confirmHook = [&asked](const QString& q) {
        asked << q;
        return false;
    };
    EXPECT_FALSE(form.close());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains(QStringLiteral("untitled1")));
    EXPECT_FALSE(asked[0].contains(QStringLiteral("untitled0")));
    EXPECT_EQ(form.editor().DocumentCount(), 2);

    form.confirmHook = [](const QString&) { return true; };
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(form.settings().Closing);
    EXPECT_TRUE(zuk::test::waitFor([&] { return form.editor().DocumentCount() == 0; }));
}

TEST(MainFormShutdown, WritesSettingsWindowKeysAndLastFilesActiveLast)
{
    MainFormFixture f;
    f.seed("a.txt", "a\r\n");
    f.seed("b.txt", "b\r\n");
    ui::TMainForm& form = f.start();
    ASSERT_TRUE(form.OpenFile(f.home() + "a.txt"));
    ASSERT_TRUE(form.OpenFile(f.home() + "b.txt"));
    form.command("mniPrevWindow")->trigger(); // a.txt active
    ASSERT_EQ(form.editor().GetFileName(), (f.home() + "a.txt").toStdString());
    form.confirmHook = [](const QString&) { return true; };
    EXPECT_TRUE(form.close());
    EXPECT_EQ(f.read("Engine/Parts/lastfiles.txt"),
              (f.home() + "b.txt\r\n" + f.home() + "a.txt\r\n").toStdString());
    const std::string ini = f.read("zuk.ini");
    for (const char* key :
         {"Top=", "Left=", "W=", "H=", "ChildW=", "DisplayMemStatus=", "LastOpenDir="})
        EXPECT_NE(ini.find(key), std::string::npos) << key;
    EXPECT_NE(ini.find("[Dox]"), std::string::npos);
    EXPECT_FALSE(f.read("Engine/Parts/shortcuts.txt").empty());
}

TEST(MainFormMenu, DocumentsMenuListsTheOpenWindows)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    form.command("mniFileNew")->trigger();
    form.command("mniFileNew")->trigger();
    QMenu* documents = form.mainMenu().menu("mniWindow");
    auto listed = [documents] {
        QStringList out;
        for (QAction* a : documents->actions())
            if (a->property("zukRunTimeItem").toBool() && !a->isSeparator())
                out << a->text() + (a->isChecked() ? "*" : "");
        return out;
    };
    emit documents->aboutToShow();
    EXPECT_EQ(listed(), (QStringList{"&1 untitled0", "&2 untitled1*"}));
    documents->actions().last()->trigger();
    emit documents->aboutToShow();
    documents->actions()[documents->actions().size() - 2]->trigger();
    EXPECT_EQ(form.editor().GetFileName(), "untitled0");
    emit documents->aboutToShow(); // rebuilt, not appended to
    EXPECT_EQ(listed(), (QStringList{"&1 untitled0*", "&2 untitled1"}));
}

TEST(MainFormActivation, UnreadableFirstArgumentShowsTheReasonAndTheQuotationComesFromItsFile)
{
    MainFormFixture f;
    f.seed("locked.txt", "secret\r\n");
    QFile::setPermissions(f.home() + "locked.txt", QFileDevice::WriteOwner);
    const bool canStillRead =
        QFile(f.home() + "locked.txt").open(QIODevice::ReadOnly); // root reads anyway
    f.seed("zuk.ini", "[AI]\r\nshowmagik=1\r\n[Quotes]\r\ncurrent_quotefile=q.txt\r\n");
    f.seed("Engine/Parts/Quotes/q.txt", "skip#also skipped#" + win("только это") + "#");
    ui::TMainForm& form = f.start({f.home() + "locked.txt"});
    QStringList shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
        }
    });
    poll.start(10);
    form.FormActivate();
    poll.stop();
    if (canStillRead) {
        EXPECT_EQ(form.editor().DocumentCount(), 1);
        EXPECT_EQ(shown, QStringList{QString::fromUtf8("только это")});
    } else {
        EXPECT_EQ(form.editor().DocumentCount(), 0);
        ASSERT_EQ(shown.size(), 2);
        EXPECT_TRUE(shown[0].contains(QStringLiteral("locked.txt")));
        EXPECT_EQ(shown[1], QString::fromUtf8("только это"));
    }
}

TEST(MainFormCommands, WrapperChecksNeedsAndCatchesErrors)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    int runs = 0;
    form.addCommands({
        {"mniUpcase", [&runs] { ++runs; }},
        {"mniHackerize", [] { throw zuk::FormatError("bad input"); }},
        {"mniHelpAbout", [] { throw std::runtime_error("unexpected"); }},
    });
    for (const char* name : {"mniUpcase", "mniHackerize", "mniHelpAbout"})
        form.command(name)->setEnabled(true);

    form.command("mniUpcase")->trigger(); // no document
    form.command("mniFileNew")->trigger();
    form.editor().SetAllText("abc\r\n");
    form.command("mniUpcase")->trigger(); // no selection
    EXPECT_EQ(runs, 0);
    form.editor().SelectAll();
    form.command("mniUpcase")->trigger();
    EXPECT_EQ(runs, 1);

    EXPECT_FALSE(form.runCommand("mniHackerize"));
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("bad input"));
    EXPECT_FALSE(form.runCommand("mniHelpAbout")); // swallowed
    EXPECT_FALSE(form.runCommand("noSuchCommand"));
    // A present command without a handler (the first one left) does nothing.
    for (const CommandRow& row : commandTable()) {
        if (row.kind == RowKind::Command && !form.hasHandler(qs(row.name))) {
            EXPECT_FALSE(form.runCommand(qs(row.name))) << row.name;
            break;
        }
    }
}

TEST(MainFormShutdown, AnUnwritableShortcutFileDoesNotStopTheSettings)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    // A folder where the shortcut file should be: it cannot be written.
    QDir().mkpath(f.parts() + "shortcuts.txt");
    EXPECT_THROW(form.SaveSettings(), zuk::IoError);
    EXPECT_NE(f.read("zuk.ini").find("WordWrap=1"), std::string::npos);
    EXPECT_TRUE(QFileInfo::exists(f.parts() + "enabled_exts.txt"));
    // Closing still goes through.
    form.confirmHook = [](const QString&) { return true; };
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(QFileInfo::exists(f.parts() + "lastfiles.txt"));
}

TEST(MainFormActivation, RunsByItselfOnceTheWindowIsUp)
{
    MainFormFixture f;
    f.seed("a.txt", "alpha\r\n");
    ui::TMainForm& form = f.start({f.home() + "a.txt"});
    EXPECT_TRUE(zuk::test::waitFor([&] { return !form.settings().FirstActivation; }));
    EXPECT_EQ(form.editor().DocumentCount(), 1);
}

TEST(MainFormCommands, TwoFilesWithOneNameInDifferentFoldersKeepTheirOwnTabs)
{
    MainFormFixture f;
    f.seed("one/x.txt", "first\r\n");
    f.seed("two/x.txt", "second\r\n");
    ui::TMainForm& form = f.start();
    ASSERT_TRUE(form.OpenFile(f.home() + "one/x.txt"));
    ASSERT_TRUE(form.OpenFile(f.home() + "two/x.txt"));
    EXPECT_EQ(tabTexts(form), (QStringList{"x.txt", "x.txt"}));
    EXPECT_EQ(form.documentTabs().currentIndex(), 1);
    form.command("mniNextWindow")->trigger();
    EXPECT_EQ(form.editor().GetAllText(), "first\r\n");
    EXPECT_EQ(form.documentTabs().currentIndex(), 0);
    form.command("mniNextWindow")->trigger();
    EXPECT_EQ(form.editor().GetAllText(), "second\r\n");
    EXPECT_EQ(form.documentTabs().currentIndex(), 1);
}

TEST(MainFormHistory, ClosedFilesGoToTheHistoryWhichSurvivesARestart)
{
    MainFormFixture f;
    f.seed("a.txt", "a\r\n");
    f.seed("b.txt", "b\r\n");
    f.seed("zuk.ini", "[Main]\r\nMRUItemsCount=2\r\n[Recent]\r\nItem_0=" +
                          (f.home() + "old.txt").toStdString() + "\r\nUser_0=7\r\n");
    {
        ui::TMainForm& form = f.start();
        ASSERT_EQ(form.history().size(), 1u);
        EXPECT_EQ(form.history()[0].firstLine, 7);
        form.command("mniFileNew")->trigger();
        ASSERT_TRUE(form.OpenFile(f.home() + "a.txt"));
        form.command("mniCloseCurrent")->trigger();
        form.command("mniCloseCurrent")->trigger(); // untitled0: never in the history
        ASSERT_TRUE(zuk::test::waitFor([&] { return form.editor().DocumentCount() == 0; }));
        ASSERT_EQ(form.history().size(), 2u);
        EXPECT_EQ(form.history()[0].fileName, (f.home() + "a.txt").toStdString());

        // The submenu lists the entries; choosing one opens it.
        QMenu* menu = form.mainMenu().menu("mniHistory");
        emit menu->aboutToShow();
        ASSERT_EQ(menu->actions().size(), 2);
        EXPECT_EQ(menu->actions()[0]->text(), f.home() + "a.txt");
        menu->actions()[1]->trigger(); // old.txt is gone: nothing, the entry stays
        EXPECT_EQ(form.editor().DocumentCount(), 0);
        menu->actions()[0]->trigger();
        EXPECT_EQ(form.editor().GetFileName(), (f.home() + "a.txt").toStdString());

        // b.txt is open at shut-down: it goes first, and the capacity of two
        // pushes old.txt out.
        ASSERT_TRUE(form.OpenFile(f.home() + "b.txt"));
        form.confirmHook = [](const QString&) { return true; };
        ASSERT_TRUE(form.close());
    }
    const std::string ini = f.read("zuk.ini");
    EXPECT_EQ(ini.find("old.txt"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Item_0=" + (f.home() + "b.txt").toStdString()), std::string::npos) << ini;
    EXPECT_NE(ini.find("Item_1=" + (f.home() + "a.txt").toStdString()), std::string::npos) << ini;
}
