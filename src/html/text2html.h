#pragma once

#include "codepages/charsets.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zuk::html {

// The options of the text-to-HTML conversion, as the options dialog fills
// them. Margin and colour values go into the page escaped, so whatever was
// typed cannot break the body tag.
struct RText2HTMLParams {
    std::string left_margin;  // leftmargin of body; empty: none
    std::string right_margin; // rightmargin of body; empty: none
    bool replace_CRLF_with_br = false;
    bool add_spaces_after_br = false;
    std::int32_t num_of_spaces = 3; // taken as 1 to 100
    bool enclose_para_with_p = false;
    std::string back_color; // bgcolor; empty: none
    std::string fore_color; // text; empty: none
    bool use_css_style = false;
    std::string css; // the style sheet, every line ending in CR LF
};

// The eight lines of the built-in style sheet, each followed by CR LF.
std::string defaultParagraphCss();

// The paragraph class named by a style sheet: what stands between its first
// '.' and its first '{', trimmed; empty when there is no '.' before a '{'.
std::string paragraphClass(std::string_view css);

// The conversion as a stream, for texts of any size: the page comes out in
// pieces through the sink while the text goes in, in pieces of any size
// (a CR LF may be split between two).
class Text2HtmlWriter final {
public:
    using Sink = std::function<void(std::string_view)>;
    Text2HtmlWriter(const RText2HTMLParams& params, codepages::CodePage codePage, Sink sink);
    void put(std::string_view piece);
    // Ends the page; nothing may be put after it.
    void finish();

private:
    enum class Mode { Plain, Lines, OneParagraph };
    void lineBreak();
    void endLine();
    void flush();

    Sink m_sink;
    Mode m_mode = Mode::Plain;
    bool m_breaksToBr = false;
    std::string m_break;  // what a line break becomes in plain text
    std::string m_spaces; // the spaces after a <br>
    std::string m_open;   // the opening paragraph tag
    std::array<const char*, 256> m_entity{};
    std::string m_out;  // the page, given to the sink in large pieces
    std::string m_line; // the escaped line of a paragraph being read
    std::string* m_target = nullptr;
    std::size_t m_lines = 0;
    bool m_pendingCr = false;
    bool m_opened = false;
};

// The whole page made of `text` (a document's bytes in `codePage`, CR LF line
// breaks). '&', '<', '>' and '"' become entities, and so does the copyright
// sign where the code page has one (0xA9 in Windows-1251, 0xBF in KOI8-R;
// CP866 has none). Linear in the text.
std::string Text2HTML(std::string_view text, const RText2HTMLParams& params,
                      codepages::CodePage codePage = codepages::CodePage::Win);

} // namespace zuk::html
