#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

    QStringList opened;
    dox.openFile = [&](const QString& p) { opened << p; };
    dox.openState(QStringLiteral("work"));
    EXPECT_EQ(opened, QStringList{existing});

    QString activated;
    dox.activateDocument = [&](const QString& c) { activated = c; };
    dox.show();
    dox.resize(300, 240);
    dox.toggleRollUp();
    EXPECT_TRUE(dox.rolledUp());
    EXPECT_LT(dox.height(), 240);
    EXPECT_EQ(dox.storedGeometry().height(), 240);
    dox.toggleRollUp();
    EXPECT_EQ(dox.height(), 240);
}
