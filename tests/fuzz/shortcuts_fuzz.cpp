// shortcuts.txt: the table read from any bytes must give every key the value
// of its first line, and the file written from those items must read back
// the same table.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "app/shortcutfile.h"
#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "io/nocase.h"

#include <cstdlib>
#include <string>
#include <unordered_map>

ZUK_FUZZ_TARGET(shortcuts)
{
    using namespace zuk::app;
    using zuk::codepages::utf8ToWin;
    using zuk::codepages::winToUtf8;
    const std::string path = zuk::fuzz::putScratchFile("shortcuts.txt", input);
    const ShortcutTable table = ShortcutTable::load(path);

    // The items as the menu would hand them over, and what each key must find.
    std::vector<MenuShortcut> items;
    std::unordered_map<std::string, std::string> first; // folded key -> value
    for (const std::string& line : zuk::io::readLinesFile(path)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = line.substr(0, eq);
        first.emplace(zuk::io::lowerWin(key), line.substr(eq + 1));
        items.push_back({winToUtf8(key), winToUtf8(line.substr(eq + 1))});
    }
    if (table.size() != first.size())
        std::abort();
    for (const MenuShortcut& item : items) {
        const auto expected = first.find(zuk::io::lowerWin(utf8ToWin(item.key)));
        const std::optional<std::string> found = table.find(item.key);
        if (expected == first.end() ? found.has_value() : found != winToUtf8(expected->second))
            std::abort();
        (void)table.findItem(item.key, item.shortcut);
    }

    writeShortcutFile(path, items);
    const ShortcutTable again = ShortcutTable::load(path);
    std::unordered_map<std::string, std::string> written; // the first item with a shortcut
    for (const MenuShortcut& item : items)
        if (!item.shortcut.empty())
            written.emplace(zuk::io::lowerWin(utf8ToWin(item.key)), utf8ToWin(item.shortcut));
    if (again.size() != written.size())
        std::abort();
    for (const MenuShortcut& item : items) {
        const auto expected = written.find(zuk::io::lowerWin(utf8ToWin(item.key)));
        const std::optional<std::string> found = again.find(item.key);
        if (expected == written.end() ? found.has_value() : found != winToUtf8(expected->second))
            std::abort();
    }
    zuk::fuzz::clearScratch();
}
