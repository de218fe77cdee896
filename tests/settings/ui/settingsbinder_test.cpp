// Controls bound to fields of the settings record: what load() shows and
// store() writes back, for every kind of control.

#include "settings/ui/settingsbinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>

#include <gtest/gtest.h>

using namespace zuk::settings;
using namespace zuk::settings::ui;

namespace {

RConnectionTable changedCopy()
{
    RConnectionTable ct;
    ct.BHU = true;
    ct.SaveOptions.DoCopyVer = true;
    ct.CPUStatus_update = 2500;
    ct.SpacesPerTab = 1'000'000'000;
    ct.Metachar = "\xA7"; // "§" in Windows-1251
    ct.tidy_path = "/opt/тайди/tidy";
    ct.FileBoxBack = 0x123456;
    ct.EditLineSepStyle = 3;
    ct.SaveOptions.ConvertVersionToCharset = "koi";
    return ct;
}

} // namespace

TEST(SettingsBinder, EveryControlKindRoundTripsItsField)
{
    QWidget page;
    QCheckBox bhu(&page), copyVer(&page), wrapOff(&page);
    QSpinBox period(&page), tab(&page);
    QLineEdit meta(&page), tidy(&page);
    ColourButton back(&page);
    QComboBox style(&page);
    for (int v = 0; v < 5; ++v)
        style.addItem(QString::number(v), v);
    QRadioButton win(&page), koi(&page), dos(&page);

    SettingsBinder binder;
    binder.bind(&bhu, field<bool>(&RConnectionTable::BHU));
    binder.bind(&copyVer, field<bool>(&RConnectionTable::SaveOptions, &RSaveOptions::DoCopyVer));
    binder.bindInverted(&wrapOff, field<bool>(&RConnectionTable::WordWrap));
    binder.bind(&period, field<int>(&RConnectionTable::CPUStatus_update), 1, 10000, 1000);
    binder.bind(&tab, field<int>(&RConnectionTable::SpacesPerTab), 1, 32);
    binder.bind(&meta, field<std::string>(&RConnectionTable::Metachar), TextField::win1251);
    binder.bind(&tidy, field<std::string>(&RConnectionTable::tidy_path), TextField::utf8);
    binder.bind(&back, field<Colour>(&RConnectionTable::FileBoxBack));
    binder.bind(&style, field<int>(&RConnectionTable::EditLineSepStyle));
    binder.bindChoice<std::string>(
        {{&win, "win"}, {&koi, "koi"}, {&dos, "dos"}},
        field<std::string>(&RConnectionTable::SaveOptions, &RSaveOptions::ConvertVersionToCharset));

    const RConnectionTable original = changedCopy();
    binder.load(original);
    EXPECT_TRUE(bhu.isChecked());
    EXPECT_TRUE(copyVer.isChecked());
    EXPECT_FALSE(wrapOff.isChecked());
    EXPECT_EQ(period.value(), 2); // milliseconds shown as whole seconds
    EXPECT_EQ(tab.value(), 32);   // an absurd stored value shows the bound
    EXPECT_EQ(meta.text(), QStringLiteral("§"));
    EXPECT_EQ(tidy.text(), QStringLiteral("/opt/тайди/tidy"));
    EXPECT_EQ(back.colour(), 0x123456);
    EXPECT_EQ(style.currentData().toInt(), 3);
    EXPECT_TRUE(koi.isChecked());
    EXPECT_FALSE(win.isChecked());

    // Unchanged controls write back what they showed, text fields byte for byte.
    RConnectionTable stored;
    binder.store(stored);
    EXPECT_TRUE(stored.BHU);
    EXPECT_EQ(stored.Metachar, original.Metachar);
    EXPECT_EQ(stored.tidy_path, original.tidy_path);
    EXPECT_EQ(stored.FileBoxBack, original.FileBoxBack);
    EXPECT_EQ(stored.EditLineSepStyle, 3);
    EXPECT_EQ(stored.SaveOptions.ConvertVersionToCharset, "koi");
    EXPECT_EQ(stored.SpacesPerTab, 32);
    EXPECT_EQ(stored.CPUStatus_update, 2000);

    // Edits reach the fields, in the record's units and encodings.
    bhu.setChecked(false);
    wrapOff.setChecked(true);
    period.setValue(3);
    meta.setText(QStringLiteral("№"));
    back.setColour(0x0000FF);
    style.setCurrentIndex(0);
    dos.setChecked(true);
    binder.store(stored);
    EXPECT_FALSE(stored.BHU);
    EXPECT_FALSE(stored.WordWrap);
    EXPECT_EQ(stored.CPUStatus_update, 3000);
    EXPECT_EQ(stored.Metachar, "\xB9");
    EXPECT_EQ(stored.FileBoxBack, 0x0000FF);
    EXPECT_EQ(stored.EditLineSepStyle, 0);
    EXPECT_EQ(stored.SaveOptions.ConvertVersionToCharset, "dos");
}

TEST(SettingsBinder, ValuesNoControlOffersAreKept)
{
    QWidget page;
    QComboBox style(&page);
    style.addItem(QStringLiteral("solid"), 0);
    QRadioButton win(&page), koi(&page);
    SettingsBinder binder;
    binder.bind(&style, field<int>(&RConnectionTable::EditLineSepStyle));
    binder.bindChoice<std::string>(
        {{&win, "win"}, {&koi, "koi"}},
        field<std::string>(&RConnectionTable::SaveOptions, &RSaveOptions::ConvertVersionToCharset));

    RConnectionTable ct;
    ct.EditLineSepStyle = 4;
    ct.SaveOptions.ConvertVersionToCharset = "utf";
    win.setChecked(true);
    binder.load(ct);
    EXPECT_EQ(style.currentIndex(), -1);
    EXPECT_FALSE(win.isChecked());
    binder.store(ct);
    EXPECT_EQ(ct.EditLineSepStyle, 4);
    EXPECT_EQ(ct.SaveOptions.ConvertVersionToCharset, "utf");
}

TEST(SettingsBinder, ChangeHandlersSeeTheLoadingFlagOnlyWhileLoading)
{
    QCheckBox box;
    SettingsBinder binder;
    binder.bind(&box, field<bool>(&RConnectionTable::BHU));
    std::vector<bool> seen;
    QObject::connect(&box, &QCheckBox::toggled, [&] { seen.push_back(binder.loading()); });
    RConnectionTable ct;
    ct.BHU = true;
    binder.load(ct);
    box.setChecked(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(SettingsBinder, ColoursConvertBetweenRecordAndScreenOrder)
{
    EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0)); // the record keeps blue high
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_TRUE(toQColor(-5).isValid()); // a system colour shows as something
}
