#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::editor {

// The token classes of the highlighting styles, in the order of the style list.
enum class TokenClass {
    Whitespace,
    String,
    Comment,
    Identifier,
    Integer,
    Float,
    ReservedWords,
    Delimeters,
    Defines,
    Assembler,
    HtmlTags,
    HtmlParams,
    BreakPoint,
    ErrorLine,
    MarkedBlock,
    SearchMatch,
    Url,
};

// One named highlighting style. Colours are 0x00BBGGRR; a style with
// useControlBack takes the control's background instead of its own.
struct TextStyle {
    std::string name;
    TokenClass token = TokenClass::Whitespace;
    int32_t fore = 0;
    int32_t back = 0xFFFFFF;
    bool useControlBack = true;
    bool bold = false, italic = false, underline = false;
};

const char* tokenClassName(TokenClass t);

// The fixed defaults the style list is reset to, in their order.
std::vector<TextStyle> defaultTextStyles();

// The style of a token class in a list, or nullptr.
const TextStyle* findStyle(const std::vector<TextStyle>& styles, TokenClass t);

// The token class of one of a lexer's styles, read from its English
// description ("Double-quoted string", "Keyword", "Tag", ...). The built-in
// lexers describe every style, so this maps all of them onto the 17 classes
// without a table per lexer.
TokenClass classifyStyleDescription(std::string_view description);

} // namespace zuk::editor
