#include "editor/ui/editorfixture.h"

#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/csynman.h"
#include "highlight/ui/cmypar.h"
#include "highlight/ui/schemesupport.h"
#include "highlight/ui/tfmsyntax.h"
#include "io/tempfolder.h"
#include "support/ui/fakehost.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

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
        ui::installSchemeHooks(*m_editor, *m_registry, m_styles, m_texts);
        ui::fillSyntaxBox(m_box.get(), m_registry.get());
    }

    std::unique_ptr<CSynMan> m_registry;
    CMyTextStyles m_styles;
    zuk::app::TextService m_texts;
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
    EXPECT_EQ(warning, QString::fromUtf8("Черт подери! Access  Violation, не могу разобрать этот "
                                         "файл! \r\nВыберите другой!"));
    EXPECT_EQ(t->highlighter(), before);
    EXPECT_EQ(t->syntaxName(), "Python");

    // English words it from the shipped file; a language whose file predates
    // the warning's keys gets the English words too.
    const QString english =
        QStringLiteral("Damn it! Access  Violation! I cannot parse this file :( \r\n"
                       "Try to choose another one...");
    ASSERT_TRUE(m_texts.open(kProgram + "Engine/Parts/", "English"));
    closeNextBox(&warning);
    EXPECT_FALSE(ui::ApplyScheme(t, *m_registry, "Broken", nullptr, m_texts));
    EXPECT_EQ(warning, english);
    dir.write("lang/Deutsch", "[MainForm]\r\nmniFileNew=Neu\r\n");
    ASSERT_TRUE(m_texts.open(dir.path(), "Deutsch"));
    EXPECT_EQ(ui::schemeParseWarning(m_texts), english);
    dir.write("lang/Deutsch", "[MainForm]\r\nsChooseAnotherSchemeFile=Eine andere!\r\n");
    ASSERT_TRUE(m_texts.open(dir.path(), "Deutsch"));
    EXPECT_TRUE(ui::schemeParseWarning(m_texts).endsWith(QStringLiteral(" \r\nEine andere!")));
    m_texts.close();

    // A moved file keeps the keywords the highlighter had.
    EXPECT_TRUE(ui::ApplyScheme(t, *m_registry, "Moved", nullptr, m_texts));
    std::filesystem::remove(dir.file("moved.txt"));
    EXPECT_TRUE(ui::ApplyScheme(t, *m_registry, "Moved", nullptr, m_texts));
    auto* par = dynamic_cast<CMyPar*>(t->schemeLexer());
    ASSERT_NE(par, nullptr);
    EXPECT_TRUE(par->keywordSet().contains("movedkw"));

    EXPECT_FALSE(ui::ApplyScheme(t, *m_registry, "Gone", nullptr, m_texts));
    EXPECT_EQ(t->syntaxName(), "Moved");

    // A fresh document given a moved scheme has the C keywords.
    zuk::editor::Ted* fresh = newDocument();
    EXPECT_TRUE(ui::ApplyScheme(fresh, *m_registry, "Moved", nullptr, m_texts));
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
    zuk::test::FakeHost host;
    TfmSyntax dialog(host);
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
}

namespace {

// Every text a user can read in a window: its title, and the text and tool
// tip of every label, button and line edit placeholder in it.
QStringList visibleTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        if (auto* e = qobject_cast<QLineEdit*>(w))
            texts << e->placeholderText();
    }
    texts.removeAll(QString());
    return texts;
}

bool hasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

} // namespace

TEST(SchemeDialog, TextsComeFromTheTableInTheCurrentLanguage)
{
    zuk::test::FakeHost host;
    {
        TfmSyntax dialog(host);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Параметрыыы"));
        const auto* ext = dialog.findChild<QLabel*>(QStringLiteral("lSynExt"));
        ASSERT_NE(ext, nullptr);
        EXPECT_EQ(ext->text(), QString::fromUtf8("Расширение файла (без точки!)"));
        EXPECT_EQ(ext->buddy(), dialog.edSynExt());
        EXPECT_EQ(dialog.btOk()->text(), QString::fromUtf8("Oкэй-окэээй!"));
        EXPECT_EQ(dialog.btOk()->text().front(), QLatin1Char('O')); // the Latin letter
        const auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("btCancel"));
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), "Cancel");

        // A change of language reaches a dialog that is open.
        ASSERT_TRUE(host.textService.open(kProgram + "Engine/Parts/", "English"));
        host.localiseAll();
        EXPECT_EQ(dialog.windowTitle(), "Parameters");
        EXPECT_EQ(ext->text(), "File extension (without the dot!)");
        for (const QString& text : visibleTexts(&dialog))
            EXPECT_FALSE(hasCyrillic(text)) << text.toStdString();
    }
    // One made while English is chosen has nothing Russian either.
    TfmSyntax dialog(host);
    const QStringList texts = visibleTexts(&dialog);
    EXPECT_GE(texts.size(), 7); // title, three labels, two buttons, a hint
    for (const QString& text : texts)
        EXPECT_FALSE(hasCyrillic(text)) << text.toStdString();
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
