// The text-function handlers on a host without a main window: each runs on a
// fake document the way the command wrapper would run it.

#include "app/textservice.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "codepages/codepagetexts.h"
#include "support/ui/fakehost.h"
#include "textfunc/textfunctexts.h"
#include "textfunc/ui/enclosedialog.h"
#include "textfunc/ui/textfunccommands.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

using zuk::codepages::CodePage;
using zuk::codepages::encodeFromUtf8;
using zuk::test::FakeHost;

namespace {

std::string win(const char* utf8)
{
    return zuk::codepages::utf8ToWin(utf8);
}
std::string koi(const char* utf8)
{
    return encodeFromUtf8(utf8, CodePage::Koi);
}
std::string dos(const char* utf8)
{
    return encodeFromUtf8(utf8, CodePage::Dos);
}
QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

constexpr long kAll = -1;  // the whole text selected
constexpr long kNone = -2; // no selection, the caret at the start

struct HandlerRow {
    const char* name; // what the row checks
    const char* command;
    std::string text; // the document, lines joined by CR LF
    long selFrom = kNone, selTo = kNone;
    std::vector<std::optional<QString>> answers;
    std::string expected;
    int undoSteps = 1;
    QStringList questions = {}; // "title|label|initial" of every prompt
    QStringList notes = {};
    const char* charset = "win";
};

// Every row, and every step that needs a fresh document, gets a host of its
// own: a fake document cannot be emptied of its undo steps.
class TextHandlers : public ::testing::Test {
protected:
    void SetUp() override { fresh(); }

    FakeHost& fresh()
    {
        m_host = std::make_unique<FakeHost>();
        if (m_english)
            m_host->textService.open(std::string(ZUK_SOURCE_DIR) + "/data/Engine/Parts/",
                                     "English");
        zuk::textfunc::ui::installTextFunctionCommands(*m_host);
        return *m_host;
    }
    FakeHost& host() { return *m_host; }
    void useEnglish()
    {
        m_english = true;
        fresh();
    }

    void run(const HandlerRow& r)
    {
        SCOPED_TRACE(std::string(r.command) + ": " + r.name);
        FakeHost& host = fresh();
        host.ved.text = r.text;
        host.ved.charset = r.charset;
        if (r.selFrom == kAll)
            host.ved.SelectAll();
        else if (r.selFrom >= 0)
            host.ved.select(r.selFrom, r.selTo);
        host.promptAnswers.assign(r.answers.begin(), r.answers.end());
        ASSERT_TRUE(host.run(r.command));
        EXPECT_EQ(host.ved.text, r.expected);
        EXPECT_EQ(host.ved.undoSteps(), r.undoSteps);
        EXPECT_EQ(host.questions, r.questions);
        EXPECT_EQ(host.notes, r.notes);
        EXPECT_TRUE(host.promptAnswers.empty()) << "unasked answers";
    }

private:
    std::unique_ptr<FakeHost> m_host;
    bool m_english = false;
};

} // namespace

TEST_F(TextHandlers, EveryCommandRegistersUnderItsRow)
{
    EXPECT_TRUE(host().unknownCommands.isEmpty()) << host().unknownCommands.join(' ').toStdString();
    EXPECT_GT(host().commands.size(), 50u);
}

TEST_F(TextHandlers, TextAndUndoStepsAndPrompts)
{
    const QString wordPrompt = q("?|Введите слово для удаления:|");
    const QString paraPrompt = q("Символ-разделитель|Введите значение|;");
    const QString passwordPrompt = q("?|Введите пароль!|");
    const HandlerRow rows[] = {
        // Case, in every working code page.
        {"selection", "mniUpcase", win("ёжик"), kAll, kAll, {}, win("ЁЖИК")},
        {"koi", "mniUpcase", koi("ёжик"), kAll, kAll, {}, koi("ЁЖИК"), 1, {}, {}, "koi"},
        {"koi",
         "mniInvertCase",
         koi("привет МИР ёж"),
         kAll,
         kAll,
         {},
         koi("ПРИВЕТ мир ёЖ"),
         1,
         {},
         {},
         "koi"},
        {"koi",
         "mniCaseFirstBigChar",
         koi("привет МИР ёж"),
         kNone,
         kNone,
         {},
         koi("Привет мир ёж"),
         1,
         {},
         {},
         "koi"},
        {"dos",
         "mniCaseEachFirstCharIsBig",
         dos("привет МИР ёж-ЁЖ"),
         kNone,
         kNone,
         {},
         dos("Привет Мир Ёж-Ёж"),
         1,
         {},
         {},
         "dos"},
        {"unchanged result writes nothing", "mniDowncase", "abc", kAll, kAll, {}, "abc", 0},
        // Line commands on a Shift+Down selection: whole lines, the break kept.
        {"column 0", "mniSortStrings", "b\r\na\r\nnext", 0, 6, {}, "a\r\nb\r\nnext"},
        {"column 0", "mniNumberStrings", "b\r\na\r\nnext", 0, 6, {}, "1 b\r\n2 a\r\nnext"},
        {"column 0", "mniReverseStrings", "b\r\na\r\nnext", 0, 6, {}, "a\r\nb\r\nnext"},
        {"column 0", "mniDelEmptyLines", "a\r\n\r\n \r\nnext", 0, 8, {}, "a\r\nnext"},
        {"inside a line", "mniSortStrings", "b\r\nax\r\nnext", 0, 4, {}, "a\r\nbx\r\nnext"},
        // Prompts.
        {"the whole text",
         "mniDeleteWordOrChar",
         "xABabY\r\naab",
         kNone,
         kNone,
         {q("ab")},
         "xY\r\na",
         1,
         {wordPrompt}},
        {"koi, any case",
         "mniDeleteWordOrChar",
         koi("ЁЖ и ёж"),
         kNone,
         kNone,
         {q("Ёж")},
         koi(" и "),
         1,
         {wordPrompt},
         {},
         "koi"},
        {"cancelled",
         "mniDeleteWordOrChar",
         "xab",
         kNone,
         kNone,
         {std::nullopt},
         "xab",
         0,
         {wordPrompt}},
        {"delimiter", "mniParaSort", "b;a", kAll, kAll, {q(";")}, "a\r\nb", 1, {paraPrompt}},
        {"empty answer",
         "mniParaSort",
         "b;a",
         kAll,
         kAll,
         {QString()},
         "b;a",
         0,
         {paraPrompt},
         {q("Значение не задано!")}},
        {"width",
         "mniHardWordWrap",
         "aaaa bbbb cccc",
         kNone,
         kNone,
         {q("10")},
         "aaaa bbbb \r\ncccc",
         1,
         {q("Параметры Wrap|Введите ширину в символах|")}},
        {"empty password",
         "mniEncode",
         "abc",
         kAll,
         kAll,
         {QString()},
         "abc",
         0,
         {passwordPrompt},
         {q("Пароль не может быть пустой строкой!")}},
        // Numbers.
        {"leap", "mniIsLeapYear", "2000", kAll, kAll, {}, win("2000 - високосный год")},
        {"too big for a year",
         "mniIsLeapYear",
         "99999999999",
         kAll,
         kAll,
         {},
         "99999999999",
         0,
         {},
         {q("Че-то не то!")}},
        {"not digits: nothing", "mniArabToRoman", "12a", kAll, kAll, {}, "12a", 0},
        {"digits", "mniArabToRoman", "1994", kAll, kAll, {}, "MCMXCIV"},
        {"words in the document's code page",
         "mniNum2WordsRus",
         "21",
         kAll,
         kAll,
         {},
         koi("Двадцать один"),
         1,
         {},
         {},
         "koi"},
        // Insertions keep the selection and add no step of their own.
        {"count line in the document's code page",
         "mniAnagramm",
         koi("ab"),
         kAll,
         kAll,
         {},
         koi("abab\r\nba\r\nНайдено 2 анаграмм..."),
         1,
         {},
         {},
         "koi"},
        {"alphabet in the document's code page",
         "mniRusAlpha",
         "",
         kNone,
         kNone,
         {},
         dos("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя"),
         1,
         {},
         {},
         "dos"},
        {"encoder", "mniBase64encode", "abc", kAll, kAll, {}, "YWJj"},
    };
    for (const HandlerRow& r : rows)
        run(r);
}

TEST_F(TextHandlers, CommandsThatNeedASelectionOrADocumentDoNothingWithout)
{
    FakeHost& host = this->host();
    host.ved.text = "abc";
    EXPECT_FALSE(host.run("mniUpcase"));
    EXPECT_FALSE(host.run("mniSortStrings"));
    host.ved.open = false;
    EXPECT_FALSE(host.run("mniCaseEachFirstCharIsBig"));
    EXPECT_EQ(host.ved.text, "abc");
    EXPECT_EQ(host.ved.undoSteps(), 0);
}

TEST_F(TextHandlers, AFailureLeavesTheTextAndCarriesItsRow)
{
    const struct {
        const char* command;
        std::string text;
        const char* key;
    } rows[] = {
        {"mniBase64decode", "YWI", "sBase64FormatError"},
        {"mniFromHEXValues2chars", "ABC", "sHexValuesError"},
        {"mniFixURL", "%zz", "sUrlInvalidHexChar"},
        {"mniBin2Dec", "102", "sInvalidDigit"},
        {"mniAnagramm", "abcdefghi", "sAnagramTooLong"},
        {"mniArabToRoman", "100001", "sRomanNumberRange"},
        {"mniArabToRoman", "99999999999", "sNotAnInteger"},
        {"mniRLEUnpack", "a\x7F", "sRleMarkerAtEnd"},
        {"mniNum2WordsEng", "abc", "sNotANumber"},
        {"mniNum2WordsEng", "1e300", "sNumberTooBigForWords"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.command);
        FakeHost& host = fresh();
        host.ved.text = r.text;
        host.ved.SelectAll();
        try {
            host.run(r.command);
            ADD_FAILURE() << "no failure";
        } catch (const zuk::ZukError& e) {
            EXPECT_EQ(e.text().section, "MainForm");
            EXPECT_EQ(e.text().key, r.key);
        }
        EXPECT_EQ(host.ved.text, r.text);
        EXPECT_EQ(host.ved.undoSteps(), 0);
    }
}

// The scrambler XORs every byte with one key byte; a byte that becomes a lone
// CR or LF or a NUL could never be restored ("banana split" with k turned
// every a into a line break), so such a password is refused.
TEST_F(TextHandlers, PasswordScramblingRoundTripsOrIsRefused)
{
    const QString refused = host().text("MainForm", "sXorMakesLineBreaks");
    auto scramble = [this](const char* command, const char* password) {
        host().notes.clear();
        host().promptAnswers = {q(password)};
        ASSERT_TRUE(host().run(command));
    };
    for (const bool selected : {true, false}) {
        SCOPED_TRACE(selected ? "selection" : "whole text");
        FakeHost* host = &fresh();
        host->ved.text = "banana split";
        if (selected)
            host->ved.SelectAll();
        scramble("mniEncode", "k");
        EXPECT_EQ(host->notes, QStringList{refused});
        EXPECT_EQ(host->ved.text, "banana split");
        EXPECT_EQ(host->ved.undoSteps(), 0);

        // Several lines come back exactly, and so does the whole text's last
        // line, which once gained a line of two stray characters.
        const std::string text = win("Секрет\r\n\r\nномер 42");
        host = &fresh();
        host->ved.text = text;
        if (selected)
            host->ved.SelectAll();
        scramble("mniEncode", "key");
        EXPECT_TRUE(host->notes.isEmpty());
        EXPECT_NE(host->ved.text, text);
        if (selected)
            host->ved.SelectAll();
        scramble("mniDecode", "yek");
        EXPECT_EQ(host->ved.text, text);
        EXPECT_EQ(host->ved.undoSteps(), 2);
    }
    // A CR LF pair the scrambling makes is a line break the document keeps:
    // f and a become CR and LF with k, and come back from them.
    FakeHost* host = &fresh();
    host->ved.text = "sofa";
    host->ved.SelectAll();
    scramble("mniEncode", "k");
    EXPECT_TRUE(host->notes.isEmpty());
    EXPECT_EQ(host->ved.text, "\x18\x04\r\n");
    host->ved.SelectAll();
    scramble("mniDecode", "k");
    EXPECT_EQ(host->ved.text, "sofa");
    // As the whole text that pair would be taken for the document's own last
    // break, so there it is refused.
    host = &fresh();
    host->ved.text = "sofa";
    scramble("mniEncode", "k");
    EXPECT_EQ(host->notes, QStringList{refused});
    EXPECT_EQ(host->ved.text, "sofa");
}

// With the shipped English language file, the texts of the text functions
// (messages, prompts, what goes into the document, the enclose dialog) are
// English.
TEST_F(TextHandlers, TheEnglishLanguageFileLeavesNothingRussian)
{
    useEnglish();
    FakeHost& host = this->host();
    ASSERT_TRUE(host.texts().isOpen());
    for (const zuk::TextTable* table :
         {&zuk::textfunc::textFunctionMessages(), &zuk::textfunc::encloseDialogTexts(),
          &zuk::codepages::codePageMessages()})
        for (const zuk::TextRow& row : table->rows) {
            const QString shown = host.text(table->section, row.key);
            EXPECT_EQ(shown.toStdString(), row.english) << row.key;
        }

    host.ved.text = "YWI";
    host.ved.SelectAll();
    try {
        host.run("mniBase64decode");
        ADD_FAILURE() << "no failure";
    } catch (const zuk::ZukError& e) {
        EXPECT_EQ(host.message(e), q("The text is not in the Base64 format."));
    }
    host.ved.text = "12x";
    host.ved.SelectAll();
    try {
        host.run("mniNum2WordsGerm");
        ADD_FAILURE() << "no failure";
    } catch (const zuk::ZukError& e) {
        EXPECT_EQ(host.message(e), q("\"12x\" is not a whole number."));
    }

    const QString refused = host.text("MainForm", "sXorMakesLineBreaks");
    const HandlerRow rows[] = {
        {"leap", "mniIsLeapYear", "2000", kAll, kAll, {}, "2000 is a leap year"},
        {"count line", "mniAnagramm", "ab", kAll, kAll, {}, "abab\r\nba\r\nFound 2 anagrams..."},
        {"prompt",
         "mniDeleteWordOrChar",
         "xab",
         kNone,
         kNone,
         {q("ab")},
         "x",
         1,
         {q("?|Enter the word to delete:|")}},
        {"refused password",
         "mniEncode",
         "banana",
         kAll,
         kAll,
         {q("k")},
         "banana",
         0,
         {q("?|Enter the password!|")},
         {refused}},
    };
    for (const HandlerRow& r : rows)
        run(r);

    zuk::textfunc::ui::TEncloseDialog dialog(nullptr, this->host().texts());
    EXPECT_EQ(dialog.windowTitle(), q("Options"));
    EXPECT_EQ(dialog.findChild<QLabel*>("lBefore")->text(), q("BEFORE"));
    EXPECT_EQ(dialog.findChild<QLabel*>("lAfter")->text(), q("AFTER"));
    EXPECT_EQ(dialog.findChild<QPushButton*>("btOK")->text(), q("OK"));
}

TEST_F(TextHandlers, TheEncloseDialogHasItsBuiltInTexts)
{
    zuk::textfunc::ui::TEncloseDialog dialog(nullptr, host().texts());
    EXPECT_EQ(dialog.windowTitle(), q("Опции"));
    EXPECT_EQ(dialog.findChild<QLabel*>("lBefore")->text(), q("ДО"));
    EXPECT_EQ(dialog.findChild<QLabel*>("lAfter")->text(), q("ПОСЛЕ"));
    dialog.setTexts(q("<b>"), q("</b>"));
    EXPECT_EQ(dialog.before(), q("<b>"));
    EXPECT_EQ(dialog.after(), q("</b>"));
}
