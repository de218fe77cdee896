#include "highlight/textstyleset.h"

#include "highlight/contrast.h"
#include "settings/connectiontable.h"

namespace zuk::highlight {

namespace {

editor::TextStyle fromStyle(const RtextStyle& st, size_t position)
{
    editor::TextStyle t;
    t.name = st.Name;
    t.token = static_cast<editor::TokenClass>(position);
    t.fore = st.FColor;
    t.back = st.BColor;
    t.useControlBack = st.BColor < 0;
    t.bold = st.Bold;
    t.italic = st.Italic;
    t.underline = st.Underline;
    return t;
}

} // namespace

std::vector<editor::TextStyle> textStyleSet(const CMyTextStyles& styles)
{
    std::vector<editor::TextStyle> out;
    for (size_t i = 0; i < kTextStyleCount; ++i)
        out.push_back(fromStyle(styles.Styles[i], i));
    return out;
}

std::vector<editor::TextStyle> documentTextStyles(const CMyTextStyles& styles,
                                                  const settings::RConnectionTable& s)
{
    const bool mainBack = s.text_styles_use_back_color;
    std::vector<editor::TextStyle> out = textStyleSet(styles);
    for (size_t i = 0; i < kTextStyleCount; ++i) {
        editor::TextStyle& t = out[i];
        switch (i) {
        case TsWhitespace:
            t.fore = s.FontColor;
            t.back = s.BGColor;
            t.useControlBack = false;
            t.bold = t.italic = t.underline = false;
            break;
        case TsBreakPoint:
        case TsSearchMatch:
            break;
        case TsErrorLine:
            t.bold = t.italic = t.underline = false;
            break;
        case TsMarkedBlock:
            if (mainBack) {
                t.fore = s.SelFontColor;
                t.back = s.SelBGColor;
                t.useControlBack = false;
            }
            break;
        default:
            if (mainBack) {
                t.back = s.BGColor;
                t.useControlBack = false;
            }
            break;
        }
    }
    return out;
}

void applyColorStyle(const CColorStyle& style, CMyTextStyles& styles,
                     settings::RConnectionTable& settings)
{
    settings.FontColor = style.FontColor;
    settings.BGColor = style.BackColor;
    settings.SelFontColor = style.SelFontColor;
    settings.SelBGColor = style.SelBackColor;
    for (size_t pos = 0; pos < kTextStyleCount; ++pos) {
        if (!isTokenStyle(pos))
            continue;
        RtextStyle& st = styles.Styles[pos];
        if (style.TokenColors[pos]) {
            st.FColor = *style.TokenColors[pos];
            continue;
        }
        // A class drawn on a background of its own is read against that one.
        const bool onMain = settings.text_styles_use_back_color || st.BColor < 0;
        st.FColor = readableColour(st.FColor, onMain ? style.BackColor : st.BColor);
    }
}

} // namespace zuk::highlight
