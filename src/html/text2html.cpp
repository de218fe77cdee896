#include "html/text2html.h"

#include "html/htmlbasics.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zuk::html {

namespace {

constexpr std::string_view CRLF = "\r\n";

// The byte of the copyright sign in a working code page, or -1.
int copyrightByte(codepages::CodePage cp)
{
    switch (cp) {
    case codepages::CodePage::Win:
        return 0xA9;
    case codepages::CodePage::Koi:
        return 0xBF;
    default:
        return -1;
    }
}

void addAttribute(std::string& tag, std::string_view name, const std::string& value)
{
    if (value.empty())
        return;
    tag += ' ';
    tag += name;
    tag += "=\"";
    tag += escapeAttribute(value);
    tag += '"';
}

} // namespace

std::string defaultParagraphCss()
{
    return "<style>\r\n"
           ".mypara {\r\n"
           "   text-align: justify;\r\n"
           "   text-justify: newspaper;\r\n"
           "   font-family: \"Courier New\", Courier, monospace;\r\n"
           "   text-indent: 5%;\r\n"
           "}\r\n"
           "</style>\r\n";
}

std::string paragraphClass(std::string_view css)
{
    const std::size_t dot = css.find('.');
    const std::size_t brace = css.find('{');
    if (dot == std::string_view::npos || brace == std::string_view::npos || dot > brace)
        return {};
    return std::string(trimBlanks(css.substr(dot + 1, brace - dot - 1)));
}

Text2HtmlWriter::Text2HtmlWriter(const RText2HTMLParams& params, codepages::CodePage codePage,
                                 Sink sink)
    : m_sink(std::move(sink))
{
    m_entity['&'] = "&amp;";
    m_entity['<'] = "&lt;";
    m_entity['>'] = "&gt;";
    m_entity['"'] = "&quot;";
    if (const int copy = copyrightByte(codePage); copy >= 0)
        m_entity[static_cast<std::size_t>(copy)] = "&copy;";

    m_breaksToBr = params.replace_CRLF_with_br;
    if (params.add_spaces_after_br)
        for (int i = std::clamp(params.num_of_spaces, 1, 100); i > 0; --i)
            m_spaces += "&nbsp";
    m_break = (m_breaksToBr ? "<br>" : "") + m_spaces;
    if (m_break.empty())
        m_break = CRLF;
    if (params.enclose_para_with_p) {
        // Pieces between <br> tags are the lines; without <br> but with
        // spaces the breaks vanish into them and the text is one paragraph.
        m_mode = (!m_breaksToBr && !m_spaces.empty()) ? Mode::OneParagraph : Mode::Lines;
        m_open = "<p class=\"" + escapeAttribute(paragraphClass(params.css)) + "\">";
    }

    m_out = "<html>\r\n<head>\r\n";
    if (params.use_css_style) {
        m_out += params.css;
        m_out += CRLF;
    }
    m_out += "<title>Untitled</title>\r\n</head>\r\n<body";
    addAttribute(m_out, "bgcolor", params.back_color);
    addAttribute(m_out, "text", params.fore_color);
    addAttribute(m_out, "leftmargin", params.left_margin);
    addAttribute(m_out, "rightmargin", params.right_margin);
    m_out += ">\r\n\r\n";
    m_target = m_mode == Mode::Lines ? &m_line : &m_out;
}

void Text2HtmlWriter::put(std::string_view piece)
{
    std::size_t i = 0;
    if (m_pendingCr && !piece.empty()) {
        m_pendingCr = false;
        if (piece[0] == '\n') {
            lineBreak();
            i = 1;
        } else {
            *m_target += '\r';
        }
    }
    if (m_mode == Mode::OneParagraph && !m_opened && i < piece.size()) {
        m_out += m_open;
        m_opened = true;
    }
    std::size_t run = i;
    for (; i < piece.size(); ++i) {
        const auto c = static_cast<unsigned char>(piece[i]);
        const char* entity = m_entity[c];
        if (!entity && c != '\r')
            continue;
        m_target->append(piece, run, i - run);
        run = i + 1;
        if (entity) {
            *m_target += entity;
        } else if (i + 1 == piece.size()) {
            m_pendingCr = true; // the LF may come with the next piece
        } else if (piece[i + 1] == '\n') {
            lineBreak();
            run = ++i + 1;
        } else {
            *m_target += '\r';
        }
    }
    m_target->append(piece, run, piece.size() - run);
    if (m_out.size() >= (1u << 20))
        flush();
}

void Text2HtmlWriter::lineBreak()
{
    if (m_mode == Mode::Lines)
        endLine();
    else if (m_mode == Mode::OneParagraph)
        m_out += m_spaces;
    else
        m_out += m_break;
}

// A paragraph of the line read so far; every one after the first led by the
// spaces that followed its <br>. Without <br> an empty line is a <br>.
void Text2HtmlWriter::endLine()
{
    const bool leadingSpaces = m_breaksToBr && m_lines > 0;
    if (!m_breaksToBr && m_line.empty()) {
        m_out += "<br>";
    } else {
        m_out += m_open;
        if (leadingSpaces)
            m_out += m_spaces;
        m_out += m_line;
        m_out += "</p>";
    }
    m_out += CRLF;
    m_line.clear();
    ++m_lines;
}

void Text2HtmlWriter::flush()
{
    if (!m_out.empty())
        m_sink(m_out);
    m_out.clear();
}

void Text2HtmlWriter::finish()
{
    if (m_pendingCr) {
        m_pendingCr = false;
        *m_target += '\r';
    }
    if (m_mode == Mode::Lines && !m_line.empty())
        endLine();
    if (m_mode == Mode::OneParagraph && m_opened)
        m_out += "</p>\r\n";
    m_out += "\r\n</body></html>";
    flush();
}

std::string Text2HTML(std::string_view text, const RText2HTMLParams& params,
                      codepages::CodePage codePage)
{
    std::string page;
    page.reserve(text.size() + text.size() / 8 + params.css.size() + 256);
    Text2HtmlWriter writer(params, codePage, [&page](std::string_view piece) { page += piece; });
    writer.put(text);
    writer.finish();
    return page;
}

} // namespace zuk::html
