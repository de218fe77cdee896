// Paths outside Windows-1251 through a whole run and a restart of the program.

#include "app/ui/filecommands.h"
#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "editor/ui/cdreameditor.h"
#include "support/ui/mainformfixture.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

using namespace zuk;

namespace {

std::unique_ptr<app::ui::TMainForm> startIn(const zuk::test::MainFormFixture& f)
{
    app::ui::StartupOptions options;
    options.home = f.home();
    options.executableDir = f.home() + QStringLiteral("bin");
    auto form = std::make_unique<app::ui::TMainForm>(options);
    form->createToolWindows();
    form->confirmHook = [](const QString&) { return true; };
    return form;
}

TEST(PathSettings, AFileNameOutsideWindows1251SurvivesARestart)
{
    zuk::test::MainFormFixture f;
    const QString folder = f.home() + QString::fromUtf8("ünï 日本/");
    const QString file = folder + QString::fromUtf8("ünï 日本.txt");
    f.seed(QString::fromUtf8("ünï 日本/ünï 日本.txt"), "text\r\n");
    {
        auto form = startIn(f);
        ASSERT_TRUE(form->OpenFile(file));
        ASSERT_TRUE(form->close()); // the open document goes into the history
    }
    const std::string ini = f.read(QStringLiteral("zuk.ini"));
    const std::string stored = "utf8:" + f.home().toStdString() +
                               "%C3%BCn%C3%AF %E6%97%A5%E6%9C%AC/%C3%BCn%C3%AF %E6%97%A5%E6%9C%AC";
    EXPECT_NE(ini.find("Item_0=" + stored + ".txt\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("LastOpenDir=" + stored.substr(0, stored.rfind('/') + 1) + "\r\n"),
              std::string::npos)
        << ini;

    auto form = startIn(f);
    ASSERT_EQ(form->history().size(), 1u);
    EXPECT_EQ(form->history()[0].fileName, file.toStdString());
    EXPECT_EQ(app::ui::FileCommands::of(*form)->openFolder(), folder);
    EXPECT_EQ(app::ui::FileCommands::of(*form)->saveFolder(), folder);
    QMenu* menu = form->mainMenu().menu("mniHistory");
    emit menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), file);
    menu->actions()[0]->trigger();
    ASSERT_EQ(form->editor().DocumentCount(), 1);
    EXPECT_EQ(form->editor().GetFileName(), file.toStdString());
    EXPECT_EQ(form->editor().GetAllText(), "text\r\n");
}

} // namespace
