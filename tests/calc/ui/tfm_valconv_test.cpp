// The unit converter window as the menu command opens it.

#include "calc/ui/tfm_valconv.h"
#include "calc/unitconverter.h"
#include "support/ui/mainformfixture.h"

#include <QComboBox>
#include <QLocale>
#include <QPushButton>

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
        {"2", "Tons to ounces", "64000"}, // the English names are understood too
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

    // A number that does not read and a conversion that does not exist are
    // told, and the fields stay as they were.
    QString shown;
    w->messageHook = [&](const QString& m) { shown = m; };
    w->numberBox()->setEditText("abc");
    go->click();
    EXPECT_EQ(w->numberBox()->currentText(), "abc");
    EXPECT_EQ(shown, qs("«abc» не является числом"));
    w->numberBox()->setEditText("5");
    w->conversionBox()->setEditText(qs("Нет такого способа"));
    go->click();
    EXPECT_EQ(w->numberBox()->currentText(), "5");
    EXPECT_EQ(w->conversionBox()->currentText(), qs("Нет такого способа"));
    EXPECT_EQ(shown, qs("Неизвестный способ конвертирования: «Нет такого способа»"));

    form.runCommand("mniConvertUnits");
    EXPECT_EQ(form.findChildren<Tfm_valconv*>().size(), 1);
}
