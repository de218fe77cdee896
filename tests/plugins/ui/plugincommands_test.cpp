// The plug-in menu: its items, a call on the working text written back as
// one undo step, every failing plug-in reported with the document untouched,
// cancel, and the settings page's operations; on a fake host, then once
// through the real main window.

#include "app/ui/mainmenu.h"
#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "io/tempfolder.h"
#include "plugins/testplugins.h"
#include "plugins/ui/plugincommands.h"
#include "support/ui/eventwait.h"
#include "support/ui/fakehost.h"
#include "support/ui/mainformfixture.h"

#include <QAction>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest/QtTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace std::chrono_literals;
using zuk::plugins::ui::pluginCommands;
using zuk::plugins::ui::TPluginCommands;
using zuk::testing::putPlugin;

namespace {

class PluginCommandsTest : public ::testing::Test {
protected:
    // The host's plugins folder holds these plug-ins (menu name, file of the
    // built plug-in of that name), listed in this order.
    TPluginCommands& start(const std::vector<std::pair<std::string, std::string>>& plugins)
    {
        host.programDir = QString::fromStdString(home.path());
        std::vector<std::string> lines;
        for (const auto& [name, file] : plugins) {
            putPlugin(folder(), file.substr(0, file.size() - 3), file);
            lines.push_back(name + "=" + file);
        }
        zuk::io::writeLinesFile(folder() + "plugslist.txt", lines);
        zuk::plugins::ui::installPluginCommands(host);
        TPluginCommands& c = *pluginCommands(host);
        c.manager().setHelperPath(zuk::testing::plughost());
        c.startup();
        return c;
    }
    std::string folder() const { return home.path() + "Engine/Plugins/"; }

    QMenu& menu() { return host.menuOf("plugsmenubase"); }

    // Runs the item of line `index` the way the menu does and waits for the end.
    void choose(TPluginCommands& c, int index)
    {
        host.refillMenu("plugsmenubase");
        const QList<QAction*> items = menu().actions();
        ASSERT_LT(index, items.size());
        items[index]->trigger();
        ASSERT_TRUE(zuk::test::eventsUntil([&] { return !c.running(); }, 20000));
    }

    zuk::testing::TempFolder home;
    zuk::test::FakeHost host;
};

TEST_F(PluginCommandsTest, TheMenuHasAnItemPerLineThatCallsItsOwnLibrary)
{
    TPluginCommands& c = start({{"Twin", "twin_a.so"}, {"Twin", "twin_b.so"}, {"A&B", "empty.so"}});
    host.refillMenu("plugsmenubase");
    const QList<QAction*> items = menu().actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[2]->text(), "A&&B"); // no accelerator
    EXPECT_TRUE(menu().menuAction()->isEnabled());

    host.ved.text = "x";
    choose(c, 1);
    EXPECT_EQ(host.ved.text, "x\r\nB");
    host.ved.text = "x";
    choose(c, 0);
    EXPECT_EQ(host.ved.text, "x\r\nA");

    // Without a document nothing happens.
    host.ved.open = false;
    menu().actions()[0]->trigger();
    EXPECT_FALSE(c.running());
    EXPECT_TRUE(host.notes.isEmpty());
}

TEST_F(PluginCommandsTest, TheResultReplacesTheWorkingTextAsOneUndoStep)
{
    TPluginCommands& c = start({{"Upper", "upcase1251.so"}, {"Empty", "empty.so"}});
    const std::string text = "one \xE0\xE1\r\ntwo";
    host.ved.text = text;
    host.ved.selectText("two");
    choose(c, 0);
    EXPECT_EQ(host.ved.text, "one \xE0\xE1\r\nTWO");
    EXPECT_TRUE(host.ved.modified);
    EXPECT_EQ(host.ved.undoSteps(), 1);

    // The whole text without a selection; an empty result clears it.
    choose(c, 0);
    EXPECT_EQ(host.ved.text, "ONE \xC0\xC1\r\nTWO");
    choose(c, 1);
    EXPECT_EQ(host.ved.text, "");
    EXPECT_EQ(host.ved.undoSteps(), 3);
    host.ved.Undo();
    EXPECT_EQ(host.ved.text, "ONE \xC0\xC1\r\nTWO");
    EXPECT_TRUE(host.notes.isEmpty());
}

TEST_F(PluginCommandsTest, AFailingPluginIsReportedAndTheDocumentStaysAsItWas)
{
    TPluginCommands& c = start({{"Crash", "crash.so"},
                                {"Endless", "endless.so"},
                                {"None", "nohandledata.so"},
                                {"Null", "nullresult.so"},
                                {"Gone", "twin_a.so"}});
    std::filesystem::remove(folder() + "twin_a.so");
    c.callTimeLimit = 500ms;
    host.ved.text = "keep me";
    const std::vector<std::string> reasons = {"SIGSEGV", "endless.so", "HandleData",
                                              "nullresult.so", "twin_a.so"};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(reasons[static_cast<std::size_t>(i)]);
        host.notes.clear();
        choose(c, i);
        ASSERT_EQ(host.notes.size(), 1);
        EXPECT_TRUE(host.notes[0].contains(QString::fromStdString(reasons[std::size_t(i)])))
            << host.notes[0].toStdString();
        EXPECT_EQ(host.ved.text, "keep me");
        EXPECT_FALSE(host.ved.modified);
        EXPECT_EQ(host.ved.undoSteps(), 0);
    }
}

TEST_F(PluginCommandsTest, CancelInTheProgressBoxStopsTheCall)
{
    TPluginCommands& c = start({{"Endless", "endless.so"}, {"Upper", "upcase1251.so"}});
    c.progressDelay = 0ms;
    host.ved.text = "text";
    host.refillMenu("plugsmenubase");
    menu().actions()[0]->trigger();
    QProgressDialog* box = nullptr;
    ASSERT_TRUE(zuk::test::eventsUntil(
        [&] { return (box = host.window()->findChild<QProgressDialog*>()) != nullptr; }));
    EXPECT_TRUE(box->labelText().contains("Endless"));

    // One call at a time.
    menu().actions()[1]->trigger();
    EXPECT_EQ(host.statuses.size(), 1);

    box->findChild<QPushButton*>()->click();
    ASSERT_TRUE(zuk::test::eventsUntil([&] { return !c.running(); }, 10000));
    EXPECT_EQ(host.ved.text, "text");
    EXPECT_FALSE(host.ved.modified);
    EXPECT_TRUE(host.notes.isEmpty());
    EXPECT_EQ(host.statuses.size(), 2); // "cancelled" goes to the status bar
}

TEST_F(PluginCommandsTest, AResultForATextThatChangedMeanwhileIsNotWritten)
{
    TPluginCommands& c = start({{"Upper", "upcase1251.so"}});
    host.ved.text = "text";
    host.refillMenu("plugsmenubase");
    menu().actions()[0]->trigger();
    // The end of the call is handled by the event loop, which has not run yet.
    host.ved.text = "edited";
    ASSERT_TRUE(zuk::test::eventsUntil([&] { return !c.running(); }, 20000));
    EXPECT_EQ(host.ved.text, "edited");
    ASSERT_EQ(host.notes.size(), 1);
}

TEST_F(PluginCommandsTest, SettingsPageOperations)
{
    TPluginCommands& c = start({{"Upper", "upcase1251.so"}});
    zuk::testing::TempFolder source;
    putPlugin(source.path(), "paragraphs", "upcase1251.so");
    putPlugin(source.path(), "empty", "empty.so");
    source.write("junk.so", "junk");

    c.fileDialogHook = [&source](const QString&, const QString& filter) {
        EXPECT_TRUE(filter.startsWith("Plugin (*.so)"));
        return QString::fromStdString(source.file("empty.so"));
    };
    c.installFromDialog();
    EXPECT_EQ(c.manager().Plugins().size(), 2u);
    host.refillMenu("plugsmenubase");
    EXPECT_EQ(menu().actions().size(), 2);

    // A taken file name is replaced only on Yes.
    host.confirmAnswer = false;
    c.installPlugin(QString::fromStdString(source.file("upcase1251.so")));
    ASSERT_EQ(host.questions.size(), 1);
    EXPECT_TRUE(host.questions[0].contains("upcase1251.so"));
    host.ved.text = "x";
    choose(c, 1);
    EXPECT_EQ(host.ved.text, "X");

    // What fails is shown; the scan's skipped libraries go to the console.
    c.installPlugin(QString::fromStdString(source.file("junk.so")));
    EXPECT_EQ(host.notes.size(), 1);
    zuk::io::writeFileAtomically(folder() + "bad.so", "junk");
    c.rescanPlugins();
    EXPECT_TRUE(host.console.join("\n").contains("bad.so"));
    EXPECT_TRUE(host.consoleVisible());

    c.removePlugin(0); // bad.so is not listed: line 0 is empty.so
    EXPECT_EQ(c.manager().Plugins().size(), 1u);
    EXPECT_EQ(c.manager().Plugins()[0].file, "upcase1251.so");
}

// Through the real main window: start-up reads the list, the submenu shows
// the names in Russian, and an item changes the document.
TEST(PluginMenu, RunsFromTheMainWindow)
{
    zuk::test::MainFormFixture fixture;
    const std::string plugins = fixture.home().toStdString() + "Engine/Plugins/";
    putPlugin(plugins, "upcase1251", "upcase1251.so");
    fixture.seed("Engine/Plugins/plugslist.txt",
                 zuk::codepages::utf8ToWin("Верхний регистр=upcase1251.so\r\n"));
    zuk::app::ui::TMainForm& form = fixture.start();
    TPluginCommands* c = pluginCommands(form);
    ASSERT_NE(c, nullptr);
    c->manager().setHelperPath(zuk::testing::plughost());

    QMenu* submenu = form.mainMenu().menu("plugsmenubase");
    ASSERT_NE(submenu, nullptr);
    form.refillMenu("plugsmenubase");
    QAction* item = nullptr;
    for (QAction* a : submenu->actions())
        if (a->text() == QStringLiteral("Верхний регистр"))
            item = a;
    ASSERT_NE(item, nullptr);

    form.newDocument();
    form.document().SetAllText("abc\r\n");
    form.document().SetModified(false);
    item->trigger();
    ASSERT_TRUE(zuk::test::eventsUntil([&] { return !c->running(); }, 20000));
    EXPECT_EQ(form.document().GetAllText(), "ABC\r\n");
    EXPECT_TRUE(form.document().GetModified());
    form.document().Undo();
    EXPECT_EQ(form.document().GetAllText(), "abc\r\n");
}

} // namespace
