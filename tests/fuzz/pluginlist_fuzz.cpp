// plugslist.txt, the plug-in list: every line kept is a clean name and a
// plain file name, writing the list and reading it again gives the same
// list, and file names are matched against masks in bounded time.

#include "fuzz/fuzztarget.h"

#include "io/linesfile.h"
#include "plugins/cplugsman.h"

#include <algorithm>

ZUK_FUZZ_TARGET(pluginlist)
{
    using namespace zuk::plugins;
    const std::vector<PluginEntry> entries = parsePluginList(zuk::io::splitLines(input));
    for (const PluginEntry& e : entries) {
        zuk::fuzz::check(isPlainFileName(e.file));
        zuk::fuzz::check(!e.name.empty() && e.name.size() <= kMaxPluginName);
        zuk::fuzz::check(std::none_of(e.name.begin(), e.name.end(), [](char c) {
            return c == '=' || static_cast<unsigned char>(c) < 0x20;
        }));
    }
    zuk::fuzz::check(parsePluginList(formatPluginList(entries)) == entries);

    // The first line as a mask, the rest as names.
    const std::size_t cut = std::min(input.find('\n'), std::size_t{64});
    const std::string_view mask = input.substr(0, std::min(cut, input.size()));
    const std::string_view names = cut < input.size() ? input.substr(cut + 1) : std::string_view();
    for (const std::string& name : zuk::io::splitLines(names))
        (void)matchesMask(name, mask);
}
