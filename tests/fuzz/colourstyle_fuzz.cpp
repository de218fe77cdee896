// A colour style file of Engine/CStyles/: parsed, written back and parsed
// again to the same scheme, loaded through the folder as the style menu does,
// and applied to the text styles, where every token colour the scheme leaves
// out must then read on its background.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "highlight/cfontcolors.h"
#include "highlight/contrast.h"
#include "highlight/textstyleset.h"
#include "settings/connectiontable.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace zuk::highlight;

bool sameStyle(const CColorStyle& a, const CColorStyle& b)
{
    return a.Name == b.Name && a.FontColor == b.FontColor && a.BackColor == b.BackColor &&
           a.SelFontColor == b.SelFontColor && a.SelBackColor == b.SelBackColor &&
           a.TokenColors == b.TokenColors;
}

void applyTo(const CColorStyle& style, bool onMainBack)
{
    CMyTextStyles styles;
    zuk::settings::RConnectionTable settings;
    settings.text_styles_use_back_color = onMainBack;
    const CMyTextStyles before = styles;
    applyColorStyle(style, styles, settings);
    if (settings.FontColor != style.FontColor || settings.BGColor != style.BackColor)
        std::abort();
    for (std::size_t pos = 0; pos < kTextStyleCount; ++pos) {
        const RtextStyle& st = styles.Styles[pos];
        if (!isTokenStyle(pos) || style.TokenColors[pos]) {
            if (isTokenStyle(pos) ? st.FColor != *style.TokenColors[pos]
                                  : st.FColor != before.Styles[pos].FColor)
                std::abort();
            continue;
        }
        const int32_t back = onMainBack || st.BColor < 0 ? style.BackColor : st.BColor;
        if (back >= 0 && st.FColor >= 0 && contrastRatio(st.FColor, back) < kMinTextContrast)
            std::abort();
    }
    (void)documentTextStyles(styles, settings);
}

} // namespace

ZUK_FUZZ_TARGET(colourstyle)
{
    const std::string bytes(input);
    const CColorStyle style = parseColorStyle("Fuzz", bytes);
    const std::string written = formatColorStyle(style);
    if (!sameStyle(parseColorStyle("Fuzz", written), style))
        std::abort();
    if (formatColorStyle(parseColorStyle("Fuzz", written)) != written)
        std::abort();
    applyTo(style, true);
    applyTo(style, false);

    // Through the folder: the file as the user left it, then as saved.
    const std::string folder = zuk::fuzz::scratchFolder() + "CStyles/";
    std::filesystem::create_directories(folder);
    zuk::fuzz::putScratchFile("CStyles/Fuzz", input);
    const CFontCOlors schemes(folder);
    const CColorStyle* found = schemes.findByName("Fuzz");
    if (!found || !sameStyle(*found, style))
        std::abort();
    saveColorStyle(folder + "Fuzz", style);
    if (!sameStyle(CFontCOlors(folder).Schemes.at(0), style))
        std::abort();
    if (!deleteColorStyle(folder, "Fuzz") || !CFontCOlors(folder).Schemes.empty())
        std::abort();
    zuk::fuzz::clearScratch();
}
