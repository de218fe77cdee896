// The settings dialog's "Плагины" page over a real main window: its list, the
// information pane and the install, remove and rescan buttons.

#include "app/ui/settingsdialog.h"
#include "codepages/charsets.h"
#include "io/tempfolder.h"
#include "plugins/testplugins.h"
#include "plugins/ui/plugincommands.h"
#include "support/ui/mainformfixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QStringList rows(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

TEST(SettingsPluginPage, ListInstallRemoveAndRescan)
{
    zuk::test::MainFormFixture fixture;
    const std::string folder = fixture.home().toStdString() + "Engine/Plugins/";
    zuk::testing::putPlugin(folder, "upcase1251", "upcase1251.so");
    fixture.seed("Engine/Plugins/plugslist.txt",
                 zuk::codepages::utf8ToWin("Верхний регистр=upcase1251.so\r\n"));
    zuk::app::ui::TMainForm& form = fixture.start();
    zuk::plugins::ui::TPluginCommands* commands = zuk::plugins::ui::pluginCommands(form);
    ASSERT_NE(commands, nullptr);
    commands->manager().setHelperPath(zuk::testing::plughost());
    zuk::testing::TempFolder source;
    zuk::testing::putPlugin(source.path(), "empty", "empty.so");
    commands->fileDialogHook = [&source](const QString&, const QString&) {
        return QString::fromStdString(source.file("empty.so"));
    };

    bool acted = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        zuk::app::ui::Tfopts* d = zuk::app::ui::openSettingsDialog();
        if (!d || !d->isVisible() || acted)
            return;
        acted = true;
        auto* list = d->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        ASSERT_NE(list, nullptr);
        auto press = [d](const char* name) {
            d->findChild<QPushButton*>(QString::fromLatin1(name))->click();
        };
        EXPECT_EQ(rows(list), QStringList{"Верхний регистр"});
        list->setCurrentRow(0);
        EXPECT_TRUE(d->findChild<QLabel*>(QStringLiteral("mPluginInfo"))
                        ->text()
                        .contains(QStringLiteral("upcase1251.so")));

        press("btHandlePlugInstall");
        ASSERT_EQ(list->count(), 2);
        const QString installed = list->item(1)->text();

        list->setCurrentRow(0);
        press("btHandlePlugRemoveCurrent");
        EXPECT_EQ(rows(list), QStringList{installed});
        EXPECT_EQ(commands->manager().Plugins().size(), 1u);

        // The rescan's list is the manager's.
        press("btHandlePlugRefreshList");
        EXPECT_EQ(static_cast<size_t>(list->count()), commands->manager().Plugins().size());
        d->reject();
    });
    poll.start(10);
    form.runCommand("mniOpts");
    EXPECT_TRUE(acted);
}
