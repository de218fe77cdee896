// The calculators as the user reaches them: menu commands on the real main
// window, the windows' own buttons.

#include "calc/ui/tfm_valconv.h"
#include "calc/ui/tfmbaseconv.h"
#include "calc/ui/tsupacalc.h"
#include "calc/unitconverter.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "support/ui/mainformfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
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

// ---- Expression evaluator command ----

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

// ---- Base converter dialog ----

TEST(BaseConverterDialog, ConvertsBothWaysAndGuardsItsFields)
{
    QWidget parent;
    TfmBaseConv dialog(&parent);
    QString shown;
    dialog.messageHook = [&](const QString& m) { shown = m; };
    struct Case {
        bool decode;
        const char* number;
        const char* base;
        const char* result; // nullptr: refused with a message
    };
    // The arithmetic is the converter's own; these check the dialog's wiring.
    const Case cases[] = {
        {true, "255", "272", "FF"}, {false, "ff", "16", "255"}, {false, "19", "8", nullptr},
        {true, "-5", "2", nullptr}, {true, "10", "x", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.number) + " base " + c.base);
        shown.clear();
        dialog.resultEdit()->setText(QStringLiteral("before"));
        (c.decode ? dialog.decodeButton() : dialog.encodeButton())->setChecked(true);
        dialog.numberEdit()->setText(QString::fromLatin1(c.number));
        dialog.baseEdit()->setText(QString::fromLatin1(c.base));
        dialog.findChild<QPushButton*>(QStringLiteral("btDo"))->click();
        if (c.result) {
            EXPECT_EQ(dialog.resultEdit()->text(), QString::fromLatin1(c.result));
            EXPECT_TRUE(shown.isEmpty());
        } else {
            EXPECT_EQ(dialog.resultEdit()->text(), QStringLiteral("before"));
            EXPECT_FALSE(shown.isEmpty());
        }
    }
    dialog.encodeButton()->setChecked(true);
    dialog.numberEdit()->setText("19");
    dialog.baseEdit()->setText("8");
    dialog.convert();
    EXPECT_EQ(shown, QStringLiteral("Invalid character '9'"));
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
    whenModal([](QWidget* w) {
        w->findChild<QPushButton*>(QStringLiteral("btCancel"))->click();
    });
    form.runCommand("mniBaseConv");
    EXPECT_EQ(form.editor().GetAllText(), before);
    EXPECT_EQ(form.findChildren<TfmBaseConv*>().size(), 1);
}

// ---- Unit converter ----

TEST(UnitConverterWindow, ConvertsTheListedAndTypedConversionsAndKeepsHistory)
{
    MainFormFixture f;
    auto& form = f.start();
    EXPECT_EQ(form.findChild<Tfm_valconv*>(), nullptr); // not made at start-up
    ASSERT_TRUE(form.runCommand("mniConvertUnits"));
    auto* w = form.findChild<Tfm_valconv*>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), qs("Конвертация величин"));
    EXPECT_EQ(w->numberBox()->currentText(), "13");
    EXPECT_EQ(w->conversionBox()->currentText(), qs("Фаренгейт в Цельсий"));
    EXPECT_EQ(w->conversionBox()->count(), static_cast<int>(unitConversionNames().size()));
    const QString sep = QLocale().decimalPoint();
    struct Case {
        const char* number;
        const char* conversion;
        const char* result; // '.' stands for the locale's separator
    };
    const Case cases[] = {
        {"13", "Фаренгейт в Цельсий", "-10.5555555555556"},
        {"5", "Караты в килограммы", "0.001"},
        {"283.5", "Граммы в унции", "10"},
        {"5", "Нет такого способа", "0"},
    };
    QPushButton* go = w->findChild<QPushButton*>(QStringLiteral("btTranslate"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.conversion);
        w->numberBox()->setEditText(QString::fromLatin1(c.number).replace('.', sep));
        w->conversionBox()->setEditText(qs(c.conversion));
        go->click();
        EXPECT_EQ(w->numberBox()->currentText(), QString::fromLatin1(c.result).replace('.', sep));
    }
    ASSERT_EQ(w->numberBox()->count(), 4);
    EXPECT_EQ(w->numberBox()->itemText(1), "5");

    QString shown;
    w->messageHook = [&](const QString& m) { shown = m; };
    w->numberBox()->setEditText("abc");
    go->click();
    EXPECT_EQ(w->numberBox()->currentText(), "abc");
    EXPECT_FALSE(shown.isEmpty());

    form.runCommand("mniConvertUnits");
    EXPECT_EQ(form.findChildren<Tfm_valconv*>().size(), 1);
}

// ---- Big-number calculator ----

TEST(BigCalculatorWindow, ButtonsComputeAndSetTheirTitles)
{
    MainFormFixture f;
    auto& form = f.start();
    ASSERT_TRUE(form.runCommand("mniMegaCalc"));
    auto* w = form.findChild<Tsupacalc*>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), qs("Калькулятор мега-больших величин"));
    struct Case {
        const char* first;
        const char* second;
        BigButton button;
        const char* result;
        const char* title;
    };
    const Case cases[] = {
        {"99999999999999999999", "1", BigButton::Add, "100000000000000000000",
         "АХЫ, Я СЧИТАТЬ, ТЫ РАДОВАТЬСЯ, КЫ!!"},
        {"-12", "34", BigButton::Multiply, "-408", "ГЫЫЫЫЫЫ!!"},
        {"-7", "2", BigButton::Divide, "-3.-1", "Я СЧИТАТЬ! КУ!"},
        {"7", "0", BigButton::Divide, ".", "Я СЧИТАТЬ! КУ!"},
        {"-5", "-3", BigButton::Compare, "Второй операнд больше первогоооооо!",
         "УХ, Я СЧИТАТЬ! ДЫН!"},
        {"-255", "", BigButton::ToHex, "-FF", "АХЫ, Я СЧИТАТЬ, ТЫ РАДОВАТЬСЯ, КЫ!!"},
        {"10000", "", BigButton::ToDec, "65536", "ЭХ!!!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        w->firstBox()->setEditText(QString::fromLatin1(c.first));
        w->secondBox()->setEditText(QString::fromLatin1(c.second));
        w->button(c.button)->click();
        EXPECT_EQ(w->resultEdit()->text(), qs(c.result));
        EXPECT_EQ(w->windowTitle(), qs(c.title));
    }
    // Five two-operand presses kept both texts; the two conversions only the first.
    EXPECT_EQ(w->firstBox()->count(), 7);
    EXPECT_EQ(w->secondBox()->count(), 5);

    // A malformed operand is reported in the result field.
    w->firstBox()->setEditText("12a");
    w->secondBox()->setEditText("1");
    w->button(BigButton::Add)->click();
    EXPECT_FALSE(w->resultEdit()->text().isEmpty());
    EXPECT_NE(w->resultEdit()->text(), "13");

    w->resultEdit()->setText("408");
    w->button(BigButton::CopyToClipboard)->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "408");

    w->firstBox()->setEditText("1");
    w->secondBox()->setEditText("2");
    w->button(BigButton::ClearHistory)->click();
    EXPECT_EQ(w->firstBox()->count(), 0);
    EXPECT_EQ(w->secondBox()->count(), 0);
    EXPECT_EQ(w->firstBox()->currentText(), "1");
    EXPECT_EQ(w->secondBox()->currentText(), "2");
    EXPECT_EQ(w->windowTitle(), qs("АХЫЧ!"));

    w->button(BigButton::Add)->click();
    w->button(BigButton::ClearFields)->click();
    EXPECT_EQ(w->firstBox()->count(), 0);
    EXPECT_EQ(w->firstBox()->currentText(), "");
    EXPECT_EQ(w->secondBox()->currentText(), "");
    EXPECT_EQ(w->resultEdit()->text(), "");
    EXPECT_EQ(w->windowTitle(), qs("АААААА! РУССКА ВОДКА!!!"));
}

TEST(BigCalculatorWindow, OtherInterfaceLanguagesGetTheEnglishLines)
{
    QWidget parent;
    Tsupacalc w(false, &parent);
    w.firstBox()->setEditText("3");
    w.secondBox()->setEditText("2");
    w.button(BigButton::Compare)->click();
    EXPECT_EQ(w.resultEdit()->text(), "1-ST OPERAND > 2-ND!");
    EXPECT_EQ(w.windowTitle(), "POWERMIND! YUUUUUUUUU HA HA HA HA!!!");
    w.button(BigButton::ToHex)->click();
    EXPECT_EQ(w.resultEdit()->text(), "3");
    EXPECT_EQ(w.windowTitle(), "FORGET IT");
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
