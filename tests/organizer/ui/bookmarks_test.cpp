// The bookmark window as a user drives it: bookmarks added, edited, deleted
// and kept in the tree file soon after each change; a file that cannot be
// read kept aside; and a bookmark opened in the running editor.

#include "app/ui/filecommands.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "io/safefile.h"
#include "io/tempfolder.h"
#include "organizer/bookmarktree.h"
#include "organizer/ui/organizercommands.h"
#include "organizer/ui/tfmbmxtree.h"
#include "support/ui/fakehost.h"
#include "support/ui/mainformfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace zuk::organizer;
using namespace zuk::organizer::ui;
using zuk::test::FakeHost;
using zuk::test::waitFor;
using zuk::testing::TempFolder;

namespace {

// A host over its own program folder with the organizer installed and a
// document "/docs/notes.txt" open at line 42.
struct BookmarkFixture {
    TempFolder dir;
    FakeHost host;
    QStringList messages;

    BookmarkFixture()
    {
        host.programDir = QString::fromStdString(dir.path());
        host.partsDir = host.programDir + "Engine/Parts/";
        host.ved.fileName = "/docs/notes.txt";
        installOrganizerCommands(host);
    }
    Tfmbmxtree* window()
    {
        auto* w = host.tool<Tfmbmxtree>(kBookmarkWindow);
        w->messageHook = [this](const QString& m) { messages << m; };
        return w;
    }
    std::string treeFile() const { return dir.file("Engine/bookmarx/bmxtree.bmx"); }
    std::vector<BookmarkNode> stored() const
    {
        return readBookmarkTree(zuk::io::readFileBytes(treeFile()));
    }
};

// Each character as a key press carrying it as text (QTest knows Latin keys only).
void type(QWidget* w, const QString& keys)
{
    for (QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

} // namespace

TEST(Bookmarks, AddedEditedAndDeletedNodesReachTheTreeFileSoonAfter)
{
    BookmarkFixture f;
    Tfmbmxtree* w = f.window();
    EXPECT_EQ(w->windowTitle(), "ЗАКЛАДКИ");
    EXPECT_EQ(w->captionEdit()->toolTip(), "Заголовок закладки редактируйте здесь");

    w->addNode();
    w->addChild();
    w->addNode(); // after the child, beside it
    QTreeWidget* tree = w->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    ASSERT_EQ(tree->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "notes.txt1");
    EXPECT_EQ(tree->topLevelItem(0)->child(1)->text(0), "notes.txt3");

    // Written by the timer, with no flush and no window closing.
    ASSERT_TRUE(waitFor(
        [&] {
            return !w->savePending() && QFileInfo::exists(QString::fromStdString(f.treeFile()));
        },
        4000));
    std::vector<BookmarkNode> kept = f.stored();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].data.FilePath, "/docs/notes.txt");
    EXPECT_EQ(kept[0].children[0].data.Caption, "notes.txt2");

    // The fields write into the current node; so does editing in the tree.
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    EXPECT_EQ(w->captionEdit()->text(), "notes.txt2");
    type(w->captionEdit(), " глава");
    tree->topLevelItem(0)->child(1)->setText(0, "в дереве");
    w->fileEdit()->selectAll();
    QTest::keyClicks(w->fileEdit(), "/docs/other.txt");
    // A pasted path that does not fit a node is not taken: the node keeps the
    // last one, and leaving the field says why and shows it again.
    QApplication::clipboard()->setText("/" + QString(300, 'x'));
    w->fileEdit()->selectAll();
    QTest::keyClick(w->fileEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->fileEdit()->text().size(), 301);
    QTest::keyClick(w->fileEdit(), Qt::Key_Return);
    EXPECT_EQ(w->fileEdit()->text(), "/docs/other.txt");
    ASSERT_EQ(f.messages.size(), 1);
    w->flush();
    kept = f.stored();
    EXPECT_EQ(kept[0].children[0].data.Caption, "notes.txt2 глава");
    EXPECT_EQ(kept[0].children[0].data.FilePath, "/docs/other.txt");
    EXPECT_EQ(kept[0].children[1].data.Caption, "в дереве");

    // Deleting asks first and takes the children along.
    tree->setCurrentItem(tree->topLevelItem(0));
    QStringList questions;
    bool answer = false;
    w->questionHook = [&](const QString& q) {
        questions << q;
        return answer;
    };
    w->deleteCurrent();
    EXPECT_EQ(tree->topLevelItemCount(), 1);
    answer = true;
    w->deleteCurrent();
    EXPECT_EQ(questions, (QStringList{"Точно удалить хотите?", "Точно удалить хотите?"}));
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    w->flush();
    EXPECT_TRUE(f.stored().empty());
}

TEST(Bookmarks, WhatANodeCannotHoldIsRefusedAndNothingIsAddedWithoutADocument)
{
    BookmarkFixture f;
    Tfmbmxtree* w = f.window();
    f.host.ved.open = false;
    w->addNode();
    EXPECT_EQ(w->tree()->topLevelItemCount(), 0);
    f.host.ved.open = true;
    f.host.ved.fileName = "/" + std::string(260, 'd') + "/a.txt";
    w->addNode();
    EXPECT_EQ(w->tree()->topLevelItemCount(), 0);
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].contains("255")) << f.messages[0].toStdString();
}

TEST(Bookmarks, TheTreeComesBackAndAnUnreadableFileIsKeptAside)
{
    TempFolder shared;
    std::vector<BookmarkNode> tree{{{"a", "/x/a.txt", 3, 3}, {{{"b", "/x/b.txt", 7, 7}, {}}}}};
    shared.write("Engine/bookmarx/bmxtree.bmx", writeBookmarkTree(tree));
    {
        FakeHost host;
        host.programDir = QString::fromStdString(shared.path());
        installOrganizerCommands(host);
        auto* w = host.tool<Tfmbmxtree>(kBookmarkWindow);
        ASSERT_EQ(w->tree()->topLevelItemCount(), 1);
        EXPECT_EQ(w->tree()->topLevelItem(0)->child(0)->text(0), "b");
        // Nothing changed, nothing written.
        EXPECT_FALSE(w->savePending());
    }
    shared.write("Engine/bookmarx/bmxtree.bmx", "ZBMX garbage");
    FakeHost host;
    host.programDir = QString::fromStdString(shared.path());
    installOrganizerCommands(host);
    QStringList messages;
    auto* w = host.tool<Tfmbmxtree>(kBookmarkWindow);
    w->messageHook = [&](const QString& m) { messages << m; };
    ASSERT_TRUE(waitFor([&] { return !messages.isEmpty(); }));
    EXPECT_TRUE(messages[0].contains("bmxtree.bmx.damaged")) << messages[0].toStdString();
    EXPECT_EQ(shared.read("Engine/bookmarx/bmxtree.bmx.damaged"), "ZBMX garbage");
    EXPECT_EQ(w->tree()->topLevelItemCount(), 0);
    w->addNode();
    w->flush();
    EXPECT_EQ(readBookmarkTree(shared.read("Engine/bookmarx/bmxtree.bmx")).size(), 1u);
}

TEST(Bookmarks, OpeningABookmarkBringsUpItsDocumentAtItsLine)
{
    zuk::test::MainFormFixture fixture;
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    fixture.seed("long.txt", text);
    fixture.seed("other.txt", text);
    zuk::app::ui::TMainForm& form = fixture.start();
    QStringList refusals;
    zuk::app::ui::FileCommands::of(form)->messageHook = [&](const QString& m) { refusals << m; };
    auto firstLine = [&] { return form.editor().activeDocument()->control()->firstVisibleLine(); };

    // Made at start, hidden; the menu item shows and hides it.
    auto* w = dynamic_cast<Tfmbmxtree*>(form.existingToolWindow(kBookmarkWindow));
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isVisible());
    form.runCommand("mniBookmarx");
    EXPECT_TRUE(w->isVisible());
    form.runCommand("mniBookmarx");
    EXPECT_FALSE(w->isVisible());

    const QString longPath = fixture.home() + "long.txt";
    ASSERT_TRUE(form.OpenFile(longPath));
    form.editor().ScrollBy(0, 120);
    w->addNode();
    QTreeWidgetItem* mark = w->tree()->currentItem();
    ASSERT_NE(mark, nullptr);

    // Another document in front, the bookmarked one scrolled elsewhere: the
    // bookmark brings it forward at its own line, without a second window.
    form.editor().ScrollBy(0, 150);
    ASSERT_TRUE(form.OpenFile(fixture.home() + "other.txt"));
    form.editor().ScrollBy(0, 30);
    w->openBookmark(mark);
    EXPECT_EQ(QString::fromStdString(form.editor().GetFileName()), longPath);
    EXPECT_EQ(firstLine(), 120);
    EXPECT_EQ(form.documentCount(), 2);
    EXPECT_TRUE(refusals.isEmpty()) << refusals.join('|').toStdString();

    // A closed file opens at the line; Enter on the node does the same.
    form.runCommand("mniCloseCurrent");
    ASSERT_TRUE(waitFor([&] { return form.documentCount() == 1; }));
    w->show();
    w->tree()->setCurrentItem(mark);
    QTest::keyClick(w->tree(), Qt::Key_Return);
    EXPECT_EQ(form.documentCount(), 2);
    EXPECT_EQ(firstLine(), 120);

    // A bookmark whose file has gone does nothing.
    w->fileEdit()->selectAll();
    QTest::keyClicks(w->fileEdit(), fixture.home() + "gone.txt");
    w->openBookmark(mark);
    EXPECT_EQ(form.documentCount(), 2);
    EXPECT_TRUE(refusals.isEmpty());
}
