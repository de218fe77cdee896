// klayouts.txt, the keyboard layouts of the layout menu: parsed, written and
// read again to the same list, then merged with a list of loaded layouts as
// the settings dialog does.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "codepages/tablecommands.h"
#include "io/linesfile.h"

#include <cstdlib>
#include <string>

namespace {

using zuk::codepages::KLayoutEntry;

bool same(const std::vector<KLayoutEntry>& a, const std::vector<KLayoutEntry>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].shown != b[i].shown)
            return false;
    return true;
}

} // namespace

ZUK_FUZZ_TARGET(klayouts)
{
    using namespace zuk::codepages;
    const std::string path = zuk::fuzz::putScratchFile("klayouts.txt", input);
    const std::vector<KLayoutEntry> entries = parseKLayouts(zuk::io::readLinesFile(path));
    zuk::io::writeLinesFile(path, formatKLayouts(entries));
    if (!same(parseKLayouts(zuk::io::readLinesFile(path)), entries))
        std::abort();

    const std::vector<std::string> shown = shownKLayouts(entries);
    // The layouts loaded now: every other name of the file, and one it lacks.
    std::vector<std::string> loaded{"Russian (phonetic)"};
    for (std::size_t i = 0; i < entries.size(); i += 2)
        loaded.push_back(entries[i].name);
    const std::vector<KLayoutEntry> merged = mergeKLayouts(entries, loaded);
    if (merged.size() != loaded.size())
        std::abort();
    for (std::size_t i = 0; i < merged.size(); ++i) {
        if (merged[i].name != loaded[i])
            std::abort();
        const int at = findKLayout(loaded, loaded[i]);
        if (at < 0 || static_cast<std::size_t>(at) > i)
            std::abort();
    }
    for (const std::string& name : shown)
        (void)findKLayout(loaded, name);
    zuk::fuzz::clearScratch();
}
