// The big-number calculator window: its buttons, fields, histories and titles.

#include "calc/ui/tsupacalc.h"
#include "support/ui/fakehost.h"
#include "support/ui/mainformfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;
using namespace zuk::calc;
using namespace zuk::calc::ui;

namespace {

QString qs(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

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
    // A language without its file: the joke lines are the English ones,
    // the captions stay built in.
    QTemporaryDir parts;
    zuk::test::FakeHost host;
    host.textService.open(parts.path().toStdString() + "/", "Deutsch");
    ASSERT_FALSE(host.textService.russian());
    Tsupacalc w(host, host.window());
    EXPECT_EQ(w.button(BigButton::Add)->text(), qs("Сложить"));
    w.firstBox()->setEditText("3");
    w.secondBox()->setEditText("2");
    w.button(BigButton::Compare)->click();
    EXPECT_EQ(w.resultEdit()->text(), "1-ST OPERAND > 2-ND!");
    EXPECT_EQ(w.windowTitle(), "POWERMIND! YUUUUUUUUU HA HA HA HA!!!");
    w.button(BigButton::ToHex)->click();
    EXPECT_EQ(w.resultEdit()->text(), "3");
    EXPECT_EQ(w.windowTitle(), "FORGET IT");
}
