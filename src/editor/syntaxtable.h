#pragma once

#include <string>
#include <string_view>

namespace zuk::editor {

// The eight built-in highlighters every document window owns.
enum class BuiltinSyntax { None, Html, Delphi, Cpp, C, Perl, JavaScript, VBScript, Sql };

struct BuiltinSyntaxInfo {
    BuiltinSyntax id;
    const char* displayName;  // as the highlighting list shows it ("Java Script")
    const char* internalName; // as the document stores it ("JavaScriptParser1")
    const char* extensions;   // blank-separated, lower case, with dots
};

// The rows in the order file extensions are matched.
const BuiltinSyntaxInfo* builtinSyntaxes(size_t& count);

// The highlighter for a file name's extension (compared without regard to
// case), or nullptr. "report.PAS" -> Delphi; a name without extension -> nullptr.
const BuiltinSyntaxInfo* builtinForFileName(std::string_view fileName);
const BuiltinSyntaxInfo* builtinByDisplayName(std::string_view name);
const BuiltinSyntaxInfo* builtinByInternalName(std::string_view name);
const BuiltinSyntaxInfo* builtinById(BuiltinSyntax id);

// The extension of a file name in lower case without its dot ("" when none).
std::string lowerExtension(std::string_view fileName);

// The name the highlighting list shows for a stored highlighter name: the
// display name of a built-in one, anything else (a scheme name) unchanged.
std::string syntaxDisplayName(std::string_view storedName);

} // namespace zuk::editor
