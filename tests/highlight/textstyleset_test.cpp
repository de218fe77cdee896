#include "highlight/textstyleset.h"

#include "settings/connectiontable.h"

#include <gtest/gtest.h>

using namespace zuk::highlight;

TEST(DocumentTextStyles, BackgroundsFollowTheMainColourSetting)
{
    CMyTextStyles styles;
    for (auto& s : styles.Styles)
        s.BColor = 0x111111;
    styles.Styles[TsErrorLine].Bold = true;
    styles.Styles[TsWhitespace].Italic = true;
    zuk::settings::RConnectionTable settings;
    settings.FontColor = 1;
    settings.BGColor = 2;
    settings.SelFontColor = 3;
    settings.SelBGColor = 4;

    struct Expect {
        size_t pos;
        int32_t onFore, onBack, offFore, offBack;
    };
    const Expect rows[] = {
        {TsWhitespace, 1, 2, 1, 2},
        {TsString, 128, 2, 128, 0x111111},
        {TsUrl, 32768, 2, 32768, 0x111111},
        {TsBreakPoint, 16777215, 0x111111, 16777215, 0x111111},
        {TsSearchMatch, 65280, 0x111111, 65280, 0x111111},
        {TsErrorLine, 16777215, 0x111111, 16777215, 0x111111},
        {TsMarkedBlock, 3, 4, 16777215, 0x111111},
    };
    for (bool on : {true, false}) {
        settings.text_styles_use_back_color = on;
        const auto list = documentTextStyles(styles, settings);
        ASSERT_EQ(list.size(), kTextStyleCount);
        for (const Expect& e : rows) {
            SCOPED_TRACE(std::to_string(e.pos) + (on ? " on" : " off"));
            EXPECT_EQ(static_cast<size_t>(list[e.pos].token), e.pos);
            EXPECT_EQ(list[e.pos].fore, on ? e.onFore : e.offFore);
            EXPECT_EQ(list[e.pos].back, on ? e.onBack : e.offBack);
            EXPECT_FALSE(list[e.pos].useControlBack);
        }
        EXPECT_FALSE(list[TsErrorLine].bold);
        EXPECT_FALSE(list[TsWhitespace].italic);
    }

    // A system colour as background means the control's own.
    const auto raw = textStyleSet(CMyTextStyles());
    EXPECT_TRUE(raw[TsString].useControlBack);
    EXPECT_FALSE(raw[TsBreakPoint].useControlBack);
    EXPECT_EQ(raw[TsBreakPoint].back, 255);

    CColorStyle night;
    night.FontColor = 7;
    night.BackColor = 0xFFFFFF;
    night.SelFontColor = 9;
    night.SelBackColor = 10;
    night.TokenColors[TsComment] = 0x123456;
    night.TokenColors[TsBreakPoint] = 0x654321; // not a token class: never taken
    settings.text_styles_use_back_color = true;
    applyColorStyle(night, styles, settings);
    EXPECT_EQ(settings.FontColor, 7);
    EXPECT_EQ(settings.BGColor, 0xFFFFFF);
    EXPECT_EQ(settings.SelFontColor, 9);
    EXPECT_EQ(settings.SelBGColor, 10);
    EXPECT_EQ(styles.Styles[TsComment].FColor, 0x123456);
    EXPECT_EQ(styles.Styles[TsString].FColor, 128); // reads on white: kept
    EXPECT_EQ(styles.Styles[TsBreakPoint].FColor, 16777215);
}
