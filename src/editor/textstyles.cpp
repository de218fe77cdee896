#include "editor/textstyles.h"

#include <cctype>

namespace zuk::editor {

const char* tokenClassName(TokenClass t)
{
    switch (t) {
    case TokenClass::Whitespace:
        return "Whitespace";
    case TokenClass::String:
        return "String";
    case TokenClass::Comment:
        return "Comment";
    case TokenClass::Identifier:
        return "Identifier";
    case TokenClass::Integer:
        return "Integer";
    case TokenClass::Float:
        return "Float";
    case TokenClass::ReservedWords:
        return "Reserved words";
    case TokenClass::Delimeters:
        return "Delimeters";
    case TokenClass::Defines:
        return "Defines";
    case TokenClass::Assembler:
        return "Assembler";
    case TokenClass::HtmlTags:
        return "Html tags";
    case TokenClass::HtmlParams:
        return "Html params";
    case TokenClass::BreakPoint:
        return "BreakPoint";
    case TokenClass::ErrorLine:
        return "Error line";
    case TokenClass::MarkedBlock:
        return "Marked Block";
    case TokenClass::SearchMatch:
        return "Search Match";
    case TokenClass::Url:
        return "Url";
    }
    return "";
}

std::vector<TextStyle> defaultTextStyles()
{
    struct Row {
        TokenClass t;
        int32_t fore;
        char font;    // n normal, b bold, i italic, u underline
        int32_t back; // -1: the control's
    };
    static const Row kRows[] = {
        {TokenClass::Whitespace, 0x000000, 'n', -1},
        {TokenClass::String, 0x000080, 'n', -1},
        {TokenClass::Comment, 0x808080, 'i', -1},
        {TokenClass::Identifier, 0x000000, 'n', -1},
        {TokenClass::Integer, 0x008000, 'n', -1},
        {TokenClass::Float, 0x008000, 'n', -1},
        {TokenClass::ReservedWords, 0xFF0000, 'b', -1},
        {TokenClass::Delimeters, 0x000000, 'n', -1},
        {TokenClass::Defines, 0x008000, 'n', -1},
        {TokenClass::Assembler, 0x008000, 'n', -1},
        {TokenClass::HtmlTags, 0xFF0000, 'n', -1},
        {TokenClass::HtmlParams, 0xFF0000, 'n', -1},
        {TokenClass::Url, 0xFF0000, 'u', -1},
        {TokenClass::BreakPoint, 0xFFFFFF, 'n', 0x0000FF},
        {TokenClass::ErrorLine, 0xFFFFFF, 'n', 0x000080},
    };
    std::vector<TextStyle> styles;
    for (const Row& r : kRows) {
        TextStyle s;
        s.name = tokenClassName(r.t);
        s.token = r.t;
        s.fore = r.fore;
        s.useControlBack = r.back < 0;
        s.back = r.back < 0 ? 0xFFFFFF : r.back;
        s.bold = r.font == 'b';
        s.italic = r.font == 'i';
        s.underline = r.font == 'u';
        styles.push_back(s);
    }
    return styles;
}

const TextStyle* findStyle(const std::vector<TextStyle>& styles, TokenClass t)
{
    for (const auto& s : styles)
        if (s.token == t)
            return &s;
    return nullptr;
}

TokenClass classifyStyleDescription(std::string_view description)
{
    std::string d(description);
    for (char& c : d)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto has = [&d](const char* w) { return d.find(w) != std::string::npos; };

    if (has("comment") || has("pod") || has("doc"))
        return TokenClass::Comment;
    if (has("asp") && has("start"))
        return TokenClass::HtmlTags;
    if (has("asm") || has("assembler"))
        return TokenClass::Assembler;
    if (has("pre-processor") || has("preprocessor") || has("directive") || has("define"))
        return TokenClass::Defines;
    if (has("attribute"))
        return TokenClass::HtmlParams;
    if (has("tag") || has("entity") || has("cdata") || has("xml") || has("sgml"))
        return TokenClass::HtmlTags;
    if (has("string") || has("character") || has("regular expression") || has("regex") ||
        has("here document") || has("quoted") || has("backtick"))
        return TokenClass::String;
    if (has("float") || has("real"))
        return TokenClass::Float;
    if (has("number") || has("hex") || has("integer"))
        return TokenClass::Integer;
    if (has("keyword") || has("reserved") || has("function") || has("type"))
        return TokenClass::ReservedWords;
    if (has("operator") || has("delimiter") || has("punctuation"))
        return TokenClass::Delimeters;
    if (has("identifier") || has("variable") || has("scalar") || has("array") || has("hash") ||
        has("label"))
        return TokenClass::Identifier;
    return TokenClass::Whitespace;
}

} // namespace zuk::editor
