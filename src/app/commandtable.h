#pragma once

#include "base/texts.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zuk::app {

// What a command needs before it may run. The command wrapper of the main
// window checks this and does nothing, silently, when the need is not met.
enum class Need : uint8_t {
    Nothing,   // runs without a document
    Document,  // needs an open document
    Selection, // needs an open document with a non-empty selection
};

enum class RowKind : uint8_t {
    Menu,      // a top-level menu or a submenu: holds the rows whose parent it is
    Command,   // a menu item that runs a command
    Separator, // a separator line
};

// One row of the main menu. The menus, the shortcut file, the language files
// and the tests all read this table, so every command exists in one place.
// All texts are static UTF-8 literals owned by the table.
struct CommandRow {
    std::string_view name;     // component name (mniUpcase); separators get N1, N2, ...
    std::string_view caption;  // built-in caption, UTF-8
    std::string_view english;  // its caption in the shipped English language file
    std::string_view parent;   // component name of the menu that holds the row; empty: menu bar
    std::string_view shortcut; // default shortcut in Windows form ("Ctrl+N"); empty: none
    RowKind kind = RowKind::Command;
    Need needs = Need::Nothing;
    bool checkable = false; // the item carries a check mark
};

// Every row of the main menu, in menu order: a menu row comes before the rows
// it holds, and the rows of one menu appear in the order the menu shows them.
const std::vector<CommandRow>& commandTable();

// The row with this component name, or nullptr.
const CommandRow* findCommand(std::string_view name);

// The menu captions as the main window's texts (section MainForm, keyed by
// component name). The date/time items have no fixed caption and are left out.
const TextTable& menuTexts();

// The names of the ten date/time items, mniD1 ... mniD10, in order.
const std::vector<std::string_view>& dateItemNames();

} // namespace zuk::app
