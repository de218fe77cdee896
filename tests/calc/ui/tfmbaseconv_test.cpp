// The base converter dialog driven through its fields and buttons.

#include "calc/ui/tfmbaseconv.h"
#include "support/ui/fakehost.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace zuk::calc;
using namespace zuk::calc::ui;

TEST(BaseConverterDialog, ConvertsBothWaysAndGuardsItsFields)
{
    zuk::test::FakeHost host;
    TfmBaseConv dialog(host, host.window());
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
    dialog.decodeButton()->setChecked(true);
    dialog.numberEdit()->setText("-5");
    dialog.baseEdit()->setText("2");
    dialog.convert();
    EXPECT_EQ(shown, QString::fromUtf8("Отрицательное число нельзя перевести в другую базу"));
}
