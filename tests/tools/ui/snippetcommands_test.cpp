// Templates, snippets and macros on a host without a main window.

#include "tools/ui/snippetcommands.h"

#include "codepages/charsets.h"
#include "support/ui/fakehost.h"
#include "tools/ui/tfmsnim.h"
#include "tools/ui/toolscommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

using zuk::tools::ui::TSnippetCommands;

namespace {

void writeAll(const QString& path, const std::string& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

struct Snippets {
    QTemporaryDir dir;
    zuk::test::FakeHost host;
    TSnippetCommands* commands = nullptr;
    QStringList notes;

    Snippets()
    {
        host.programDir = dir.path() + "/";
        host.partsDir = dir.path() + "/Engine/Parts/";
        QDir().mkpath(host.partsDir + "Snippets");
        zuk::tools::ui::installToolsCommands(host);
        commands = zuk::tools::ui::snippetCommands(host);
        commands->messageHook = [this](const QString& text) { notes << text; };
    }
    QString snippet(const QString& name, const std::string& bytes)
    {
        const QString path = host.partsDir + "Snippets/" + name;
        writeAll(path, bytes);
        return path;
    }
    void macros(const std::string& bytes) { writeAll(host.partsDir + "makros.txt", bytes); }
};

TEST(SnippetCommands, MarkerSnippetReplacesTheSelectionAfterExpansionInOneUndoStep)
{
    Snippets s;
    s.macros("b=B\r\n");
    const QString bold = s.snippet("bold", "<b>@@@</b>");
    s.host.ved.SetAllText("write to user@date.ru now");
    s.host.ved.selectText("user@date.ru");
    const int steps = s.host.ved.undoSteps();
    s.commands->InsertSnippet(bold);
    // The tags went through the macros (b=B); the selected text did not.
    EXPECT_EQ(s.host.ved.text, "write to <B>user@date.ru</B> now");
    EXPECT_EQ(s.host.ved.undoSteps(), steps + 1);

    s.host.ved.SetAllText("x");
    s.host.ved.select(1, 1);
    s.commands->InsertSnippet(bold);
    EXPECT_EQ(s.host.ved.text, "x<B></B>");

    // Without the marker: no expansion, a single line trimmed.
    s.commands->InsertSnippet(s.snippet("plain", "  b@date  \r\n"));
    EXPECT_EQ(s.host.ved.text, "x<B></B>b@date");
    // A folder, a missing file: nothing.
    s.commands->InsertSnippet(s.host.partsDir + "Snippets");
    s.commands->InsertSnippet(s.host.partsDir + "Snippets/none");
    EXPECT_EQ(s.host.ved.text, "x<B></B>b@date");
}

TEST(SnippetCommands, MacrosOnTheWorkingTextAndTheirFailures)
{
    Snippets s;
    s.host.ved.SetAllText("xab");
    s.host.run("mniApplyMakroses");
    EXPECT_EQ(s.host.ved.text, "xab"); // no macro file: nothing at all
    s.macros("xab=2\r\nxa=1\r\n");
    s.host.run("mniApplyMakroses");
    EXPECT_EQ(s.host.ved.text, "1b");

    writeAll(s.host.partsDir + "inc.txt", "  included  \r\n");
    s.host.ved.SetAllText("[@include \"inc.txt\"] [@include \"gone.txt\"]");
    s.host.run("mniApplyMakroses");
    EXPECT_EQ(s.host.ved.text, "[@include \"inc.txt\"] [@include \"gone.txt\"]");
    ASSERT_EQ(s.notes.size(), 1);
    EXPECT_TRUE(s.notes[0].contains("gone.txt"));
    s.host.ved.SetAllText("[@include \"inc.txt\"]");
    s.host.run("mniApplyMakroses");
    EXPECT_EQ(s.host.ved.text, "[included]");

    // A macro that explodes is refused whole.
    std::string rules;
    for (int i = 0; i < 30; ++i)
        rules += "m" + std::to_string(10 + i) + "=" + std::string(4, 'm') +
                 (i < 29 ? "m" + std::to_string(11 + i) + "m" + std::to_string(11 + i) : "z") +
                 "\r\n";
    s.macros(rules);
    s.host.ved.SetAllText("m10");
    s.host.run("mniApplyMakroses");
    EXPECT_EQ(s.host.ved.text, "m10");
    EXPECT_EQ(s.notes.size(), 2);

    s.host.run("mniOPenMakros");
    EXPECT_EQ(s.host.openedFiles, QStringList{s.host.partsDir + "makros.txt"});
}

TEST(SnippetCommands, TemplatesAndSavingIntoTheirFolders)
{
    Snippets s;
    s.macros("{who}=Ivan\r\n");
    const QString templates = s.host.programDir + "Engine/Templates/";
    writeAll(templates + "letter.txt", "Dear {who},\r\n");
    s.commands->openDialogHook = [&](const QString& folder) {
        EXPECT_EQ(folder, templates);
        return templates + "letter.txt";
    };
    s.host.run("mniNewFromTemplate");
    EXPECT_EQ(s.host.newDocuments, 1);
    EXPECT_EQ(s.host.ved.text, "Dear Ivan,");

    s.host.run("mniHTMLTemplate");
    EXPECT_TRUE(s.notes.last().contains("defaulthtml.htm"));
    writeAll(templates + "defaulthtml.htm", "<html>{who}</html>\r\n");
    s.host.ved.SetAllText("");
    s.host.run("mniHTMLTemplate");
    EXPECT_EQ(s.host.ved.text, "<html>{who}</html>");

    // A snippet keeps the typed name; the menu and the manager learn of it.
    s.host.record.SnippetsChanged = false;
    s.commands->saveDialogHook = [&](const QString& folder) {
        EXPECT_EQ(folder, s.host.partsDir + "Snippets/");
        return folder + "note";
    };
    s.host.run("mniSaveAsSnippet");
    EXPECT_EQ(s.host.savedAs, QStringList{s.host.partsDir + "Snippets/note"});
    EXPECT_TRUE(s.host.record.SnippetsChanged);

    // Overwriting asks; No leaves the file alone.
    s.commands->saveDialogHook = [&](const QString&) { return templates + "letter.txt"; };
    s.host.record.chfileext = false;
    s.host.confirmAnswer = false;
    s.host.run("mniSaveAsTemplate");
    EXPECT_EQ(s.host.savedAs.size(), 1);
    EXPECT_TRUE(s.host.questions.last().contains(templates + "letter.txt"));
}

TEST(SnippetCommands, MenuAndManagerMirrorTheFolderAndInsertByPath)
{
    Snippets s;
    s.snippet("Tags/R&D/deep", "deep one");
    s.snippet("Tags/bold", "<b>@@@</b>");
    s.snippet("Edit", "menu caption twin");
    QDir().mkpath(s.host.partsDir + "Snippets/Empty");
    QMenu& menu = s.host.menuOf("mniSnippets");
    s.host.refillMenu("mniSnippets");
    ASSERT_EQ(menu.actions().size(), 3);
    EXPECT_EQ(menu.actions()[0]->text(), "Empty");
    EXPECT_EQ(menu.actions()[0]->menu(), nullptr);
    QMenu* tags = menu.actions()[1]->menu();
    ASSERT_NE(tags, nullptr);
    EXPECT_EQ(tags->actions()[0]->text(), "R&&D");
    QMenu* rd = tags->actions()[0]->menu();
    ASSERT_NE(rd, nullptr);
    rd->actions()[0]->trigger();
    EXPECT_EQ(s.host.ved.text, "deep one");

    s.host.run("mniSniM");
    auto* manager = dynamic_cast<zuk::tools::ui::TfmSniM*>(s.host.existingToolWindow("fmSniM"));
    ASSERT_NE(manager, nullptr);
    manager->refreshIfChanged();
    EXPECT_FALSE(s.host.record.SnippetsChanged);
    QTreeWidget* tree = manager->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    QTreeWidgetItem* edit = tree->topLevelItem(2);
    EXPECT_EQ(edit->text(0), "Edit");
    s.host.ved.SetAllText("");
    manager->activate(edit, false);
    EXPECT_EQ(s.host.ved.text, "menu caption twin");
    QTreeWidgetItem* deep = tree->topLevelItem(1)->child(0)->child(0);
    manager->activate(deep, true);
    EXPECT_EQ(s.host.openedFiles, QStringList{s.host.partsDir + "Snippets/Tags/R&D/deep"});
    manager->toggleRollUp();
    EXPECT_TRUE(manager->rolledUp());
    EXPECT_EQ(manager->storedGeometry().height(), 300);
    s.host.run("mniSniM");
    EXPECT_FALSE(manager->isVisible());
}

} // namespace
