// The external programs, snippets and templates on the real main window.

#include "app/ui/mainmenu.h"
#include "app/ui/toolrow.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "html/ui/gallery.h"
#include "html/ui/htmltestsupport.h"
#include "html/ui/tfmthumboptions.h"
#include "support/ui/mainformfixture.h"
#include "tools/ui/cfunx.h"
#include "tools/ui/toolscommands.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;

namespace {

TEST(ToolsOnTheMainWindow, ProgramsMenuCommandBoxAndCompilersFileWrittenBack)
{
    MainFormFixture f;
    f.seed("Engine/Parts/compilers.txt", "Upper=tr a-z A-Z <@input_file >@output_file @dosapp "
                                         "@selected_block @select_all\r\n");
    zuk::app::ui::TMainForm& form = f.start();
    QMenu* programs = form.mainMenu().menu("mniCompilers");
    ASSERT_NE(programs, nullptr);
    form.refillMenu("mniCompilers");
    ASSERT_GE(programs->actions().size(), 1);
    EXPECT_EQ(programs->actions()[0]->text(), "Upper");

    form.NewFile();
    form.editor().SetAllText("abc\r\n");
    f.seed("doc.txt", "abc\r\n");
    // A document with a file: block mode runs in its folder.
    form.editor().SetFileName((f.home() + "doc.txt").toStdString());
    form.editor().SetHasFile(true);
    programs->actions()[0]->trigger();
    EXPECT_EQ(form.editor().GetAllText(), "ABC\r\n");
    form.editor().Undo();
    EXPECT_EQ(form.editor().GetAllText(), "abc\r\n");

    EXPECT_TRUE(form.toolRow().btRun()->isEnabled());
    form.toolRow().edRun()->setEditText("##stringcount B");
    QTest::keyClick(form.toolRow().edRun()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form.toolRow().edRun()->itemText(0), "##stringcount B");
    EXPECT_TRUE(form.consoleVisible());

    zuk::tools::ui::externalPrograms(form)->programs().add({"wc", "wc @"});
    form.editor().SetModified(false);
    form.confirmHook = [](const QString&) { return true; };
    EXPECT_TRUE(form.close());
    EXPECT_EQ(f.read("Engine/Parts/compilers.txt"),
              "Upper=tr a-z A-Z <@input_file >@output_file @dosapp @selected_block "
              "@select_all\r\nwc=wc @\r\n");
}

TEST(ToolsOnTheMainWindow, CodeTemplatesExpandWithCtrlJOnlyWhenASetIsChosen)
{
    MainFormFixture f;
    zuk::app::ui::TMainForm& form = f.start();
    form.NewFile();
    zuk::editor::CdreamEditor& ed = form.editor();
    ed.SetAllText("  ifb");
    ed.SetSelection(5, 5);
    QWidget* control = ed.activeDocument()->control();
    QTest::keyClick(control, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(ed.GetAllText(), "  ifb\r\n"); // a new document has the set None
    QComboBox* sets = form.toolRow().cbTemplates();
    EXPECT_EQ(sets->currentText(), "None");
    sets->setCurrentText("Delphi");
    emit sets->activated(sets->currentIndex());
    ed.SetSelection(5, 5);
    QTest::keyClick(control, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(ed.GetAllText(), "  if  then\r\n  begin\r\n\r\n  end;\r\n");
    EXPECT_EQ(ed.GetCaretPos(), 5);
    form.editor().SetModified(false);
}

TEST(ToolsOnTheMainWindow, TheGalleryPagePassesThroughTheMacrosOfTheMacroFile)
{
    MainFormFixture f;
    f.seed("Engine/Parts/makros.txt", "GALNAME=Holidays\r\n");
    f.seed("Engine/Parts/defgaltemplate.htm", "<h1>GALNAME</h1>\r\n$%PROCESSED_TEXT\r\n");
    zuk::app::ui::TMainForm& form = f.start();
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(f.home() + "a.png", "png"));
    ASSERT_TRUE(picture.save(f.home() + "b.png", "png"));
    auto answer = zuk::test::onModal<zuk::html::ui::TfmThumbOptions>(
        [](zuk::html::ui::TfmThumbOptions* d) { d->findChild<QPushButton*>("btOK")->click(); });
    ASSERT_TRUE(zuk::html::ui::makeGallery(form, {"a.png", "b.png"}, f.home()));
    EXPECT_EQ(f.read("gallery.htm").rfind("<h1>Holidays</h1>\r\n<table>", 0), 0u)
        << f.read("gallery.htm");
}

} // namespace
