#include "editorfixture.h"

#include <QFile>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <Qsci/qscilexersql.h>

#include <sstream>

#include "base/zukerror.h"
#include "editor/doctext.h"

using namespace zuk::editor;

namespace {
std::string allBytesLine()
{
    std::string s;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            s += static_cast<char>(b);
    return s;
}
} // namespace

TEST_F(EditorFixture, NewDocumentIsOneBlankLineNamedByTheCounter)
{
    m_settings.UntitledCounter = 5;
    Ted* t = newDocument();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(m_editor->GetAllText(), " \r\n");
    EXPECT_EQ(m_editor->GetFileName(), "untitled5");
    EXPECT_EQ(t->windowTitle(), QStringLiteral("untitled5"));
    EXPECT_FALSE(m_editor->HasFile());
    EXPECT_EQ(m_editor->HasFileRaw(), 0);
    EXPECT_FALSE(m_editor->GetModified());
    EXPECT_EQ(m_editor->GetCharset(), "win");
    EXPECT_EQ(m_panels[1], QStringLiteral("Windows"));
    EXPECT_EQ(m_panels[0], QStringLiteral("1: 1"));
    EXPECT_EQ(m_editor->DocumentCount(), 1);
}

TEST_F(EditorFixture, WorkTextIsTheWholeTextOrTheSelection)
{
    Ted* t = newDocument();
    m_editor->SetAllText("ab\ncd\r");
    EXPECT_EQ(m_editor->GetAllText(), "ab\r\ncd\r\n");
    EXPECT_TRUE(m_editor->SelEmpty());
    EXPECT_EQ(m_editor->GetWorkText(), "ab\r\ncd\r\n");
    EXPECT_EQ(m_editor->GetSelText(), "");

    t->control()->setSelection(0, 1, 0, 2);
    EXPECT_EQ(m_editor->GetWorkText(), "b");
    t->control()->setSelection(0, 1, 1, 1);
    EXPECT_EQ(m_editor->GetSelText(), "b\r\nc");
    EXPECT_EQ(m_editor->GetSelLines(), (LineList{"b", "c"}));
    m_editor->PutWorkText("XY");
    EXPECT_EQ(m_editor->GetAllText(), "aXYd\r\n");

    // A column block: its pieces joined by CR LF, no final break.
    m_editor->SetAllText("abc\r\ndef\r\nghi");
    auto* c = t->control();
    c->SendScintilla(QsciScintilla::SCI_SETRECTANGULARSELECTIONANCHOR, 1UL);
    c->SendScintilla(QsciScintilla::SCI_SETRECTANGULARSELECTIONCARET, 12UL);
    EXPECT_EQ(m_editor->GetSelText(), "b\r\ne\r\nh");
    EXPECT_EQ(m_editor->GetSelLines(), (LineList{"b", "e", "h"}));

    t->control()->setCursorPosition(0, 0);
    m_editor->PutWorkText("");
    EXPECT_EQ(m_editor->GetAllText(), "");
    EXPECT_EQ(m_editor->GetLines(), LineList{});
}

TEST_F(EditorFixture, EveryByteSurvivesEveryCodePage)
{
    newDocument();
    const std::string line = allBytesLine();
    const std::string whole = line + "\r\n\t" + line + "\r\n";
    for (const char* cp : {"win", "dos", "koi"}) {
        m_editor->SetCharset(cp);
        m_editor->SetAllText(whole);
        EXPECT_EQ(m_editor->GetAllText(), whole) << cp;
        // Switching the code page changes glyphs only.
        for (const char* other : {"dos", "koi", "win"}) {
            m_editor->SetCharset(other);
            EXPECT_EQ(m_editor->GetAllText(), whole) << cp << " -> " << other;
        }
    }
    m_editor->SetCharset("dos");
    EXPECT_EQ(m_panels[1], QStringLiteral("DOS"));
    EXPECT_EQ(m_editor->GetFontName(), m_settings.FontDOS);
    m_editor->SetCharset("koi");
    EXPECT_EQ(m_panels[1], QStringLiteral("KOI8 R"));
    m_editor->SetCharset("mac");
    EXPECT_EQ(m_panels[1], QString());
    EXPECT_EQ(m_editor->GetAllText(), whole);
}

TEST_F(EditorFixture, CodePageDecidesTheGlyphsOfTheSameBytes)
{
    Ted* t = newDocument();
    m_editor->SetAllText("\xD1");
    EXPECT_EQ(t->control()->text(), QString::fromUtf8("С"));
    m_editor->SetCharset("koi");
    EXPECT_EQ(t->control()->text(), QString::fromUtf8("я"));
    m_editor->SetCharset("dos");
    EXPECT_EQ(t->control()->text(), QString::fromUtf8("╤"));
    EXPECT_EQ(m_editor->GetAllText(), "\xD1\r\n");
}

// A conversion writes the bytes of the new code page and switches to it; one
// undo takes both back, one redo replays both.
TEST_F(EditorFixture, AConversionIsOneUndoStepOfBytesAndCodePage)
{
    Ted* t = newDocument();
    m_editor->SetAllText("");
    type(QString::fromUtf8("я"));                         // an earlier edit, in win
    const std::string win = "\xFF\r\n", koi = "\xD1\r\n"; // я in each code page
    ASSERT_EQ(m_editor->GetAllText(), win);
    {
        CVed::EditGroup group(*m_editor);
        m_editor->SetAllText(koi);
        m_editor->SetCharsetUndoable("koi");
    }
    EXPECT_EQ(m_editor->GetAllText(), koi);
    EXPECT_EQ(m_editor->GetCharset(), "koi");
    EXPECT_EQ(t->control()->text(), QString::fromUtf8("я"));
    EXPECT_EQ(m_panels[1], QStringLiteral("KOI8 R"));

    m_editor->Undo();
    EXPECT_EQ(m_editor->GetAllText(), win);
    EXPECT_EQ(m_editor->GetCharset(), "win");
    EXPECT_EQ(t->control()->text(), QString::fromUtf8("я"));
    EXPECT_EQ(m_panels[1], QStringLiteral("Windows"));
    EXPECT_EQ(m_editor->GetFontName(), m_settings.FontWIN);

    m_editor->Redo();
    EXPECT_EQ(m_editor->GetAllText(), koi);
    EXPECT_EQ(m_editor->GetCharset(), "koi");
    EXPECT_EQ(t->control()->text(), QString::fromUtf8("я"));
    // Typing goes on in the code page of the bytes.
    t->control()->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    type(QString::fromUtf8("ж"));
    EXPECT_EQ(m_editor->GetAllText(), "\xD1\xD6\r\n");
    m_editor->Undo();

    m_editor->Undo();
    EXPECT_EQ(m_editor->GetCharset(), "win");
    t->control()->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    type(QString::fromUtf8("ж"));
    EXPECT_EQ(m_editor->GetAllText(), "\xFF\xE6\r\n");
    m_editor->Undo();

    // Undoing past the conversion reaches the edits made before it.
    m_editor->Undo();
    EXPECT_EQ(m_editor->GetAllText(), "");
    EXPECT_EQ(m_editor->GetCharset(), "win");

    // A big document does not announce its text changes one by one; the
    // code page still follows undo and redo.
    std::string big;
    while (big.size() < 5 * 1024 * 1024)
        big += "\xFF\xE6 line of text\r\n";
    m_editor->SetAllText(big);
    ASSERT_TRUE(t->control()->quietText());
    {
        CVed::EditGroup group(*m_editor);
        m_editor->SetAllText(big); // the bytes stand for the conversion here
        m_editor->SetCharsetUndoable("dos");
    }
    m_editor->Undo();
    EXPECT_EQ(m_editor->GetCharset(), "win");
    m_editor->Redo();
    EXPECT_EQ(m_editor->GetCharset(), "dos");
    EXPECT_EQ(m_editor->GetAllText(), big);
    m_editor->SetCharset("win");

    // A plain SetCharset still only relabels, and forgets the history.
    m_editor->SetAllText(win);
    m_editor->SetCharset("dos");
    EXPECT_EQ(m_editor->GetAllText(), win);
    m_editor->Undo();
    EXPECT_EQ(m_editor->GetAllText(), win);
    EXPECT_EQ(m_editor->GetCharset(), "dos");
}

TEST_F(EditorFixture, ALongTextLoadsAndComesBackExactly)
{
    newDocument();
    std::string text;
    const std::string line = "0123456789 \xE0\xE1\xE2 abcdefghijklmnopqrstuvwxyz\r\n";
    while (text.size() < 8 * 1024 * 1024)
        text += line;
    text += std::string(200000, 'x') + "\r\n"; // one very long line
    m_editor->LoadText("/tmp/big.txt", text);
    EXPECT_EQ(m_editor->GetAllText(), text);
}

TEST_F(EditorFixture, LoadTextChoosesTheHighlighterByExtension)
{
    struct Case {
        const char* file;
        const char* shown;
        const char* stored;
    };
    const Case cases[] = {
        {"/d/report.PAS", "Delphi", "DelphiParser1"},
        {"/d/x.h", "C++", "CPPParser1"},
        {"/d/y.pl", "Perl", "PerlParser1"},
        {"/d/a.vbs", "VB Script", "VBScriptParser1"},
        {"/d/w.xyz", "No", nullptr},
    };
    for (const Case& c : cases) {
        Ted* t = newDocument();
        m_editor->LoadText(c.file, "text\r\n");
        EXPECT_TRUE(m_editor->HasFile());
        EXPECT_EQ(m_editor->GetFileName(), c.file);
        EXPECT_EQ(m_box->currentText(), QString::fromLatin1(c.shown)) << c.file;
        EXPECT_EQ(t->hasHighlighter(), c.stored != nullptr) << c.file;
        if (c.stored) {
            EXPECT_EQ(t->syntaxName(), c.stored);
        }
        EXPECT_FALSE(m_settings.HighlightListUpdating);
    }
}

TEST_F(EditorFixture, SchemesAreTriedWhenNoBuiltInHighlighterMatches)
{
    std::vector<std::string> asked;
    m_editor->schemeForExtension = [&asked](const std::string& ext) {
        asked.push_back(ext);
        return ext == "txt" || ext == "log" ? std::string("MyScheme") : std::string();
    };
    m_editor->applyScheme = [](Ted* t, const std::string& name) {
        if (name != "MyScheme")
            return false;
        t->setSchemeLexer(t->schemeLexer() ? t->schemeLexer() : new QsciLexerSQL, name);
        return true;
    };
    Ted* t = newDocument();
    m_editor->LoadText("/d/z.TXT", "x\r\n");
    EXPECT_EQ(asked, std::vector<std::string>{"txt"});
    EXPECT_EQ(t->syntaxName(), "MyScheme");
    EXPECT_EQ(m_box->currentText(), QStringLiteral("MyScheme"));

    m_editor->SetSyntax("No");
    m_editor->ShowSyntaxName();
    EXPECT_EQ(m_box->currentText(), QStringLiteral("No"));
    EXPECT_EQ(t->syntaxName(), "MyScheme"); // "No" keeps the stored name

    m_editor->SetSyntax("SQL");
    EXPECT_EQ(t->syntaxName(), "SqlParser1");
    m_editor->SetSyntax("MyScheme");
    EXPECT_EQ(t->syntaxName(), "MyScheme");
    m_editor->SetSyntax("Unknown"); // no such scheme: nothing changes
    EXPECT_EQ(t->syntaxName(), "MyScheme");
}

TEST_F(EditorFixture, StatusKindsReachTheirTargetsAndOthersDoNothing)
{
    newDocument();
    m_tabs.clear();
    bool updatingSeen = false;
    QObject::connect(m_box.get(), &QComboBox::currentIndexChanged,
                     [&] { updatingSeen = m_settings.HighlightListUpdating; });
    const QString p0 = m_panels[0], p1 = m_panels[1];
    const int boxIndex = m_box->currentIndex();

    m_editor->ShowStatus(12, "ignored");
    EXPECT_EQ(m_panels[0], p0);
    EXPECT_EQ(m_panels[1], p1);
    EXPECT_TRUE(m_tabs.empty());
    EXPECT_EQ(m_box->currentIndex(), boxIndex);

    m_editor->ShowStatus(13, "KOI8 R");
    EXPECT_EQ(m_panels[1], QStringLiteral("KOI8 R"));
    m_editor->ShowStatus(14, "/a/b.txt");
    EXPECT_EQ(m_tabs, std::vector<std::string>{"/a/b.txt"});
    m_editor->ShowStatus(15, "3: 4");
    EXPECT_EQ(m_panels[0], QStringLiteral("3: 4"));
    m_editor->ShowStatus(16, "Perl");
    EXPECT_EQ(m_box->currentText(), QStringLiteral("Perl"));
    EXPECT_TRUE(updatingSeen);
    EXPECT_FALSE(m_settings.HighlightListUpdating);
    m_editor->ShowStatus(16, "Nothing like it");
    EXPECT_EQ(m_box->currentIndex(), -1);
}

TEST_F(EditorFixture, ScrollingIsClamped)
{
    newDocument();
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    m_editor->SetAllText(text);
    EXPECT_EQ(m_editor->ScrollVert(-5), 0);
    EXPECT_EQ(m_editor->ScrollLineDown(), 1);
    EXPECT_EQ(m_editor->ScrollLineUp(), 0);
    const int bottom = m_editor->ScrollVert(100000);
    EXPECT_GT(bottom, 0);
    EXPECT_LE(bottom, 299);
    EXPECT_EQ(m_editor->ScrollVert(10), bottom);
    EXPECT_EQ(m_editor->GetTopLine(), bottom);
    EXPECT_EQ(m_editor->GetTopLine2(), bottom);
    EXPECT_EQ(m_editor->ScrollHorz(-3), 0);
    EXPECT_EQ(m_editor->ScrollBy(-1, -100000), 0);
    EXPECT_EQ(m_editor->GetTopLine(), 0);
}

TEST_F(EditorFixture, InsertAtCaretFillsBlanksBeyondTheLineEnd)
{
    Ted* t = newDocument();
    m_editor->SetAllText("ab\r\ncd");
    EXPECT_FALSE(m_editor->InsertAtCaret(""));
    auto* c = t->control();
    c->SendScintilla(QsciScintilla::SCI_SETVIRTUALSPACEOPTIONS, QsciScintilla::SCVS_USERACCESSIBLE);
    c->SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, 2UL);
    c->SendScintilla(QsciScintilla::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0UL, 3L);
    c->SendScintilla(QsciScintilla::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0UL, 3L);
    EXPECT_TRUE(m_editor->InsertAtCaret("x"));
    EXPECT_EQ(m_editor->GetAllText(), "ab   x\r\ncd\r\n");
    EXPECT_TRUE(m_editor->InsertAtCaret("\xFF"));
    EXPECT_EQ(m_editor->GetAllText(), "ab   x\xFF\r\ncd\r\n");
}

TEST_F(EditorFixture, LineInsertionIsOneUndoStepAndKeepsBreaks)
{
    Ted* t = newDocument();
    m_editor->LoadText("/d/a.txt", "first\r\nlast\r\n");
    t->control()->setCursorPosition(1, 0);
    m_editor->InsertLines({"1", "2", "3"});
    EXPECT_EQ(m_editor->GetAllText(), "first\r\n1\r\n2\r\n3last\r\n");
    m_editor->Undo();
    EXPECT_EQ(m_editor->GetAllText(), "first\r\nlast\r\n");

    // A selection that ends with its break writes it back through the line list.
    t->control()->setSelection(0, 0, 1, 0);
    const LineList lines = m_editor->GetSelLines();
    EXPECT_EQ(lines, (LineList{"first", ""}));
    m_editor->ReplaceWithLines({"FIRST", ""});
    EXPECT_EQ(m_editor->GetAllText(), "FIRST\r\nlast\r\n");
    m_editor->Undo();
    EXPECT_EQ(m_editor->GetAllText(), "first\r\nlast\r\n");

    // Nothing selected: the whole text is replaced.
    t->control()->setCursorPosition(0, 0);
    m_editor->ReplaceWithLines({"x", "y"});
    EXPECT_EQ(m_editor->GetAllText(), "x\r\ny\r\n");
    t->control()->setCursorPosition(1, 1);
    m_editor->InsertTextAsLines("p\nq");
    EXPECT_EQ(m_editor->GetAllText(), "x\r\nyp\r\nq\r\n");
}

TEST_F(EditorFixture, StreamLoadingResetsCaretAndModifiedFlag)
{
    newDocument();
    m_editor->SetModified(true);
    EXPECT_TRUE(m_editor->GetModified());
    std::istringstream in("one\ntwo");
    m_editor->LoadFromStream(in);
    EXPECT_EQ(m_editor->GetAllText(), "one\r\ntwo\r\n");
    EXPECT_FALSE(m_editor->GetModified());
    m_editor->ExecCommand("pressenter");
    EXPECT_EQ(m_editor->GetAllText(), "\r\none\r\ntwo\r\n");
    m_editor->ExecCommand("other");
    EXPECT_EQ(m_editor->GetAllText(), "\r\none\r\ntwo\r\n");
}

TEST_F(EditorFixture, DocumentIndexesFollowActivation)
{
    m_settings.UntitledCounter = 1;
    Ted* a = newDocument();
    m_settings.UntitledCounter = 2;
    Ted* b = newDocument();
    EXPECT_EQ(m_editor->activeDocument(), b);
    EXPECT_EQ(m_editor->GetFileNameOf(0), "untitled2");
    EXPECT_EQ(m_editor->GetFileNameOf(1), "untitled1");
    EXPECT_EQ(m_editor->GetFileNameOf(2), "");
    m_editor->activateDocument(a);
    EXPECT_EQ(m_editor->documents(), (QList<Ted*>{a, b}));
    EXPECT_EQ(m_editor->GetFileName(), "untitled1");
    EXPECT_EQ(m_editor->documentByFileName(std::string("untitled2")), b);
    EXPECT_EQ(m_editor->GetAllTextOf(1), " \r\n");
    EXPECT_FALSE(m_editor->HasFileOf(5));
}

TEST_F(EditorFixture, ClosingAModifiedDocumentAsksUnlessTheProgramIsClosing)
{
    Ted* t = newDocument();
    m_editor->SetAllText("changed");
    ASSERT_TRUE(m_editor->GetModified());
    auto* window = qobject_cast<QMdiSubWindow*>(t->parentWidget());
    ASSERT_NE(window, nullptr);

    QString asked;
    QTimer::singleShot(0, [&asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        asked = box->text();
        box->button(QMessageBox::No)->click();
    });
    window->close();
    EXPECT_EQ(asked,
              QString::fromUtf8("Файл был изменен после сохранения. Вы хотите закрыть его?"));
    EXPECT_EQ(m_editor->DocumentCount(), 1);
    EXPECT_EQ(m_closed, 0);

    m_settings.Closing = true;
    window->close();
    EXPECT_EQ(m_closed, 1);
    EXPECT_EQ(m_editor->DocumentCount(), 0);
    EXPECT_EQ(m_editor->activeDocument(), nullptr);
}

TEST_F(EditorFixture, ExportWritesStyledHtmlAndRtf)
{
    QTemporaryDir dir;
    newDocument();
    m_editor->LoadText("/d/p.pas", "begin x := '\xFF'; end.\r\n");
    const std::string html = dir.filePath("p.html").toStdString();
    const std::string rtf = dir.filePath("p.rtf").toStdString();
    m_editor->ExportTo(html, "HTML");
    m_editor->ExportTo(rtf, "RTF");
    m_editor->ExportTo(dir.filePath("p.doc").toStdString(), "DOC");
    QFile h(QString::fromStdString(html)), r(QString::fromStdString(rtf));
    ASSERT_TRUE(h.open(QIODevice::ReadOnly));
    ASSERT_TRUE(r.open(QIODevice::ReadOnly));
    const QByteArray htmlBytes = h.readAll(), rtfBytes = r.readAll();
    EXPECT_TRUE(htmlBytes.contains("font-weight:bold\">begin</span>"));
    EXPECT_TRUE(htmlBytes.contains("\xD1\x8F")); // я as UTF-8
    EXPECT_TRUE(rtfBytes.contains("\\b begin}"));
    EXPECT_TRUE(rtfBytes.contains("\\'ff"));
    EXPECT_FALSE(QFile::exists(dir.filePath("p.doc")));
    try {
        m_editor->ExportTo("/nonexistent-dir/p.html", "HTML");
        ADD_FAILURE() << "no error";
    } catch (const zuk::IoError& e) {
        EXPECT_EQ(e.text().key, "sEditorCannotWriteFile"); // put into words by the host
        EXPECT_NE(std::string(e.what()).find("/nonexistent-dir/p.html"), std::string::npos);
    }
}

TEST_F(EditorFixture, SettingsApplyToEveryWindow)
{
    Ted* a = newDocument();
    Ted* b = newDocument();
    m_settings.RMargin = 60;
    m_settings.MarginActive = true;
    m_settings.GutterFill.width = 30;
    m_settings.Gutter_Visible = true;
    m_settings.ShowLineNumbers = false;
    m_editor->ApplyMarginToAll();
    m_editor->ApplyGutterToAll();
    m_editor->ApplyLineNumbersToAll();
    for (Ted* t : {a, b}) {
        EXPECT_EQ(t->marginPos(), 60);
        EXPECT_EQ(t->control()->edgeMode(), QsciScintilla::EdgeLine);
        EXPECT_EQ(t->gutterWidth(), 30);
        EXPECT_EQ(t->control()->marginWidth(1), 30);
        EXPECT_EQ(t->control()->marginWidth(0), 0);
    }
    // The plain gutter colour survives a font change, which resets the styles.
    m_settings.GutterFill.FillOption = 0;
    m_settings.GutterFill.SimpleColor = 0x00FF00;
    m_editor->ApplyGutterToAll();
    m_editor->SetCharset("koi");
    EXPECT_EQ(b->control()->SendScintilla(QsciScintilla::SCI_STYLEGETBACK,
                                          QsciScintilla::STYLE_LINENUMBER),
              0x00FF00);
    m_editor->SetCharset("win");

    m_settings.EditorFill.FillOption = 1;
    m_settings.EditorFill.Wallpaper = "/nonexistent/picture.bmp";
    m_editor->ApplyBackgroundToAll();
    EXPECT_EQ(m_settings.EditorFill.FillOption, 0); // a missing picture turns the fill off
    m_settings.WordWrap = false;
    m_editor->SetWordWrap(false);
    EXPECT_FALSE(m_editor->GetWordWrap());
    m_settings.DOSSize = 14;
    m_editor->SetCharset("dos");
    EXPECT_EQ(m_editor->GetFontSize(), 14);
    m_settings.DOSSize = 16;
    m_editor->ApplyFontSizesToAll();
    EXPECT_EQ(m_editor->GetFontSize(), 16);
    m_editor->ResetTextStyles();
    m_editor->ApplyTextStyles();
    EXPECT_EQ(b->textStyles().size(), 17u);
    EXPECT_EQ(b->textStyles().front().fore, m_settings.FontColor);

    // New colours keep the active document's code page and its unsaved state.
    m_editor->SetCharset("koi");
    m_editor->SetAllText("\xD1");
    m_settings.FontColor = 0x0000FF;
    m_editor->ApplyColorsToAll();
    EXPECT_EQ(m_editor->GetCharset(), "koi");
    EXPECT_TRUE(m_editor->GetModified());
    EXPECT_EQ(b->control()->text(), QString::fromUtf8("я"));
    EXPECT_EQ(b->textStyles().size(), 17u);
}

TEST_F(EditorFixture, CaretWordAndBlockOperations)
{
    Ted* t = newDocument();
    m_editor->SetAllText("hello \xF1\xEB\xEE\xE2\xEE\r\nxyz");
    t->control()->setCursorPosition(0, 8);
    EXPECT_EQ(m_editor->GetWordAtCaret(), "\xF1\xEB\xEE\xE2\xEE");
    m_editor->SetCaretLine(1);
    int line = -1, index = -1;
    t->control()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(index, 1);
    m_editor->MoveCaret('r');
    m_editor->MoveCaret('u');
    m_editor->MoveCaret('q');
    t->control()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(index, 2);

    t->control()->setSelection(1, 0, 1, 3);
    EXPECT_TRUE(m_editor->HasSel());
    m_editor->DuplicateSel();
    EXPECT_TRUE(m_editor->SelEmpty());
    EXPECT_EQ(m_editor->GetAllText(), "hello \xF1\xEB\xEE\xE2\xEE\r\nxyzxyz\r\n");
    m_editor->SelectAll();
    EXPECT_EQ(m_editor->GetSelText(), "hello \xF1\xEB\xEE\xE2\xEE\r\nxyzxyz");

    // The Enter action keeps the indentation of the line.
    m_editor->SetAllText("  ab");
    t->control()->setCursorPosition(0, 4);
    m_editor->ExecCommand("pressenter");
    EXPECT_EQ(m_editor->GetAllText(), "  ab\r\n  \r\n");
}
