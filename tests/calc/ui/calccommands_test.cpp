// The calculator commands on the real main window: the evaluator writing over
// the selection, the base converter inserting at the caret, the locale's
// decimal separator in what they write.

#include "analyzer/ui/tunt.h"
#include "calc/ui/tfm_valconv.h"
#include "calc/ui/tfmbaseconv.h"
#include "calc/ui/tsupacalc.h"
#include "editor/ui/cdreameditor.h"
#include "support/ui/mainformfixture.h"
#include "support/ui/promptanswer.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;
using namespace zuk::calc;
using namespace zuk::calc::ui;

namespace {

QString qs(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Answers the next modal dialog by running `act` on it once it shows.
void whenModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start(10);
}

} // namespace

TEST(EvaluateExpressionCommand, WritesTheValueBehindTheSelection)
{
    MainFormFixture f;
    auto& form = f.start();
    form.NewFile();
    form.editor().SetAllText("2*(3+4)");
    form.editor().SelectAll();
    ASSERT_TRUE(form.runCommand("mniEvaluateExpression"));
    EXPECT_EQ(form.editor().GetAllText(), "2*(3+4) = 14\r\n");
}

TEST(EvaluateExpressionCommand, FailuresLeaveTheTextAndSayWhy)
{
    struct Case {
        const char* expression;
        const char* messageStart;
    };
    const Case cases[] = {
        {"sqrt(16", "Ожидается ')' в позиции 8"},
        {"PI2", "PI2 не является допустимым именем"},
        {"1/0", ""},
        {"EXP(100000)", ""}, // too large: reported, never written as INF
        {"SQRT(-1)", ""},
    };
    MainFormFixture f;
    auto& form = f.start();
    form.NewFile();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        form.statusBar()->clearMessage();
        form.editor().SetAllText(c.expression);
        form.editor().SelectAll();
        form.runCommand("mniEvaluateExpression");
        EXPECT_EQ(form.editor().GetAllText(), std::string(c.expression) + "\r\n");
        const QString message = form.statusBar()->currentMessage();
        EXPECT_FALSE(message.isEmpty());
        EXPECT_TRUE(message.startsWith(qs(c.messageStart))) << message.toStdString();
    }
}

TEST(EvaluateExpressionCommand, DoesNothingWithoutASelection)
{
    MainFormFixture f;
    auto& form = f.start();
    form.NewFile();
    form.editor().SetAllText("1+1");
    form.runCommand("mniEvaluateExpression");
    EXPECT_EQ(form.editor().GetAllText(), "1+1\r\n");
}

TEST(BaseConverterCommand, TakesTheSelectionAndInsertsTheResultAtTheCaretOnOk)
{
    MainFormFixture f;
    auto& form = f.start();
    form.NewFile();
    form.editor().SetAllText("255");
    form.editor().SelectAll();
    QString seen;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<TfmBaseConv*>(w);
        ASSERT_NE(dialog, nullptr);
        seen = dialog->numberEdit()->text();
        dialog->baseEdit()->setText("16");
        dialog->decodeButton()->setChecked(true);
        dialog->findChild<QPushButton*>(QStringLiteral("btDo"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("btOk"))->click();
    });
    ASSERT_TRUE(form.runCommand("mniBaseConv"));
    EXPECT_EQ(seen, QStringLiteral("255"));
    const std::string text = form.editor().GetAllText();
    EXPECT_NE(text.find("FF"), std::string::npos) << text;

    // Cancel inserts nothing; the dialog is the same one, kept.
    const std::string before = form.editor().GetAllText();
    whenModal([](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("btCancel"))->click(); });
    form.runCommand("mniBaseConv");
    EXPECT_EQ(form.editor().GetAllText(), before);
    EXPECT_EQ(form.findChildren<TfmBaseConv*>().size(), 1);
}

TEST(CalculatorLocale, ResultsUseTheLocaleDecimalSeparator)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    MainFormFixture f;
    auto& form = f.start();
    form.NewFile();
    form.editor().SetAllText("1/3");
    form.editor().SelectAll();
    form.runCommand("mniEvaluateExpression");
    EXPECT_EQ(form.editor().GetAllText(), "1/3 = 0,333333333333333\r\n");

    form.runCommand("mniConvertUnits");
    auto* w = form.findChild<Tfm_valconv*>();
    ASSERT_NE(w, nullptr);
    w->numberBox()->setEditText("1,5");
    w->conversionBox()->setEditText(qs("Ярды в дюймы"));
    w->translate();
    EXPECT_EQ(w->numberBox()->currentText(), "54");
    w->translate();
    EXPECT_EQ(w->numberBox()->currentText(), "1944");
    QLocale::setDefault(before);
}

TEST(CalculatorLanguage, WindowsTakeTheirTextsFromTheInterfaceLanguageFile)
{
    MainFormFixture f;
    f.seed("Engine/Parts/Lang/English",
           "[unt]\r\ncaption=Text analyser\r\nbtAnalysis=Analyse\r\nbtStop=\r\n"
           "sTotalWords=Words: \r\n"
           "[fmBaseConv]\r\nbtDo=Convert\r\n"
           "[supacalc]\r\nbtAdd=Add\r\ncaption=Big numbers\r\n");
    auto& form = f.start();
    form.changeLanguage("English");
    form.NewFile();
    form.editor().SetAllText("a b a");

    ASSERT_TRUE(form.runCommand("mniUNITAZ"));
    auto* analyzer = form.findChild<zuk::analyzer::ui::Tunt*>();
    ASSERT_NE(analyzer, nullptr);
    EXPECT_EQ(analyzer->windowTitle(), "Text analyser");
    EXPECT_EQ(analyzer->findChild<QPushButton*>("btAnalysis")->text(), "Analyse");
    EXPECT_EQ(analyzer->findChild<QPushButton*>("btStop")->text(), qs("СТОП")); // empty value
    analyzer->startAnalysis();
    analyzer->job().wait();
    ASSERT_TRUE(zuk::test::waitFor([&] { return !analyzer->linesPending(); }));
    // Profile values lose their trailing blanks, as the file reader gives them.
    EXPECT_TRUE(analyzer->outputLines().contains("Words:3"))
        << analyzer->outputLines().join('\n').toStdString();

    whenModal([](QWidget* w) {
        EXPECT_EQ(w->findChild<QPushButton*>("btDo")->text(), "Convert");
        EXPECT_EQ(w->findChild<QPushButton*>("btOk")->text(), qs("Окэй-окэээй!"));
        w->findChild<QPushButton*>("btCancel")->click();
    });
    form.runCommand("mniBaseConv");

    ASSERT_TRUE(form.runCommand("mniMegaCalc"));
    auto* calc = form.findChild<Tsupacalc*>();
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(calc->windowTitle(), "Big numbers");
    EXPECT_EQ(calc->button(BigButton::Add)->text(), "Add");
    calc->button(BigButton::ClearHistory)->click();
    EXPECT_EQ(calc->windowTitle(), "NO NO NO");

    // Back to Russian: the texts stay until the next start.
    {
        zuk::test::PromptAnswer restartNote(std::nullopt);
        form.changeLanguage("\xD0\xF3\xF1\xF1\xEA\xE8\xE9");
    }
    form.runCommand("mniUNITAZ");
    EXPECT_EQ(analyzer->windowTitle(), "Text analyser");
}
