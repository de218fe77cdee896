#include "editorfixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>

using namespace zuk::editor;

TEST_F(EditorFixture, TypedLettersAreStoredInTheWorkingCodePage)
{
    struct Case {
        const char* charset;
        const char* typed; // UTF-8
        std::string stored;
    };
    const Case cases[] = {
        {"koi", "я", "\xD1"},
        {"koi", "ё", "\xA3"},
        {"koi", "Ё", "\xB3"},
        {"koi", "7", "7"},
        {"dos", "Р", "\x90"},
        {"dos", "р", "\xE0"},
        {"win", "я", "\xFF"},
        {"win", "€", "\x88"},
        {"win", "中", "?"},
        {"koi", "Ab", "Ab"},
        // Symbols go through the working code page's table as pasted ones do.
        {"dos", "№", "\xFC"},
        {"koi", "№", "?"},
        {"dos", "—", "?"},
        {"koi", "«»", "??"},
        {"dos", "€", "?"},
        {"win", "№—", "\xB9\x97"},
    };
    for (const Case& c : cases) {
        newDocument();
        m_editor->SetAllText("");
        m_editor->SetCharset(c.charset);
        m_sounds.clear();
        type(QString::fromUtf8(c.typed));
        EXPECT_EQ(m_editor->GetAllText(), c.stored + "\r\n") << c.charset << " " << c.typed;
        EXPECT_EQ(m_sounds.size(), QString::fromUtf8(c.typed).size()) << c.typed;
    }
    // The sound hears the Windows-1251 byte of the key, not the stored one.
    m_editor->SetCharset("dos");
    m_sounds.clear();
    type(QString::fromUtf8("№"));
    EXPECT_EQ(m_sounds, std::vector<unsigned char>{0xB9});
}

TEST_F(EditorFixture, StraightQuotesBecomeAlternatingGuillemets)
{
    m_settings.ChangeQuotes = true;
    Ted* t = newDocument();
    m_editor->SetAllText("");
    type(QStringLiteral("\"\"\""));
    EXPECT_EQ(m_editor->GetAllText(), "\xAB\xBB\xAB\r\n");
    EXPECT_EQ(t->quoteToggle(), 0xAB);

    // KOI8-R has no guillemets: the quote stays straight rather than becoming '?'.
    m_editor->SetAllText("");
    m_editor->SetCharset("koi");
    type(QStringLiteral("\""));
    EXPECT_EQ(m_editor->GetAllText(), "\"\r\n");
    m_editor->SetCharset("win");

    m_settings.ChangeQuotes = false;
    m_editor->SetAllText("");
    type(QStringLiteral("\""));
    EXPECT_EQ(m_editor->GetAllText(), "\"\r\n");
}

TEST_F(EditorFixture, TabTypesBlanksAndIsAlwaysSwallowed)
{
    for (int spaces : {0, 2}) {
        m_settings.SpacesPerTab = spaces;
        newDocument();
        m_editor->SetAllText("");
        press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        EXPECT_EQ(m_editor->GetAllText(),
                  spaces ? std::string(static_cast<size_t>(spaces), ' ') + "\r\n" : "")
            << spaces;
    }
    // Over a selection the blanks replace it in one undo step.
    Ted* t = newDocument();
    m_editor->SetAllText("abc def");
    t->control()->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    t->control()->setSelection(0, 0, 0, 3);
    press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    EXPECT_EQ(m_editor->GetAllText(), "   def\r\n");
    m_editor->Undo();
    EXPECT_EQ(m_editor->GetAllText(), "abc def\r\n");
    EXPECT_FALSE(t->control()->isUndoAvailable());
}

TEST_F(EditorFixture, CtrlKeysWorkOnTheSelectionAndPassOtherwise)
{
    Ted* t = newDocument();
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "line\r\n";
    m_editor->SetAllText(text);
    // Ctrl+Up without a selection is the control's own (scroll one line up).
    m_editor->ScrollVert(5);
    press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(m_editor->GetTopLine(), 4);
    EXPECT_EQ(m_editor->GetAllText(), text);

    m_editor->SetAllText("\xE0\xE1 ab\r\nzz");
    m_editor->SetCharset("koi"); // the same bytes are now KOI8-R capitals
    t->control()->setSelection(0, 0, 0, t->control()->text(0).indexOf(' ') + 3);
    press(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(m_editor->GetAllText(), "\xC0\xC1 ab\r\nzz\r\n");
    t->control()->setSelection(0, 0, 0, 5);
    press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(m_editor->GetAllText(), "\xE0\xE1 AB\r\nzz\r\n");
    // The cased text stays selected, caret end included, for the next case key.
    EXPECT_EQ(m_editor->GetSelText(), "\xE0\xE1 AB");
    EXPECT_EQ(m_editor->GetCaretPos(), 5);
    press(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(m_editor->GetSelText(), "\xC0\xC1 ab");
    t->control()->setSelection(0, 5, 0, 0); // a selection made backwards stays so
    press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(m_editor->GetSelText(), "\xE0\xE1 AB");
    EXPECT_EQ(m_editor->GetCaretPos(), 0);
    EXPECT_EQ(m_editor->GetAnchorPos(), 5);

    t->control()->setCursorPosition(1, 0);
    press(Qt::Key_Return, Qt::ControlModifier);
    press(Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral(" "));
    EXPECT_EQ(m_editor->GetAllText(), "\xE0\xE1 AB\r\n<br>&nbsp;zz\r\n");
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(m_editor->GetAllText(), "\xE0\xE1 AB\r\n\r\n"); // the emptied last line stays
}

// A line longer than the control shows in one piece is cut into parts; the
// keys that act on a line act on all of it.
TEST_F(EditorFixture, LineKeysActOnTheWholeOfALongLine)
{
    Ted* t = newDocument();
    std::string longLine;
    while (longLine.size() < 3 * zuk::editor::kLongLine)
        longLine += "word" + std::to_string(longLine.size()) + " ";
    m_editor->SetAllText("first\r\n" + longLine + "\r\nlast");
    TedControl* c = t->control();
    ASSERT_TRUE(c->hasSoftBreaks());
    const int parts = c->lines() - 2;
    ASSERT_GT(parts, 2);

    // Alt+Right with a selection inside a later part indents the line at its start only.
    m_settings.autoindent = 2;
    m_editor->ApplyBlockIndentToAll();
    c->setSelection(3, 1, 4, 2);
    press(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(m_editor->GetAllText(), "first\r\n  " + longLine + "\r\nlast\r\n");
    press(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(m_editor->GetAllText(), "first\r\n" + longLine + "\r\nlast\r\n");

    // Ctrl+Y in a middle part deletes the whole line, as one undo step.
    c->setCursorPosition(3, 5);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(m_editor->GetAllText(), "first\r\nlast\r\n");
    EXPECT_EQ(c->lines(), 2);
    m_editor->Undo();
    EXPECT_EQ(m_editor->GetAllText(), "first\r\n" + longLine + "\r\nlast\r\n");

    // The long line as the last one: its parts go, the break before it stays.
    m_editor->SetAllText("first\r\n" + longLine);
    c->setCursorPosition(c->lines() - 1, 0);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(m_editor->GetAllText(), "first\r\n\r\n");
}

TEST_F(EditorFixture, DeleteKeysAndAltKeysActOnTheSelection)
{
    Ted* t = newDocument();
    m_editor->SetAllText("abc\r\ndef");
    t->control()->setSelection(0, 0, 0, 2);
    press(Qt::Key_Delete);
    EXPECT_EQ(m_editor->GetAllText(), "c\r\ndef\r\n");

    t->control()->setSelection(1, 0, 1, 1);
    press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(m_editor->GetAllText(), "c\r\nef\r\n");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("d"));

    m_settings.autoindent = 2;
    m_editor->ApplyBlockIndentToAll();
    t->control()->setSelection(0, 0, 1, 1);
    press(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(m_editor->GetAllText(), "  c\r\n  ef\r\n");
    press(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(m_editor->GetAllText(), "c\r\nef\r\n");

    t->control()->setSelection(1, 0, 1, 2);
    press(Qt::Key_Plus, Qt::AltModifier | Qt::KeypadModifier, QStringLiteral("+"));
    EXPECT_EQ(m_editor->GetAllText(), "c\r\n<font size=\"+1\">ef</font>\r\n");

    QApplication::clipboard()->setText(QStringLiteral("0"));
    press(Qt::Key_G, Qt::AltModifier);
    int line = -1, index = -1;
    t->control()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(index, 1);
    // Alt+F searches through the program's document search (tools/ui tests).
}

TEST_F(EditorFixture, EscapeClosesTheProgramOnlyWhenSet)
{
    newDocument();
    press(Qt::Key_Escape);
    EXPECT_EQ(m_exitRequests, 0);
    m_settings.exit_on_esc = true;
    press(Qt::Key_Escape);
    EXPECT_EQ(m_exitRequests, 1);
}

TEST_F(EditorFixture, PastedTextTheCodePageLacksBecomesQuestionMarks)
{
    newDocument();
    m_editor->SetAllText("");
    m_editor->SetCharset("koi");
    QApplication::clipboard()->setText(QString::fromUtf8("я€"));
    m_editor->PasteClip();
    EXPECT_EQ(m_editor->GetAllText(), "\xD1?\r\n");
    EXPECT_TRUE(m_editor->CanPaste());
}

TEST_F(EditorFixture, BookmarksAndBreakpointsToggle)
{
    Ted* t = newDocument();
    m_editor->SetAllText("a\r\nb\r\nc\r\nd");
    t->control()->setCursorPosition(2, 0);
    t->setLocalBookmark(3);
    EXPECT_EQ(t->bookmarkLine(3), 2);
    t->control()->setCursorPosition(0, 0);
    t->gotoLocalBookmark(3);
    int line = 0, index = 0;
    t->control()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 2);
    t->setLocalBookmark(3); // same line again: removed
    EXPECT_EQ(t->bookmarkLine(3), -1);
    t->setLocalBookmark(3);
    t->control()->setCursorPosition(1, 0);
    t->setLocalBookmark(3); // another line: moved
    EXPECT_EQ(t->bookmarkLine(3), 1);
    t->deleteLocalBookmark(3);
    EXPECT_EQ(t->bookmarkLine(3), -1);

    t->toggleBreakpoint();
    EXPECT_TRUE(t->control()->markersAtLine(1) & (1u << Ted::kBreakpointLine));
    t->toggleBreakpoint();
    EXPECT_EQ(t->control()->markersAtLine(1), 0u);
    EXPECT_EQ(t->control()->SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT, 9UL, 2L), 0);

    // The menu items carry the component names the language files use.
    for (const char* name : {"mniCopy",
                             "mniPaste",
                             "mniCut",
                             "mniWindowsCharset",
                             "mniKOI8RCharset",
                             "mniDOSCharset",
                             "mniTogglebreakpoint",
                             "mniSetLocalBookmark9",
                             "mniGotoLocalBookmark1",
                             "mniDelLocalBookmark5",
                             "mniAutoIdent",
                             "mniSelModeStream",
                             "mniSelModeBlock",
                             "mniEOLWindows",
                             "mniEOLUNIX",
                             "mniEOLMAC",
                             "mniOpenSelectedFile",
                             "mniViewSelectedFile",
                             "mniInternalViewer",
                             "mniShellOpenAs"})
        EXPECT_NE(t->menuAction(QString::fromLatin1(name)), nullptr) << name;
    t->menuAction(QStringLiteral("mniKOI8RCharset"))->trigger();
    EXPECT_EQ(m_editor->GetCharset(), "koi");
    t->menuAction(QStringLiteral("mniEOLUNIX"))->trigger();
    EXPECT_EQ(t->control()->eolMode(), QsciScintilla::EolUnix);
    EXPECT_TRUE(t->menuAction(QStringLiteral("mniEOLUNIX"))->isChecked());
    EXPECT_FALSE(t->menuAction(QStringLiteral("mniEOLWindows"))->isChecked());
    t->menuAction(QStringLiteral("mniAutoIdent"))->trigger();
    EXPECT_EQ(m_settings.DefAutoIndent, t->control()->autoIndent());
    t->menuAction(QStringLiteral("mniSetLocalBookmark4"))->trigger();
    EXPECT_EQ(t->bookmarkLine(4), 1);
}

// The BreakPoint style is white text (16777215) on red: the pixels of a
// breakpoint line are red, white or blends of the two, never dark.
TEST_F(EditorFixture, BreakpointLinesShowWhiteTextOnRed)
{
    Ted* t = newDocument();
    m_editor->SetAllText("plain\r\nMMMMMMMM WWWWWWWW\r\nplain");
    m_editor->ResetTextStyles();
    TedControl* c = t->control();
    c->setCursorPosition(1, 0);
    t->toggleBreakpoint();
    c->setCursorPosition(2, 0); // no caret on the probed line
    const QImage shot = c->viewport()->grab().toImage();
    const long pos = c->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, 1UL);
    const int top =
        static_cast<int>(c->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, pos));
    const int height = static_cast<int>(c->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 1UL));
    const int left = c->marginsWidth() + 2;
    const int right = static_cast<int>(
        c->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL,
                         c->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, 1UL)));
    ASSERT_GT(right, left);
    int notRed = 0, light = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < right; ++x) {
            const QColor p(shot.pixel(x, y));
            if (p.red() < 200) // red stays in every blend of red and white
                ++notRed;
            if (p.green() > 200 && p.blue() > 200)
                ++light;
        }
    EXPECT_EQ(notRed, 0);
    EXPECT_GT(light, 10); // the letters themselves
}

TEST_F(EditorFixture, SelectedFileNamesResolveAgainstTheDocumentFolder)
{
    QTemporaryDir dir;
    const QString site = dir.filePath(QStringLiteral("site"));
    QDir().mkpath(site + "/img");
    QFile(site + "/notes.txt").open(QIODevice::WriteOnly);
    Ted* t = newDocument();
    m_editor->LoadText((site + "/index.html").toStdString(), "/img/a.gif\r\nnotes.txt");
    t->control()->setSelection(0, 0, 0, 10);
    EXPECT_EQ(t->selectedFilePath(), (site + "/img/a.gif").toStdString());
    t->openSelectedFile(); // a picture that does not exist: nothing happens
    EXPECT_TRUE(m_opened.empty());

    t->control()->setSelection(1, 0, 1, 9);
    t->openSelectedFile();
    EXPECT_EQ(m_opened, std::vector<std::string>{(site + "/notes.txt").toStdString()});

    // An absolute path that exists is used as it stands.
    m_editor->SetAllText((site + "/notes.txt").toStdString());
    t->control()->selectAll(true);
    EXPECT_EQ(t->selectedFilePath(), (site + "/notes.txt").toStdString());

    // Nothing selected: the whole text, ending in CR LF, names no file.
    t->control()->setCursorPosition(0, 0);
    m_opened.clear();
    t->openSelectedFile();
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_NE(m_opened[0], (site + "/notes.txt").toStdString());
}

TEST_F(EditorFixture, CopyOnSelectCopiesAfterShiftArrows)
{
    m_settings.CopyOnSelect = true;
    Ted* t = newDocument();
    m_editor->SetAllText("hello");
    QApplication::clipboard()->clear();
    t->control()->setCursorPosition(0, 0);
    press(Qt::Key_Right, Qt::ShiftModifier);
    press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("he"));
}

TEST_F(EditorFixture, FillsAndSeparatorsPaintOverTheText)
{
    Ted* t = newDocument();
    m_editor->SetAllText("a\r\nb\r\nc");
    const QImage plain = t->control()->viewport()->grab().toImage();
    const QPoint probe(plain.width() - 5, plain.height() - 5);
    EXPECT_EQ(QColor(plain.pixel(probe)), QColor(Qt::white));

    m_settings.EditorFill.FillOption = 2;
    m_settings.EditorFill.GradientColor1 = 0x0000FF; // red
    m_settings.EditorFill.GradientColor2 = 0x0000FF;
    m_editor->ApplyBackground();
    const QImage filled = t->control()->viewport()->grab().toImage();
    EXPECT_EQ(QColor(filled.pixel(probe)), QColor(Qt::red));

    QTemporaryDir dir;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QString path = dir.filePath(QStringLiteral("wall.bmp"));
    ASSERT_TRUE(picture.save(path));
    m_settings.EditorFill.FillOption = 1;
    m_settings.EditorFill.Wallpaper = path.toStdString();
    for (uint8_t mode : {1, 3}) {
        m_settings.EditorFill.WallpaperMode = mode;
        m_editor->ApplyBackgroundToAll();
        EXPECT_EQ(m_settings.EditorFill.FillOption, 1);
        EXPECT_EQ(QColor(t->control()->viewport()->grab().toImage().pixel(probe)),
                  QColor(Qt::green))
            << int(mode);
    }

    m_settings.Lined = true;
    m_settings.EditLineSepStyle = 0;
    m_editor->ApplyLineSeparatorsToAll();
    EXPECT_TRUE(t->control()->lineSeparators());
    t->control()->viewport()->grab(); // paints without a fault
}

TEST_F(EditorFixture, AddressesAreMarkedWhenUrlHighlightingIsOn)
{
    Ted* t = newDocument();
    m_editor->SetAllText("see http://x.ru/a now");
    auto marked = [t](long pos) {
        return t->control()->SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT, 8UL, pos) != 0;
    };
    EXPECT_FALSE(marked(4));
    m_settings.BHU = true;
    t->activate();
    EXPECT_FALSE(marked(3));
    EXPECT_TRUE(marked(4));
    EXPECT_TRUE(marked(16));
    EXPECT_FALSE(marked(17));
    m_settings.BHU = false;
    t->activate();
    EXPECT_FALSE(marked(4));
}

TEST_F(EditorFixture, WrappedPlainTextIsStyledInRunsThatLookAlike)
{
    QTemporaryDir dir;
    m_settings.WordWrap = true;
    Ted* t = newDocument();
    m_editor->SetWordWrap(true);
    m_editor->SetAllText("\xCF\xF0\xE8\xE2\xE5\xF2 ab\r\n"); // Привет ab
    TedControl* c = t->control();
    ASSERT_TRUE(c->layoutRuns());
    // Lines break between words, as in a text of one style.
    {
        std::string words;
        for (int i = 0; i < 400; ++i)
            words += i % 2 ? "\xEC\xE8\xF0 " : "\xF1\xEB\xEE\xE2\xEE ";
        m_editor->SetAllText(words + "\r\n");
        c->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
        QApplication::processEvents();
        const long rows = c->SendScintilla(QsciScintilla::SCI_WRAPCOUNT, 0UL);
        ASSERT_GT(rows, 1);
        for (long row = 1; row < rows; ++row) {
            const long start =
                c->SendScintilla(QsciScintilla::SCI_POSITIONFROMPOINT, 1L,
                                 c->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, 0L) +
                                     row * c->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0UL));
            EXPECT_EQ(c->SendScintilla(QsciScintilla::SCI_GETCHARAT, start - 1), ' ') << row;
        }
    }
    // Only the visible lines' layouts are kept, wrapped or not.
    EXPECT_EQ(c->SendScintilla(QsciScintilla::SCI_GETLAYOUTCACHE), QsciScintilla::SC_CACHE_PAGE);
    c->SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
    auto style = [c](long pos) { return c->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, pos); };
    // Both bytes of a letter share a style; the next letter has the other one.
    EXPECT_EQ(style(0), style(1));
    EXPECT_NE(style(1), style(2));
    EXPECT_NE(style(12), style(13)); // " a" after the Cyrillic
    EXPECT_EQ(c->SendScintilla(QsciScintilla::SCI_STYLEGETFORE, 0L),
              c->SendScintilla(QsciScintilla::SCI_STYLEGETFORE, 1L));
    EXPECT_EQ(c->SendScintilla(QsciScintilla::SCI_STYLEGETSIZE, 0L),
              c->SendScintilla(QsciScintilla::SCI_STYLEGETSIZE, 1L));

    // An edit restyles its line, and the export shows no trace of the runs.
    c->SendScintilla(QsciScintilla::SCI_GOTOPOS, 0L);
    type(QStringLiteral("x"));
    c->SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
    EXPECT_NE(style(0), style(1));
    EXPECT_EQ(style(1), style(2));
    const std::string wrapped = dir.filePath("w.html").toStdString();
    const std::string unwrapped = dir.filePath("u.html").toStdString();
    m_editor->ExportTo(wrapped, "HTML");

    // Unwrapped, the text is one style again.
    m_editor->SetWordWrap(false);
    EXPECT_FALSE(c->layoutRuns());
    for (long pos = 0; pos < 16; ++pos)
        EXPECT_EQ(style(pos), 0) << pos;
    m_editor->ExportTo(unwrapped, "HTML");
    QFile w(QString::fromStdString(wrapped)), u(QString::fromStdString(unwrapped));
    ASSERT_TRUE(w.open(QIODevice::ReadOnly));
    ASSERT_TRUE(u.open(QIODevice::ReadOnly));
    EXPECT_EQ(w.readAll(), u.readAll());

    // A highlighter owns the styles: no runs under it, and back after it goes.
    m_editor->SetWordWrap(true);
    m_editor->LoadText("/d/p.pas", "begin x;\r\n");
    EXPECT_FALSE(t->control()->layoutRuns());
    t->control()->SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
    EXPECT_NE(t->control()->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, 0L),
              t->control()->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, 6L)); // "begin" "x"
    EXPECT_EQ(t->control()->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, 0L),
              t->control()->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, 1L));
    t->setBuiltinSyntax(BuiltinSyntax::None);
    EXPECT_TRUE(t->control()->layoutRuns());
}

TEST_F(EditorFixture, CtrlEndShowsTheEndOfABigWrappedTextBeforeTheRestIsWrapped)
{
    m_settings.WordWrap = true;
    Ted* t = newDocument();
    m_editor->SetWordWrap(true);
    TedControl* c = t->control();
    QApplication::processEvents(); // shown
    ASSERT_TRUE(c->viewport()->isVisible());
    // About a megabyte of Russian in lines that wrap into several rows, and a
    // short last line.
    std::string line;
    for (int i = 0; i < 60; ++i)
        line += i % 2 ? "\xEC\xE8\xF0 " : "\xF1\xEB\xEE\xE2\xEE ";
    std::string text;
    while (text.size() < (1u << 20))
        text += line + "\r\n";
    text += "end";
    m_editor->SetAllText(text);
    auto send = [c](unsigned int message, unsigned long w = 0, long l = 0) {
        return c->SendScintilla(message, w, l);
    };
    const long length = send(QsciScintilla::SCI_GETLENGTH);
    const long last = send(QsciScintilla::SCI_GETLINECOUNT) - 1;
    const long middle = last / 2;
    // The rows a line takes as far as it is wrapped (one until then).
    auto rows = [&](long n) {
        return send(QsciScintilla::SCI_VISIBLEFROMDOCLINE, n + 1) -
               send(QsciScintilla::SCI_VISIBLEFROMDOCLINE, n);
    };
    auto endShown = [&] {
        const long row = send(QsciScintilla::SCI_VISIBLEFROMDOCLINE, last);
        const long top = send(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
        return row >= top && row < top + send(QsciScintilla::SCI_LINESONSCREEN);
    };
    send(QsciScintilla::SCI_SETEMPTYSELECTION, 5);

    press(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(send(QsciScintilla::SCI_GETCURRENTPOS), length);
    EXPECT_EQ(send(QsciScintilla::SCI_GETANCHOR), 5);
    EXPECT_TRUE(endShown());
    EXPECT_GT(rows(last - 1), 1); // the rows shown are wrapped
    EXPECT_EQ(rows(middle), 1);   // the rest is not, yet

    // The wrapping in the background leaves the end in view and styles the
    // lines a paint skipped in runs before it wraps them.
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(send(QsciScintilla::SCI_GETANCHOR), length);
    for (int i = 0; i < 2000 && rows(middle) == 1; ++i)
        QApplication::processEvents();
    EXPECT_GT(rows(middle), 1);
    EXPECT_TRUE(endShown());
    const long at = send(QsciScintilla::SCI_POSITIONFROMLINE, middle);
    EXPECT_NE(send(QsciScintilla::SCI_GETSTYLEAT, at), send(QsciScintilla::SCI_GETSTYLEAT, at + 2));

    // Unwrapped, every byte has the one style again.
    m_editor->SetWordWrap(false);
    EXPECT_EQ(send(QsciScintilla::SCI_GETSTYLEAT, length - 2), 0);
    EXPECT_EQ(send(QsciScintilla::SCI_GETSTYLEAT, at + 2), 0);
}
