// The calculator commands on the real main window: the evaluator writing over
// the selection, the base converter inserting at the caret, the locale's
// decimal separator in what they write; and on a host without a window, the
// texts of their windows and messages in the interface language.

#include "analyzer/ui/tunt.h"
#include "app/languagefile.h"
#include "calc/exprevaluator.h"
#include "calc/ui/calccommands.h"
#include "calc/ui/tfm_valconv.h"
#include "calc/ui/tfmbaseconv.h"
#include "calc/ui/tsupacalc.h"
#include "editor/ui/cdreameditor.h"
#include "support/ui/fakehost.h"
#include "support/ui/mainformfixture.h"
#include "support/ui/promptanswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
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

bool hasCyrillic(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    return false;
}

// Every text a window shows that is Cyrillic: its title, and the text, title,
// tool tip and list items of the window and of every widget in it.
QStringList cyrillicTextsOf(QWidget* window)
{
    QStringList found;
    auto check = [&found](const QString& where, const QString& text) {
        if (hasCyrillic(text))
            found << where + ": " + text;
    };
    check("title", window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        const QString name = w->objectName();
        check(name + " tool tip", w->toolTip());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            check(name, b->text());
        if (auto* l = qobject_cast<QLabel*>(w))
            check(name, l->text());
        if (auto* g = qobject_cast<QGroupBox*>(w))
            check(name, g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w))
            check(name, e->text());
        if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            check(name, p->toPlainText());
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            check(name, c->currentText());
            for (int i = 0; i < c->count(); ++i)
                check(name + " item", c->itemText(i));
        }
    }
    return found;
}

// A parts folder whose language folder holds the shipped English file, as the
// tables make it.
class EnglishParts {
public:
    EnglishParts()
    {
        QDir(m_dir.path()).mkpath("Lang");
        QFile f(m_dir.path() + "/Lang/English");
        f.open(QIODevice::WriteOnly);
        const std::string bytes = zuk::app::englishLanguageFile();
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string path() const { return m_dir.path().toStdString() + "/"; }
    void open(zuk::test::FakeHost& host) const
    {
        ASSERT_TRUE(host.textService.open(path(), "English"));
    }

private:
    QTemporaryDir m_dir;
};

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
           "[supacalc]\r\nbtAdd=Add\r\ncaption=Big numbers\r\n"
           "[fm_valconv]\r\ncaption=Units\r\n");
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
    ASSERT_TRUE(zuk::test::waitFor(
        [&] { return analyzer->job().isFinished() && !analyzer->linesPending(); }));
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

    // Back to Russian: the texts stay until the next start, in the windows
    // that are open, in those made now and in the lines that depend on the
    // language.
    {
        zuk::test::PromptAnswer restartNote(std::nullopt);
        form.changeLanguage("\xD0\xF3\xF1\xF1\xEA\xE8\xE9");
        EXPECT_FALSE(restartNote.note.isEmpty());
    }
    form.runCommand("mniUNITAZ");
    EXPECT_EQ(analyzer->windowTitle(), "Text analyser");
    EXPECT_EQ(calc->button(BigButton::Add)->text(), "Add");
    calc->button(BigButton::ClearHistory)->click();
    EXPECT_EQ(calc->windowTitle(), "NO NO NO");
    ASSERT_TRUE(form.runCommand("mniConvertUnits"));
    auto* units = form.findChild<Tfm_valconv*>();
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->windowTitle(), "Units");
}

TEST(CalculatorLanguage, WithEnglishNothingRussianIsLeftInTheWindowsAndTheirMessages)
{
    EnglishParts parts;
    zuk::test::FakeHost host;
    parts.open(host); // before the windows are made: they are English from the start
    installCalcCommands(host);
    host.ved.text = "alpha beta alpha";

    // The analyzer: its window, its report and its message.
    auto* analyzer = new zuk::analyzer::ui::Tunt(host, host.window());
    EXPECT_EQ(analyzer->windowTitle(), "UNIversal Text AnalyZer 1.0");
    analyzer->startAnalysis();
    ASSERT_TRUE(zuk::test::waitFor(
        [&] { return analyzer->job().isFinished() && !analyzer->linesPending(); }));
    const QStringList report = analyzer->outputLines();
    EXPECT_TRUE(report.contains("Total words: 3")) << report.join('\n').toStdString();
    EXPECT_TRUE(report.contains("alpha    2"));
    QString note;
    analyzer->messageHook = [&](const QString& m) { note = m; };
    host.ved.open = false;
    analyzer->startAnalysis();
    ASSERT_TRUE(zuk::test::waitFor([&] { return !note.isEmpty(); }));
    EXPECT_EQ(note, "Nothing to analyse - no file is open yet!");
    host.ved.open = true;
    EXPECT_EQ(cyrillicTextsOf(analyzer), QStringList());

    // The unit converter: its list, its results and its failures.
    auto* units = new Tfm_valconv(host, host.window());
    EXPECT_EQ(units->conversionBox()->currentText(), "Fahrenheit to Celsius");
    EXPECT_EQ(cyrillicTextsOf(units), QStringList());
    QStringList unitMessages;
    units->messageHook = [&](const QString& m) { unitMessages << m; };
    units->numberBox()->setEditText("212");
    units->conversionBox()->setEditText("Fahrenheit to Celsius");
    units->translate();
    EXPECT_EQ(units->numberBox()->currentText(), "100");
    units->numberBox()->setEditText("many");
    units->translate();
    units->numberBox()->setEditText("1");
    units->conversionBox()->setEditText("Parrots to boas");
    units->translate();
    EXPECT_EQ(unitMessages, (QStringList{qs("«many» is not a number"),
                                         qs("Unknown conversion: «Parrots to boas»")}));

    // The big-number calculator: every button's result and joke line.
    auto* calc = new Tsupacalc(host, host.window());
    EXPECT_EQ(cyrillicTextsOf(calc), QStringList());
    for (const BigButton b :
         {BigButton::Add, BigButton::Subtract, BigButton::Multiply, BigButton::Divide,
          BigButton::Compare, BigButton::ToHex, BigButton::ToDec, BigButton::CopyToClipboard,
          BigButton::ClearHistory, BigButton::ClearFields}) {
        for (const char* second : {"5", "12", "99"}) {
            calc->firstBox()->setEditText("12");
            calc->secondBox()->setEditText(second);
            calc->button(b)->click();
            EXPECT_EQ(cyrillicTextsOf(calc), QStringList()) << static_cast<int>(b);
        }
    }
    calc->firstBox()->setEditText("12x");
    calc->secondBox()->setEditText("1");
    calc->button(BigButton::Add)->click();
    EXPECT_EQ(calc->resultEdit()->text(), qs("«12x» is not an integer"));
    calc->firstBox()->setEditText("FG");
    calc->button(BigButton::ToDec)->click();
    EXPECT_EQ(calc->resultEdit()->text(), qs("«FG» is not a hexadecimal integer"));

    // The base converter dialog and its failures.
    TfmBaseConv bases(host, host.window());
    EXPECT_EQ(cyrillicTextsOf(&bases), QStringList());
    QStringList baseMessages;
    bases.messageHook = [&](const QString& m) { baseMessages << m; };
    const struct {
        bool decode;
        const char* number;
        const char* base;
    } failures[] = {{true, "-5", "2"}, {false, "", "2"},          {true, "x", "2"},
                    {true, "5", "99"}, {true, "9999999999", "2"}, {false, "19", "8"}};
    for (const auto& f : failures) {
        (f.decode ? bases.decodeButton() : bases.encodeButton())->setChecked(true);
        bases.numberEdit()->setText(f.number);
        bases.baseEdit()->setText(f.base);
        bases.convert();
    }
    ASSERT_EQ(baseMessages.size(), 6);
    EXPECT_EQ(baseMessages[0], "A negative number cannot be converted to another base");
    for (const QString& m : baseMessages)
        EXPECT_FALSE(hasCyrillic(m)) << m.toStdString();

    // The evaluator's failures, as the main window words them.
    const char* const expressions[] = {"sqrt(16", "PI2",    "1/0",       "SQRT(-1)",
                                       "IF(1",    "FOO(1)", "SUM(3,1,I)"};
    QStringList evaluatorMessages;
    for (const char* expression : expressions) {
        host.ved.text = expression;
        host.ved.select(0, static_cast<long>(host.ved.text.size()));
        try {
            host.run("mniEvaluateExpression");
            ADD_FAILURE() << expression;
        } catch (const zuk::ZukError& e) {
            evaluatorMessages << host.message(e);
        }
    }
    EXPECT_EQ(evaluatorMessages.front(), "')' expected at position 8");
    for (const QString& m : evaluatorMessages)
        EXPECT_FALSE(hasCyrillic(m)) << m.toStdString();
}

TEST(CalculatorLanguage, ASwitchAtRunTimeReachesTheWindowsThatAreOpen)
{
    EnglishParts parts;
    zuk::test::FakeHost host;
    host.ved.text = "alpha";
    auto* analyzer = new zuk::analyzer::ui::Tunt(host, host.window());
    auto* units = new Tfm_valconv(host, host.window());
    auto* calc = new Tsupacalc(host, host.window());
    EXPECT_EQ(analyzer->windowTitle(), qs("УНИверсальный Текстовый АналиЗатор 1.0"));
    EXPECT_EQ(units->conversionBox()->currentText(), qs("Фаренгейт в Цельсий"));
    calc->button(BigButton::ClearHistory)->click();
    EXPECT_EQ(calc->windowTitle(), qs("АХЫЧ!"));

    // What the main window's language change does: the file, then every window.
    parts.open(host);
    host.localiseAll();
    for (QWidget* w : {static_cast<QWidget*>(analyzer), static_cast<QWidget*>(units),
                       static_cast<QWidget*>(calc)})
        EXPECT_EQ(cyrillicTextsOf(w), QStringList()) << w->objectName().toStdString();
    EXPECT_EQ(analyzer->findChild<QPushButton*>("btAnalysis")->text(), "Analyse");
    EXPECT_EQ(units->conversionBox()->currentText(), "Fahrenheit to Celsius");
    EXPECT_EQ(units->conversionBox()->itemText(4), "Inches to yards");
    EXPECT_EQ(calc->windowTitle(), "Calculator of mega-big numbers");
    calc->button(BigButton::ClearHistory)->click();
    EXPECT_EQ(calc->windowTitle(), "NO NO NO");
    analyzer->startAnalysis();
    ASSERT_TRUE(zuk::test::waitFor(
        [&] { return analyzer->job().isFinished() && !analyzer->linesPending(); }));
    EXPECT_TRUE(analyzer->outputLines().contains("Thinking. Please wait..."));
}
