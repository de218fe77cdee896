// The multi-replace list and its application: any bytes split into a list
// and a text (at the first NUL). The one-pass result must equal the rules
// applied one by one, with letter case exact and ignored, and stay under the
// cap (or fail with the cap's error).

#include "fuzz/fuzztarget.h"

#include "io/linesfile.h"
#include "textfunc/casefunctions.h"
#include "tools/replace.h"
#include "tools/searchtexts.h"

#include <string>

ZUK_FUZZ_TARGET(multireplace)
{
    using namespace zuk::tools;
    const std::size_t cut = input.find('\0');
    const std::string_view list = input.substr(0, cut);
    const std::string_view text =
        cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    const FoldTable fold = zuk::textfunc::Cp1251Lower;
    const std::vector<ReplaceRule> rules = parseReplaceList(zuk::io::splitLines(list), fold);
    for (const ReplaceRule& rule : rules)
        zuk::fuzz::check(!rule.find.empty() && rule.find.find('=') == std::string::npos);
    for (const FoldTable* folding : {static_cast<const FoldTable*>(nullptr), &fold}) {
        std::string expected(text);
        bool grew = false;
        try {
            for (const ReplaceRule& rule : rules)
                expected = ReplaceAll(expected, rule.find, rule.with, folding);
        } catch (const SearchError&) {
            grew = true;
        }
        grew = grew || expected.size() > replaceCap(text.size());
        try {
            const std::string got = MultiReplace(text, rules, folding);
            zuk::fuzz::check(!grew && got == expected);
        } catch (const SearchError&) {
            zuk::fuzz::check(grew);
        }
    }
}
