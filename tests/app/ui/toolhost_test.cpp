// The main window as the host the subsystems register into.

#include "app/commandtable.h"
#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "support/ui/mainformfixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;
namespace app = zuk::app;

TEST(ToolHost, EveryHandlerIsACommandRowAndEveryEnabledRowHasAHandler)
{
    MainFormFixture f;
    app::ui::TMainForm& form = f.start();
    EXPECT_TRUE(form.unknownCommandNames().isEmpty())
        << form.unknownCommandNames().join(' ').toStdString();
    int handled = 0;
    for (const app::CommandRow& row : app::commandTable()) {
        if (row.kind != app::RowKind::Command)
            continue;
        const QString name = QString::fromUtf8(row.name.data(), int(row.name.size()));
        QAction* item = form.command(name);
        ASSERT_NE(item, nullptr) << row.name;
        EXPECT_EQ(item->isEnabled(), form.hasHandler(name)) << row.name;
        handled += form.hasHandler(name);
    }
    EXPECT_GT(handled, 100);

    // A name outside the table is refused, not bound.
    form.addCommands({{"mniNoSuchCommand", [] {}}, {"mniFile", [] {}}});
    EXPECT_EQ(form.unknownCommandNames(), (QStringList{"mniNoSuchCommand", "mniFile"}));
    EXPECT_FALSE(form.hasHandler("mniNoSuchCommand"));
}

TEST(ToolHost, AToolWindowIsMadeOnFirstUseAndKeepsItsGeometryUnderItsOwnKeys)
{
    MainFormFixture f;
    f.seed("zuk.ini", "[Probe]\r\nx=40\r\ny=30\r\nw=220\r\nh=110\r\n");
    {
        app::ui::TMainForm& form = f.start();
        int made = 0;
        app::ui::ToolWindowSpec tool;
        tool.id = "probe";
        tool.geometry = zuk::settings::WindowGeometryKeys{"Probe", "y", "x", "w", "h", {}, {}};
        tool.make = [&made](QWidget* parent) {
            ++made;
            auto* w = new QWidget(parent, Qt::Tool);
            w->setObjectName("probe");
            return w;
        };
        form.addToolWindow(tool);
        EXPECT_EQ(form.existingToolWindow("probe"), nullptr);
        QWidget* w = form.showToolWindow("probe");
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(form.toolWindow("probe"), w);
        EXPECT_EQ(made, 1);
        EXPECT_EQ(w->geometry(), QRect(40, 30, 220, 110));
        EXPECT_EQ(form.toolWindow("unknown"), nullptr);
        w->setGeometry(50, 60, 230, 120);
        form.close();
    }
    const std::string ini = f.read("zuk.ini");
    for (const char* line : {"x=50", "y=60", "w=230", "h=120"})
        EXPECT_NE(ini.find(line), std::string::npos) << line;
}

TEST(ToolHost, AMenuProviderRefillsItsItemsAndLeavesTheMenusOwn)
{
    MainFormFixture f;
    app::ui::TMainForm& form = f.start();
    QMenu* menu = form.mainMenu().menu("mniWindow");
    const int own = menu->actions().size();
    int fills = 0;
    form.addMenuProvider("mniWindow", [&fills](QMenu& m) {
        ++fills;
        m.addAction(QString("extra %1").arg(fills));
    });
    form.refillMenu("mniWindow");
    form.refillMenu("mniWindow");
    emit menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), own + 1); // no document windows to list
    EXPECT_EQ(menu->actions().last()->text(), "extra 3");
}

TEST(MainWindowPosition, TheFrameIsKeptSoARestartPutsTheWindowBackExactly)
{
    // Under a window manager with a 20-pixel title bar and a 1-pixel border.
    const QRect frame(30, 40, 802, 621);
    const QRect inner(31, 60, 800, 600);
    EXPECT_EQ(app::ui::TMainForm::storedPosition(inner, inner, frame), QPoint(30, 40));
    // Maximized: the normal geometry is where it comes back to.
    EXPECT_EQ(app::ui::TMainForm::storedPosition(QRect(101, 120, 800, 600), QRect(1, 20, 1278, 900),
                                                 QRect(0, 0, 1280, 921)),
              QPoint(100, 100));

    MainFormFixture f;
    f.seed("zuk.ini", "[Main]\r\nTop=41\r\nLeft=17\r\nW=700\r\nH=500\r\n");
    for (int start = 0; start < 3; ++start) {
        app::ui::TMainForm& form = f.start();
        EXPECT_EQ(form.pos(), QPoint(17, 41)) << start;
        EXPECT_EQ(form.size(), QSize(700, 500)) << start;
        form.close();
    }
}

TEST(ToolHost, OneSettingsChangedNotificationReachesEveryDocumentAndTheBars)
{
    MainFormFixture f;
    app::ui::TMainForm& form = f.start();
    form.NewFile();
    form.NewFile();
    int heard = 0;
    const int token = form.settingsNotifier().subscribe([&heard] { ++heard; });
    form.settings().ShowLineNumbers = true;
    form.settings().show_statusbar = false;
    form.settingsNotifier().notify();
    EXPECT_EQ(heard, 1);
    for (zuk::editor::Ted* ted : form.editor().documents())
        EXPECT_TRUE(ted->lineNumbers());
    EXPECT_FALSE(form.statusBar()->isVisible());
    form.settingsNotifier().unsubscribe(token);
    form.settingsNotifier().notify();
    EXPECT_EQ(heard, 1);
}

TEST(ToolHost, APromptIsWideEnoughForItsTitle)
{
    MainFormFixture f;
    app::ui::TMainForm& form = f.start();
    const QString title = QString::fromUtf8("Параметры Wrap, и ещё длинное продолжение заголовка");
    int width = 0, needed = 0;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        zuk::test::waitFor([&] { return box->width() > 300; }, 1000);
        width = box->width();
        needed = box->fontMetrics().horizontalAdvance(title);
        box->close();
    });
    form.prompt(title, "?");
    EXPECT_GT(width, needed);
}
