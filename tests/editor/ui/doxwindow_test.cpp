#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "editor/ui/doxwindow.h"

using zuk::editor::TfmDox;

TEST(DoxWindow, ListsDocumentsSavesAndReopensWindowSets)
{
    QTemporaryDir dir;
    TfmDox dox;
    dox.setPartsDir(dir.path());
    EXPECT_TRUE(dox.stateNames().isEmpty());

    dox.addDocument(QStringLiteral("/a/one.txt"));
    dox.addDocument(QStringLiteral("/a/two.txt"));
    dox.addDocument(QStringLiteral("/a/three.txt"));
    dox.removeDocument(QStringLiteral("/a/two.txt"));
    EXPECT_EQ(dox.names(), (QStringList{"/a/one.txt", "/a/three.txt"}));

    const QString existing = dir.filePath(QStringLiteral("exists.txt"));
    QFile(existing).open(QIODevice::WriteOnly);
    // Window order: most recently active first; the set is written last to first.
    dox.windowCaptions = [&] {
        return QStringList{existing, QStringLiteral("/missing/b.txt"), QStringLiteral("untitled1")};
    };
    ASSERT_TRUE(dox.writeState(dox.statesDir() + QStringLiteral("/work")));
    QFile saved(dox.statesDir() + QStringLiteral("/work"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), ("untitled1\r\n/missing/b.txt\r\n" + existing + "\r\n").toUtf8());
    EXPECT_EQ(dox.stateNames(), QStringList{"work"});

    QStringList opened, activated;
    dox.openFile = [&](const QString& p) { opened << p; };
    dox.activateDocument = [&](const QString& c) { activated << c; };
    dox.windowCaptions = [] { return QStringList{QStringLiteral("untitled1")}; };
    dox.openState(QStringLiteral("work"));
    EXPECT_EQ(opened, QStringList{existing});
    EXPECT_TRUE(activated.isEmpty());

    // A file of the set that is open already is brought to the front instead,
    // also when the set names it by another path to the same file.
    QFile other(dir.filePath(QStringLiteral("other.txt")));
    other.open(QIODevice::WriteOnly);
    const QString viaDot = dir.path() + QStringLiteral("/./other.txt");
    QFile set(dox.statesDir() + QStringLiteral("/both"));
    ASSERT_TRUE(set.open(QIODevice::WriteOnly));
    set.write((existing + "\r\n" + viaDot + "\r\n").toUtf8());
    set.close();
    opened.clear();
    dox.windowCaptions = [&] { return QStringList{existing, other.fileName()}; };
    dox.openState(QStringLiteral("both"));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(activated, (QStringList{existing, other.fileName()}));
}

TEST(DoxWindow, MovesByItsTitleBarRollsUpToItAndKeepsItsGeometry)
{
    TfmDox dox;
    dox.restoreGeometry(QRect(40, 50, 300, 240));
    dox.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dox));
    EXPECT_EQ(dox.storedGeometry(), QRect(40, 50, 300, 240));

    // The window draws its own title, with the caption, and moves when it is dragged.
    auto* title = dox.findChild<QWidget*>(QStringLiteral("pnTitle"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(dox.findChild<QLabel*>(QStringLiteral("lCaption"))->text(), dox.windowTitle());
    const QPoint grab(10, title->height() / 2);
    QTest::mousePress(title, Qt::LeftButton, Qt::NoModifier, grab);
    QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(30, 20)),
                     QPointF(title->mapToGlobal(grab) + QPoint(30, 20)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(title, &move);
    QTest::mouseRelease(title, Qt::LeftButton, Qt::NoModifier, grab + QPoint(30, 20));
    EXPECT_EQ(dox.pos(), QPoint(70, 70));
    EXPECT_EQ(dox.storedGeometry(), QRect(70, 70, 300, 240));

    // Rolled up, only the title bar with the roll-up button is left.
    dox.toggleRollUp();
    EXPECT_TRUE(dox.rolledUp());
    EXPECT_FALSE(dox.findChild<QListWidget*>()->isVisible());
    EXPECT_TRUE(title->isVisible());
    EXPECT_LT(dox.height(), 60);
    EXPECT_EQ(dox.storedGeometry(), QRect(70, 70, 300, 240));
    dox.toggleRollUp();
    EXPECT_EQ(dox.height(), 240);
    EXPECT_TRUE(dox.findChild<QListWidget*>()->isVisible());
}
