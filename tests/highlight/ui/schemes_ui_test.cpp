#include "editor/ui/editorfixture.h"

#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/csynman.h"
#include "highlight/ui/cmypar.h"
#include "highlight/ui/schemesupport.h"
#include "highlight/ui/tfmsyntax.h"
#include "io/tempfolder.h"

#include <Qsci/qsciscintilla.h>

#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace zuk::highlight;

namespace {

const std::string kProgram = std::string(ZUK_SOURCE_DIR) + "/data/";

int styleAt(zuk::editor::Ted* t, long pos)
{
    return static_cast<int>(t->control()->SendScintilla(QsciScintilla::SCI_GETSTYLEAT,
                                                        static_cast<unsigned long>(pos)));
}

void colouriseAll(zuk::editor::Ted* t)
{
    t->control()->SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
}

// Closes the next modal box and records its text.
void closeNextBox(QString* text)
{
    QTimer::singleShot(0, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->accept();
        }
    });
}

} // namespace

class SchemeUi : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        m_registry =
            std::make_unique<CSynMan>(kProgram + "Engine/Parts/Syntax/syntax.ini", kProgram);
        ui::installSchemeHooks(*m_editor, *m_registry, m_styles, [] { return true; });
        ui::fillSyntaxBox(m_box.get(), m_registry.get());
    }

    std::unique_ptr<CSynMan> m_registry;
    CMyTextStyles m_styles;
};

TEST_F(SchemeUi, OpeningFilesChoosesTheHighlighterAndTheListFollows)
{
    struct Case {
        const char* file;
        const char* shown;
    } cases[] = {
        {"a.htm", "HTML"},       {"a.HTML", "HTML"},     {"report.PAS", "Delphi"},
        {"a.pp", "Delphi"},      {"a.dpr", "Delphi"},    {"a.cpp", "C++"},
        {"x.h", "C++"},          {"a.c", "C"},           {"script.PL", "Perl"},
        {"a.js", "Java Script"}, {"a.vbs", "VB Script"}, {"a.sql", "SQL"},
        {"m.F90", "Fortran"},    {"m.py", "Python"},     {"m.lua", "Lua"},
        {"m.bas", "Basic"},      {"run.cmd", "Batch"},   {"setup.iss", "Inno Setup"},
        {"x.sh", "Shell"},       {"x.tcl", "Tcl"},       {"w.xyz", "No"},
        {"README", "No"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        newDocument();
        m_editor->LoadText(c.file, "begin\r\n");
        EXPECT_EQ(m_box->currentText(), QString::fromUtf8(c.shown));
        EXPECT_EQ(m_editor->activeDocument()->hasHighlighter(), std::string(c.shown) != "No");
    }
    EXPECT_EQ(m_box->itemText(m_box->count() - 1), "No");
    EXPECT_EQ(m_box->count(), static_cast<int>(8 + m_registry->Items.size() + 1));
}

TEST_F(SchemeUi, KeywordsCaseRuleAndNumberRuleOfTheScheme)
{
    zuk::editor::Ted* t = newDocument();
    // Fortran: a header scheme without case.
    m_editor->LoadText("m.f90", "PROGRAM x 0x1F 10L\r\n! note\r\n");
    auto* par = dynamic_cast<CMyPar*>(t->schemeLexer());
    ASSERT_NE(par, nullptr);
    EXPECT_EQ(par->Header.Name, "Fortran");
    colouriseAll(t);
    EXPECT_EQ(styleAt(t, 0), StyleKeyword);
    EXPECT_EQ(styleAt(t, 8), StyleIdentifier);
    EXPECT_EQ(styleAt(t, 10), StyleNumber); // 0 of 0x1F
    EXPECT_EQ(styleAt(t, 11), StyleIdentifier);
    EXPECT_EQ(styleAt(t, 16), StyleNumber);
    EXPECT_EQ(styleAt(t, 17), StyleIdentifier); // L of 10L

    // Python is case-sensitive; the same CMyPar is reused.
    m_editor->SetSyntax("Python");
    EXPECT_EQ(t->schemeLexer(), par);
    t->putWorkText("If if\r\n");
    colouriseAll(t);
    EXPECT_EQ(styleAt(t, 0), StyleIdentifier);
    EXPECT_EQ(styleAt(t, 3), StyleKeyword);
    m_editor->ShowSyntaxName();
    EXPECT_EQ(m_box->currentText(), "Python");

    // A keyword-list scheme ignores case; the number rule stays plain decimal.
    m_editor->SetSyntax("Tcl");
    t->putWorkText("PROC p 0x1F\r\n");
    colouriseAll(t);
    EXPECT_EQ(styleAt(t, 0), StyleKeyword);
    EXPECT_EQ(styleAt(t, 8), StyleIdentifier);
}

TEST_F(SchemeUi, ANewSchemeRestylesTextAlreadyStyled)
{
    zuk::editor::Ted* t = newDocument();
    m_editor->LoadText("m.f90", "PROGRAM if\r\n");
    colouriseAll(t);
    EXPECT_EQ(styleAt(t, 0), StyleKeyword);
    EXPECT_EQ(styleAt(t, 8), StyleKeyword);
    m_editor->SetSyntax("Python");
    colouriseAll(t);
    EXPECT_EQ(styleAt(t, 0), StyleIdentifier);
    EXPECT_EQ(styleAt(t, 8), StyleKeyword);
}

TEST_F(SchemeUi, BrokenMissingAndUnregisteredSchemesLeaveTheDocumentAlone)
{
    zuk::testing::TempFolder dir;
    dir.write("broken.txt", "/L10\"B\" File\r\nx\r\nkw\r\n");
    dir.write("moved.txt", "/L10\"M\"\r\nx\r\nmovedkw\r\n");
    m_registry->Items.push_back({"brk", "Broken", dir.file("broken.txt")});
    m_registry->Items.push_back({"mov", "Moved", dir.file("moved.txt")});

    zuk::editor::Ted* t = newDocument();
    m_editor->LoadText("m.py", "def x\r\n");
    QsciLexer* before = t->highlighter();
    QString warning;
    closeNextBox(&warning);
    m_editor->SetSyntax("Broken");
    EXPECT_EQ(warning.toStdString(), schemeParseWarning(true));
    EXPECT_EQ(t->highlighter(), before);
    EXPECT_EQ(t->syntaxName(), "Python");

    m_settings.Lang = "English";
    closeNextBox(&warning);
    EXPECT_FALSE(ui::ApplyScheme(t, *m_registry, "Broken", nullptr, false));
    EXPECT_EQ(warning.toStdString(), schemeParseWarning(false));

    // A moved file keeps the keywords the highlighter had.
    EXPECT_TRUE(ui::ApplyScheme(t, *m_registry, "Moved", nullptr, true));
    std::filesystem::remove(dir.file("moved.txt"));
    EXPECT_TRUE(ui::ApplyScheme(t, *m_registry, "Moved", nullptr, true));
    auto* par = dynamic_cast<CMyPar*>(t->schemeLexer());
    ASSERT_NE(par, nullptr);
    EXPECT_TRUE(par->keywordSet().contains("movedkw"));

    EXPECT_FALSE(ui::ApplyScheme(t, *m_registry, "Gone", nullptr, true));
    EXPECT_EQ(t->syntaxName(), "Moved");

    // A fresh document given a moved scheme has the C keywords.
    zuk::editor::Ted* fresh = newDocument();
    EXPECT_TRUE(ui::ApplyScheme(fresh, *m_registry, "Moved", nullptr, true));
    EXPECT_TRUE(dynamic_cast<CMyPar*>(fresh->schemeLexer())->keywordSet().contains("while"));
}

TEST_F(SchemeUi, TextStylesReachTheSchemeStyles)
{
    m_styles.Styles[TsReservedWords].FColor = 0x0000FF; // red
    m_styles.Styles[TsReservedWords].Bold = true;
    zuk::editor::Ted* t = newDocument();
    m_editor->LoadText("m.lua", "local x\r\n");
    m_editor->ApplyTextStyles();
    QsciLexer* lexer = t->highlighter();
    ASSERT_NE(lexer, nullptr);
    EXPECT_EQ(lexer->color(StyleKeyword), QColor(255, 0, 0));
    EXPECT_TRUE(lexer->font(StyleKeyword).bold());
    EXPECT_EQ(lexer->color(StyleNumber), QColor(0, 128, 0));
}

TEST_F(SchemeUi, LargeFileStaysResponsive)
{
    std::string text;
    const std::string block =
        "/* block\r\n comment */ int main(void) { return 0x1F + 10L; } // tail\r\n"
        "#define X 1\r\nchar* s = \"string \\\" here\";\r\n";
    while (text.size() < 2u * 1024 * 1024)
        text += block;
    zuk::editor::Ted* t = newDocument();
    m_editor->LoadText("big.py", text);
    ASSERT_NE(dynamic_cast<CMyPar*>(t->schemeLexer()), nullptr);

    colouriseAll(t);
    const long last = t->control()->SendScintilla(QsciScintilla::SCI_GETLENGTH) - 3;
    EXPECT_EQ(styleAt(t, last), StyleString);

    // A keystroke at the top restyles only what is needed to show it.
    for (int i = 0; i < 20; ++i) {
        t->control()->SendScintilla(QsciScintilla::SCI_INSERTTEXT, 0UL, "x");
        t->control()->repaint();
        QApplication::processEvents();
    }
    const long styled = t->control()->SendScintilla(QsciScintilla::SCI_GETENDSTYLED);
    EXPECT_LT(styled, static_cast<long>(text.size() / 4)); // far from a whole-text restyle
}

TEST(SchemeDialog, HeaderFileFillsNameAndExtensions)
{
    TfmSyntax dialog;
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Параметрыыы"));
    dialog.setItem({"a b", "\xCC\xEE\xE9", "/none"});
    EXPECT_EQ(dialog.edSynCapt()->text(), QString::fromUtf8("Мой"));
    dialog.edSynFile()->setText(
        QString::fromStdString(kProgram + "Engine/Parts/Syntax/fortran.txt"));
    EXPECT_EQ(dialog.edSynCapt()->text(), "Fortran");
    EXPECT_EQ(dialog.edSynExt()->text(), "F F77 F90 F95 FOR FTN");
    // A file without the header marker leaves the fields.
    dialog.edSynFile()->setText(QString::fromStdString(kProgram + "Engine/Parts/Syntax/tcl.kwd"));
    EXPECT_EQ(dialog.edSynCapt()->text(), "Fortran");
    const RSynItem item = dialog.item();
    EXPECT_EQ(item.Name, "Fortran");
    EXPECT_EQ(item.FileName, kProgram + "Engine/Parts/Syntax/tcl.kwd");
    EXPECT_TRUE(dialog.btOk()->text().startsWith(QLatin1Char('O')));
}

TEST(ColorStylesMenu, ItemsInSchemeColoursChooseTheLastOfTheirName)
{
    CFontCOlors schemes;
    CColorStyle a;
    a.Name = "Night";
    a.BackColor = 0;
    CColorStyle b = a;
    b.FontColor = 255;
    CColorStyle c;
    c.Name = "Day&Night";
    schemes.Schemes = {a, c, b};
    QMenu menu;
    std::vector<int> chosen;
    ui::fillColorStylesMenu(&menu, schemes,
                            [&](const CColorStyle& s) { chosen.push_back(s.FontColor); });
    ASSERT_EQ(menu.actions().size(), 3);
    EXPECT_EQ(menu.actions()[1]->text(), "Day&Night");
    menu.actions()[0]->trigger();
    EXPECT_EQ(chosen, std::vector<int>{255});
    ui::fillColorStylesMenu(&menu, schemes, {});
    EXPECT_EQ(menu.actions().size(), 6); // the host takes the earlier items away
}

TEST_F(SchemeUi, ListChoiceOfASchemeNoLongerRegisteredRefillsTheList)
{
    zuk::editor::Ted* t = newDocument();
    m_editor->LoadText("m.lua", "x\r\n");
    ui::cbSyntaxChange(*m_editor, *m_registry, m_box.get(), "SQL");
    EXPECT_EQ(t->syntaxName(), "SqlParser1");
    EXPECT_EQ(m_box->currentText(), "SQL");
    ui::cbSyntaxChange(*m_editor, *m_registry, m_box.get(), "No");
    EXPECT_FALSE(t->hasHighlighter());
    ui::cbSyntaxChange(*m_editor, *m_registry, m_box.get(), "Fortran");
    EXPECT_EQ(t->syntaxName(), "Fortran");

    m_registry->DeleteScheme("Python");
    ASSERT_GE(m_box->findText("Python"), 0);
    ui::cbSyntaxChange(*m_editor, *m_registry, m_box.get(), "Python");
    EXPECT_EQ(m_box->findText("Python"), -1);
    EXPECT_EQ(t->syntaxName(), "Fortran");
    EXPECT_EQ(m_box->currentText(), "Fortran");

    // While the program sets the list, a change does nothing.
    m_settings.HighlightListUpdating = true;
    ui::cbSyntaxChange(*m_editor, *m_registry, m_box.get(), "No");
    m_settings.HighlightListUpdating = false;
    EXPECT_TRUE(t->hasHighlighter());
}
