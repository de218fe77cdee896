// The text-function commands through the main menu of a real main window.

#include "app/ui/mainform.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "support/ui/mainformfixture.h"
#include "support/ui/promptanswer.h"
#include "textfunc/ui/enclosedialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QStatusBar>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;
using zuk::test::PromptAnswer;

namespace {

std::string win(const char* utf8)
{
    return zuk::codepages::utf8ToWin(utf8);
}

// A main window with one document holding `text`, all of it selected.
class TextCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_form = &m_fixture.start();
        m_form->command("mniFileNew")->trigger();
    }

    zuk::app::ui::TMainForm& form() { return *m_form; }
    zuk::editor::CdreamEditor& ed() { return m_form->editor(); }

    void load(const std::string& text, bool select = true)
    {
        ed().SetAllText(text);
        ed().SetModified(false);
        if (select)
            ed().SelectAll();
    }
    // The document text without the break the document ends every line with.
    std::string text()
    {
        std::string all = ed().GetAllText();
        if (all.size() >= 2 && all.compare(all.size() - 2, 2, "\r\n") == 0)
            all.resize(all.size() - 2);
        return all;
    }
    void run(const char* name) { form().command(QString::fromLatin1(name))->trigger(); }
    QString status() { return form().statusBar()->currentMessage(); }

    MainFormFixture m_fixture;
    zuk::app::ui::TMainForm* m_form = nullptr;
};

struct Case {
    const char* command;
    std::string input;
    std::string expected;
};

} // namespace

// The selection goes through the command's function and replaces itself.
TEST_F(TextCommands, TransformsReplaceTheSelection)
{
    const Case cases[] = {
        {"mniUpcase", win("ёжик"), win("ЁЖИК")},
        {"mniDowncase", win("ЁЖ Ab"), win("ёж ab")},
        {"mniInvertCase", win("ёжик"), win("ёЖИК")},
        {"mniCaseFirstBigChar", win("ПРИВЕТ. МИР"), win("Привет. мир")},
        {"mniCaseEachFirstCharIsBig", "hello-world it's (test)", "Hello-World It's (Test)"},
        {"mniReverseString", "abc", "cba"},
        {"mnKillSpacesOneAfterAnother", "a  \t  b", "a \t b"},
        {"mniKillFormat", "  a \r\n\r\n\tb  ", "a b"},
        {"mniSimpleQuotas2Paired", "\"a\" \"",
         "\xAB"
         "a\xBB \xAB"},
        {"mniPairedQuotas2Simple",
         "\xAB"
         "a\xBB",
         "\"a\""},
        {"mnTagToMeta", "<b>", "&lt;b>"},
        {"mniStripHTML1", "a<b>c</b>d", "acd"},
        {"mniWindows2UnixPath", "C:\\dir\\f.txt", "C_/dir/f.txt"},
        {"mniUnixpath2Win", "/usr/local", "\\usr\\local"},
        {"mniTabs2Spaces", "a\tb", "a   b"},
        {"mniArabToRoman", "1994", "MCMXCIV"},
        {"mniRomantoArab", "-XL", "-40"},
        {"mniNum2WordsRus", "2001", win("Две тысячи один")},
        {"mniNum2WordsEng", "115", "one hundred and fifteen"},
        {"mniNum2WordsGerm", "21", "einundzwanzig"},
        {"mniHEX2dec", "ff", "255"},
        {"mniDec2Hex", "255", "FF"},
        {"mniDec2bin", "255", "11111111"},
        {"mniBin2Dec", "1010", "10"},
        {"mniIsLeapYear", "1900", win("1900 - увы, не високосный...")},
        {"mniIsLeapYear", "2000", win("2000 - високосный год")},
        {"mniBase64encode", "abc", "YWJj"},
        {"mniBase64decode", "YWI=", "ab"},
        {"mniEncodeToMIME", "ab", "YWI="},
        {"mniDecodeFromMIME", "YW\r\nJj", "abc"},
        {"mniUUEDecode", "!!!!", "\x04\x10\x41"},
        {"mniRLECompression", "aaaa",
         "\x17"
         "a"},
        {"mniRLEUnpack",
         "\x19"
         "a",
         "aaaaaa"},
        {"mniHEXValues", win("Я "), "DF20"},
        {"mniFromHEXValues2chars", "df20", win("Я ")},
        {"mniFixURL", "%3c%3E", "<>"},
        {"mniAntiSpam_ConvertAddress", "a@b", "&#97;&#64;&#98;"},
        {"mnirtttl2Dnotes", "c8,d#,4e.,f,g,a,b", "1234567"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        load(c.input);
        run(c.command);
        EXPECT_EQ(text(), c.expected);
    }
}

// Line commands take the selected lines and put the new lines in their place.
TEST_F(TextCommands, LineCommandsRewriteTheSelectedLines)
{
    const Case cases[] = {
        {"mniSortStrings", win("b\r\nя\r\nA\r\nё"), win("A\r\nb\r\nё\r\nя")},
        {"mnirevsortstrings", "b\r\na\r\nc", "c\r\nb\r\na"},
        {"mniReverseStrings", "1\r\n2\r\n3", "3\r\n2\r\n1"},
        {"mniNumberStrings", "a\r\nb\r\nc", "1 a\r\n2 b\r\n3 c"},
        {"mniDelEmptyLines", "a\r\n \t\r\n\r\nb", "a\r\nb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        load(c.input);
        run(c.command);
        EXPECT_EQ(text(), c.expected);
    }
}

// Shift+Down from the start of a line selects up to column 0 of the line after
// the last one meant: the commands take the whole lines before that column and
// keep the break after them, so the line below is neither sorted in, numbered,
// reversed into the block nor glued to it.
TEST_F(TextCommands, LineCommandsOnASelectionEndingAtColumnZero)
{
    const Case cases[] = {
        {"mniSortStrings", "b\r\na\r\nnext", "a\r\nb\r\nnext"},
        {"mnirevsortstrings", "a\r\nb\r\nnext", "b\r\na\r\nnext"},
        {"mniNumberStrings", "b\r\na\r\nnext", "1 b\r\n2 a\r\nnext"},
        {"mniReverseStrings", "b\r\na\r\nnext", "a\r\nb\r\nnext"},
        {"mniDelEmptyLines", "a\r\n\r\nnext", "a\r\nnext"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        load(c.input, false);
        ed().activeDocument()->control()->setSelection(0, 0, 2, 0);
        run(c.command);
        EXPECT_EQ(text(), c.expected);
        run("EditUndoItem");
        EXPECT_EQ(text(), c.input); // one step
    }
}

// The case commands of a KOI8-R document change its letters, nothing else.
TEST_F(TextCommands, CaseCommandsWorkInTheWorkingCodePage)
{
    const auto koi = [](const char* utf8) {
        return zuk::codepages::encodeFromUtf8(utf8, zuk::codepages::CodePage::Koi);
    };
    const Case cases[] = {
        {"mniCaseFirstBigChar", koi("привет МИР ёж"), koi("Привет мир ёж")},
        {"mniCaseEachFirstCharIsBig", koi("привет МИР ёж"), koi("Привет Мир Ёж")},
        {"mniInvertCase", koi("привет МИР ёж"), koi("ПРИВЕТ мир ёЖ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        load(c.input);
        ed().SetCharset("koi");
        ed().SelectAll();
        run(c.command);
        EXPECT_EQ(text(), c.expected);
    }
}

// A failing function ends the command with the text untouched and its reason
// in the status bar.
TEST_F(TextCommands, FailuresLeaveTheTextAndSayWhy)
{
    const struct {
        const char* command;
        std::string input;
        const char* message; // start of the status-bar text
    } cases[] = {
        {"mniBase64decode", "YWI", "Формат строки не соответствует способу кодирования Base64."},
        {"mniBase64decode", "YW!=", "Формат строки"},
        {"mniFromHEXValues2chars", "ABC", "Ошибка при преобразовании строки"},
        {"mniFixURL", "%zz", "Invalid hex character z"},
        {"mniBin2Dec", "102", "Invalid character '2'"},
        {"mniAnagramm", "abcdefghi", "Анаграммы"},
        {"mniArabToRoman", "100001", ""},
        {"mniArabToRoman", "99999999999", ""},
        {"mniRLEUnpack", "a\x7F", ""},
        {"mniNum2WordsEng", "abc", ""},
        {"mniNum2WordsGerm", "x", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        form().statusBar()->clearMessage();
        load(c.input);
        run(c.command);
        EXPECT_EQ(text(), c.input);
        EXPECT_FALSE(ed().GetModified());
        EXPECT_FALSE(status().isEmpty());
        EXPECT_TRUE(status().startsWith(QString::fromUtf8(c.message))) << status().toStdString();
    }
}

TEST_F(TextCommands, NumberCommandsIgnoreSelectionsThatAreNotDigits)
{
    for (const char* command : {"mniArabToRoman", "mniDec2Hex", "mniDec2bin", "mniBin2Dec"}) {
        SCOPED_TRACE(command);
        load("12a");
        run(command);
        EXPECT_EQ(text(), "12a");
        EXPECT_TRUE(status().isEmpty());
    }
    // A year too big for its number is answered in a box; the text stays.
    PromptAnswer box(std::nullopt);
    load("99999999999");
    run("mniIsLeapYear");
    EXPECT_EQ(text(), "99999999999");
    EXPECT_EQ(box.note, QString::fromUtf8("Че-то не то!"));
}

TEST_F(TextCommands, ACommandIsOneUndoStepAndAnUnchangedResultWritesNothing)
{
    load("abc");
    run("mniUpcase");
    EXPECT_EQ(text(), "ABC");
    EXPECT_TRUE(ed().GetModified());
    run("EditUndoItem");
    EXPECT_EQ(text(), "abc");

    load("ABC");
    run("mniUpcase");
    EXPECT_FALSE(ed().GetModified());

    // Commands that need a selection do nothing without one.
    load("abc", false);
    run("mniUpcase");
    EXPECT_EQ(text(), "abc");
    // Work-text commands take the whole text instead.
    run("mniCaseEachFirstCharIsBig");
    EXPECT_EQ(text(), "Abc");
}

TEST_F(TextCommands, UpperCaseFollowsTheWorkingCodePage)
{
    // "ёж" in KOI8-R is A3 D6; upper case is B3 F6.
    load("\xA3\xD6");
    ed().SetCharset("koi");
    ed().SelectAll();
    run("mniUpcase");
    EXPECT_EQ(text(), "\xB3\xF6");
}

TEST_F(TextCommands, PromptsAskWithTheirTitlesAndCancelChangesNothing)
{
    {
        PromptAnswer answer(QStringLiteral("ab"));
        load("xABabY\r\naab", false);
        run("mniDeleteWordOrChar");
        EXPECT_EQ(answer.title, QStringLiteral("?"));
        EXPECT_EQ(answer.prompt, QString::fromUtf8("Введите слово для удаления:"));
        EXPECT_EQ(text(), "xY\r\na");
    }
    {
        PromptAnswer cancel(std::nullopt);
        load("xABabY");
        run("mniDeleteWordOrChar");
        EXPECT_EQ(cancel.prompts, 1);
        EXPECT_EQ(text(), "xABabY");
        EXPECT_FALSE(ed().GetModified());
    }
    {
        PromptAnswer answer(QStringLiteral("10"));
        load("aaaa bbbb cccc\r\nline two");
        ed().activeDocument()->control()->setCursorPosition(1, 3);
        run("mniHardWordWrap");
        EXPECT_EQ(answer.title, QString::fromUtf8("Параметры Wrap"));
        EXPECT_EQ(answer.prompt, QString::fromUtf8("Введите ширину в символах"));
        EXPECT_EQ(text(), "aaaa bbbb \r\ncccc\r\nline two");
        int line = -1, index = -1;
        ed().activeDocument()->control()->getCursorPosition(&line, &index);
        EXPECT_EQ(line, 1); // the caret goes to line 1, counted from 0
        EXPECT_EQ(index, 1);
    }
    {
        PromptAnswer answer(QStringLiteral("ten"));
        load("aaaa bbbb cccc");
        run("mniHardWordWrap");
        EXPECT_EQ(text(), "aaaa bbbb cccc");
        EXPECT_FALSE(status().isEmpty());
    }
}

TEST_F(TextCommands, PasswordCommandsScrambleAndRestore)
{
    const std::string original = win("Секрет 123");
    {
        PromptAnswer answer(QStringLiteral("key"));
        load(original);
        run("mniEncode");
        EXPECT_EQ(answer.prompt, QString::fromUtf8("Введите пароль!"));
        EXPECT_NE(text(), original);
    }
    {
        PromptAnswer answer(QStringLiteral("yek")); // reversed: the same key
        ed().SelectAll();
        run("mniDecode");
        EXPECT_EQ(text(), original);
    }
    {
        PromptAnswer empty(QString{});
        load(original);
        run("mniEncode");
        EXPECT_EQ(empty.note, QString::fromUtf8("Пароль не может быть пустой строкой!"));
        EXPECT_EQ(text(), original);
    }
    // The whole text of several lines comes back exactly, with no stray last line.
    const std::string lines = win("Секрет\r\n\r\nномер 42");
    load(lines, false);
    for (const char* command : {"mniEncode", "mniDecode"}) {
        PromptAnswer answer(QStringLiteral("key"));
        run(command);
    }
    EXPECT_EQ(text(), lines);
    // A password that would turn letters into line breaks is refused.
    {
        PromptAnswer answer(QStringLiteral("k"));
        load("banana split");
        run("mniEncode");
        EXPECT_TRUE(answer.note.startsWith(QString::fromUtf8("С этим паролем")))
            << answer.note.toStdString();
        EXPECT_EQ(text(), "banana split");
        EXPECT_FALSE(ed().GetModified());
    }
}

TEST_F(TextCommands, ParagraphSortSplitsAtTheAskedDelimiter)
{
    {
        PromptAnswer answer(QStringLiteral(";"));
        load("b;a;;c");
        run("mniParaSort");
        EXPECT_EQ(answer.title, QString::fromUtf8("Символ-разделитель"));
        EXPECT_EQ(answer.initial, QStringLiteral(";"));
        EXPECT_EQ(text(), "\r\na\r\nb\r\nc");
    }
    {
        PromptAnswer cancel(std::nullopt); // cancelling keeps the default ";"
        load("y;x");
        run("mniParaSort");
        EXPECT_EQ(text(), "x\r\ny");
    }
    {
        PromptAnswer empty(QString{});
        load("y;x");
        run("mniParaSort");
        EXPECT_EQ(empty.note, QString::fromUtf8("Значение не задано!"));
        EXPECT_EQ(text(), "y;x");
    }
}

TEST_F(TextCommands, EncloseAsksBeforeAndAfter)
{
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto* d = dynamic_cast<zuk::textfunc::ui::TEncloseDialog*>(
                QApplication::activeModalWidget())) {
            EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Опции"));
            d->setTexts(QString::fromUtf8("«"), QStringLiteral("]"));
            d->reject(); // any way of closing proceeds
        }
    });
    timer.start(10);
    load("a\r\nb");
    run("mniEncloseEachLineInto");
    EXPECT_EQ(text(), "\xAB"
                      "a]\r\n\xAB"
                      "b]");
}

TEST_F(TextCommands, InsertionsGoToTheCaretAndKeepTheSelection)
{
    load("xy", false);
    ed().activeDocument()->control()->setSelection(0, 0, 0, 2); // the caret at its end
    run("mniPi");
    EXPECT_EQ(text(), "xy3.141592653589793238462643383");
    EXPECT_EQ(ed().GetSelText(), "xy");

    load("", false);
    run("mniEngAlpha");
    EXPECT_EQ(text().size(), 58u);
    load("", false);
    run("mniRusAlpha");
    EXPECT_EQ(text().size(), 64u);
    EXPECT_EQ(text().front(), '\xC0');

    load("", false);
    run("mniNumberOfCurrentDayInYear");
    const std::string day = text();
    ASSERT_FALSE(day.empty());
    EXPECT_LE(std::stoi(day), 365);

    // Selected from the end back to the start: the lines go in before the
    // selection, which moves along with its text.
    load("abc", false);
    ed().activeDocument()->control()->setSelection(0, 3, 0, 0);
    run("mniAnagramm");
    EXPECT_EQ(text(), win("bac\r\nbca\r\ncba\r\nabc\r\nacb\r\ncab\r\nНайдено 6 анаграмм...abc"));
    EXPECT_EQ(ed().GetSelText(), "abc");
}

TEST_F(TextCommands, QScriptCommandsMakeNewDocuments)
{
    load("a\r\nb");
    run("mniQ2Cm");
    EXPECT_EQ(ed().DocumentCount(), 2);
    EXPECT_EQ(text(), "|a|b "); // a new document starts with one blank
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("|a|b"));

    load("x||y|");
    run("mniString2q");
    EXPECT_EQ(ed().DocumentCount(), 3);
    EXPECT_EQ(text(), "x\r\n\r\ny ");
}
