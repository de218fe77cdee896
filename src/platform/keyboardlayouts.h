#pragma once

#include <string>
#include <vector>

namespace zuk::platform {

// The keyboard layouts loaded in the X server (the groups of its XKB keymap),
// in group order, by the display name the server gives each group (UTF-8,
// e.g. "English (US)", "Russian", "Russian (phonetic)": the language, then
// the layout's own name in parentheses where it is not the language's
// default). libX11 is loaded on first use, so a machine without it or
// without an X server simply has no layouts: the list is then empty. Never called during start-up:
// only when a layout item is chosen or a settings page lists the layouts.
std::vector<std::string> keyboardLayoutNames();

// Makes group `index` of keyboardLayoutNames() the active layout; false when
// there is no such group or no X server.
bool activateKeyboardLayout(int index);

} // namespace zuk::platform
