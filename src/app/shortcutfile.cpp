#include "app/shortcutfile.h"

#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "io/nocase.h"
#include "io/safefile.h"

#include <unordered_set>

namespace zuk::app {

void writeShortcutFile(const std::string& path, const std::vector<MenuShortcut>& items)
{
    std::vector<std::string> lines;
    std::unordered_set<std::string> seen;
    for (const MenuShortcut& item : items) {
        if (item.shortcut.empty())
            continue;
        std::string key = codepages::utf8ToWin(item.key);
        if (!seen.insert(io::lowerWin(key)).second)
            continue;
        lines.push_back(key + "=" + codepages::utf8ToWin(item.shortcut));
    }
    io::writeLinesFile(path, lines);
}

ShortcutTable ShortcutTable::load(const std::string& path)
{
    std::string bytes;
    if (!io::readFileBytesIfExists(path, bytes))
        return {};
    return fromLines(io::splitLines(bytes));
}

ShortcutTable ShortcutTable::fromLines(const std::vector<std::string>& lines)
{
    ShortcutTable table;
    for (const std::string& line : lines) {
        std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        table.m_byKey.emplace(io::lowerWin(std::string_view(line).substr(0, eq)),
                              line.substr(eq + 1));
    }
    return table;
}

std::optional<std::string> ShortcutTable::find(std::string_view keyUtf8) const
{
    auto it = m_byKey.find(io::lowerWin(codepages::utf8ToWin(keyUtf8)));
    if (it == m_byKey.end())
        return std::nullopt;
    return codepages::winToUtf8(it->second);
}

std::optional<std::string> ShortcutTable::findItem(std::string_view name,
                                                   std::string_view captionUtf8) const
{
    if (!name.empty())
        if (std::optional<std::string> keys = find(name))
            return keys;
    return find(captionUtf8);
}

} // namespace zuk::app
