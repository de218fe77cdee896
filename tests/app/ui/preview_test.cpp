// The Preview menu: which file a browser is shown, where its copy goes, and
// the saving and copying rules, on a document without a window.

#include "app/ui/previewcommands.h"
#include "platform/privatefolder.h"
#include "platform/ui/desktopshell.h"
#include "support/ui/fakehost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using zuk::app::ui::PreviewCommands;
using zuk::platform::ui::DesktopShell;

namespace {

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedOpener = DesktopShell::urlOpener();
        m_savedStarter = DesktopShell::programStarter();
        DesktopShell::urlOpener() = [this](const QUrl& url) {
            shown << url.toLocalFile();
            return true;
        };
        DesktopShell::programStarter() = [this](const QString& program, const QStringList& args,
                                                const QString&) {
            started << program + QLatin1Char(' ') + args.join(QLatin1Char(' '));
            return true;
        };
        zuk::app::ui::installPreviewCommands(host);
        preview = PreviewCommands::of(host);
        ASSERT_NE(preview, nullptr);
        EXPECT_TRUE(host.unknownCommands.isEmpty());
        host.record.BrowserPaths.ie = put("bin/first", "").toStdString();
        host.record.BrowserPaths.opera = (m_dir.path() + "/bin/missing").toStdString();
    }
    void TearDown() override
    {
        preview->removeCopy();
        DesktopShell::urlOpener() = m_savedOpener;
        DesktopShell::programStarter() = m_savedStarter;
    }
    QString put(const QString& relative, const QByteArray& bytes)
    {
        const QString path = m_dir.path() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    // The document as a file of the temporary folder.
    QString giveFile(const QString& relative, const QByteArray& onDisk)
    {
        const QString path = put(relative, onDisk);
        host.ved.fileName = path.toStdString();
        host.ved.hasFile = true;
        return path;
    }

    zuk::test::FakeHost host;
    PreviewCommands* preview = nullptr;
    QStringList shown, started;

private:
    QTemporaryDir m_dir;
    std::function<bool(const QUrl&)> m_savedOpener;
    std::function<bool(const QString&, const QStringList&, const QString&)> m_savedStarter;
};

TEST_F(PreviewTest, AnUntitledDocumentIsShownThroughACopyInThePrivateFolderOnly)
{
    host.ved.text = "<p>untitled</p>";
    host.run("mniDefaultBrowserPreview");
    const QString copy = QString::fromStdString(zuk::platform::exchangeFolder().path()) +
                         QStringLiteral("zuk_temp.htm");
    EXPECT_EQ(shown, QStringList{copy});
    EXPECT_EQ(read(copy), QByteArray("<p>untitled</p>\r\n"));
    EXPECT_FALSE(QFileInfo(QFileInfo(copy).absolutePath())
                     .permissions()
                     .testAnyFlags(QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                   QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));

    // The first browser gets the copy as a file address.
    host.run("mniPreviewInExplorer");
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0], QString::fromStdString(host.record.BrowserPaths.ie) + QLatin1Char(' ') +
                              QUrl::fromLocalFile(copy).toString());
    // A browser that is not there: said in the status bar, nothing started.
    host.run("mniPreviewInOpera");
    EXPECT_EQ(started.size(), 1);
    EXPECT_EQ(host.statuses.last(), QString::fromUtf8("К этому браузеру путь ошибочен!"));
}

TEST_F(PreviewTest, TheCopyRuleAndTheAutosaveRule)
{
    // use_temp_file: a copy beside the file, with its extension; a second
    // preview writes it again.
    const QString page = giveFile(QStringLiteral("site/a.html"), "on disk");
    host.ved.text = "<p>edited</p>";
    host.record.use_temp_file = true;
    host.run("mniDefaultBrowserPreview");
    const QString copy = QFileInfo(page).absolutePath() + QStringLiteral("/zuk_temp.html");
    EXPECT_EQ(shown.last(), copy);
    EXPECT_EQ(read(copy), QByteArray("<p>edited</p>\r\n"));
    host.ved.text = "<p>again</p>";
    host.run("mniDefaultBrowserPreview");
    EXPECT_EQ(read(copy), QByteArray("<p>again</p>\r\n"));
    EXPECT_EQ(host.saves, 0);
    preview->removeCopy();
    EXPECT_FALSE(QFileInfo::exists(copy));

    // Without it the file itself is shown, saved first when it changed and
    // autosaveonpreview is set.
    host.record.use_temp_file = false;
    host.record.autosaveonpreview = true;
    host.ved.modified = true;
    host.run("mniDefaultBrowserPreview");
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(shown.last(), page);
    // A save that fails shows nothing.
    host.ved.modified = true;
    host.saveSucceeds = false;
    const int before = shown.size();
    host.run("mniDefaultBrowserPreview");
    EXPECT_EQ(shown.size(), before);
}

TEST_F(PreviewTest, ACopyTheUserChangedOrAFileOfTheSameNameIsNeverTouched)
{
    const QString page = giveFile(QStringLiteral("w/b.htm"), "x");
    const QString theirs = put(QStringLiteral("w/zuk_temp.htm"), "the user's own");
    host.record.use_temp_file = true;
    host.ved.text = "copy";
    host.run("mniDefaultBrowserPreview");
    EXPECT_EQ(read(theirs), QByteArray("the user's own"));
    const QString copy = QString::fromStdString(preview->copyPath());
    EXPECT_EQ(QFileInfo(copy).fileName(), QStringLiteral("zuk_temp (2).htm"));
    EXPECT_EQ(QFileInfo(copy).absolutePath(), QFileInfo(page).absolutePath());
    put(QStringLiteral("w/zuk_temp (2).htm"), "the user saved over it");
    preview->removeCopy(); // what shut-down does
    EXPECT_EQ(read(copy), QByteArray("the user saved over it"));
    EXPECT_EQ(read(theirs), QByteArray("the user's own"));
}

} // namespace
