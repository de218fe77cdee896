// The file box and the find-in-files window in the running program.

#include "app/ui/mainform.h"
#include "editor/ved.h"
#include "filebox/ui/fileboxcommands.h"
#include "filebox/ui/filelistview.h"
#include "filebox/ui/tfrm_filefind.h"
#include "filebox/ui/tnewfilebox.h"
#include "support/ui/mainformfixture.h"
#include "support/ui/promptanswer.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;
using zuk::test::waitFor;
using namespace zuk::filebox::ui;

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int rowOf(Tnewfilebox& box, const std::string& name)
{
    const auto& items = box.model().items();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].name == name)
            return static_cast<int>(i);
    return -1;
}

void select(Tnewfilebox& box, const std::vector<std::string>& names)
{
    box.list()->selectionModel()->clearSelection();
    for (const std::string& name : names)
        box.list()->selectionModel()->select(box.model().index(rowOf(box, name)),
                                             QItemSelectionModel::Select);
    if (!names.empty())
        box.list()->selectionModel()->setCurrentIndex(box.model().index(rowOf(box, names[0])),
                                                      QItemSelectionModel::NoUpdate);
}

} // namespace

TEST(FileBoxWindow, TogglesListsAndNeverSelectsTheParentEntry)
{
    QTemporaryDir dir;
    write(dir.filePath("a.txt"), "x");
    write(dir.filePath("notes.txt"), "x");
    write(dir.filePath(".txt"), "x");
    write(dir.filePath("sub/b.txt"), "x");
    MainFormFixture f;
    auto& form = f.start();
    ASSERT_TRUE(form.runCommand("mniFileBro"));
    auto* box = dynamic_cast<Tnewfilebox*>(form.existingToolWindow(kFileBoxWindow));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("/"));
    EXPECT_EQ(box->model().rowCount(), 0); // nothing listed before a folder is chosen

    box->pathField()->setText(dir.path());
    QTest::keyClick(box->pathField(), Qt::Key_Return);
    EXPECT_EQ(box->dir(), dir.path());
    EXPECT_EQ(box->model().items().front().name, "..");

    // Insert and the mask never take «..»; the mask needs a character before the dot.
    box->list()->setCurrentIndex(box->model().index(0));
    QTest::keyClick(box->list(), Qt::Key_Insert);
    EXPECT_TRUE(box->selectedItems().empty());
    EXPECT_EQ(box->list()->currentIndex().row(), 1);
    box->maskHook = [] { return std::optional<QString>(QStringLiteral("*.txt")); };
    QTest::keyClick(box->list(), Qt::Key_Plus, Qt::KeypadModifier);
    const std::vector<std::string> expected{dir.filePath("a.txt").toStdString(),
                                            dir.filePath("notes.txt").toStdString()};
    EXPECT_EQ(box->selectedFiles(), expected);
    box->selectByMask(QStringLiteral("*"));
    EXPECT_EQ(box->selectedItems().size(), 2u); // toggled: sub and .txt on, the rest off
    for (const std::string& p : box->selectedItems())
        EXPECT_NE(p.substr(p.size() - 3), "/..");

    // Into a folder and back: Backspace returns to the entry it came from.
    box->list()->setCurrentIndex(box->model().index(rowOf(*box, "sub")));
    QTest::keyClick(box->list(), Qt::Key_Return);
    EXPECT_EQ(box->dir(), dir.filePath("sub"));
    QTest::keyClick(box->list(), Qt::Key_Backspace);
    EXPECT_EQ(box->dir(), dir.path());
    EXPECT_EQ(box->list()->currentIndex().row(), rowOf(*box, "sub"));

    // A missing folder keeps the listing.
    EXPECT_FALSE(box->readDir(dir.filePath("none")));
    EXPECT_EQ(box->dir(), dir.path());

    form.runCommand("mniFileBro");
    EXPECT_FALSE(box->isVisible());
}

TEST(FileBoxWindow, BatchCommandsFollowTheProcessingRule)
{
    QTemporaryDir dir;
    const QByteArray win = "\xCF\xF0\xE8\xE2\xE5\xF2\r\n";
    write(dir.filePath("a.txt"), win);
    write(dir.filePath("b.htm"), "<b>bold</b>\r\n");
    MainFormFixture f;
    auto& form = f.start();
    form.runCommand("mniFileBro");
    auto* box = dynamic_cast<Tnewfilebox*>(form.existingToolWindow(kFileBoxWindow));
    ASSERT_TRUE(box->readDir(dir.path()));

    // No enabled_exts.txt: nothing is written.
    select(*box, {"a.txt"});
    box->action("mniWin2Dos")->trigger();
    EXPECT_EQ(readAll(dir.filePath("a.txt")), win);

    f.seed("Engine/Parts/enabled_exts.txt", "txt\r\n");
    form.confirmHook = [](const QString&) { return true; };
    select(*box, {"a.txt"});
    box->action("mniWin2Dos")->trigger();
    EXPECT_NE(readAll(dir.filePath("a.txt")), win);
    EXPECT_EQ(readAll(dir.filePath("a.txt.bak")), win);
    select(*box, {"a.txt"});
    box->action("mniDOS2Win")->trigger();
    EXPECT_EQ(readAll(dir.filePath("a.txt")), win);

    // HTML > Text writes b.txt: txt is processable.
    select(*box, {"b.htm"});
    box->action("mniHTML2Text")->trigger();
    EXPECT_EQ(readAll(dir.filePath("b.txt")), "bold\r\n");

    // Two files give two links, each with <br>.
    form.newDocument();
    select(*box, {"a.txt", "b.htm"});
    box->action("mniMakeLinkTo")->trigger();
    const std::string text = form.document().GetAllText();
    EXPECT_NE(text.find("<a href=\"a.txt\">a.txt</a><br>"), std::string::npos) << text;
    EXPECT_NE(text.find("<a href=\"b.htm\">b.htm</a><br>"), std::string::npos) << text;
}

TEST(FileBoxWindow, RenameNeverOverwritesAndDeleteTakesNoParent)
{
    QTemporaryDir dir;
    write(dir.filePath("a.txt"), "a");
    write(dir.filePath("b.txt"), "b");
    MainFormFixture f;
    auto& form = f.start();
    form.runCommand("mniFileBro");
    auto* box = dynamic_cast<Tnewfilebox*>(form.existingToolWindow(kFileBoxWindow));
    ASSERT_TRUE(box->readDir(dir.path()));
    select(*box, {"a.txt"});
    {
        zuk::test::PromptAnswer answer(QStringLiteral("b.txt"));
        box->action("mniRename")->trigger();
        EXPECT_EQ(answer.initial, QStringLiteral("a.txt"));
    }
    EXPECT_EQ(readAll(dir.filePath("b.txt")), "b");
    EXPECT_EQ(readAll(dir.filePath("b (2).txt")), "a");

    // Delete with only «..» current and nothing selected asks nothing and deletes nothing.
    box->list()->selectionModel()->clearSelection();
    box->list()->setCurrentIndex(box->model().index(0));
    int asked = 0;
    form.confirmHook = [&asked](const QString&) {
        ++asked;
        return true;
    };
    box->action("mniDeleteFile")->trigger();
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(QFileInfo::exists(dir.path()));
}

TEST(FindInFilesWindow, FindsOpensAndReportsTheCount)
{
    QTemporaryDir dir;
    write(dir.filePath("one.txt"), "\xEF\xF0\xE8\xE2\xE5\xF2"); // «привет» in Windows-1251
    write(dir.filePath("two.htm"), "\xCF\xD0\xC8\xC2\xC5\xD2");
    write(dir.filePath("sub/three.txt"), "x \xEF\xF0\xE8\xE2\xE5\xF2");
    write(dir.filePath("four.txt"), "nothing");
    MainFormFixture f;
    auto& form = f.start();
    ASSERT_TRUE(form.runCommand("mniFindinFiles"));
    auto* find = dynamic_cast<Tfrm_FileFind*>(form.existingToolWindow(kFileFindWindow));
    ASSERT_NE(find, nullptr);
    find->findWhat()->setEditText(QStringLiteral("ПРИВЕТ"));
    find->path()->setText(dir.path());
    find->fileMask()->setEditText(QStringLiteral("*.txt"));
    find->startSearch();
    ASSERT_TRUE(waitFor(
        [find] { return !find->searching() && find->status()->text().startsWith("НАЙДЕНО"); }));
    EXPECT_EQ(find->status()->text(), QStringLiteral("НАЙДЕНО: 2 файл[ов]"));
    ASSERT_EQ(find->results()->count(), 2);
    EXPECT_EQ(find->results()->item(0)->text(), dir.filePath("one.txt"));
    EXPECT_EQ(find->results()->item(1)->text(), dir.filePath("sub/three.txt"));

    find->results()->setCurrentRow(1);
    emit find->results()->itemActivated(find->results()->item(1));
    EXPECT_EQ(QString::fromStdString(form.document().GetFileName()), dir.filePath("sub/three.txt"));

    // The jokes come with the dice at 3, the statuses otherwise.
    find->jokeDice = [] { return 3; };
    find->pauseSearch();
    EXPECT_EQ(find->status()->text(), QStringLiteral("МОГУ И ОБОЖДАТЬ..."));
    find->jokeDice = [] { return 2; };
    find->stopSearch();
    EXPECT_EQ(find->status()->text(), QStringLiteral("ПОИСК ПРЕРВАН"));

    // A missing folder is refused with a message, not a count.
    find->path()->setText(dir.filePath("none"));
    find->startSearch();
    ASSERT_TRUE(waitFor([find] { return find->status()->text().contains("none"); }));
    EXPECT_FALSE(find->searching());
    EXPECT_EQ(find->results()->count(), 0);
}
