// Start-up completes whatever program folder it is given from the shipped tree.

#include "app/ui/infoconsole.h"
#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "app/ui/toolrow.h"
#include "io/tempfolder.h"
#include "support/ui/mainformfixture.h"

#include <QComboBox>
#include <QDirIterator>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace zuk;

namespace {

// An install under prefix/: the shipped tree in share/zuk, the program in bin/.
class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString source = QStringLiteral(ZUK_SOURCE_DIR "/data/");
        for (const QString& part : {QStringLiteral("Engine"), QStringLiteral("dox")}) {
            QDirIterator it(source + part, QDir::Files | QDir::Hidden,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                const QString to = tree() + QDir(source).relativeFilePath(file);
                QDir().mkpath(QFileInfo(to).absolutePath());
                ASSERT_TRUE(QFile::copy(file, to)) << to.toStdString();
            }
        }
        QDir().mkpath(m_dir.path() + QStringLiteral("/prefix/bin"));
    }

    QString tree() const { return m_dir.path() + QStringLiteral("/prefix/share/zuk/"); }
    QString home() const { return m_dir.path() + QStringLiteral("/home/"); }

    app::ui::TMainForm& start()
    {
        app::ui::StartupOptions options;
        options.home = home();
        options.executableDir = m_dir.path() + QStringLiteral("/prefix/bin");
        m_form = std::make_unique<app::ui::TMainForm>(options);
        m_form->createToolWindows();
        m_form->show();
        m_form->confirmHook = [](const QString&) { return true; };
        return *m_form;
    }

    static QStringList styleNames(app::ui::TMainForm& form)
    {
        QStringList names;
        for (QAction* a : form.mainMenu().menu(QStringLiteral("mniColorStyles"))->actions())
            names << a->text();
        return names;
    }

    static bool listHas(app::ui::TMainForm& form, const QString& scheme)
    {
        return form.toolRow().cbSyntax()->findText(scheme) >= 0;
    }

    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<app::ui::TMainForm> m_form;
};

TEST_F(InstalledTree, ANewHomeStartsWithTheShippedData)
{
    app::ui::TMainForm& form = start();
    EXPECT_EQ(form.programFolder(), home());
    EXPECT_TRUE(QFileInfo::exists(home() + QStringLiteral("Engine/Parts/lang/English")));
    EXPECT_TRUE(QFileInfo::exists(home() + QStringLiteral("dox/zuk.html")));
    EXPECT_TRUE(styleNames(form).contains(QString::fromUtf8("Ночь")));
    EXPECT_TRUE(listHas(form, QStringLiteral("Lua")));
    EXPECT_TRUE(listHas(form, QStringLiteral("Python")));
}

TEST_F(InstalledTree, AUsedHomeIsCompletedAndKeepsWhatTheUserChanged)
{
    // The user dropped Python from the registry, changed a colour style and
    // deleted the language folder; the scheme files went with a clean-up.
    const QString syntax = home() + QStringLiteral("Engine/Parts/Syntax/");
    QDir().mkpath(syntax);
    {
        QFile registry(syntax + QStringLiteral("syntax.ini"));
        ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
        registry.write("[Lua]\r\nExt=lua\r\nFilename=Engine\\Parts\\Syntax\\lua.txt\r\n");
    }
    const QString night = home() + QString::fromUtf8("Engine/CStyles/Ночь");
    QDir().mkpath(QFileInfo(night).absolutePath());
    {
        QFile style(night);
        ASSERT_TRUE(style.open(QIODevice::WriteOnly));
        style.write("FontColor=0\r\nBackColor=16777215\r\n");
    }
    app::ui::TMainForm& form = start();
    EXPECT_EQ(read(syntax + QStringLiteral("syntax.ini")),
              "[Lua]\r\nExt=lua\r\nFilename=Engine\\Parts\\Syntax\\lua.txt\r\n");
    EXPECT_EQ(read(night), QByteArray("FontColor=0\r\nBackColor=16777215\r\n"));
    EXPECT_EQ(read(syntax + QStringLiteral("lua.txt")),
              read(tree() + "Engine/Parts/Syntax/lua.txt"));
    EXPECT_TRUE(QFileInfo::exists(home() + QStringLiteral("Engine/Parts/lang/English")));
    EXPECT_TRUE(listHas(form, QStringLiteral("Lua")));
    EXPECT_FALSE(listHas(form, QStringLiteral("Python"))); // the user's registry rules
    EXPECT_TRUE(styleNames(form).contains(QString::fromUtf8("Море")));
}

TEST_F(InstalledTree, AFileThatCannotBeCopiedIsToldInTheConsole)
{
    {
        QFile big(tree() + QStringLiteral("Engine/Parts/big.txt"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(256 * 1024, 'x'));
    }
    {
        // Only the copies are this big; nothing else start-up writes comes near it.
        zuk::testing::FileSizeLimit limit(128 * 1024);
        start();
    }
    EXPECT_FALSE(QFileInfo::exists(home() + QStringLiteral("Engine/Parts/big.txt")));
    EXPECT_TRUE(QFileInfo::exists(home() + QStringLiteral("Engine/Parts/lang/English")));
    app::ui::TInfoConsole* console = m_form->infoConsole();
    ASSERT_NE(console, nullptr);
    ASSERT_TRUE(test::waitFor([&] { return !console->lines().isEmpty(); }));
    EXPECT_TRUE(
        console->lines().join('\n').contains(home() + QStringLiteral("Engine/Parts/big.txt")))
        << console->lines().join('\n').toStdString();
    EXPECT_TRUE(console->isVisible());
}

} // namespace
