#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zuk::app {

// One menu item as the shortcut file sees it: its caption as shown (UTF-8)
// and its shortcut in the Windows form ("Ctrl+N", "Shift+Ctrl+S", "F3"), empty
// when it has none.
struct MenuShortcut {
    std::string caption;
    std::string shortcut;
};

// Rewrites shortcuts.txt (Windows-1251) from the menu items in menu order, one
// "caption=shortcut" line per item that has a shortcut. Items with equal
// captions (compared as the reader compares them) share one line: the first
// one's. Throws zuk::IoError when the file cannot be written.
void writeShortcutFile(const std::string& path, const std::vector<MenuShortcut>& items);

// The shortcuts read back: caption -> shortcut text. Each line is split at its
// first '='; captions are compared without regard to case and the first
// matching line wins.
class ShortcutTable final {
public:
    // Reads `path`; a missing file gives an empty table. Throws zuk::IoError when
    // the file exists but cannot be read.
    static ShortcutTable load(const std::string& path);
    // Builds the table from file lines (Windows-1251).
    static ShortcutTable fromLines(const std::vector<std::string>& lines);

    // The shortcut text of the item with this caption (UTF-8), if the file names it.
    std::optional<std::string> find(std::string_view captionUtf8) const;
    bool empty() const { return m_byCaption.empty(); }
    std::size_t size() const { return m_byCaption.size(); }

private:
    std::unordered_map<std::string, std::string> m_byCaption; // folded Windows-1251 caption
};

} // namespace zuk::app
