// The highlighting schemes, text styles and colour styles in the running main window.

#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "app/ui/toolrow.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/colours.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/contrast.h"
#include "highlight/csynman.h"
#include "highlight/ui/highlightinstall.h"
#include "io/inifile.h"
#include "support/ui/mainformfixture.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>

#include <QComboBox>
#include <QDirIterator>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace zuk;
using zuk::test::MainFormFixture;

namespace {

// Copies the shipped Engine tree into a program folder, so start-up finds
// the schemes, the text styles and the colour styles there.
void copyEngine(const QString& home)
{
    const QString from = QStringLiteral(ZUK_SOURCE_DIR "/data/Engine");
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString to = home + QStringLiteral("Engine/") + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::copy(file, to);
    }
}

// A scheme with a Cyrillic name (as syntax.ini stores it) for the extension psd.
const std::string kCyrillicScheme = codepages::utf8ToWin("Псевдо");

void addCyrillicScheme(const QString& home)
{
    QFile f(home + QStringLiteral("Engine/Parts/Syntax/syntax.ini"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(("[" + kCyrillicScheme + "]\r\nExt=psd\r\nFilename=Engine\\Parts\\Syntax\\lua.txt\r\n")
                .c_str());
}

QString writeFile(const QString& folder, const QString& name, const std::string& bytes)
{
    const QString path = folder + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

// The display name the automatic choice gives a file name, from the table of
// built-in highlighters; "" when none matches.
std::string builtInFor(const std::string& fileName)
{
    for (const std::string& key : highlight::automaticChoiceOrder()) {
        if (!highlight::ExtensionMatchesLanguage(fileName, key))
            continue;
        for (const highlight::BuiltInHighlighter& h : highlight::builtInHighlighters())
            if (key == h.languageKey)
                return h.displayName;
    }
    return {};
}

class HighlightWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        copyEngine(m_fixture.home());
        addCyrillicScheme(m_fixture.home());
        m_form = &m_fixture.start();
        m_box = m_form->toolRow().cbSyntax();
        m_files = m_fixture.home() + QStringLiteral("files/");
        QDir().mkpath(m_files);
    }

    editor::Ted* open(const QString& name, const std::string& text = "begin end\r\n")
    {
        const bool opened = m_form->OpenFile(writeFile(m_files, name, text));
        EXPECT_TRUE(opened) << name.toStdString();
        return opened ? m_form->editor().activeDocument() : nullptr;
    }

    MainFormFixture m_fixture;
    app::ui::TMainForm* m_form = nullptr;
    QComboBox* m_box = nullptr;
    QString m_files;
};

} // namespace

TEST_F(HighlightWindow, StartUpFillsTheListFromTheRegistry)
{
    const highlight::ui::HighlightObjects objects = highlight::ui::highlightObjects(*m_form);
    ASSERT_NE(objects.synMan, nullptr);
    ASSERT_NE(objects.synMan->IndexOfScheme("Lua"), -1);

    std::vector<std::string> names;
    objects.synMan->ListSchemeNames(names);
    ASSERT_EQ(m_box->count(), static_cast<int>(names.size()) + 1);
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(m_box->itemText(static_cast<int>(i)).toStdString(),
                  codepages::winToUtf8(names[i]));
    EXPECT_EQ(m_box->currentText(), "No");
    EXPECT_GE(m_box->findText(QString::fromUtf8("Псевдо")), 0);
}

TEST_F(HighlightWindow, OpeningFilesOfEveryKnownExtensionShowsTheirHighlighter)
{
    struct Case {
        QString file;
        std::string shown; // UTF-8
    };
    std::vector<Case> cases;
    int n = 0;
    for (const highlight::BuiltInHighlighter& h : highlight::builtInHighlighters()) {
        const QStringList exts =
            QString::fromLatin1(h.extensions).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& ext : exts) {
            // Every other file gets its extension in capitals.
            const QString name = QStringLiteral("b%1").arg(n) + (n % 2 ? ext.toUpper() : ext);
            ++n;
            cases.push_back({name, builtInFor(name.toStdString())});
        }
    }
    ASSERT_GE(cases.size(), 8u);
    cases.push_back({QStringLiteral("m.lua"), "Lua"});
    cases.push_back({QStringLiteral("m.F90"), "Fortran"});
    cases.push_back({QStringLiteral("setup.iss"), "Inno Setup"});
    cases.push_back({QStringLiteral("x.tcl"), "Tcl"});
    cases.push_back({QStringLiteral("q.psd"), "Псевдо"});
    cases.push_back({QStringLiteral("w.xyz"), "No"});
    cases.push_back({QStringLiteral("README"), "No"});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        ASSERT_FALSE(c.shown.empty());
        editor::Ted* t = open(c.file);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(m_box->currentText().toStdString(), c.shown);
        EXPECT_EQ(t->hasHighlighter(), c.shown != "No");
    }
    // Going back to a document shows its highlighter again.
    m_form->command(QStringLiteral("mniNextWindow"))->trigger();
    EXPECT_EQ(m_box->currentText().toStdString(), cases.front().shown);
}

TEST_F(HighlightWindow, ChoosingInTheListSetsTheDocumentsHighlighter)
{
    editor::Ted* t = open(QStringLiteral("notes.txt"), "local x = 1\r\n");
    ASSERT_NE(t, nullptr);
    EXPECT_FALSE(t->hasHighlighter());

    m_box->setCurrentText(QStringLiteral("Lua"));
    EXPECT_TRUE(t->hasHighlighter());
    EXPECT_EQ(t->syntaxName(), "Lua");
    m_box->setCurrentText(QString::fromUtf8("Псевдо"));
    EXPECT_EQ(t->syntaxName(), kCyrillicScheme);
    EXPECT_EQ(m_box->currentText(), QString::fromUtf8("Псевдо"));
    m_box->setCurrentText(QStringLiteral("SQL"));
    EXPECT_EQ(t->syntaxName(), "SqlParser1");
    m_box->setCurrentText(QStringLiteral("No"));
    EXPECT_FALSE(t->hasHighlighter());

    // A second document keeps its own choice when the first one changes.
    editor::Ted* other = open(QStringLiteral("p.py"));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(m_box->currentText(), "Python");
    m_box->setCurrentText(QStringLiteral("Fortran"));
    EXPECT_EQ(other->syntaxName(), "Fortran");
    EXPECT_FALSE(t->hasHighlighter());
}

TEST_F(HighlightWindow, ASchemeNoLongerRegisteredDropsOutOfTheList)
{
    editor::Ted* t = open(QStringLiteral("a.lua"));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(m_box->currentText(), "Lua");
    highlight::CSynMan& registry = *highlight::ui::highlightObjects(*m_form).synMan;
    registry.DeleteScheme("Tcl");
    const int before = m_box->count();
    ASSERT_GE(m_box->findText(QStringLiteral("Tcl")), 0);

    m_box->setCurrentText(QStringLiteral("Tcl"));
    EXPECT_EQ(m_box->findText(QStringLiteral("Tcl")), -1);
    EXPECT_EQ(m_box->count(), before - 1);
    EXPECT_EQ(t->syntaxName(), "Lua");
    EXPECT_TRUE(t->hasHighlighter());
    EXPECT_EQ(m_box->currentText(), "Lua");

    // A scheme added later shows after a refill.
    registry.Items.push_back({"zz", "Zed", "Engine\\Parts\\Syntax\\lua.txt"});
    highlight::ui::refillSyntaxList(*m_form);
    EXPECT_EQ(m_box->itemText(m_box->count() - 2), "Zed");
    EXPECT_EQ(m_box->currentText(), "Lua");
    m_box->setCurrentText(QStringLiteral("Zed"));
    EXPECT_EQ(t->syntaxName(), "Zed");
}

TEST_F(HighlightWindow, ColourStyleRecoloursEveryDocumentTokensIncluded)
{
    editor::Ted* first = open(QStringLiteral("a.c"), "int x;\r\n");
    editor::Ted* second = open(QStringLiteral("b.cpp"), "int y;\r\n");
    ASSERT_TRUE(first && second);

    const highlight::CFontCOlors& styles = *highlight::ui::highlightObjects(*m_form).colorStyles;
    const highlight::CColorStyle* night = styles.findByName("Ночь");
    ASSERT_NE(night, nullptr);
    ASSERT_NE(night->BackColor, m_form->settings().BGColor);

    QMenu* menu = m_form->mainMenu().menu(QStringLiteral("mniColorStyles"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), static_cast<int>(styles.Schemes.size()));
    QAction* item = nullptr;
    for (QAction* a : menu->actions())
        if (a->text() == QString::fromUtf8("Ночь"))
            item = a;
    ASSERT_NE(item, nullptr);
    item->trigger();

    const zuk::settings::RConnectionTable& s = m_form->settings();
    EXPECT_EQ(s.FontColor, night->FontColor);
    EXPECT_EQ(s.BGColor, night->BackColor);
    EXPECT_EQ(s.SelFontColor, night->SelFontColor);
    EXPECT_EQ(s.SelBGColor, night->SelBackColor);
    ASSERT_TRUE(s.text_styles_use_back_color);
    const QColor back = editor::toQColor(night->BackColor);
    for (editor::Ted* t : {first, second}) {
        ASSERT_NE(t->highlighter(), nullptr);
        EXPECT_EQ(t->highlighter()->defaultPaper(), back);
        // Token styles sit on the new background too, not on the old one.
        EXPECT_EQ(t->highlighter()->paper(QsciLexerCPP::Keyword), back);
        EXPECT_EQ(t->highlighter()->paper(QsciLexerCPP::Comment), back);
    }
}

// Every style of every highlighter is readable in every shipped colour style:
// the colours are read back from the lexers as the documents draw them.
TEST_F(HighlightWindow, EveryHighlighterReadsInEveryShippedColourStyle)
{
    editor::Ted* t = open(QStringLiteral("a.txt"), "int x; // note\r\n");
    ASSERT_NE(t, nullptr);
    QMenu* menu = m_form->mainMenu().menu(QStringLiteral("mniColorStyles"));
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> styles = menu->actions();
    ASSERT_GE(styles.size(), 7);
    QStringList highlighters;
    for (int i = 0; i < m_box->count(); ++i)
        if (m_box->itemText(i) != QLatin1String("No"))
            highlighters << m_box->itemText(i);

    for (QAction* style : styles) {
        style->trigger();
        for (const QString& name : highlighters) {
            SCOPED_TRACE(style->text().toStdString() + " / " + name.toStdString());
            m_box->setCurrentText(name);
            QsciLexer* lexer = t->highlighter();
            ASSERT_NE(lexer, nullptr);
            for (int n = 0; n < 128; ++n) {
                if (n >= QsciScintilla::STYLE_DEFAULT && n <= QsciScintilla::STYLE_LASTPREDEFINED)
                    continue;
                if (lexer->description(n).isEmpty())
                    continue;
                const double ratio = highlight::contrastRatio(editor::fromQColor(lexer->color(n)),
                                                              editor::fromQColor(lexer->paper(n)));
                EXPECT_GE(ratio, highlight::kMinTextContrast)
                    << lexer->description(n).toStdString();
            }
        }
    }
    // The text styles keep what the last style gave them, for the next start.
    const highlight::CMyTextStyles& kept = *highlight::ui::highlightObjects(*m_form).textStyles;
    const highlight::CColorStyle* last =
        highlight::ui::highlightObjects(*m_form).colorStyles->findByName(
            styles.back()->text().toStdString());
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(kept.Styles[highlight::TsComment].FColor, last->TokenColors[highlight::TsComment]);
}

TEST_F(HighlightWindow, TheSchemeWarningFollowsTheLanguage)
{
    QFile broken(m_files + QStringLiteral("broken.txt"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("/L10\"B\" File\r\n");
    broken.close();
    highlight::CSynMan& registry = *highlight::ui::highlightObjects(*m_form).synMan;
    registry.Items.push_back(
        {"brk", "Broken", (m_files + QStringLiteral("broken.txt")).toStdString()});
    highlight::ui::refillSyntaxList(*m_form);
    ASSERT_NE(open(QStringLiteral("a.lua")), nullptr);

    m_form->changeLanguage("English");
    QString warning;
    QTimer::singleShot(0, [&warning] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            warning = box->text();
            box->accept();
        }
    });
    m_box->setCurrentText(QStringLiteral("Broken"));
    EXPECT_EQ(warning, QStringLiteral("Damn it! Access  Violation! I cannot parse this file :( \r\n"
                                      "Try to choose another one..."));
    EXPECT_EQ(m_form->editor().activeDocument()->syntaxName(), "Lua");
}

TEST_F(HighlightWindow, MarkerStylesKeepTheirOwnBackground)
{
    editor::Ted* t = open(QStringLiteral("a.c"));
    ASSERT_NE(t, nullptr);
    const highlight::CMyTextStyles& loaded = *highlight::ui::highlightObjects(*m_form).textStyles;
    const zuk::settings::RConnectionTable& s = m_form->settings();
    ASSERT_TRUE(s.text_styles_use_back_color);
    const std::vector<editor::TextStyle>& styles = t->textStyles();
    ASSERT_EQ(styles.size(), highlight::kTextStyleCount);
    for (size_t pos : {highlight::TsBreakPoint, highlight::TsErrorLine, highlight::TsSearchMatch}) {
        SCOPED_TRACE(pos);
        EXPECT_EQ(styles[pos].back, loaded.Styles[pos].BColor);
    }
    EXPECT_EQ(styles[highlight::TsReservedWords].back, s.BGColor);
    EXPECT_EQ(styles[highlight::TsMarkedBlock].back, s.SelBGColor);
}

TEST(HighlightShutDown, ObjectsAreWrittenBackWhenTheWindowGoes)
{
    QTemporaryDir dir;
    const QString home = dir.path() + QLatin1Char('/');
    copyEngine(home);
    QFile::remove(home + QStringLiteral("Engine/Parts/currtextstyles.txt"));
    {
        app::ui::StartupOptions options;
        options.home = dir.path();
        options.executableDir = home + QStringLiteral("bin");
        app::ui::TMainForm form(options);
        form.createToolWindows();
        const highlight::ui::HighlightObjects objects = highlight::ui::highlightObjects(form);
        objects.synMan->DeleteScheme("Shell");
        objects.textStyles->Styles[highlight::TsComment].FColor = 4242;
        form.confirmHook = [](const QString&) { return true; };
        form.close();
    }
    const io::IniFile registry(
        (home + QStringLiteral("Engine/Parts/Syntax/syntax.ini")).toStdString());
    const std::vector<std::string> sections = registry.sectionNames();
    EXPECT_EQ(std::count(sections.begin(), sections.end(), "Shell"), 0);
    EXPECT_EQ(std::count(sections.begin(), sections.end(), "Lua"), 1);

    const highlight::CMyTextStyles styles(
        (home + QStringLiteral("Engine/Parts/currtextstyles.txt")).toStdString());
    EXPECT_EQ(styles.Styles[highlight::TsComment].FColor, 4242);
}

// A big document with a scheme scrolls, jumps and takes typing at any line, and
// keeps its scheme through a colour-style change. (Speed is measured by hand
// and in benchmarks, not here.)
TEST_F(HighlightWindow, ABigSchemeDocumentScrollsAndTakesTypingAnywhere)
{
    std::string text;
    const std::string block =
        "/* block\r\n comment */ int main(void) { return 0x1F + 10L; } // tail\r\n"
        "#define X 1\r\nchar* s = \"string \\\" here\"; while (x) { if (y) break; }\r\n";
    while (text.size() < 1024u * 1024)
        text += block;
    editor::Ted* t = open(QStringLiteral("big.c"), text);
    ASSERT_NE(t, nullptr);
    m_box->setCurrentText(QStringLiteral("Python"));
    QApplication::processEvents();
    ASSERT_EQ(t->syntaxName(), "Python");
    editor::TedControl* control = t->control();
    control->resize(900, 700);
    control->setFocus();

    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(control, Qt::Key_PageDown);
        QApplication::processEvents();
    }
    control->SendScintilla(QsciScintilla::SCI_GOTOLINE, 20000UL);
    QApplication::processEvents();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(control, Qt::Key_Q);
    EXPECT_TRUE(control->text(20000).contains(QStringLiteral("qqqq")));

    QMenu* menu = m_form->mainMenu().menu(QStringLiteral("mniColorStyles"));
    ASSERT_FALSE(menu->actions().isEmpty());
    menu->actions().front()->trigger();
    QApplication::processEvents();
    EXPECT_EQ(t->syntaxName(), "Python");
}

// Changing the highlighter of a wrapped document keeps the text it shows at the top.
TEST_F(HighlightWindow, ChangingTheHighlighterKeepsTheWrappedViewInPlace)
{
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "local line" + std::to_string(i) + " = " + std::string(300, 'x') + "\r\n";
    editor::Ted* t = open(QStringLiteral("wide.txt"), text);
    ASSERT_NE(t, nullptr);
    ASSERT_TRUE(m_form->editor().GetWordWrap());
    editor::TedControl* c = t->control();
    c->resize(400, 300);
    QApplication::processEvents();
    const auto topDocLine = [c] {
        return c->SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE,
                                c->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE));
    };
    c->SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE,
                     c->SendScintilla(QsciScintilla::SCI_VISIBLEFROMDOCLINE, 1500UL));
    QApplication::processEvents();
    ASSERT_EQ(topDocLine(), 1500);
    for (const char* name : {"Lua", "SQL", "No", "Python"}) {
        SCOPED_TRACE(name);
        m_box->setCurrentText(QString::fromLatin1(name));
        // The control rewraps in idle steps (zero-time timers): they run here.
        for (int step = 0; step < 50; ++step)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        EXPECT_EQ(topDocLine(), 1500);
        EXPECT_NE(c->SendScintilla(QsciScintilla::SCI_GETWRAPMODE), QsciScintilla::SC_WRAP_NONE);
    }
}
