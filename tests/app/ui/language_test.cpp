// The interface language of the main window: the language file at start-up,
// a switch at run time, Russian after a restart, and the shortcuts through it.

#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "codepages/charsets.h"
#include "support/ui/mainformfixture.h"
#include "support/ui/promptanswer.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;
using zuk::test::PromptAnswer;
namespace ui = zuk::app::ui;

namespace {

const std::string kRussian = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";

std::string win(const char* utf8)
{
    return zuk::codepages::utf8ToWin(utf8);
}

QString caption(ui::TMainForm& form, const char* name)
{
    return form.command(QString::fromLatin1(name))->text();
}

} // namespace

TEST(InterfaceLanguage, AFileWithOneKeyRenamesOneItemAndAnEmptyValueNone)
{
    MainFormFixture f;
    f.seed("zuk.ini", "[LangOptions]\r\nLang=English\r\n");
    f.seed("Engine/Parts/Lang/English", "[MainForm]\r\nmniFileNew=New\r\nmniOpen=\r\n=x\r\n");
    ui::TMainForm& form = f.start();
    EXPECT_EQ(caption(form, "mniFileNew"), "New");
    EXPECT_EQ(caption(form, "mniOpen"), QString::fromUtf8("Открыть..."));
    EXPECT_EQ(caption(form, "mniSave"), QString::fromUtf8("Сохранить"));
    EXPECT_EQ(form.mainMenu().menu("mniFile")->title(), QString::fromUtf8("Файл"));
}

TEST(InterfaceLanguage, AMessageOfTheFileIsShownAndAPercentIsShownAsItIs)
{
    MainFormFixture f;
    f.seed("zuk.ini", "[LangOptions]\r\nLang=English\r\n");
    f.seed("Engine/Parts/Lang/English",
           "[MainForm]\r\nsCantOpenOpenedYet=File is already open (100%d)\r\n");
    f.seed("a.txt", "text\r\n");
    ui::TMainForm& form = f.start();
    ASSERT_TRUE(form.OpenFile(f.home() + "a.txt"));
    PromptAnswer box(std::nullopt);
    EXPECT_FALSE(form.OpenFile(f.home() + "a.txt"));
    EXPECT_EQ(box.note, "File is already open (100%d)");
}

TEST(InterfaceLanguage, ASwitchAtRunTimeReachesTheMenuAndRussianWaitsForTheRestart)
{
    MainFormFixture f;
    f.seed("Engine/Parts/Lang/English", "[MainForm]\r\nmniFileNew=New\r\nmniFile=File\r\n");
    f.seed("Engine/Parts/Lang/Deutsch", "[MainForm]\r\nmniFileNew=Neu\r\n");
    {
        ui::TMainForm& form = f.start();
        form.changeLanguage("English");
        EXPECT_EQ(caption(form, "mniFileNew"), "New");
        EXPECT_EQ(form.mainMenu().menu("mniFile")->title(), "File");
        // One foreign language after another: what the second does not name stays.
        form.changeLanguage("Deutsch");
        EXPECT_EQ(caption(form, "mniFileNew"), "Neu");
        EXPECT_EQ(form.mainMenu().menu("mniFile")->title(), "File");
        {
            PromptAnswer note(std::nullopt);
            form.changeLanguage(kRussian);
            EXPECT_EQ(note.note, QString::fromUtf8("Выбран русский язык, поэтому изменения "
                                                   "вступят в силу после перезапуска ZUK!"));
        }
        EXPECT_EQ(caption(form, "mniFileNew"), "Neu");
        form.close();
    }
    EXPECT_NE(f.read("zuk.ini").find("Lang=" + kRussian), std::string::npos);
    ui::TMainForm& again = f.start();
    EXPECT_EQ(caption(again, "mniFileNew"), QString::fromUtf8("Новый"));
}

TEST(InterfaceLanguage, AUserShortcutSurvivesASwitchToEnglishAndBackAcrossRestarts)
{
    MainFormFixture f;
    f.seed("Engine/Parts/Lang/English", "[MainForm]\r\nmniFileNew=New\r\n");
    f.seed("Engine/Parts/shortcuts.txt", win("Новый=Shift+Ctrl+F2\r\n"));
    const QKeySequence mine(Qt::SHIFT | Qt::CTRL | Qt::Key_F2);
    for (const std::string& language : {std::string("English"), kRussian, std::string()}) {
        ui::TMainForm& form = f.start();
        EXPECT_EQ(form.command("mniFileNew")->shortcut(), mine) << language;
        if (!language.empty()) {
            PromptAnswer note(std::nullopt);
            form.changeLanguage(language);
        }
        form.close();
    }
}

TEST(InterfaceLanguage, TheLanguageMenuOffersFilesOnlyAndAFolderAsLanguageStartsRussian)
{
    MainFormFixture f;
    f.seed("zuk.ini", "[LangOptions]\r\nLang=Folder\r\n");
    f.seed("Engine/Parts/lang/.keep", "");
    f.seed("Engine/Parts/lang/English", "[MainForm]\r\nmniFileNew=New\r\n");
    f.seed("Engine/Parts/lang/Folder/inner", "[MainForm]\r\nmniFileNew=Gotcha\r\n");
    ui::TMainForm& form = f.start();
    EXPECT_EQ(caption(form, "mniFileNew"), QString::fromUtf8("Новый"));

    QMenu* menu = form.mainMenu().menu("mniLanguage");
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    QStringList offered;
    for (QAction* a : menu->actions())
        offered << a->text();
    EXPECT_EQ(offered, (QStringList{QString::fromUtf8("Русский"), "English"}));
    menu->actions().last()->trigger();
    EXPECT_EQ(caption(form, "mniFileNew"), "New");
    EXPECT_EQ(form.settings().Lang, "English");
}

TEST(InterfaceLanguage, TheShippedEnglishFileLeavesNoRussianInTheMainWindow)
{
    MainFormFixture f;
    f.seedShippedEnglish();
    ui::TMainForm& form = f.start();
    auto cyrillic = [](const QString& s) {
        for (QChar c : s)
            if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
                return true;
        return false;
    };
    for (QAction* item : form.mainMenu().itemsDepthFirst())
        EXPECT_FALSE(cyrillic(item->text())) << item->objectName().toStdString();
    for (QWidget* w : form.findChildren<QWidget*>()) {
        EXPECT_FALSE(cyrillic(w->toolTip())) << w->objectName().toStdString();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_FALSE(cyrillic(b->text())) << w->objectName().toStdString();
        }
    }
}
