#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuk {

// One text of the interface: the key it has in its window's section of a
// language file (a component name, "caption", "name.hint" or a message key
// beginning with 's'), the built-in Russian text, and the text the shipped
// English language file gives it. All three are UTF-8 literals.
struct TextRow {
    std::string_view key;
    std::string_view builtIn;
    std::string_view english;
};

// The built-in texts of one window: the rows of one section of a language
// file. Several tables may share a section (the main window's messages come
// from every subsystem whose commands it runs); a key is unique per section.
struct TextTable {
    std::string_view section;
    std::vector<TextRow> rows;

    // The row of `key` (compared exactly), or nullptr.
    const TextRow* find(std::string_view key) const;
    // Its built-in text; empty for a key the table does not have.
    std::string builtIn(std::string_view key) const;
};

// A message with its arguments, before it is put into words: the key of its
// row and the values of its %s placeholders, in order.
struct TextRef {
    std::string_view section;
    std::string_view key;
    std::vector<std::string> args;
};

// Puts `args` into `pattern` one by one at the literal "%s" placeholders, in
// order. Nothing else in the pattern is special: a lone '%' or "%d" is shown
// as it stands, and so is a "%s" left over when the arguments run out. A
// pattern without placeholders drops the arguments. The pattern is never
// handed to printf, so a language file cannot make it read anything.
std::string formatText(std::string_view pattern, const std::vector<std::string>& args);

// A piece of user text for a message: line breaks as blanks, and cut after
// `max` bytes (at a character boundary, "..." added), so a message that quotes
// a whole selection stays one short line.
std::string shortForMessage(std::string_view utf8, std::size_t max = 40);

// How many "%s" placeholders a pattern has.
int placeholderCount(std::string_view pattern);

} // namespace zuk
