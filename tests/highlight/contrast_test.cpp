// Readability of the shipped colour styles: every token class the highlighters
// draw keeps a WCAG contrast ratio of at least 4.5 to the background it is
// drawn on, whichever text styles were in use when the style was chosen.

#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/contrast.h"
#include "highlight/textstyleset.h"
#include "settings/connectiontable.h"

#include <gtest/gtest.h>

using namespace zuk::highlight;

namespace {

const std::string kEngine = std::string(ZUK_SOURCE_DIR) + "/data/Engine/";

// The positions the highlighters draw text in: plain text, every token class
// on the document's background, and the selection.
const size_t kDrawnPositions[] = {
    TsWhitespace, TsString,  TsComment,   TsIdentifier, TsInteger,    TsFloat, TsReservedWords,
    TsDelimeters, TsDefines, TsAssembler, TsHtmlTags,   TsHtmlParams, TsUrl,   TsMarkedBlock,
};

// The colours one style is drawn in, as the document window resolves them.
std::pair<int32_t, int32_t> drawnColours(const zuk::editor::TextStyle& style,
                                         const zuk::settings::RConnectionTable& s)
{
    const int32_t fore = style.fore < 0 ? s.FontColor : style.fore;
    const int32_t back = style.useControlBack || style.back < 0 ? s.BGColor : style.back;
    return {fore, back};
}

} // namespace

TEST(Contrast, WcagRatiosOfKnownPairs)
{
    EXPECT_NEAR(contrastRatio(0, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0xFFFFFF, 0), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x123456, 0x123456), 1.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x808080, 0xFFFFFF), 3.95, 0.01); // grey 128 on white
    EXPECT_NEAR(contrastRatio(0x0000FF, 0xFFFFFF), 4.00, 0.01); // pure red on white
    EXPECT_NEAR(contrastRatio(0x008000, 0xFFFFFF), 5.14, 0.01); // green 128 on white
}

TEST(Contrast, ReadableColourMovesOnlyAsFarAsNeeded)
{
    // Already readable: unchanged, system colours too.
    EXPECT_EQ(readableColour(0x000080, 0xFFFFFF), 0x000080);
    EXPECT_EQ(readableColour(kWindowColour, 0), kWindowColour);
    EXPECT_EQ(readableColour(0, kWindowColour), 0);

    const struct {
        int32_t fore, back;
    } cases[] = {
        {0x000000, 0x000000}, // black on black goes towards white
        {0x000000, 0x202020}, {0x800000, 0x202020},
        {0xFF0000, 0x000000}, {0x808080, 0xFFFFFF}, // grey on white goes towards black
        {0x00FFFF, 0xFFFFFF}, {0x3C281E, 0x3C281E},
        {0x777777, 0x777777}, // the middle: either way reaches 4.5
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.fore) + " on " + std::to_string(c.back));
        const int32_t r = readableColour(c.fore, c.back);
        EXPECT_GE(contrastRatio(r, c.back), kMinTextContrast);
        EXPECT_LT(contrastRatio(r, c.back), kMinTextContrast + 1.0); // no further than needed
    }
    // The hue survives: blue on dark grey stays bluer than it is red or green.
    const int32_t blue = readableColour(0xFF0000, 0x202020);
    EXPECT_GT((blue >> 16) & 0xFF, blue & 0xFF);
    // A ratio nobody reaches gives the better of white and black.
    EXPECT_EQ(readableColour(0x404040, 0x000000, 30.0), 0xFFFFFF);
}

TEST(Contrast, EveryTokenOfEveryShippedColourStyleReads)
{
    const CFontCOlors shipped(kEngine + "CStyles");
    ASSERT_GE(shipped.Schemes.size(), 7u);
    const CMyTextStyles fromFile(kEngine + "Parts/currtextstyles.txt");
    const struct {
        const char* name;
        CMyTextStyles styles;
    } starts[] = {{"built-in text styles", CMyTextStyles()},
                  {"shipped currtextstyles.txt", fromFile}};

    for (const auto& start : starts) {
        // Choosing the styles one after another, each over what the one before left.
        CMyTextStyles styles = start.styles;
        zuk::settings::RConnectionTable settings;
        for (int round = 0; round < 2; ++round) {
            for (const CColorStyle& scheme : shipped.Schemes) {
                SCOPED_TRACE(start.name + std::string(", ") + scheme.Name);
                applyColorStyle(scheme, styles, settings);
                const auto drawn = documentTextStyles(styles, settings);
                for (size_t pos : kDrawnPositions) {
                    const auto [fore, back] = drawnColours(drawn[pos], settings);
                    EXPECT_GE(contrastRatio(fore, back), kMinTextContrast)
                        << builtInTextStyles()[pos].Name << ": " << fore << " on " << back;
                }
            }
        }
    }
}

TEST(Contrast, AStyleOfOnlyTheFourMainColoursStillReads)
{
    // A scheme file written before schemes carried token colours.
    const CColorStyle dark = parseColorStyle(
        "old", "FontColor=16777215\r\nBackColor=0\r\nSelFontColor=0\r\nSelBackColor=65535\r\n");
    CMyTextStyles styles;
    styles.Styles[TsComment].FColor = 0xC0C0C0;  // reads on black: kept as the user set it
    styles.Styles[TsHtmlTags].BColor = 0xFFFFFF; // a background of its own
    zuk::settings::RConnectionTable settings;
    applyColorStyle(dark, styles, settings);
    EXPECT_EQ(settings.BGColor, 0);
    EXPECT_EQ(styles.Styles[TsComment].FColor, 0xC0C0C0);
    for (size_t pos = 0; pos < kTextStyleCount; ++pos) {
        SCOPED_TRACE(builtInTextStyles()[pos].Name);
        if (!isTokenStyle(pos)) {
            EXPECT_EQ(styles.Styles[pos].FColor, builtInTextStyles()[pos].FColor);
            continue;
        }
        EXPECT_GE(contrastRatio(styles.Styles[pos].FColor, 0), kMinTextContrast);
    }

    // Drawn on their own backgrounds, the classes are read against those.
    CMyTextStyles own;
    own.Styles[TsHtmlTags].BColor = 0xFFFFFF;
    settings.text_styles_use_back_color = false;
    applyColorStyle(dark, own, settings);
    EXPECT_EQ(own.Styles[TsHtmlTags].FColor, builtInTextStyles()[TsHtmlTags].FColor);
    EXPECT_GE(contrastRatio(own.Styles[TsIdentifier].FColor, 0), kMinTextContrast);
}
