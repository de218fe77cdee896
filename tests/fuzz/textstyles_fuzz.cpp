// currtextstyles.txt: the seventeen text styles loaded from any bytes, turned
// into the editor's style lists, saved and loaded again. Saving keeps every
// style, as long as no two styles share a name (a file may name a style after
// a built-in one it does not list; the two then share one section).

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "editor/textstyles.h"
#include "highlight/cmytextstyles.h"
#include "highlight/textstyleset.h"
#include "io/nocase.h"
#include "settings/connectiontable.h"

#include <cstdlib>
#include <string>
#include <unordered_set>

namespace {

using namespace zuk::highlight;

bool sameStyles(const aTextStyles& a, const aTextStyles& b)
{
    for (std::size_t i = 0; i < kTextStyleCount; ++i)
        if (a[i].Name != b[i].Name || a[i].FColor != b[i].FColor || a[i].BColor != b[i].BColor ||
            a[i].Bold != b[i].Bold || a[i].Italic != b[i].Italic ||
            a[i].Underline != b[i].Underline)
            return false;
    return true;
}

bool namesDistinct(const aTextStyles& styles)
{
    std::unordered_set<std::string> seen;
    for (const RtextStyle& st : styles)
        if (!seen.insert(zuk::io::lowerWin(st.Name)).second)
            return false;
    return true;
}

} // namespace

ZUK_FUZZ_TARGET(textstyles)
{
    const std::string path = zuk::fuzz::putScratchFile("currtextstyles.txt", input);
    const CMyTextStyles styles(path);
    const std::vector<zuk::editor::TextStyle> set = textStyleSet(styles);
    if (set.size() != kTextStyleCount)
        std::abort();
    for (std::size_t i = 0; i < kTextStyleCount; ++i) {
        if (set[i].token != static_cast<zuk::editor::TokenClass>(i) ||
            set[i].useControlBack != (styles.Styles[i].BColor < 0))
            std::abort();
        (void)zuk::editor::classifyStyleDescription(styles.Styles[i].Name);
    }
    zuk::settings::RConnectionTable settings;
    for (const bool mainBack : {true, false}) {
        settings.text_styles_use_back_color = mainBack;
        if (documentTextStyles(styles, settings).size() != kTextStyleCount)
            std::abort();
    }

    if (namesDistinct(styles.Styles)) {
        styles.save();
        if (!sameStyles(CMyTextStyles(path).Styles, styles.Styles))
            std::abort();
    }
    zuk::fuzz::clearScratch();
}
