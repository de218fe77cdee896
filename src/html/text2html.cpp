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

// Every reserved character as its entity, in one pass with a table of the
// bytes that need one.
std::string escapeText(std::string_view text, codepages::CodePage cp)
{
    std::array<const char*, 256> entity{};
    entity['&'] = "&amp;";
    entity['<'] = "&lt;";
    entity['>'] = "&gt;";
    entity['"'] = "&quot;";
    if (const int copy = copyrightByte(cp); copy >= 0)
        entity[static_cast<std::size_t>(copy)] = "&copy;";

    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* e = entity[static_cast<unsigned char>(text[i])];
        if (!e)
            continue;
        out.append(text, runStart, i - runStart);
        out += e;
        runStart = i + 1;
    }
    out.append(text, runStart, text.size() - runStart);
    return out;
}

void appendReplacingBreaks(std::string& out, std::string_view text, std::string_view with)
{
    std::size_t from = 0;
    for (std::size_t at = text.find(CRLF); at != std::string_view::npos;
         at = text.find(CRLF, from)) {
        out.append(text, from, at - from);
        out += with;
        from = at + 2;
    }
    out.append(text, from, text.size() - from);
}

// The text cut at its line breaks; a break at the very end makes no empty
// last piece.
std::vector<std::string_view> pieces(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t from = 0;
    for (std::size_t at = text.find(CRLF); at != std::string_view::npos;
         at = text.find(CRLF, from)) {
        out.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    if (from < text.size())
        out.push_back(text.substr(from));
    return out;
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

std::string Text2HTML(std::string_view text, const RText2HTMLParams& params,
                      codepages::CodePage codePage)
{
    std::string body = "<body";
    addAttribute(body, "bgcolor", params.back_color);
    addAttribute(body, "text", params.fore_color);
    addAttribute(body, "leftmargin", params.left_margin);
    addAttribute(body, "rightmargin", params.right_margin);
    body += ">\r\n";

    std::string page = "<html>\r\n<head>\r\n";
    if (params.use_css_style) {
        page += params.css;
        page += CRLF;
    }
    page += "<title>Untitled</title>\r\n</head>\r\n";
    page += body;
    page += CRLF;

    const std::string escaped = escapeText(text, codePage);
    std::string breakText;
    if (params.replace_CRLF_with_br)
        breakText = "<br>";
    std::string spaces;
    if (params.add_spaces_after_br)
        for (int i = std::clamp(params.num_of_spaces, 1, 100); i > 0; --i)
            spaces += "&nbsp";
    breakText += spaces;

    if (!params.enclose_para_with_p) {
        page.reserve(page.size() + escaped.size() + escaped.size() / 8 + 20);
        appendReplacingBreaks(page, escaped, breakText.empty() ? CRLF : breakText);
    } else {
        const std::string open = "<p class=\"" + escapeAttribute(paragraphClass(params.css)) + "\">";
        auto addParagraph = [&](std::string_view prefix, std::string_view piece) {
            if (!params.replace_CRLF_with_br && prefix.empty() && piece.empty()) {
                page += "<br>";
            } else {
                page += open;
                page += prefix;
                page += piece;
                page += "</p>";
            }
            page += CRLF;
        };
        if (params.replace_CRLF_with_br) {
            // The pieces between the <br> tags: a line each, every one after
            // the first led by the spaces that followed its <br>.
            const std::vector<std::string_view> lines = pieces(escaped);
            for (std::size_t i = 0; i < lines.size(); ++i)
                addParagraph(i == 0 ? std::string_view() : std::string_view(spaces), lines[i]);
        } else if (!spaces.empty()) {
            // The breaks became runs of spaces: the text is one paragraph.
            if (!escaped.empty()) {
                std::string joined;
                appendReplacingBreaks(joined, escaped, spaces);
                addParagraph({}, joined);
            }
        } else {
            for (const std::string_view line : pieces(escaped))
                addParagraph({}, line);
        }
    }

    page += "\r\n</body></html>";
    return page;
}

} // namespace zuk::html
