// The find and replace dialogs, find next, the replace window and the web
// search, driven through the host on a document without a window.

#include "platform/ui/desktopshell.h"
#include "support/ui/fakehost.h"
#include "tools/ui/documentsearch.h"
#include "tools/ui/searchcommands.h"
#include "tools/ui/treplaceform.h"

#include "codepages/charsets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

using namespace zuk::tools::ui;
using zuk::codepages::utf8ToWin;
using zuk::test::FakeHost;

namespace {

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        installSearchCommands(host);
        search = documentSearch(host);
        ASSERT_NE(search, nullptr);
        EXPECT_TRUE(host.unknownCommands.isEmpty());
        search->dialogHook = [this](TfmSearch& dialog) {
            shownTitle = dialog.windowTitle();
            if (!answer)
                return static_cast<int>(QDialog::Rejected);
            return answer(dialog);
        };
    }
    // Sets what the dialog asks; the button pressed is `result`.
    void answerWith(const QString& find, const QString& with, int result,
                    const std::function<void(TfmSearch&)>& more = {})
    {
        answer = [=](TfmSearch& d) {
            d.findBox()->setEditText(find);
            if (d.replaceBox())
                d.replaceBox()->setEditText(with);
            if (more)
                more(d);
            return result;
        };
    }
    static void check(TfmSearch& d, const char* name, bool on = true)
    {
        if (auto* box = d.findChild<QCheckBox*>(QString::fromLatin1(name)))
            box->setChecked(on);
        else if (auto* radio = d.findChild<QRadioButton*>(QString::fromLatin1(name)))
            radio->setChecked(on);
        else
            ADD_FAILURE() << name;
    }
    std::string selected() { return host.ved.GetSelText(); }

    FakeHost host;
    TDocumentSearch* search = nullptr;
    std::function<int(TfmSearch&)> answer;
    QString shownTitle;
};

TEST_F(SearchTest, FindFoldsCyrillicCaseAndFindNextGoesOnUntilNothingIsLeft)
{
    host.ved.text = utf8ToWin("Мир. привет, ПРИВЕТ\r\nЁж ёж");
    answerWith(QString::fromUtf8("Привет"), {}, QDialog::Accepted);
    ASSERT_TRUE(host.run("mniFind"));
    EXPECT_EQ(shownTitle, QString::fromUtf8("Поиск текста"));
    EXPECT_EQ(host.ved.anchor, 5);
    EXPECT_EQ(host.ved.caret, 11);
    ASSERT_TRUE(host.run("mniFindNext"));
    EXPECT_EQ(host.ved.anchor, 13);
    EXPECT_TRUE(host.notes.isEmpty());
    host.run("mniFindNext");
    EXPECT_EQ(host.notes, QStringList{QString::fromUtf8("Текст не найден")});
    EXPECT_EQ(host.ved.anchor, 13); // the selection stays on the last match

    // Backward from the end, whole words, exact case: Ё with its own case.
    answerWith(QString::fromUtf8("Ёж"), {}, QDialog::Accepted, [](TfmSearch& d) {
        check(d, "cbMatchCase");
        check(d, "cbWholeWords");
        check(d, "rbBackward");
        check(d, "rbEntireScope");
    });
    host.run("mniFind");
    EXPECT_EQ(host.ved.anchor, 21);
    // Alt+F: the clipboard's text, every option cleared, forward from the caret.
    host.ved.select(0, 0);
    EXPECT_TRUE(search->findText(QString::fromUtf8("ёж")));
    EXPECT_EQ(host.ved.anchor, 21);
    EXPECT_FALSE(search->request().options.matchCase);
    EXPECT_FALSE(search->request().backward);
}

TEST_F(SearchTest, ReplaceActsOnTheCurrentMatchThenSelectsTheNext)
{
    host.ved.text = "cat dog cat dog cat";
    host.ved.select(8, 11); // the second "cat", as a find left it
    answerWith("cat", "lion", QDialog::Accepted);
    host.run("mniReplace");
    EXPECT_EQ(shownTitle, QString::fromUtf8("Замена текста"));
    EXPECT_EQ(host.ved.text, "cat dog lion dog cat");
    EXPECT_EQ(selected(), "cat");
    EXPECT_EQ(host.ved.anchor, 17);
    EXPECT_EQ(host.ved.undoSteps(), 1);

    // A selection that is no match: the next match from the caret is replaced.
    host.ved.select(0, 2);
    host.run("mniReplace");
    EXPECT_EQ(host.ved.text, "cat dog lion dog lion");
    EXPECT_EQ(host.ved.caret, 21);
}

TEST_F(SearchTest, ReplaceAllIsOneUndoStepAndSaysHowManyOrThatNothingWasFound)
{
    host.ved.text = "aaaa\r\nAa";
    answerWith("aa", "a", TfmSearch::kReplaceAll, [](TfmSearch& d) { check(d, "rbEntireScope"); });
    host.run("mniReplace");
    EXPECT_EQ(host.ved.text, "aa\r\na");
    EXPECT_EQ(host.ved.undoSteps(), 1);
    EXPECT_EQ(host.notes.last(), QString::fromUtf8("Заменено: 3"));
    host.ved.Undo();
    EXPECT_EQ(host.ved.text, "aaaa\r\nAa");

    host.run("mniReplace");
    host.run("mniReplace");
    EXPECT_EQ(host.ved.text, "a\r\na");
    answerWith("zzz", "y", TfmSearch::kReplaceAll);
    host.run("mniReplace");
    EXPECT_EQ(host.notes.last(), QString::fromUtf8("Текст не найден"));

    // An empty search text changes nothing and says nothing.
    const int notes = host.notes.size();
    answerWith("", "x", TfmSearch::kReplaceAll);
    host.run("mniReplace");
    EXPECT_EQ(host.ved.text, "a\r\na");
    EXPECT_EQ(host.notes.size(), notes);
}

TEST_F(SearchTest, ReplaceAllInTheSelectionWithRegexGroupsAndPrompts)
{
    host.ved.text = "x1 x2 x3 x4";
    host.ved.select(3, 8); // "x2 x3"
    answerWith("x(\\d)", "<$1>", TfmSearch::kReplaceAll, [](TfmSearch& d) {
        check(d, "cbRegex");
        check(d, "rbSelected");
    });
    host.run("mniReplace");
    EXPECT_EQ(host.ved.text, "x1 <2> <3> x4");
    EXPECT_EQ(selected(), "<2> <3>"); // the scope stays selected

    // Asked one by one: no, yes, then all the rest.
    std::vector<TDocumentSearch::Answer> answers{
        TDocumentSearch::Answer::No, TDocumentSearch::Answer::Yes, TDocumentSearch::Answer::All};
    std::vector<std::string> shown;
    search->askHook = [&](bool offerAll) {
        EXPECT_TRUE(offerAll);
        shown.push_back(selected());
        const auto a = answers.front();
        answers.erase(answers.begin());
        return a;
    };
    host.ved.text = "a b a b a b a";
    host.ved.select(0, 0);
    answerWith("a", "AA", TfmSearch::kReplaceAll, [](TfmSearch& d) {
        check(d, "cbPrompt");
        check(d, "rbGlobal");
        check(d, "cbRegex", false);
    });
    host.run("mniReplace");
    EXPECT_EQ(host.ved.text, "a b AA b AA b AA");
    EXPECT_EQ(shown, (std::vector<std::string>{"a", "a", "a"}));
    EXPECT_EQ(host.notes.last(), QString::fromUtf8("Заменено: 3"));

    // A bad expression says why and changes nothing.
    answerWith("a(", "x", TfmSearch::kReplaceAll, [](TfmSearch& d) { check(d, "cbRegex"); });
    host.run("mniReplace");
    EXPECT_TRUE(host.notes.last().contains(QString::fromUtf8("регулярном")));
    EXPECT_EQ(host.ved.text, "a b AA b AA b AA");
}

TEST_F(SearchTest, ReplaceWindowReplacesTheWorkingTextAndAppliesItsList)
{
    host.ved.text = "a b a";
    auto* form = host.tool<Treplaceform>("replaceform");
    ASSERT_NE(form, nullptr);
    auto pressDo = [form] {
        QTimer::singleShot(
            0, form, [form] { form->findChild<QPushButton*>(QStringLiteral("btDo"))->click(); });
    };
    form->findto()->setText("a");
    form->replaceon()->setText("");
    pressDo();
    host.run("mniReplaceAllMulti");
    EXPECT_EQ(host.ved.text, " b "); // an empty replacement deletes
    EXPECT_EQ(host.ved.undoSteps(), 1);

    form->checkBox1()->setChecked(true);
    form->memo1()->setPlainText(QString::fromUtf8("b=c\nc=d\nB=unused\n=x\nno equals\n"));
    pressDo();
    host.run("mniReplaceAllMulti");
    EXPECT_EQ(host.ved.text, " d ");

    // The list as a preset: saved and loaded back (the pane is cleared first).
    const QString preset = QDir::tempPath() + QStringLiteral("/zuk-preset-test.txt");
    form->savePreset(preset);
    form->memo1()->setPlainText(QStringLiteral("stale=1"));
    form->loadPreset(preset);
    EXPECT_EQ(form->memo1()->toPlainText(),
              QString::fromUtf8("b=c\nc=d\nB=unused\n=x\nno equals\n"));
    form->loadPreset(preset + QStringLiteral(".missing"));
    EXPECT_TRUE(form->memo1()->toPlainText().isEmpty());
    QFile::remove(preset);
}

TEST_F(SearchTest, WebSearchSendsTheTypedTextEncoded)
{
    QUrl opened;
    auto saved = zuk::platform::ui::DesktopShell::urlOpener();
    zuk::platform::ui::DesktopShell::urlOpener() = [&opened](const QUrl& url) {
        opened = url;
        return true;
    };
    host.promptAnswers.push_back(QString::fromUtf8("a&b #ё+c"));
    host.run("mniFindInNet");
    zuk::platform::ui::DesktopShell::urlOpener() = saved;
    EXPECT_EQ(host.questions.value(0), QString::fromUtf8("?|Что будем искать? |"));
    EXPECT_EQ(opened.path(), QStringLiteral("/search"));
    EXPECT_EQ(opened.toString(QUrl::FullyEncoded),
              QStringLiteral("https://www.google.com/search?q=a%26b%20%23%D1%91%2Bc"));
    EXPECT_EQ(QUrlQuery(opened).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
              QString::fromUtf8("a&b #ё+c"));
}

} // namespace
