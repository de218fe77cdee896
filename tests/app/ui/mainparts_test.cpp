// The main window's parts on their own: the menu built from the command table,
// the tab strip over an MDI area, the load panel text and the fatal-signal handler.

#include "app/commandtable.h"
#include "app/ui/appicon.h"
#include "app/ui/crashhandler.h"
#include "app/ui/documenttabs.h"
#include "app/ui/mainmenu.h"
#include "app/ui/mainstatusbar.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <csignal>

using namespace zuk::app;
using namespace zuk::app::ui;

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

struct MenuFixture {
    QMenuBar bar;
    QStringList triggered;
    TMainMenu menu{&bar, [this](const QString& name) { triggered << name; }, nullptr};
};

} // namespace

TEST(MainMenu, HoldsEveryRowOfTheTableWithItsCaptionPlaceAndState)
{
    MenuFixture f;
    for (const CommandRow& row : commandTable()) {
        if (row.kind == RowKind::Separator)
            continue;
        QAction* a = f.menu.action(qs(row.name));
        ASSERT_NE(a, nullptr) << row.name;
        EXPECT_EQ(a->text(), qs(row.caption)) << row.name;
        if (row.kind == RowKind::Command) {
            EXPECT_FALSE(a->isEnabled()) << row.name; // no handler is registered here
            EXPECT_EQ(a->isCheckable(), row.checkable) << row.name;
            if (!row.parent.empty()) {
                EXPECT_TRUE(f.menu.menu(qs(row.parent))->actions().contains(a)) << row.name;
            }
        }
    }
    // Menu order: File's first items are New, then New from template.
    const QList<QAction*> file = f.menu.menu(QStringLiteral("mniFile"))->actions();
    ASSERT_GE(file.size(), 2);
    EXPECT_EQ(file[0]->objectName(), QStringLiteral("mniFileNew"));
    EXPECT_EQ(file[1]->objectName(), QStringLiteral("mniNewFromTemplate"));
    EXPECT_EQ(f.bar.actions().size(), 11);
}

TEST(MainMenu, TriggeringAnItemReportsItsName)
{
    MenuFixture f;
    f.menu.action(QStringLiteral("mniFileNew"))->setEnabled(true); // as a registered handler does
    f.menu.action(QStringLiteral("mniFileNew"))->trigger();
    f.menu.action(QStringLiteral("mniUpcase"))->trigger(); // disabled: nothing
    EXPECT_EQ(f.triggered, QStringList{QStringLiteral("mniFileNew")});
}

TEST(MainMenu, ShortcutLinesInWindowsFormDepthFirstAndApplyingThemBack)
{
    MenuFixture f;
    const auto lines = f.menu.shortcutLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first().first, QStringLiteral("mniFileNew"));
    EXPECT_EQ(lines.first().second, QStringLiteral("Ctrl+N"));
    bool sawSaveAs = false;
    for (const auto& [key, keys] : lines)
        if (key == QStringLiteral("mniFileSaveAs")) {
            EXPECT_EQ(keys, QStringLiteral("Shift+Ctrl+S"));
            sawSaveAs = true;
        }
    EXPECT_TRUE(sawSaveAs);

    // Applying: the lookup gets each item's name and caption; unknown ones change nothing.
    const int changed = f.menu.applyShortcuts([](const QString& name, const QString& caption) {
        if (name == QStringLiteral("mniFileNew") && caption == QString::fromUtf8("Новый"))
            return QStringLiteral("Shift+Ctrl+F2");
        if (caption == QStringLiteral("No such item"))
            return QStringLiteral("F7");
        return QString();
    });
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(f.menu.action(QStringLiteral("mniFileNew"))->shortcut(),
              QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F2));
    EXPECT_EQ(f.menu.action(QStringLiteral("mniOpen"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_O));

    // Items without a name are keyed by caption; two of one caption share the first line.
    for (int i = 0; i < 2; ++i)
        f.menu.menu(QStringLiteral("mniEdit"))
            ->addAction(QString::fromUtf8("Новый"))
            ->setShortcut(QKeySequence(Qt::Key_F8));
    int count = 0;
    for (const auto& line : f.menu.shortcutLines())
        count += line.first == QString::fromUtf8("Новый");
    EXPECT_EQ(count, 1);
}

TEST(DocumentTabs, FollowTheWindowsOfTheArea)
{
    QMdiArea area;
    TDocumentTabs tabs(&area, nullptr);
    area.resize(400, 300);
    area.show();
    auto open = [&area](const QString& title) {
        auto* w = area.addSubWindow(new QTextEdit);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setWindowTitle(title);
        w->showMaximized();
        area.setActiveSubWindow(w);
        return w;
    };
    QMdiSubWindow* a = open(QStringLiteral("untitled0"));
    QMdiSubWindow* b = open(QStringLiteral("/home/u/docs/a.txt"));
    QMdiSubWindow* c = open(QStringLiteral("C:\\x\\b.txt"));
    ASSERT_EQ(tabs.count(), 3);
    EXPECT_EQ(tabs.tabText(0), QStringLiteral("untitled0"));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("a.txt"));
    EXPECT_EQ(tabs.tabText(2), QStringLiteral("b.txt"));
    EXPECT_EQ(tabs.currentIndex(), 2);

    // Activating a window selects its tab; choosing a tab activates its window.
    area.setActiveSubWindow(a);
    EXPECT_EQ(tabs.currentIndex(), 0);
    tabs.setCurrentIndex(1);
    EXPECT_EQ(area.activeSubWindow(), b);

    // Next and previous wrap around.
    tabs.step(+1);
    EXPECT_EQ(area.activeSubWindow(), c);
    tabs.step(+1);
    EXPECT_EQ(area.activeSubWindow(), a);
    tabs.step(-1);
    EXPECT_EQ(area.activeSubWindow(), c);

    // A renamed window renames its tab; a closed one loses it.
    b->setWindowTitle(QStringLiteral("/tmp/renamed.htm"));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("renamed.htm"));
    b->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.tabText(0), QStringLiteral("untitled0"));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("b.txt"));
    a->close();
    c->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(tabs.count(), 0);
    tabs.step(+1); // nothing to step to
}

TEST(MainStatusBar, LoadPanelText)
{
    EXPECT_EQ(TMainStatusBar::loadText(true, 7, true, 42), QStringLiteral("CPU::7% Mem load:42%"));
    EXPECT_EQ(TMainStatusBar::loadText(true, 100, false, 42), QStringLiteral("CPU::100%"));
    EXPECT_EQ(TMainStatusBar::loadText(false, 7, true, 0), QStringLiteral(" Mem load:0%"));
    EXPECT_EQ(TMainStatusBar::loadText(false, 7, false, 9), QString());
}

namespace {
void crashingHook()
{
    const char note[] = "hook ran\n";
    (void)!::write(STDERR_FILENO, note, sizeof note - 1);
}
} // namespace

TEST(CrashHandlerDeathTest, FatalSignalsPrintTheMessageRunTheHookAndEnd)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int sig : {SIGSEGV, SIGFPE, SIGABRT, SIGBUS, SIGILL}) {
        EXPECT_EXIT(
            {
                installCrashHandler("Бым! Случилась жуткая ошибка и Zuk сейчас вылетет :)");
                setEmergencyHook(&crashingHook);
                std::raise(sig);
            },
            ::testing::ExitedWithCode(3), "Бым! Случилась жуткая ошибка.*\nhook ran")
            << "signal " << sig;
    }
}

// The icon comes from resources linked in from a static library; they must be
// registered by hand or the program shows no icon.
TEST(ApplicationIcon, ComesFromTheBuiltInResources)
{
    zuk::app::ui::setApplicationIcon();
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/zuk/zuk.svg")));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// The icon drawn on the worker thread gives the window manager every size it
// picks from, drawn from the same file.
TEST(ApplicationIcon, IsDrawnInEverySizeOnAWorkerThread)
{
    {
        zuk::app::ui::ApplicationIconLoader loader;
        loader.apply();
    }
    const QIcon icon = QApplication::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 24, 32, 48, 64, 128})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    // Not blank: the icon's frame is drawn near the top edge.
    const QImage big = icon.pixmap(QSize(128, 128)).toImage();
    EXPECT_NE(big.pixelColor(64, 16).alpha(), 0);
    zuk::app::ui::setApplicationIcon();
}
