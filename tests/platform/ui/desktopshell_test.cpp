// The shell operations: browsers started with file addresses, documents
// handed to the desktop, the trash, renaming without overwriting, the
// open-with chooser and the properties window.

#include "platform/ui/desktopshell.h"
#include "platform/ui/filepropertiesdialog.h"
#include "platform/ui/openwithdialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace zuk::platform::ui;

namespace {

struct Started {
    QString program;
    QStringList arguments;
    QString folder;
};

// Replaces the desktop's handlers for one test and puts the user's data
// folder (trash, applications) into a temporary folder.
class DesktopShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedOpener = DesktopShell::urlOpener();
        m_savedStarter = DesktopShell::programStarter();
        DesktopShell::urlOpener() = [this](const QUrl& url) {
            opened << url;
            return true;
        };
        DesktopShell::programStarter() = [this](const QString& program, const QStringList& args,
                                                const QString& folder) {
            started.push_back({program, args, folder});
            return true;
        };
        DesktopShell::useSessionBus() = false;
        m_oldDataHome = qEnvironmentVariable("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", (m_dir.path() + QStringLiteral("/data")).toUtf8());
        // The system's own folder stays, for its MIME database.
        qputenv("XDG_DATA_DIRS", (m_dir.path() + QStringLiteral("/system:/usr/share")).toUtf8());
    }
    void TearDown() override
    {
        DesktopShell::urlOpener() = m_savedOpener;
        DesktopShell::programStarter() = m_savedStarter;
        DesktopShell::useSessionBus() = true;
        if (m_oldDataHome.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_oldDataHome.toUtf8());
        qunsetenv("XDG_DATA_DIRS");
    }
    QString put(const QString& relative, const QByteArray& bytes = "x")
    {
        const QString path = m_dir.path() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    QString path(const QString& relative) const
    {
        return m_dir.path() + QLatin1Char('/') + relative;
    }

    QList<QUrl> opened;
    std::vector<Started> started;

private:
    QTemporaryDir m_dir;
    QString m_oldDataHome;
    std::function<bool(const QUrl&)> m_savedOpener;
    std::function<bool(const QString&, const QStringList&, const QString&)> m_savedStarter;
};

TEST_F(DesktopShellTest, BrowsersGetFileAddressesAndDocumentsGoToTheDesktop)
{
    const QString browser = put(QStringLiteral("bin/browser"));
    const QString page = put(QString::fromUtf8("site/моя страница.html"));
    const DesktopShell shell;
    ASSERT_TRUE(shell.ShowFileInBrowser(browser, QStringLiteral("iexplore"), page));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].program, browser);
    EXPECT_EQ(started[0].arguments, QStringList{QUrl::fromLocalFile(page).toString()});
    EXPECT_TRUE(started[0].arguments[0].startsWith(QStringLiteral("file:///")));
    EXPECT_EQ(started[0].folder, QFileInfo(page).absolutePath());
    EXPECT_TRUE(shell.OpenUrlInBrowser(browser, QStringLiteral("opera"), page));
    EXPECT_EQ(started[1].arguments, QStringList{QUrl::fromLocalFile(page).toString()});
    // A browser path that names no file starts nothing.
    EXPECT_FALSE(shell.ShowFileInBrowser(path(QStringLiteral("bin/none")), {}, page));
    EXPECT_FALSE(shell.OpenUrlInBrowser({}, {}, QStringLiteral("https://example.org")));
    EXPECT_EQ(started.size(), 2u);

    // A document, a folder or an address opens with the desktop's program.
    EXPECT_TRUE(shell.ShellOpen(page));
    EXPECT_TRUE(shell.ShellOpen(path(QStringLiteral("site"))));
    EXPECT_TRUE(shell.ShellOpen(QStringLiteral("mailto:someone@example.org")));
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(page));
    EXPECT_EQ(opened[2].scheme(), QStringLiteral("mailto"));
    EXPECT_FALSE(shell.ShellOpen(QStringLiteral("no-such-program-anywhere")));
}

TEST_F(DesktopShellTest, DeletingGoesToTheTrashAndNeverThroughALink)
{
    const DesktopShell shell;
    const QString doc = put(QStringLiteral("docs/a.txt"), "keep me");
    ASSERT_TRUE(shell.ShellDelete(doc, kShellSilent | kShellToTrash));
    EXPECT_FALSE(QFileInfo::exists(doc));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("data/Trash/files/a.txt"))));

    // A link to a folder: the link goes, the folder and its files stay.
    const QString target = put(QStringLiteral("target/inside.txt"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("target")), path(QStringLiteral("link"))));
    EXPECT_TRUE(shell.ShellDeleteFolder(path(QStringLiteral("link")), kShellSilent));
    EXPECT_FALSE(QFileInfo(path(QStringLiteral("link"))).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(target));
    // A folder with a link inside: the folder goes, the link's target stays.
    put(QStringLiteral("tree/sub/file.txt"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("target")), path(QStringLiteral("tree/sub/ln"))));
    EXPECT_TRUE(shell.ShellDeleteFolder(path(QStringLiteral("tree")), kShellSilent));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("tree"))));
    EXPECT_TRUE(QFileInfo::exists(target));
    // Files only: a folder is refused.
    EXPECT_FALSE(shell.ShellDelete(path(QStringLiteral("target")), kShellSilent | kShellFilesOnly));
    EXPECT_TRUE(QFileInfo::exists(target));
}

TEST_F(DesktopShellTest, RenamingNeverOverwritesAndRefusesBadNames)
{
    const DesktopShell shell;
    const QString a = put(QStringLiteral("r/a.txt"), "A");
    put(QStringLiteral("r/b.txt"), "B");
    EXPECT_TRUE(shell.ShellRename(a, QStringLiteral("b.txt"), kShellSilent).isEmpty());
    EXPECT_EQ(shell.ShellRename(a, QStringLiteral("b.txt"), kShellSilent | kShellRenameOnCollision),
              path(QStringLiteral("r/b (2).txt")));
    QFile b(path(QStringLiteral("r/b.txt")));
    b.open(QIODevice::ReadOnly);
    EXPECT_EQ(b.readAll(), QByteArray("B"));
    for (const char* bad : {"", ".", "..", "x/y"})
        EXPECT_TRUE(shell
                        .ShellRename(path(QStringLiteral("r/b.txt")), QString::fromLatin1(bad),
                                     kShellSilent | kShellRenameOnCollision)
                        .isEmpty())
            << bad;
}

TEST_F(DesktopShellTest, OwnChooserListsTheProgramsForTheTypeAndStartsTheChoice)
{
    put(QStringLiteral("data/applications/editor.desktop"),
        "[Desktop Entry]\nType=Application\nName=Plain Editor\nName[ru]=Редактор\n"
        "Exec=plained --new %F\nMimeType=text/plain;\n");
    put(QStringLiteral("system/applications/viewer.desktop"),
        "[Desktop Entry]\nType=Application\nName=Picture Viewer\nExec=viewer %u\n"
        "MimeType=image/png;\n");
    put(QStringLiteral("system/applications/hidden.desktop"),
        "[Desktop Entry]\nType=Application\nName=Hidden\nExec=hidden\nNoDisplay=true\n"
        "MimeType=text/plain;\n");
    const QString file = put(QStringLiteral("notes.txt"), "text");
    TOpenWithDialog chooser(file, QStringLiteral("ru_RU"), nullptr, nullptr);
    auto listed = [&chooser] {
        QStringList names;
        for (int i = 0; i < chooser.programs()->count(); ++i)
            names << chooser.programs()->item(i)->text();
        return names;
    };
    // The system's own programs may be listed too.
    EXPECT_TRUE(listed().contains(QString::fromUtf8("Редактор")));
    EXPECT_FALSE(listed().contains(QStringLiteral("Picture Viewer")));
    EXPECT_FALSE(listed().contains(QStringLiteral("Hidden")));
    chooser.allPrograms()->setChecked(true);
    EXPECT_TRUE(listed().contains(QStringLiteral("Picture Viewer")));
    EXPECT_FALSE(listed().contains(QStringLiteral("Hidden")));
    chooser.allPrograms()->setChecked(false);
    chooser.programs()->setCurrentRow(
        static_cast<int>(listed().indexOf(QString::fromUtf8("Редактор"))));
    ASSERT_TRUE(chooser.openChosen());
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].program, QStringLiteral("plained"));
    EXPECT_EQ(started[0].arguments, (QStringList{QStringLiteral("--new"), file}));

    chooser.command()->setText(QStringLiteral("\"my tool\" -x"));
    ASSERT_TRUE(chooser.openChosen());
    EXPECT_EQ(started[1].program, QStringLiteral("my tool"));
    EXPECT_EQ(started[1].arguments, (QStringList{QStringLiteral("-x"), file}));
}

TEST_F(DesktopShellTest, OwnPropertiesWindowShowsWhatTheFileIs)
{
    const QString file = put(QStringLiteral("props/data.bin"), QByteArray(2048, 'z'));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    TFileProperties window(file, nullptr, nullptr);
    EXPECT_EQ(window.value("lName"), QStringLiteral("data.bin"));
    EXPECT_TRUE(window.value("lSize").contains(QStringLiteral("2")));
    EXPECT_TRUE(window.value("lSize").contains(QString::fromUtf8("байт")));
    EXPECT_EQ(window.value("lPermissions"), QStringLiteral("rw-r----- (640)"));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Свойства: data.bin"));
}

} // namespace
