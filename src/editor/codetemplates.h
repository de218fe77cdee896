#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zuk::editor {

// The code-template sets of the editing control: "Delphi" and "C++ Builder"
// (the IDEs whose sets they follow) and "None". In a document with a set
// chosen, Ctrl+J expands the word before the caret when the set has a
// template of that name.
struct CodeTemplateExpansion {
    std::string text;      // replaces the word; ASCII, lines joined by CR LF
    std::size_t caret = 0; // where the caret goes, as an offset into `text`
};

// The expansion of `word` in the set `set`, its later lines indented by
// `indent` (the blanks that begin the caret's line); nothing when the set
// has no such template or is "None".
std::optional<CodeTemplateExpansion> expandCodeTemplate(std::string_view set, std::string_view word,
                                                        std::string_view indent);

} // namespace zuk::editor
