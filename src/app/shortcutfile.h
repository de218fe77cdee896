#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zuk::app {

// One menu item as the shortcut file sees it: its key — the component name,
// or the caption as shown for an item that has none (UTF-8) — and its
// shortcut in the Windows form ("Ctrl+N", "Shift+Ctrl+S", "F3"), empty when it
// has none. Keying by component name keeps the file valid whatever language
// the captions are in.
struct MenuShortcut {
    std::string key;
    std::string shortcut;
};

// Rewrites shortcuts.txt (Windows-1251) from the menu items in menu order, one
// "key=shortcut" line per item that has a shortcut. Items with equal keys
// (compared as the reader compares them) share one line: the first one's.
// Throws zuk::IoError when the file cannot be written.
void writeShortcutFile(const std::string& path, const std::vector<MenuShortcut>& items);

// The shortcuts read back: key -> shortcut text. Each line is split at its
// first '='; keys are compared without regard to case and the first matching
// line wins. Files written before the keys were component names hold
// captions: an item is looked up by its name first, then by its caption.
class ShortcutTable final {
public:
    // Reads `path`; a missing file gives an empty table. Throws zuk::IoError when
    // the file exists but cannot be read.
    static ShortcutTable load(const std::string& path);
    // Builds the table from file lines (Windows-1251).
    static ShortcutTable fromLines(const std::vector<std::string>& lines);

    // The shortcut text of the line with this key (UTF-8), if the file has one.
    std::optional<std::string> find(std::string_view keyUtf8) const;
    // The line of the item's component name, else the line of its caption.
    std::optional<std::string> findItem(std::string_view name, std::string_view captionUtf8) const;
    bool empty() const { return m_byKey.empty(); }
    std::size_t size() const { return m_byKey.size(); }

private:
    std::unordered_map<std::string, std::string> m_byKey; // folded Windows-1251 key
};

} // namespace zuk::app
