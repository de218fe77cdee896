// The file commands in the real main window, offscreen, each test over its own
// program folder.

#include "app/ui/documenttabs.h"
#include "app/ui/filecommands.h"
#include "app/ui/mainform.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "support/ui/mainformfixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

using zuk::test::MainFormFixture;
using zuk::test::waitFor;
using namespace zuk::app;
using zuk::app::ui::ExitChoice;
using zuk::app::ui::FileCommands;

namespace {

std::string win(const char* utf8)
{
    return zuk::codepages::utf8ToWin(utf8);
}

QStringList tabTexts(ui::TMainForm& form)
{
    QStringList out;
    for (int i = 0; i < form.documentTabs().count(); ++i)
        out << form.documentTabs().tabText(i);
    return out;
}

// A started main window with its file commands; messages are collected
// instead of shown.
struct Started {
    MainFormFixture fixture;
    ui::TMainForm* form = nullptr;
    FileCommands* files = nullptr;
    QStringList messages;

    Started()
    {
        form = &fixture.start();
        files = FileCommands::of(*form);
        files->messageHook = [this](const QString& m) { messages << m; };
    }
    QString path(const QString& name) const { return fixture.home() + name; }
    std::string path8(const QString& name) const { return path(name).toStdString(); }
    void closeActive()
    {
        const int before = form->documentCount();
        form->runCommand(QStringLiteral("mniCloseCurrent"));
        waitFor([&] { return form->documentCount() < before; });
    }
};

} // namespace

TEST(FileCommandsRoundTrip, LinesComeBackWithCrLf)
{
    struct Case {
        std::string stored, written;
    };
    const Case cases[] = {
        {"one\ntwo\n", "one\r\ntwo\r\n"},
        {"one\r\ntwo", "one\r\ntwo\r\n"},
        {"a\rb\r\n\nc", "a\r\nb\r\n\r\nc\r\n"},
        {win("Привет\nмир"), win("Привет\r\nмир\r\n")},
    };
    Started s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        s.fixture.seed("rt.txt", c.stored);
        ASSERT_TRUE(s.form->OpenFile(s.path("rt.txt")));
        EXPECT_FALSE(s.form->editor().GetModified());
        EXPECT_TRUE(s.files->save());
        EXPECT_EQ(s.fixture.read("rt.txt"), c.written);
        s.closeActive();
    }
    EXPECT_TRUE(s.messages.isEmpty());
}

TEST(FileCommandsOpen, VeryLongLinesAreShownInPartsAndKeptWhole)
{
    // A line of 30,000 bytes of Russian words between two short ones.
    std::string longLine;
    for (int i = 0; longLine.size() < 30000; ++i)
        longLine += win(i % 3 ? "слово " : "длинная\tстрока ");
    const std::string stored = "first\r\n" + longLine + "\r\nlast\r\n";

    Started s;
    s.fixture.seed("long.txt", stored);
    ASSERT_TRUE(s.form->OpenFile(s.path("long.txt")));
    zuk::editor::CdreamEditor& ed = s.form->editor();
    zuk::editor::TedControl* c = ed.activeDocument()->control();
    ASSERT_TRUE(c->hasSoftBreaks());
    const long lines = c->SendScintilla(QsciScintilla::SCI_GETLINECOUNT);
    EXPECT_GE(lines, 2 + 30);
    for (long line = 0; line < lines; ++line) {
        const long start = c->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
        const long end = c->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line);
        EXPECT_LE(c->rangeBytes(start, end).size(), 1000u) << line;
    }
    EXPECT_EQ(ed.GetAllText(), stored);

    // Copying leaves the cuts out.
    ed.SelectAll();
    c->copy();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              zuk::codepages::winToUtf8(stored.substr(0, stored.size() - 2)));

    // Typing at the start of a part joins the line as it stood.
    ed.SetCaretLine(3);
    const long at = c->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const std::string before = c->rangeBytes(0, at);
    ASSERT_TRUE(ed.InsertAtCaret("X"));
    std::string expected = stored;
    expected.insert(before.size(), "X");
    EXPECT_EQ(ed.GetAllText(), expected);

    // So does an export: the RTF has a paragraph for each of the three lines.
    ed.ExportTo(s.path8("long.rtf"), "RTF");
    const std::string rtf = s.fixture.read("long.rtf");
    size_t paragraphs = 0;
    for (size_t p = rtf.find("\\par\n"); p != std::string::npos; p = rtf.find("\\par\n", p + 1))
        ++paragraphs;
    EXPECT_EQ(paragraphs, 2u);

    // An emergency copy leaves the cuts out as well.
    s.form->settings().do_crash_copy = true;
    s.files->refreshEmergencyTable();
    ui::runEmergencyHookForTest();
    EXPECT_EQ(s.fixture.read("long.avr"), expected);

    // Another code page shows other glyphs of the same bytes.
    ed.SetCharset("dos");
    ed.SetCharset("win");
    EXPECT_EQ(ed.GetAllText(), expected);
    EXPECT_TRUE(s.files->save());
    EXPECT_EQ(s.fixture.read("long.txt"), expected);
    EXPECT_TRUE(s.messages.isEmpty());

    // Inserted text takes the same form: a lone LF in it is a real break and
    // a long line in it goes in parts.
    ed.NewDocument();
    ASSERT_TRUE(ed.InsertAtCaret(std::string(25000, 'y') + "\nz"));
    EXPECT_TRUE(ed.activeDocument()->control()->hasSoftBreaks());
    EXPECT_EQ(ed.GetAllText(), std::string(25000, 'y') + "\r\nz \r\n");
}

TEST(FileCommandsOpen, BigDocumentsOpenUnwrappedAndStayQuickToEdit)
{
    Started s;
    s.form->settings().WordWrap = true;
    s.fixture.seed("small.txt", "small\r\n");
    std::string big;
    while (big.size() < (9u << 20))
        big += win("Строка большого файла, которая повторяется много раз.\r\n");
    s.fixture.seed("big.txt", big);

    ASSERT_TRUE(s.form->OpenFile(s.path("small.txt")));
    zuk::editor::Ted* small = s.form->editor().activeDocument();
    EXPECT_TRUE(small->wordWrap());
    EXPECT_FALSE(small->control()->quietText());
    QAccessibleInterface* smallAccess = QAccessible::queryAccessibleInterface(small->control());
    ASSERT_NE(smallAccess, nullptr);
    EXPECT_NE(smallAccess->textInterface(), nullptr); // QScintilla's own

    ASSERT_TRUE(s.form->OpenFile(s.path("big.txt")));
    zuk::editor::Ted* ted = s.form->editor().activeDocument();
    zuk::editor::TedControl* c = ted->control();
    EXPECT_FALSE(ted->wordWrap());
    EXPECT_TRUE(s.form->statusBar()->currentMessage().contains(QString::fromUtf8("перенос")));
    EXPECT_TRUE(c->quietText());
    QAccessibleInterface* bigAccess = QAccessible::queryAccessibleInterface(c);
    ASSERT_NE(bigAccess, nullptr);
    EXPECT_EQ(bigAccess->textInterface(), nullptr); // the plain one

    // Changes still reach the line and text signals, once the screen updates.
    QSignalSpy lines(c, &QsciScintilla::linesChanged);
    QSignalSpy text(c, &QsciScintilla::textChanged);
    c->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    ASSERT_TRUE(s.form->editor().InsertAtCaret("\r\n"));
    c->viewport()->repaint();
    waitFor([&] { return lines.count() > 0; });
    EXPECT_GT(lines.count(), 0);
    EXPECT_GT(text.count(), 0);
    // Nothing of the text was lost on the way.
    EXPECT_EQ(ted->allText(), big + "\r\n");
    c->undo();
    EXPECT_EQ(ted->allText(), big);

    // The settings do not wrap it again; the command does.
    s.form->editor().ApplySettings();
    EXPECT_FALSE(ted->wordWrap());
    s.form->editor().SetWordWrap(true);
    EXPECT_TRUE(ted->wordWrap());

    // Emptied by editing, it is announced change by change again.
    c->SendScintilla(QsciScintilla::SCI_CLEARALL);
    c->viewport()->repaint();
    waitFor([&] { return !c->quietText(); });
    EXPECT_FALSE(c->quietText());
}

TEST(FileCommandsDocuments, TabsRefusalAndClosingKeepTheirBookkeeping)
{
    Started s;
    s.fixture.seed("a.txt", "a\r\n");
    s.fixture.seed("A.TXT", "A\r\n");
    s.form->runCommand("mniFileNew");
    s.form->runCommand("mniFileNew");
    ASSERT_TRUE(s.form->OpenFile(s.path("a.txt")));
    EXPECT_EQ(tabTexts(*s.form), (QStringList{"untitled0", "untitled1", "a.txt"}));

    // The same file under another name is refused and changes nothing.
    QFile::link(s.path("a.txt"), s.path("link.txt"));
    EXPECT_FALSE(s.form->OpenFile(s.path("link.txt")));
    EXPECT_EQ(s.messages, QStringList{QString::fromUtf8("Нельзя открыть уже открытый файл")});
    EXPECT_EQ(s.form->documentCount(), 3);

    // Closing an untitled document takes its tab and leaves the history alone.
    s.form->editor().activateDocument(
        s.form->editor().documentByFileName(std::string("untitled1")));
    s.closeActive();
    EXPECT_EQ(tabTexts(*s.form), (QStringList{"untitled0", "a.txt"}));
    EXPECT_TRUE(s.form->history().empty());

    // Closing the file frees it for opening again and puts it into the history.
    s.form->editor().activateDocument(s.form->editor().documentByFileName(s.path8("a.txt")));
    s.closeActive();
    ASSERT_EQ(s.form->history().size(), 1u);
    EXPECT_EQ(s.form->history()[0].fileName, s.path8("a.txt"));
    EXPECT_FALSE(s.files->openFiles().contains(s.path8("a.txt")));
    EXPECT_TRUE(s.form->OpenFile(s.path("link.txt")));
    // Another file whose name differs in letter case only is another document.
    EXPECT_TRUE(s.form->OpenFile(s.path("A.TXT")));
}

TEST(FileCommandsSaveAs, DefaultExtensionOverwriteQuestionAndBookkeeping)
{
    struct Case {
        bool chfileext;
        const char* written;
    };
    for (const Case c : {Case{true, "report.txt"}, Case{false, "report"}}) {
        SCOPED_TRACE(c.written);
        Started s;
        s.form->settings().chfileext = c.chfileext;
        s.form->settings().defext = "txt";
        s.form->runCommand("mniFileNew");
        s.form->editor().SetAllText("text\n");
        s.files->saveDialogHook = [&] { return s.path("report"); };
        ASSERT_TRUE(s.files->saveAs());
        EXPECT_EQ(s.fixture.read(c.written), "text\r\n");
        EXPECT_EQ(s.form->editor().GetFileName(), s.path8(c.written));
        EXPECT_FALSE(s.form->editor().GetModified());
        EXPECT_TRUE(s.form->editor().HasFile());
        EXPECT_EQ(tabTexts(*s.form), QStringList{c.written});
        EXPECT_TRUE(s.files->openFiles().contains(s.path8(c.written)));
        EXPECT_EQ(s.files->saveFolder(), QDir(s.fixture.home()).absolutePath());
    }

    // An existing target is asked about by its final name; No writes nothing.
    Started s;
    s.form->settings().chfileext = true;
    s.fixture.seed("old.txt", "keep\r\n");
    ASSERT_TRUE(s.form->OpenFile(s.path("old.txt")));
    s.form->runCommand("mniFileNew");
    s.form->editor().SetAllText("new\r\n");
    s.files->saveDialogHook = [&] { return s.path("old"); };
    QStringList asked;
    s.files->overwriteHook = [&asked](const QString& q) {
        asked << q;
        return false;
    };
    EXPECT_FALSE(s.files->saveAs());
    EXPECT_EQ(asked, QStringList{QString::fromUtf8("OK для перезаписи ") + s.path("old.txt")});
    EXPECT_EQ(s.fixture.read("old.txt"), "keep\r\n");
    EXPECT_EQ(s.form->editor().GetFileName(), "untitled0");
}

TEST(FileCommandsSave, FailedWritesAreReportedAndLoseNothing)
{
    Started s;
    s.form->runCommand("mniFileNew");
    s.form->editor().SetAllText("unsaved\r\n");
    s.form->editor().SetModified(true);
    s.files->saveDialogHook = [&] { return s.path("no/such/folder/x.txt"); };
    EXPECT_FALSE(s.files->saveAs());
    ASSERT_EQ(s.messages.size(), 1);
    EXPECT_TRUE(s.messages[0].contains(QStringLiteral("No such file or directory")))
        << s.messages[0].toStdString();
    EXPECT_TRUE(s.form->editor().GetModified());
    EXPECT_EQ(s.form->editor().GetFileName(), "untitled0");
    EXPECT_TRUE(s.files->openFiles().paths().empty());

    // A file size limit makes the write fail half-way: the old content stays.
    s.messages.clear();
    s.fixture.seed("big.txt", "old\r\n");
    ASSERT_TRUE(s.form->OpenFile(s.path("big.txt")));
    s.form->editor().SetAllText(std::string(200000, 'x') + "\r\n");
    s.form->editor().SetModified(true);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = s.files->save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(ok);
    ASSERT_EQ(s.messages.size(), 1);
    EXPECT_TRUE(s.messages[0].contains(QStringLiteral("too large"))) << s.messages[0].toStdString();
    EXPECT_TRUE(s.form->editor().GetModified());
    EXPECT_EQ(s.fixture.read("big.txt"), "old\r\n");
}

TEST(FileCommandsOpen, UnreadableFileIsReportedWithItsReason)
{
    Started s;
    EXPECT_FALSE(s.form->OpenFile(QStringLiteral("/proc/self/mem")));
    ASSERT_EQ(s.messages.size(), 1);
    EXPECT_TRUE(s.messages[0].contains(QStringLiteral("/proc/self/mem")))
        << s.messages[0].toStdString();
    EXPECT_EQ(s.form->documentCount(), 0);
    EXPECT_TRUE(s.files->openFiles().paths().empty());
    // Missing files say nothing.
    EXPECT_FALSE(s.form->OpenFile(s.path("missing.txt")));
    EXPECT_EQ(s.messages.size(), 1);
}

// A pipe can be read only once: it must not be read a second time to fill
// the editor (that read would wait for a writer for ever).
TEST(FileCommandsOpen, APipeIsReadOnce)
{
    Started s;
    const std::string fifo = s.path8("pipe.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([fifo] {
        std::ofstream out(fifo, std::ios::binary);
        out << win("из трубы\nвторая");
    });
    const bool opened = s.form->OpenFile(s.path("pipe.txt"));
    writer.join();
    ASSERT_TRUE(opened);
    EXPECT_EQ(s.form->editor().GetAllText(), win("из трубы\r\nвторая\r\n"));
}

// Events are handled while a file goes in (for the progress dialog); a
// request to close the program meanwhile is refused.
TEST(FileCommandsOpen, TheProgramDoesNotCloseWhileAFileLoads)
{
    Started s;
    s.files->progressThreshold = 0;
    std::string text;
    while (text.size() < (3u << 20))
        text += "line of a file that takes a few blocks\r\n";
    s.fixture.seed("slow.txt", text);
    QCoreApplication::postEvent(s.form, new QCloseEvent);
    ASSERT_TRUE(s.form->OpenFile(s.path("slow.txt")));
    EXPECT_FALSE(s.form->settings().Closing);
    EXPECT_EQ(s.form->editor().GetAllText(), text);
}

TEST(FileCommandsSaveAll, WritesFilesOnlyAndLeavesModifiedFlags)
{
    Started s;
    s.fixture.seed("one.txt", "1\r\n");
    s.fixture.seed("two.txt", "2\r\n");
    ASSERT_TRUE(s.form->OpenFile(s.path("one.txt")));
    s.form->editor().SetAllText("uno\r\n");
    ASSERT_TRUE(s.form->OpenFile(s.path("two.txt")));
    s.form->runCommand("mniFileNew");
    s.form->editor().SetAllText("loose\r\n");
    s.form->editor().SetModified(true);
    EXPECT_TRUE(s.files->saveAllDocuments());
    EXPECT_EQ(s.fixture.read("one.txt"), "uno\r\n");
    EXPECT_EQ(s.fixture.read("two.txt"), "2\r\n");
    auto& ed = s.form->editor();
    EXPECT_TRUE(ed.documentByFileName(s.path8("one.txt"))->modified());
    EXPECT_FALSE(ed.documentByFileName(s.path8("two.txt"))->modified());
    EXPECT_TRUE(ed.documentByFileName(std::string("untitled0"))->modified());
    EXPECT_EQ(QDir(s.fixture.home()).entryList(QDir::Files).filter("untitled").size(), 0);
}

TEST(FileCommandsCopies, VersionBackupRevertAndEmergencyCopies)
{
    Started s;
    QDir().mkpath(s.path("docs"));
    s.fixture.seed("docs/notes.txt", win("заметки\r\n"));
    ASSERT_TRUE(s.form->OpenFile(s.path("docs/notes.txt")));
    zuk::settings::RSaveOptions& o = s.form->settings().SaveOptions;
    o.AddVersionNamePrefix = true;
    o.VersionNamePrefix = "v";
    o.SaveInSameFolder = true;
    o.DoConvertVersionToCharset = true;
    o.ConvertVersionToCharset = "koi";
    s.files->clock = [] {
        std::tm t{};
        t.tm_year = 2024 - 1900;
        t.tm_mon = 11;
        t.tm_mday = 31;
        t.tm_hour = 23;
        t.tm_min = 59;
        t.tm_sec = 58;
        return t;
    };
    s.form->runCommand("mniSaveVersion");
    EXPECT_EQ(s.fixture.read("docs/vdate-31-12-2024time-23-59-58notes.txt"),
              zuk::codepages::encodeFromUtf8("заметки\r\n", zuk::codepages::CodePage::Koi));

    // Backup copy, then revert after a change; the backup opens as a further document.
    s.form->runCommand("mniSaveCopy");
    EXPECT_EQ(s.fixture.read("docs/notes.bak"), win("заметки\r\n"));
    s.form->editor().SetAllText("changed\r\n");
    s.form->runCommand("mniRevertToSaved");
    EXPECT_EQ(s.form->editor().GetAllText(), win("заметки\r\n"));
    s.form->runCommand("mniLoadCopy");
    EXPECT_EQ(s.form->editor().GetFileName(), s.path8("docs/notes.bak"));
    EXPECT_EQ(s.form->documentCount(), 2);

    // Emergency copies: documents bound to files, in their own code page.
    s.closeActive();
    ASSERT_EQ(s.form->editor().GetFileName(), s.path8("docs/notes.txt"));
    s.form->settings().do_crash_copy = true;
    s.form->editor().SetAllText(win("авария\nвторая"));
    s.form->runCommand("mniFileNew");
    s.form->editor().SetAllText("untitled text\r\n");
    s.files->refreshEmergencyTable();
    ui::runEmergencyHookForTest();
    EXPECT_EQ(s.fixture.read("docs/notes.avr"), win("авария\r\nвторая\r\n"));
    EXPECT_FALSE(QFileInfo::exists(s.path("untitled0.avr")));
}

TEST(FileCommandsHistory, ReopensScrolledToTheLineItWasLeftAt)
{
    Started s;
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    s.fixture.seed("long.txt", text);
    ASSERT_TRUE(s.form->OpenFile(s.path("long.txt")));
    s.form->editor().ScrollBy(0, 120);
    s.closeActive();
    ASSERT_EQ(s.form->history().size(), 1u);
    EXPECT_EQ(s.form->history()[0].firstLine, 120);
    s.form->HistoryOpen(s.path("long.txt"), s.form->history()[0].firstLine);
    ASSERT_EQ(s.form->documentCount(), 1);
    EXPECT_EQ(s.form->editor().activeDocument()->control()->firstVisibleLine(), 120);
    // A vanished file does nothing and its entry stays.
    s.form->HistoryOpen(s.path("gone.txt"), 5);
    EXPECT_EQ(s.form->documentCount(), 1);
}

TEST(FileCommandsDrop, RtfEndsTheDropPicturesAndFlashGoToTheCaret)
{
    Started s;
    s.fixture.seed("a.txt", "a\r\n");
    s.fixture.seed("b.rtf", "{\\rtf1\\ansi {\\b Bold} plain\\par}");
    s.fixture.seed("c.txt", "c\r\n");
    s.files->dropFiles({s.path("a.txt"), s.path("b.rtf"), s.path("c.txt")});
    EXPECT_EQ(tabTexts(*s.form), (QStringList{"a.txt", "untitled0*"})); // imported, not saved
    EXPECT_EQ(s.form->editor().GetAllText(), "Bold plain\r\n");
    EXPECT_FALSE(s.files->openFiles().contains(s.path8("c.txt")));
    EXPECT_EQ(s.files->openFolder(), QDir(s.fixture.home()).absolutePath());

    // A picture next to the active document, then a Flash file through the template.
    s.form->editor().activateDocument(s.form->editor().documentByFileName(s.path8("a.txt")));
    QDir().mkpath(s.path("img"));
    QImage(3, 2, QImage::Format_RGB32).save(s.path("img/p.png"));
    s.fixture.seed("Engine/Parts/swfimport.txt",
                   "<object id=\"@id\" clsid=\"@clsid\" src=\"@filename\">");
    s.fixture.seed("m.swf", "FWS");
    s.files->dropFiles({s.path("img/p.png"), s.path("m.swf")});
    const std::string text = s.form->editor().GetAllText();
    EXPECT_NE(
        text.find("<img src=\"img/p.png\" width=\"3\" height=\"2\" border=\"0\" alt=\"p.png\">"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("<object id=\"m\" clsid=\""), std::string::npos) << text;
    EXPECT_NE(text.find("src=\"" + s.path8("m.swf") + "\">"), std::string::npos) << text;
    EXPECT_EQ(text.find("@clsid"), std::string::npos);
}

TEST(FileCommandsRtf, ImportAsPlainTextOrAsHtml)
{
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}"
                            "\\f0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 {\\i italic}\\par second\\par}";
    for (const bool asText : {true, false}) {
        SCOPED_TRACE(asText);
        Started s;
        s.fixture.seed("r.rtf", rtf);
        s.form->settings().rtf_import_as_text = asText;
        ASSERT_TRUE(s.form->OpenFile(s.path("r.rtf")));
        EXPECT_EQ(s.form->editor().GetFileName(), "untitled0");
        EXPECT_FALSE(s.form->editor().HasFile());
        const std::string text = s.form->editor().GetAllText();
        if (asText) {
            EXPECT_EQ(text, win("Привет italic\r\nsecond\r\n"));
        } else {
            EXPECT_NE(text.find(win("Привет")), std::string::npos) << text;
            EXPECT_NE(text.find("<i>italic</i>"), std::string::npos) << text;
            EXPECT_TRUE(QFileInfo::exists(QDir::tempPath() + "/zuk_temp.htm"));
        }
    }
}

TEST(FileCommandsExit, UnsavedDocumentsCanBeSavedDiscardedOrKept)
{
    struct Case {
        ExitChoice choice;
        bool closes;
    };
    for (const Case c : {Case{ExitChoice::Cancel, false}, Case{ExitChoice::Save, true},
                         Case{ExitChoice::Discard, true}}) {
        Started s;
        s.fixture.seed("f.txt", "f\r\n");
        ASSERT_TRUE(s.form->OpenFile(s.path("f.txt")));
        s.form->editor().SetAllText("edited\r\n");
        s.form->editor().SetModified(true);
        s.form->runCommand("mniFileNew");
        s.form->editor().SetAllText("fresh\r\n");
        s.form->editor().SetModified(true);
        QStringList asked;
        s.files->exitChoiceHook = [&](const QString& q) {
            asked << q;
            return c.choice;
        };
        s.files->saveDialogHook = [&] { return s.path("fresh.txt"); };
        EXPECT_EQ(s.form->close(), c.closes);
        ASSERT_EQ(asked.size(), 1);
        EXPECT_TRUE(asked[0].contains("untitled0") && asked[0].contains(s.path("f.txt")));
        const bool saved = c.choice == ExitChoice::Save;
        EXPECT_EQ(s.fixture.read("f.txt"), saved ? "edited\r\n" : "f\r\n");
        EXPECT_EQ(s.fixture.read("fresh.txt"), saved ? "fresh\r\n" : "");
        if (!c.closes) {
            EXPECT_EQ(s.form->documentCount(), 2);
        }
    }

    // autosave_on_exit saves the files itself and asks only about the rest.
    Started s;
    s.form->settings().autosave_on_exit = true;
    s.fixture.seed("f.txt", "f\r\n");
    ASSERT_TRUE(s.form->OpenFile(s.path("f.txt")));
    s.form->editor().SetAllText("auto\r\n");
    s.form->editor().SetModified(true);
    EXPECT_TRUE(s.form->close()); // nothing else is modified: no question
    EXPECT_EQ(s.fixture.read("f.txt"), "auto\r\n");
}

TEST(FileCommandsDrop, FilesDroppedOnTheTextAreaAreOneDrop)
{
    Started s;
    s.fixture.seed("x.txt", "x\r\n");
    s.fixture.seed("y.rtf", "{\\rtf1 y\\par}");
    s.fixture.seed("z.txt", "z\r\n");
    s.form->runCommand("mniFileNew");
    zuk::editor::TedControl* control = s.form->editor().activeDocument()->control();
    for (const char* name : {"x.txt", "y.rtf", "z.txt"})
        emit control->SCN_URIDROPPED(QUrl::fromLocalFile(s.path(name)));
    EXPECT_TRUE(waitFor([&] { return s.form->documentCount() == 3; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(tabTexts(*s.form), (QStringList{"untitled0", "x.txt", "untitled1*"}));
}

TEST(FileCommandsDocuments, AModifiedDocumentIsMarkedInItsTabAndTheWindowTitle)
{
    Started s;
    s.fixture.seed("a.txt", "text\r\n");
    ASSERT_TRUE(s.form->OpenFile(s.path("a.txt")));
    const QString path = s.path("a.txt");
    // A maximized document's title is shown in the main window's title.
    auto title = [&] { return s.form->windowTitle(); };
    EXPECT_EQ(tabTexts(*s.form), QStringList{"a.txt"});
    EXPECT_TRUE(title().endsWith("[" + path + "]")) << title().toStdString();
    s.form->editor().InsertAtCaret("x");
    EXPECT_EQ(tabTexts(*s.form), QStringList{"a.txt*"});
    EXPECT_TRUE(title().endsWith("[" + path + "*]")) << title().toStdString();
    ASSERT_TRUE(s.form->runCommand("mniSave"));
    EXPECT_EQ(tabTexts(*s.form), QStringList{"a.txt"});
    EXPECT_TRUE(title().endsWith("[" + path + "]")) << title().toStdString();
    // Set from outside (a revert keeps the flag): the next command shows it.
    s.form->editor().SetModified(true);
    s.form->runCommand("mniNextWindow");
    EXPECT_EQ(tabTexts(*s.form), QStringList{"a.txt*"});
}

TEST(FileCommandsNul, AFileWithANulIsShownCutAndNeverWrittenOverUnasked)
{
    Started s;
    const std::string bytes("kept\r\nlost\0after\r\n", 18);
    s.fixture.seed("nul.txt", bytes);
    QStringList questions;
    bool answer = false;
    s.files->overwriteHook = [&](const QString& q) {
        questions << q;
        return answer;
    };
    ASSERT_TRUE(s.form->OpenFile(s.path("nul.txt")));
    ASSERT_EQ(s.messages.size(), 1);
    EXPECT_EQ(s.messages[0],
              QString::fromUtf8("Файл содержит нулевой байт: показано 10 из 18 байт"));
    EXPECT_EQ(s.form->editor().GetAllText(), "kept\r\nlost\r\n");
    s.form->editor().InsertAtCaret("new ");

    // Save, Save All and the exit's autosave ask, naming what would be lost; No keeps the file.
    EXPECT_FALSE(s.files->save());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(s.path("nul.txt")));
    EXPECT_TRUE(questions[0].contains(QStringLiteral(" 8 "))) << questions[0].toStdString();
    s.files->saveAllDocuments();
    EXPECT_EQ(questions.size(), 2);
    s.files->saveAllDocuments(true); // the log-off save cannot ask: it leaves the file
    EXPECT_EQ(questions.size(), 2);
    s.form->settings().autosave_on_exit = true;
    s.files->exitChoiceHook = [](const QString&) { return ExitChoice::Cancel; };
    EXPECT_FALSE(s.files->prepareExit()); // declined, so still unsaved: the exit question
    EXPECT_EQ(questions.size(), 3);
    EXPECT_EQ(s.fixture.read("nul.txt"), bytes);

    // Save As to another name is free, and that document is whole again.
    s.files->saveDialogHook = [&] { return s.path("copy.txt"); };
    EXPECT_TRUE(s.files->saveAs());
    EXPECT_EQ(questions.size(), 3);
    EXPECT_EQ(s.fixture.read("copy.txt"), "new kept\r\nlost\r\n");
    EXPECT_TRUE(s.files->save());
    EXPECT_EQ(questions.size(), 3);
    EXPECT_EQ(s.fixture.read("nul.txt"), bytes);

    // Yes writes the shown text over the file.
    ASSERT_TRUE(s.form->OpenFile(s.path("nul.txt")));
    answer = true;
    EXPECT_TRUE(s.files->save());
    EXPECT_EQ(questions.size(), 4);
    EXPECT_EQ(s.fixture.read("nul.txt"), "kept\r\nlost\r\n");
    EXPECT_TRUE(s.files->save()); // once written whole, no more questions
    EXPECT_EQ(questions.size(), 4);
    s.form->settings().autosave_on_exit = false;
    s.form->editor().SetModified(false);
    s.files->exitChoiceHook = {};
}

TEST(FileCommandsExit, TermAndHupWriteEmergencyCopiesThenShutDownWithoutQuestions)
{
    for (int sig : {SIGTERM, SIGHUP}) {
        Started s;
        s.fixture.seed("a.txt", "old\r\n");
        s.fixture.seed("b.txt", "same\r\n");
        ASSERT_TRUE(s.form->OpenFile(s.path("a.txt")));
        s.form->editor().InsertAtCaret("new ");
        ASSERT_TRUE(s.form->OpenFile(s.path("b.txt")));
        s.form->NewFile();
        s.form->editor().SetAllText("draft\r\n");
        int questions = 0;
        s.form->confirmHook = [&](const QString&) { return ++questions, false; };
        s.files->exitChoiceHook = [&](const QString&) { return ++questions, ExitChoice::Cancel; };
        s.form->watchTermination();
        ::raise(sig);
        ASSERT_TRUE(waitFor([&] { return !s.form->isVisible(); })) << sig;
        EXPECT_EQ(questions, 0);
        EXPECT_EQ(s.fixture.read("a.avr"), "new old\r\n");
        EXPECT_EQ(s.fixture.read("a.txt"), "old\r\n");    // the file itself is left alone
        EXPECT_FALSE(QFileInfo::exists(s.path("b.avr"))); // unmodified: nothing to save
        EXPECT_EQ(s.fixture.read("Engine/Parts/untitled0.avr"), "draft\r\n");
        EXPECT_NE(s.fixture.read("zuk.ini").find("[Main]"), std::string::npos);
        EXPECT_NE(s.fixture.read("Engine/Parts/lastfiles.txt").find("b.txt"), std::string::npos);
    }
}

TEST(FileCommandsOpen, TheOpenDialogListsEveryTypeAndLeavesNoCompleterListBehind)
{
    Started s;
    s.fixture.seed("prog.c", "int x;\r\n");
    s.fixture.seed("prog.py", "x = 1\r\n");
    QStringList filters;
    bool popupShown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->setDirectory(s.fixture.home());
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("prog.");
        QCompleter* completer = name->completer();
        ASSERT_NE(completer, nullptr);
        // The folder's names arrive from a file-system watcher thread.
        waitFor([&] {
            completer->setCompletionPrefix(s.fixture.home() + "prog.");
            return completer->completionCount() >= 2;
        });
        completer->complete();
        popupShown = completer->popup()->isVisible();
        name->setText("prog.c");
        QTest::keyClick(name, Qt::Key_Return); // the list is still up, as after typing
    });
    s.files->openDialog();
    ASSERT_GE(filters.size(), 4);
    EXPECT_TRUE(filters[0].contains("*.c ") && filters[0].contains("*.py "))
        << filters[0].toStdString();
    for (const QString& f : filters)
        EXPECT_EQ(f.count('('), 1) << f.toStdString(); // no caption repeats its pattern
    EXPECT_TRUE(filters.last().endsWith("(*)"));
    EXPECT_TRUE(popupShown);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QAbstractItemView*>(w)) {
            EXPECT_FALSE(w->isVisible()) << "a completer list stays over the document";
        }
    }
    EXPECT_EQ(s.form->editor().GetFileName(), s.path8("prog.c"));
}
