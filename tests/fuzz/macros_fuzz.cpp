// The macro file and the expansion: any bytes split into a macro file and a
// text (at the first NUL), expanded with includes read from a scratch file.
// The result must stay under the cap, and a text without the meta character
// and without any macro name must come back unchanged.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "io/linesfile.h"
#include "tools/macros.h"
#include "tools/toolstexts.h"

#include <string>

ZUK_FUZZ_TARGET(macros)
{
    using namespace zuk::tools;
    const std::size_t cut = input.find('\0');
    const std::string_view file = input.substr(0, cut);
    const std::string_view text =
        cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    const std::vector<std::string> lines = zuk::io::splitLines(file);

    MacroContext context;
    context.date = "01.02.2003";
    context.time = "04:05:06";
    context.version = "Zuk build no. 0.1.0.0";
    const std::string include = zuk::fuzz::putScratchFile("inc", file.substr(0, 64));
    context.readInclude = [&include](const std::string& name) {
        if (name != "inc")
            throw MacroError(toolsMessages(), "sMacroIncludeNotFile", {name});
        return readIncludeFile(include, 1 << 10);
    };
    try {
        const std::string out = ExpandMacros(lines, text, context);
        zuk::fuzz::check(out.size() <= expansionCap(text.size()));
        if (text.find('@') == std::string_view::npos) {
            bool named = false;
            const MacroRules rules(lines);
            for (const MacroRules::Rule& rule : rules.rules())
                named = named || text.find(rule.name) != std::string_view::npos;
            zuk::fuzz::check(named || out == text);
        }
    } catch (const MacroError&) {
    }
    zuk::fuzz::clearScratch();
}
