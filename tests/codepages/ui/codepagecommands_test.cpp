// The Encoding menu and the code-page items of the File menu, run by name on
// the real main window over its own program folder.

#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "codepages/charsets.h"
#include "codepages/exchange.h"
#include "codepages/transcoders.h"
#include "codepages/ui/codepagecommands.h"
#include "editor/ui/cdreameditor.h"
#include "io/tempfolder.h"
#include "support/ui/mainformfixture.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using zuk::codepages::utf8ToWin;
using zuk::codepages::ui::codePageCommands;
using zuk::codepages::ui::TCodePageCommands;
using zuk::test::MainFormFixture;

namespace {

std::string win(const char* utf8)
{
    return utf8ToWin(utf8);
}

std::string readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll().toStdString();
}

void writeFile(const QString& path, const std::string& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A started main window with one document holding `text` in `charset`, and
// the file dialogs answered by `answer` (empty: cancelled).
class CodePageCommandsTest : public ::testing::Test {
protected:
    zuk::app::ui::TMainForm& start(const std::string& text = {}, const char* charset = "win")
    {
        zuk::app::ui::TMainForm& form = m_fixture.start();
        m_commands = codePageCommands(form);
        m_commands->fileDialogHook = [this](bool save, const QString&) {
            ++(save ? saveDialogs : openDialogs);
            return answer;
        };
        m_commands->messageHook = [this](const QString& message) { messages << message; };
        form.NewFile();
        form.editor().SetAllText(text);
        form.editor().SetCharset(charset);
        return form;
    }
    zuk::app::ui::TMainForm& form() { return m_fixture.form(); }
    zuk::editor::CVed& doc() { return m_fixture.form().editor(); }
    QString file(const char* name) const { return m_files.filePath(QString::fromLatin1(name)); }

    MainFormFixture m_fixture;
    QTemporaryDir m_files;
    TCodePageCommands* m_commands = nullptr;
    QString answer;
    int saveDialogs = 0;
    int openDialogs = 0;
    QStringList messages;
};

} // namespace

TEST_F(CodePageCommandsTest, ConvertingChangesTheLettersAndSetsTheWorkingCodePage)
{
    // "Ёж — щи\r\n" in Windows-1251, the em dash followed by a space.
    const std::string source = "\xA8\xE6 \x97 \xF9\xE8\r\n";
    struct Step {
        const char* command;
        const char* charset;
        std::string bytes;
    };
    const Step steps[] = {
        // Letters to CP866 and the em dash before a space to the line character.
        {"ConvertToEncodingDOS866", "dos", "\xF0\xA6 \xC4 \xE9\xA8\r\n"},
        // CP866 to KOI8-R goes through Windows-1251, where C4 is the letter Д.
        {"ConvertToEncodingKOI8R", "koi", "\xB3\xD6 \xE4 \xDD\xC9\r\n"},
        {"ConvertToEncodingWindows1251", "win", "\xA8\xE6 \xC4 \xF9\xE8\r\n"},
        // Converting to the page the document is in changes nothing.
        {"ConvertToEncodingWindows1251", "win", "\xA8\xE6 \xC4 \xF9\xE8\r\n"},
    };
    start(source);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.command);
        ASSERT_TRUE(form().runCommand(QString::fromLatin1(s.command)));
        EXPECT_EQ(doc().GetCharset(), s.charset);
        EXPECT_EQ(doc().GetAllText(), s.bytes);
    }
}

TEST_F(CodePageCommandsTest, OneUndoTakesTheBytesAndTheCodePageBackTogether)
{
    const std::string source = "\xA8\xE6\r\n"; // "Ёж" in Windows-1251
    start(source);
    ASSERT_TRUE(form().runCommand("ConvertToEncodingKOI8R"));
    ASSERT_TRUE(form().runCommand("ConvertToEncodingDOS866"));
    const std::string dos = doc().GetAllText();
    doc().Undo();
    EXPECT_EQ(doc().GetCharset(), "koi");
    EXPECT_EQ(doc().GetAllText(), "\xB3\xD6\r\n");
    doc().Undo();
    EXPECT_EQ(doc().GetCharset(), "win");
    EXPECT_EQ(doc().GetAllText(), source);
    doc().Redo();
    doc().Redo();
    EXPECT_EQ(doc().GetCharset(), "dos");
    EXPECT_EQ(doc().GetAllText(), dos);
    // Typing after the undo stores the letters of the page the bytes are in.
    doc().Undo();
    doc().Undo();
    doc().SetSelection(0, 0);
    doc().InsertAtCaret(zuk::codepages::utf8ToWin("Я"));
    EXPECT_EQ(doc().GetAllText(), "\xDF" + source);
}

TEST_F(CodePageCommandsTest, ConvertingADosDocumentToDosOnlyRedrawsTheDashPairs)
{
    // In CP866 97h is Ч: Ч followed by a space becomes the line character, Ч elsewhere stays.
    start("\x97 \x97\x97\r\n", "dos");
    ASSERT_TRUE(form().runCommand("ConvertToEncodingDOS866"));
    EXPECT_EQ(doc().GetAllText(), "\xC4 \x97\x97\r\n");
    EXPECT_EQ(doc().GetCharset(), "dos");
}

TEST_F(CodePageCommandsTest, WorkingInACodePageKeepsTheBytes)
{
    const std::string text = win("Съешь же ещё этих мягких булок\r\n");
    start(text);
    doc().SetModified(false);
    const std::pair<const char*, const char*> items[] = {{"mniWorkInEncodingDOS866", "dos"},
                                                         {"mniWorkInEncodingKOI8R", "koi"},
                                                         {"mniWorkInEncodingWindowsCP", "win"}};
    for (const auto& [command, charset] : items) {
        ASSERT_TRUE(form().runCommand(QString::fromLatin1(command)));
        EXPECT_EQ(doc().GetCharset(), charset);
        EXPECT_EQ(doc().GetAllText(), text);
    }
    EXPECT_FALSE(doc().GetModified());
}

TEST_F(CodePageCommandsTest, ExportWritesTheFileAndImportReadsItBackIntoANewDocument)
{
    // Every letter kind that moves differently: Ё ё, а-ю, я. (The em dash is
    // not a letter: the Mac import reads 97h as its letter Ч.)
    const std::string text = win("Привет, мир!\r\nЁлка и ёж, я\r\n");
    zuk::test::ModalCloser closer;
    struct Case {
        const char* exportCommand;
        const char* importCommand; // nullptr: no import of that format
        zuk::codepages::ExchangeFormat format;
    };
    using F = zuk::codepages::ExchangeFormat;
    const Case cases[] = {{"mniExportDOS", nullptr, F::Dos},
                          {"mniExportKOI8Rus", nullptr, F::Koi},
                          {"mniExportMAC", "mniImportMac", F::Mac},
                          {"mniExportISO88595", "mniImportISO88595", F::Iso},
                          {"mniUnicode2", "mniImportUnicode", F::Utf16},
                          {"mniExportUTF8", "mniUTF8", F::Utf8}};
    start(text);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exportCommand);
        answer = file(c.exportCommand);
        ASSERT_TRUE(form().runCommand(QString::fromLatin1(c.exportCommand)));
        EXPECT_EQ(readFile(answer),
                  zuk::codepages::exportBytes(text, zuk::codepages::CodePage::Win, c.format));
        // The document itself is left alone.
        EXPECT_EQ(doc().GetAllText(), text);
        EXPECT_EQ(doc().GetCharset(), "win");
        if (!c.importCommand)
            continue;
        const int before = doc().DocumentCount();
        ASSERT_TRUE(form().runCommand(QString::fromLatin1(c.importCommand)));
        EXPECT_EQ(doc().DocumentCount(), before + 1);
        EXPECT_EQ(doc().GetCharset(), "win");
        EXPECT_EQ(doc().GetAllText(), text);
        doc().SetModified(false);
        form().runCommand("mniCloseCurrent");
    }
    // Spot checks of the bytes themselves.
    EXPECT_EQ(readFile(file("mniExportDOS")).substr(0, 6), "\x8F\xE0\xA8\xA2\xA5\xE2");
    EXPECT_EQ(readFile(file("mniUnicode2")).substr(0, 4), std::string("\xFF\xFE\x1F\x04", 4));
}

TEST_F(CodePageCommandsTest, ExportOfADosDocumentToDosWritesItsBytesUnchanged)
{
    start("\x8F\xE0\xA8\xA2\xA5\xE2\r\n", "dos");
    answer = file("out.txt");
    ASSERT_TRUE(form().runCommand("mniExportDOS"));
    EXPECT_EQ(readFile(answer), "\x8F\xE0\xA8\xA2\xA5\xE2\r\n");
}

TEST_F(CodePageCommandsTest, ImportWorksWithNoDocumentOpen)
{
    MainFormFixture fixture;
    zuk::app::ui::TMainForm& f = fixture.start();
    TCodePageCommands* c = codePageCommands(f);
    const QString path = file("u16.txt");
    writeFile(path, std::string("\xFE\xFF\x04\x1F\x04\x40\x20\x28\x00\x61", 10));
    c->fileDialogHook = [path](bool, const QString&) { return path; };
    ASSERT_EQ(f.editor().DocumentCount(), 0);
    ASSERT_TRUE(f.runCommand("mniImportUnicode"));
    ASSERT_EQ(f.editor().DocumentCount(), 1);
    EXPECT_EQ(f.editor().GetAllText(), "\xCF\xF0\r\na\r\n");
}

TEST_F(CodePageCommandsTest, CancelledDialogsAndUnreadableFilesLeaveEverythingAlone)
{
    start("abc\r\n");
    answer.clear();
    for (const char* command : {"mniExportDOS", "mniUnicode2", "mniExport2HTML", "mniUTF8"})
        ASSERT_TRUE(form().runCommand(QString::fromLatin1(command)));
    EXPECT_EQ(saveDialogs, 3);
    EXPECT_EQ(openDialogs, 1);
    EXPECT_EQ(doc().DocumentCount(), 1);

    // A file that cannot be read is reported and makes no document.
    answer = file("no-such-file.txt");
    EXPECT_FALSE(form().runCommand("mniImportMac"));
    EXPECT_EQ(doc().DocumentCount(), 1);
    EXPECT_TRUE(form().statusBar()->currentMessage().contains(QStringLiteral("no-such-file")));
}

// A KOI8-R or CP866 document exports to UTF-8 and UTF-16 with its own
// letters, read through its working code page, not as Windows-1251 mojibake.
TEST_F(CodePageCommandsTest, UnicodeExportsReadTheDocumentInItsWorkingCodePage)
{
    const QString text = QString::fromUtf8("Привет, ёж\r\n");
    for (const auto cp : {zuk::codepages::CodePage::Koi, zuk::codepages::CodePage::Dos}) {
        const char* charset = zuk::codepages::codePageName(cp);
        SCOPED_TRACE(charset);
        MainFormFixture fixture;
        messages.clear();
        zuk::app::ui::TMainForm& f = fixture.start();
        TCodePageCommands* c = codePageCommands(f);
        c->fileDialogHook = [this](bool, const QString&) { return answer; };
        c->messageHook = [this](const QString& message) { messages << message; };
        f.NewFile();
        f.editor().SetAllText(zuk::codepages::encodeFromUtf8(text.toStdString(), cp));
        f.editor().SetCharset(charset);

        answer = file("utf8.txt");
        ASSERT_TRUE(f.runCommand("mniExportUTF8"));
        EXPECT_EQ(QString::fromUtf8(readFile(answer)), text);
        answer = file("utf16.txt");
        ASSERT_TRUE(f.runCommand("mniUnicode2"));
        const std::string utf16 = readFile(answer);
        ASSERT_GE(utf16.size(), 2u);
        EXPECT_EQ(utf16.substr(0, 2), "\xFF\xFE");
        EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(utf16.data() + 2),
                                     static_cast<qsizetype>(utf16.size() / 2 - 1)),
                  QString::fromUtf8("Привет, ёж"));
        EXPECT_TRUE(messages.isEmpty());
    }
}

// A file that cannot be written (here: larger than the process may write, as
// on a full disk) is reported in a box with the reason, as a failed save is.
TEST_F(CodePageCommandsTest, AnExportThatCannotBeWrittenSaysSoInABox)
{
    start(std::string(8192, 'x') + "\r\n");
    for (const char* command : {"mniExportKOI8Rus", "mniExportUTF8", "mniExport2RTF"}) {
        SCOPED_TRACE(command);
        messages.clear();
        form().statusBar()->clearMessage();
        answer = file("big.txt");
        {
            zuk::testing::FileSizeLimit limit(4096);
            ASSERT_TRUE(form().runCommand(QString::fromLatin1(command)));
        }
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8("Файл не сохранён.\n\n")))
            << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(QStringLiteral("big."))) << messages[0].toStdString();
        EXPECT_TRUE(form().statusBar()->currentMessage().isEmpty());
        // The code-page exports write beside the target and rename: nothing is left.
        EXPECT_FALSE(QFileInfo::exists(file("big.txt")));
    }
}

TEST_F(CodePageCommandsTest, HtmlAndRtfExportReplaceTheExtension)
{
    start(win("Привет\r\n"));
    answer = file("page.txt");
    ASSERT_TRUE(form().runCommand("mniExport2HTML"));
    EXPECT_NE(readFile(file("page.htm")), "<missing>");
    answer = file("letter");
    ASSERT_TRUE(form().runCommand("mniExport2RTF"));
    EXPECT_EQ(readFile(file("letter.rtf")).substr(0, 5), "{\\rtf");
    EXPECT_FALSE(QFileInfo::exists(file("page.txt")));
}

TEST_F(CodePageCommandsTest, TransliterationBothWaysAndTheSwitchCarriesBetweenCommands)
{
    start(win("Щука\r\n"));
    ASSERT_TRUE(form().runCommand("mniTranslit"));
    EXPECT_EQ(doc().GetAllText(), "Sjuka\r\n");
    ASSERT_TRUE(form().runCommand("mniDeTranslit"));
    EXPECT_EQ(doc().GetAllText(), win("Щука\r\n"));

    // A backslash and a space switch conversion off; the state outlives the command.
    doc().SetAllText("da\\ net\r\n");
    ASSERT_TRUE(form().runCommand("mniDeTranslit"));
    EXPECT_EQ(doc().GetAllText(), win("даnet\r\n"));
    EXPECT_FALSE(m_commands->rungler().TransOn);
    doc().SetAllText("net\\ da\r\n");
    ASSERT_TRUE(form().runCommand("mniDeTranslit"));
    EXPECT_EQ(doc().GetAllText(), win("netда\r\n"));
    EXPECT_TRUE(m_commands->rungler().TransOn);
}

TEST(CodePageStartup, TheRunglerSettingsAreAppliedAtStartUp)
{
    MainFormFixture f;
    f.seed("zuk.ini", "[RunglerOpts]\r\nShchaConvMode=Shch\r\nXaConvMode=KH\r\nWInterpMode=Sj\r\n");
    zuk::app::ui::TMainForm& form = f.start();
    const zuk::codepages::TRungler& r = codePageCommands(form)->rungler();
    EXPECT_EQ(r.ShchaConvMode, zuk::codepages::scUseShch);
    EXPECT_EQ(r.XaConvMode, zuk::codepages::xcUseKH);
    EXPECT_EQ(r.WInterpMode, zuk::codepages::wiAsSj);
    form.NewFile();
    form.editor().SetAllText(win("Щука\r\n"));
    ASSERT_TRUE(form.runCommand("mniTranslit"));
    EXPECT_EQ(form.editor().GetAllText(), "Shchuka\r\n");
}

TEST_F(CodePageCommandsTest, TableCommandsApplyTheirTableOrLeaveTheTextWhenItIsMissing)
{
    const std::string text = win("ab ёж\r\n");
    start(text);
    doc().SetAllText(text);
    doc().SelectAll();
    // No Engine/Tables folder at all: the word table does nothing, the Fido
    // table is reported, the text stays.
    EXPECT_TRUE(form().runCommand("mniAntiwordChartableDistortions"));
    EXPECT_EQ(doc().GetAllText(), text);
    EXPECT_FALSE(form().runCommand("mniFido2Normal"));
    EXPECT_EQ(doc().GetAllText(), text);
    EXPECT_TRUE(form().statusBar()->currentMessage().contains(QStringLiteral("Fido.tbl")));

    m_fixture.seed("Engine/Tables/fido.tbl", "ab=xy\r\n");
    doc().SelectAll();
    ASSERT_TRUE(form().runCommand("mniFido2Normal"));
    EXPECT_EQ(doc().GetAllText(), win("xy ёж\r\n"));
}

TEST_F(CodePageCommandsTest, FixLayoutNeedsASelectionAndSwapsIt)
{
    start("ghbdtn\r\n");
    EXPECT_FALSE(form().runCommand("mniFixEncoding"));
    EXPECT_EQ(doc().GetAllText(), "ghbdtn\r\n");
    doc().SelectAll();
    ASSERT_TRUE(form().runCommand("mniFixEncoding"));
    EXPECT_EQ(doc().GetAllText().substr(0, 6), win("привет"));
}

TEST(CodePageOpen, DetectionSetsTheWorkingCodePageOnlyWhenSwitchedOn)
{
    const std::string koi = zuk::codepages::WinToKoi(
        win("Мороз и солнце; день чудесный! Еще ты дремлешь, друг прелестный\r\n"));
    for (const bool detect : {false, true}) {
        MainFormFixture f;
        f.seed("zuk.ini", detect ? "[Main]\r\nDoEncDetect=1\r\n" : "");
        f.seed("poem.txt", koi);
        zuk::app::ui::TMainForm& form = f.start();
        ASSERT_TRUE(form.OpenFile(f.home() + "poem.txt"));
        EXPECT_EQ(form.editor().GetCharset(), detect ? "koi" : "win");
        EXPECT_EQ(form.editor().GetAllText(), koi); // the bytes are never converted
        EXPECT_FALSE(form.editor().GetModified());
    }
}

TEST(CodePageLayouts, TheMenuShowsTheTickedLayoutsAndTheListIsWrittenBackAtClose)
{
    MainFormFixture f;
    const std::string list = "English (US)=1\r\n" + win("Русская") + "=0\r\nA&B=1\r\n";
    f.seed("Engine/Parts/klayouts.txt", list);
    zuk::app::ui::TMainForm& form = f.start();
    TCodePageCommands* c = codePageCommands(form);
    QMenu* menu = form.mainMenu().menu("mniKeybLayout");
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"English (US)", "A&&B"}));

    std::vector<int> activated;
    c->systemLayouts = [] { return std::vector<std::string>{"Russian", "A&B", "A&B"}; };
    c->activateSystemLayout = [&activated](int i) {
        activated.push_back(i);
        return true;
    };
    menu->actions().at(1)->trigger(); // the first matching layout
    menu->actions().at(0)->trigger(); // not loaded: nothing
    EXPECT_EQ(activated, std::vector<int>{1});

    c->setKLayouts({{"Russian", true}});
    ASSERT_EQ(menu->actions().size(), 1);
    form.confirmHook = [](const QString&) { return true; };
    ASSERT_TRUE(form.close());
    EXPECT_EQ(f.read("Engine/Parts/klayouts.txt"), "Russian=1\r\n");
}

TEST(CodePageLayouts, NoListMeansAnEmptyMenuAndNoFileWritten)
{
    MainFormFixture f;
    zuk::app::ui::TMainForm& form = f.start();
    EXPECT_TRUE(form.mainMenu().menu("mniKeybLayout")->actions().isEmpty());
    form.confirmHook = [](const QString&) { return true; };
    ASSERT_TRUE(form.close());
    EXPECT_FALSE(QFileInfo::exists(f.parts() + "klayouts.txt"));
}
