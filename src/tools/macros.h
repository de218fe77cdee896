#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Macro expansion: the built-in macros (an included file, the date, the time,
// the program's build), then the user's name=value lines of makros.txt.
// Texts are bytes; the macro file is read as lines like every data file.
namespace zuk::tools {

// The user's macros: the lines of the macro file in a list sorted without
// regard to letter case (Windows-1251) and holding no two lines that differ
// only in case (the first one read stays). Each rule replaces its name by the
// value of the first line of the list with that name; lines without "=" or
// with an empty name do nothing.
class MacroRules final {
public:
    MacroRules() = default;
    explicit MacroRules(const std::vector<std::string>& lines);

    struct Rule {
        std::string name;
        std::string value;
    };
    const std::vector<Rule>& rules() const { return m_rules; }

    // Applies every rule in order, each replacing all occurrences of its name
    // (exact letter case) left to right. Throws MacroError when the text
    // would grow past `cap` bytes.
    void apply(std::string& text, std::size_t cap) const;

private:
    std::vector<Rule> m_rules;
};

// What an expansion needs besides the text.
struct MacroContext {
    std::string meta = "@";          // the meta character; empty: no built-in macro
    std::string date, time, version; // what date, time and zukver become
    // The text of an included file, as the user wrote its name. Throws
    // zuk::ZukError when the file cannot be read (the expansion then fails).
    std::function<std::string(const std::string& name)> readInclude;
};

// The most a text of `inputSize` bytes may grow to: 64 times the input plus 16 MB.
std::size_t expansionCap(std::size_t inputSize);

// The expansion of `text`. Without a macro file (`macroLines` empty) the text
// comes back as it is. Otherwise, in one pass each, not recursively: every
// built-in include (the meta character and "include" in any letter case, then
// blanks and a quoted file name) is replaced by the file's text with its
// leading and trailing blanks and line breaks removed (the include word goes
// with it only when written in small letters); the include word left alone is
// removed; then date, time and zukver; then the user's rules. A later step
// sees what earlier steps inserted. Throws MacroError when the result would
// pass expansionCap(text.size()), and passes on the failures of readInclude.
std::string ExpandMacros(const std::optional<std::vector<std::string>>& macroLines,
                         std::string_view text, const MacroContext& context);

// The lines of the macro file, or nothing when it does not exist. Throws
// zuk::IoError when it exists but cannot be read.
std::optional<std::vector<std::string>> readMacroFile(const std::string& path);

// The text of an included file `path` read as lines joined by CR LF. Only a
// regular file of at most `maxBytes` is read; anything else throws MacroError,
// and a failed read zuk::IoError.
std::string readIncludeFile(const std::string& path, std::size_t maxBytes = 16u << 20);

// Text with leading and trailing blanks (space, tab) and line breaks removed.
std::string trimBlanksAndBreaks(std::string_view text);

} // namespace zuk::tools
