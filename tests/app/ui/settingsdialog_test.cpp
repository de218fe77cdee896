// The settings dialog over a real main window: which page it opens on, what
// OK, closing and "Сохранить ща!" do to the record, the file and the windows.

#include "app/toolbarfile.h"
#include "app/ui/mainform.h"
#include "app/ui/settingsdialog.h"
#include "app/ui/toolbarsholder.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "settings/settingsnotifier.h"
#include "support/ui/mainformfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

using zuk::test::MainFormFixture;
namespace ui = zuk::app::ui;

namespace {

// Runs `command` (which shows the dialog modally) and, once the dialog is up,
// `act` on it; `act` ends by closing the dialog.
void withDialog(const std::function<void()>& command, const std::function<void(ui::Tfopts&)>& act)
{
    bool acted = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ui::Tfopts* dialog = ui::openSettingsDialog();
        if (dialog && dialog->isVisible() && !acted) {
            acted = true;
            act(*dialog);
        }
    });
    poll.start(10);
    command();
    EXPECT_TRUE(acted);
}

template <class W> W* child(ui::Tfopts& dialog, const char* name)
{
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

} // namespace

TEST(SettingsDialog, OpensOnTheRememberedPageOrOnHighlighting)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    QString shown;
    auto pageShown = [&](ui::Tfopts& d) {
        shown = d.activePageCaption();
        EXPECT_TRUE(form.busy());
        EXPECT_EQ(d.pages()->count(), 14);
        d.reject();
    };
    withDialog([&] { form.runCommand("mniOpts"); }, pageShown);
    EXPECT_EQ(shown, QStringLiteral("Подсветка")); // nothing remembered yet
    EXPECT_FALSE(form.busy());

    form.windowProps().Lastab = "\xD0\xE5\xE4\xE0\xEA\xF2\xEE\xF0"; // "Редактор"
    withDialog([&] { form.runCommand("mniOpts"); },
               [&](ui::Tfopts& d) {
                   shown = d.activePageCaption();
                   d.pages()->setCurrentIndex(0); // "Всякое"
                   d.reject();
               });
    EXPECT_EQ(shown, QStringLiteral("Редактор"));
    EXPECT_EQ(form.windowProps().Lastab, "\xC2\xF1\xFF\xEA\xEE\xE5"); // the page left open

    form.windowProps().Lastab = "Highlighting"; // a caption of another language
    withDialog([&] { form.runCommand("mniOpts"); }, pageShown);
    EXPECT_EQ(shown, QStringLiteral("Подсветка"));

    // From the file box: its own page, and the remembered one stays.
    form.windowProps().Lastab = "\xD0\xE5\xE4\xE0\xEA\xF2\xEE\xF0";
    withDialog([&] { ui::ShowSettingsOnFileManagerPage(form); },
               [&](ui::Tfopts& d) {
                   shown = d.activePageCaption();
                   EXPECT_FALSE(form.busy());
                   d.reject();
               });
    EXPECT_EQ(shown, QStringLiteral("Файл-менеджер"));
    EXPECT_EQ(form.windowProps().Lastab, "\xD0\xE5\xE4\xE0\xEA\xF2\xEE\xF0");
}

TEST(SettingsDialog, ClosingChangesNothingAndOkStoresEveryPageWithOneNotification)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    int notified = 0;
    form.settingsNotifier().subscribe([&] { ++notified; });
    form.settings().CPUStatus_update = 2500;

    auto edit = [](ui::Tfopts& d) {
        EXPECT_EQ(child<QSpinBox>(d, "seCPUStatusUpdate")->value(), 2);
        child<QSpinBox>(d, "seCPUStatusUpdate")->setValue(3);
        child<QCheckBox>(d, "cbHlUrls")->setChecked(true);
        child<QSpinBox>(d, "spTabsCount")->setValue(8);
        child<QLineEdit>(d, "edDefExt")->setText(QStringLiteral("htm"));
    };
    withDialog([&] { form.runCommand("mniOpts"); },
               [&](ui::Tfopts& d) {
                   edit(d);
                   d.reject();
               });
    EXPECT_EQ(notified, 0);
    EXPECT_EQ(form.settings().CPUStatus_update, 2500);
    EXPECT_FALSE(form.settings().BHU);
    EXPECT_EQ(form.settings().defext, "txt");

    withDialog([&] { form.runCommand("mniOpts"); },
               [&](ui::Tfopts& d) {
                   edit(d);
                   d.accept();
               });
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(form.settings().CPUStatus_update, 3000);
    EXPECT_TRUE(form.settings().BHU);
    EXPECT_EQ(form.settings().SpacesPerTab, 8);
    EXPECT_EQ(form.settings().defext, "htm");
}

TEST(SettingsDialog, SaveNowWritesTheFileAndKeepsTheDialogOpen)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    withDialog([&] { form.runCommand("mniOpts"); },
               [&](ui::Tfopts& d) {
                   child<QCheckBox>(d, "cbShowLineNumbers")->setChecked(true);
                   d.saveNow();
                   EXPECT_TRUE(d.isVisible());
                   d.reject();
               });
    EXPECT_TRUE(form.settings().ShowLineNumbers);
    EXPECT_NE(f.read("zuk.ini").find("ShowLineNumbers=1"), std::string::npos);
}

TEST(SettingsDialog, BoxesWithRulesOfTheirOwn)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    withDialog([&] { form.runCommand("mniOpts"); },
               [&](ui::Tfopts& d) {
                   auto* margin = child<QSpinBox>(d, "edit1");
                   margin->setValue(10);
                   EXPECT_EQ(margin->value(), 11);

                   auto* prefix = child<QLineEdit>(d, "edPrefix");
                   prefix->setText(QStringLiteral("../a/b*c"));
                   EXPECT_EQ(prefix->text(), QStringLiteral("   a b c"));

                   child<QLineEdit>(d, "edMakros")->clear();
                   d.accept();
               });
    EXPECT_EQ(form.settings().RMargin, 11);
    EXPECT_EQ(form.settings().SaveOptions.VersionNamePrefix, "   a b c");
    EXPECT_EQ(form.settings().Metachar, "@"); // an empty macro box keeps the character
}

TEST(SettingsDialog, EnglishCaptions)
{
    MainFormFixture f;
    f.seedShippedEnglish();
    ui::TMainForm& form = f.start();
    withDialog([&] { form.runCommand("mniOpts"); },
               [&](ui::Tfopts& d) {
                   EXPECT_EQ(d.windowTitle(), QStringLiteral("Settings"));
                   EXPECT_EQ(d.activePageCaption(), QStringLiteral("Highlighting"));
                   EXPECT_EQ(child<QCheckBox>(d, "cbHlUrls")->text(),
                             QStringLiteral("Highlight links (URLs)"));
                   d.reject();
               });
}

TEST(SettingsDialog, AShortcutAnotherItemHasIsTakenFromItAfterAsking)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    QString asked;
    form.confirmHook = [&](const QString& question) {
        asked = question;
        return true;
    };
    const QKeySequence f9 = form.command("mniOpts")->shortcut();
    ASSERT_FALSE(f9.isEmpty());
    withDialog([&] { form.runCommand("mniOpts"); },
               [&](ui::Tfopts& d) {
                   auto* tree = child<QTreeWidget>(d, "vdtMenuItems");
                   d.rebuildMenuTree();
                   QTreeWidgetItem* save = nullptr;
                   int unnamed = 0;
                   for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                       const QString name = (*it)->data(0, Qt::UserRole).toString();
                       if (name == QLatin1String("mniSave"))
                           save = *it;
                       // Separators and submenus cannot carry a shortcut.
                       if ((*it)->text(0) == QLatin1String("-") || (*it)->childCount() > 0) {
                           EXPECT_TRUE(name.isEmpty()) << name.toStdString();
                           ++unnamed;
                       }
                   }
                   EXPECT_GT(unnamed, 5);
                   ASSERT_NE(save, nullptr);
                   tree->setCurrentItem(save);
                   child<QKeySequenceEdit>(d, "hkCurrentHotKey")->setKeySequence(f9);
                   d.assignShortcut();
                   d.reject(); // shortcuts change in the menu at once
               });
    EXPECT_FALSE(asked.isEmpty());
    EXPECT_EQ(form.command("mniSave")->shortcut(), f9);
    EXPECT_TRUE(form.command("mniOpts")->shortcut().isEmpty());
}

TEST(SettingsDialog, ALanguageSwitchKeepsTheModeBoxes)
{
    MainFormFixture f;
    QFile shipped(QStringLiteral(ZUK_SOURCE_DIR) + "/data/Engine/Parts/lang/English");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    f.seed("Engine/Parts/lang/English", shipped.readAll().toStdString());
    ui::TMainForm& form = f.start();
    form.settings().EditorFill.GradientMode = 2;
    form.settings().EditorFill.WallpaperMode = 3;
    withDialog([&] { form.runCommand("mniOpts"); },
               [&](ui::Tfopts& d) {
                   auto* grad = child<QComboBox>(d, "cbFillGradMode");
                   auto* wall = child<QComboBox>(d, "cbFillWallMode");
                   EXPECT_EQ(grad->currentText(), QStringLiteral("Горизонтальный"));
                   child<QComboBox>(d, "cbLang")->setCurrentText(QStringLiteral("English"));
                   EXPECT_EQ(grad->currentText(), QStringLiteral("Horizontal"));
                   EXPECT_EQ(wall->currentText(), QStringLiteral("Stretch"));
                   EXPECT_EQ(d.activePageCaption(), QStringLiteral("Highlighting"));
                   d.accept();
               });
    EXPECT_EQ(form.settings().EditorFill.GradientMode, 2);
    EXPECT_EQ(form.settings().EditorFill.WallpaperMode, 3);
}

TEST(UserToolbars, BuiltOnThePageAndBackAfterARestart)
{
    MainFormFixture f;
    f.seed("Engine/Parts/Toolbars/Main.txt",
           "caption=Main\r\ndock=ControlBarL\r\nVisible=1\r\nShowCaptions=1\r\nmniSave\r\n"
           "mniOpen\r\nmniFileNew\r\n");
    {
        ui::TMainForm& form = f.start();
        ui::CToolbarsHolder* holder = ui::toolbarsHolder(form);
        ASSERT_NE(holder, nullptr);
        ASSERT_EQ(holder->ListToolbars(), QStringList{QStringLiteral("Main")});
        EXPECT_EQ(holder->buttons("Main"), (QStringList{"mniFileNew", "mniOpen", "mniSave"}));
        QToolBar* bar = holder->toolbar("Main");
        EXPECT_EQ(form.toolBarArea(bar), Qt::LeftToolBarArea);
        // The button is the menu item itself: it follows its enabled state.
        EXPECT_TRUE(bar->actions().contains(form.command("mniSave")));

        EXPECT_EQ(holder->NewToolbar("main"), zuk::app::ToolbarNameCheck::taken);
        EXPECT_EQ(holder->NewToolbar("a/b"), zuk::app::ToolbarNameCheck::notAFileName);
        EXPECT_EQ(holder->NewToolbar("Edit"), zuk::app::ToolbarNameCheck::ok);
        EXPECT_TRUE(holder->AddButton("Edit", "EditCopyItem"));
        EXPECT_FALSE(holder->AddButton("Edit", "caption=x")); // only named items
        for (int i = 0; i < 3; ++i)
            holder->DeleteButton("Main", 0);
        EXPECT_EQ(holder->RenameToolbar("Edit", "Copying"), zuk::app::ToolbarNameCheck::ok);
        form.settings().SaveToolbarsOnExit = true;
        form.confirmHook = [](const QString&) { return true; };
        ASSERT_TRUE(form.close());
    }
    EXPECT_TRUE(f.read("Engine/Parts/Toolbars/Edit.txt").empty());
    ui::TMainForm& again = f.start();
    ui::CToolbarsHolder* holder = ui::toolbarsHolder(again);
    EXPECT_EQ(holder->ListToolbars(), (QStringList{"Copying", "Main"}));
    EXPECT_TRUE(holder->buttons("Main").isEmpty()); // emptied, and kept so
    EXPECT_EQ(holder->buttons("Copying"), QStringList{"EditCopyItem"});
}

TEST(SettingsDialog, OkAppliesToEveryOpenDocumentAtOnce)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    form.NewFile();
    form.NewFile();
    withDialog([&] { form.runCommand("mniOpts"); },
               [&](ui::Tfopts& d) {
                   child<QCheckBox>(d, "cbShowLineNumbers")->setChecked(true);
                   d.accept();
               });
    ASSERT_EQ(form.editor().documents().size(), 2u);
    for (zuk::editor::Ted* ted : form.editor().documents())
        EXPECT_TRUE(ted->lineNumbers());
}

// Buttons of commands take the icon theme's icons; with only the fallback
// theme (which holds programs' icons) they show their captions.
TEST(UserToolbars, ButtonsTakeIconsFromAnIconThemeOnly)
{
    QTemporaryDir icons;
    ASSERT_TRUE(QDir().mkpath(icons.filePath(QStringLiteral("zuktest/16x16/actions"))));
    QFile index(icons.filePath(QStringLiteral("zuktest/index.theme")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=zuktest\nDirectories=16x16/actions\n\n"
                "[16x16/actions]\nSize=16\nType=Fixed\n");
    index.close();
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(
        image.save(icons.filePath(QStringLiteral("zuktest/16x16/actions/document-save.png"))));
    const QStringList paths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QIcon::setThemeSearchPaths(paths + QStringList{icons.path()});

    MainFormFixture f;
    f.seed("Engine/Parts/Toolbars/Main.txt",
           "caption=Main\r\ndock=ControlBarL\r\nVisible=1\r\nShowCaptions=0\r\nmniSave\r\n");
    QIcon::setThemeName(QStringLiteral("zuktest"));
    EXPECT_FALSE(f.start().command("mniSave")->icon().isNull());
    QIcon::setThemeName(QStringLiteral("hicolor"));
    EXPECT_TRUE(f.start().command("mniSave")->icon().isNull());

    QIcon::setThemeName(theme);
    QIcon::setThemeSearchPaths(paths);
}
