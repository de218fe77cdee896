#include "editor/syntaxtable.h"

#include <cctype>

namespace zuk::editor {

namespace {

const BuiltinSyntaxInfo kSyntaxes[] = {
    {BuiltinSyntax::Delphi, "Delphi", "DelphiParser1", ".pas .pp .dpr"},
    {BuiltinSyntax::Html, "HTML", "HTMLParser1", ".htm .html"},
    {BuiltinSyntax::Cpp, "C++", "CPPParser1", ".cpp .h"},
    {BuiltinSyntax::C, "C", "CParser1", ".c"},
    {BuiltinSyntax::Perl, "Perl", "PerlParser1", ".pl"},
    {BuiltinSyntax::JavaScript, "Java Script", "JavaScriptParser1", ".js"},
    {BuiltinSyntax::VBScript, "VB Script", "VBScriptParser1", ".vbs"},
    {BuiltinSyntax::Sql, "SQL", "SqlParser1", ".sql"},
};

bool listHas(std::string_view list, std::string_view word)
{
    size_t pos = 0;
    while (pos < list.size()) {
        size_t end = list.find(' ', pos);
        if (end == std::string_view::npos)
            end = list.size();
        if (list.substr(pos, end - pos) == word)
            return true;
        pos = end + 1;
    }
    return false;
}

} // namespace

const BuiltinSyntaxInfo* builtinSyntaxes(size_t& count)
{
    count = sizeof(kSyntaxes) / sizeof(kSyntaxes[0]);
    return kSyntaxes;
}

std::string lowerExtension(std::string_view fileName)
{
    const size_t slash = fileName.find_last_of("/\\");
    const size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    std::string ext(fileName.substr(dot + 1));
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

const BuiltinSyntaxInfo* builtinForFileName(std::string_view fileName)
{
    const std::string ext = lowerExtension(fileName);
    if (ext.empty())
        return nullptr;
    const std::string dotted = "." + ext;
    for (const auto& s : kSyntaxes)
        if (listHas(s.extensions, dotted))
            return &s;
    return nullptr;
}

const BuiltinSyntaxInfo* builtinByDisplayName(std::string_view name)
{
    for (const auto& s : kSyntaxes)
        if (name == s.displayName)
            return &s;
    return nullptr;
}

const BuiltinSyntaxInfo* builtinByInternalName(std::string_view name)
{
    for (const auto& s : kSyntaxes)
        if (name == s.internalName)
            return &s;
    return nullptr;
}

const BuiltinSyntaxInfo* builtinById(BuiltinSyntax id)
{
    for (const auto& s : kSyntaxes)
        if (s.id == id)
            return &s;
    return nullptr;
}

std::string syntaxDisplayName(std::string_view storedName)
{
    if (const auto* s = builtinByInternalName(storedName))
        return s->displayName;
    return std::string(storedName);
}

} // namespace zuk::editor
