#include "io/rtftohtml.h"

#include "codepages/charsets.h"
#include "io/safefile.h"

#include <cstdio>
#include <map>

namespace zuk::io {

namespace {

// The font size that covers most of the text: it stays unmarked, so that only
// headings and other emphasis carry a size.
int usualHalfPoints(const RtfDocument& document)
{
    std::map<int, std::size_t> weight;
    auto count = [&weight](const RtfParagraph& paragraph) {
        for (const RtfRun& run : paragraph.runs)
            weight[run.format.halfPoints] += run.text.size();
    };
    for (const RtfBlock& block : document.blocks) {
        if (!block.isRow)
            count(block.paragraph);
        else
            for (const auto& cell : block.row.cells)
                for (const RtfParagraph& paragraph : cell)
                    count(paragraph);
    }
    int best = 24;
    std::size_t bestWeight = 0;
    for (const auto& [size, w] : weight)
        if (w > bestWeight) {
            best = size;
            bestWeight = w;
        }
    return best;
}

class HtmlWriter final {
public:
    explicit HtmlWriter(int usualSize) : m_usualSize(usualSize) {}

    void line(std::string_view text)
    {
        m_out.append(text.data(), text.size());
        m_out += "\r\n";
    }
    void paragraph(const RtfParagraph& paragraph)
    {
        switch (paragraph.align) {
        case RtfAlign::Center:
            m_out += "<p align=\"center\">";
            break;
        case RtfAlign::Right:
            m_out += "<p align=\"right\">";
            break;
        case RtfAlign::Justify:
            m_out += "<p align=\"justify\">";
            break;
        case RtfAlign::Left:
            m_out += "<p>";
            break;
        }
        if (paragraph.empty())
            m_out += "&nbsp;";
        runs(paragraph);
        line("</p>");
    }
    void cell(const std::vector<RtfParagraph>& paragraphs)
    {
        m_out += "<td>";
        bool first = true;
        for (const RtfParagraph& paragraph : paragraphs) {
            if (paragraph.empty())
                continue;
            if (!first)
                m_out += "<br>";
            runs(paragraph);
            first = false;
        }
        if (first)
            m_out += "&nbsp;";
        line("</td>");
    }
    std::string take() { return std::move(m_out); }

private:
    void runs(const RtfParagraph& paragraph)
    {
        for (const RtfRun& run : paragraph.runs) {
            const RtfFormat& f = run.format;
            std::string style;
            if (f.halfPoints != m_usualSize) {
                char size[32];
                if (f.halfPoints % 2 == 0)
                    std::snprintf(size, sizeof size, "font-size:%dpt", f.halfPoints / 2);
                else
                    std::snprintf(size, sizeof size, "font-size:%d.5pt", f.halfPoints / 2);
                style += size;
            }
            if (f.color > 0) {
                char color[32];
                std::snprintf(color, sizeof color, "color:#%02x%02x%02x", f.color & 0xFF,
                              (f.color >> 8) & 0xFF, (f.color >> 16) & 0xFF);
                if (!style.empty())
                    style += ';';
                style += color;
            }
            if (!style.empty())
                m_out += "<span style=\"" + style + "\">";
            if (f.bold)
                m_out += "<b>";
            if (f.italic)
                m_out += "<i>";
            if (f.underline)
                m_out += "<u>";
            text(run.text);
            if (f.underline)
                m_out += "</u>";
            if (f.italic)
                m_out += "</i>";
            if (f.bold)
                m_out += "</b>";
            if (!style.empty())
                m_out += "</span>";
        }
    }
    void text(const std::u32string& text)
    {
        for (const char32_t c : text) {
            switch (c) {
            case U'&':
                m_out += "&amp;";
                break;
            case U'<':
                m_out += "&lt;";
                break;
            case U'>':
                m_out += "&gt;";
                break;
            case U'"':
                m_out += "&quot;";
                break;
            case 0xA0:
                m_out += "&nbsp;";
                break;
            case U'\n':
                m_out += "<br>\r\n";
                break;
            default:
                if (c < 0x80) {
                    m_out.push_back(static_cast<char>(c));
                } else {
                    const int b = codepages::encodeChar(c, codepages::CodePage::Win);
                    if (b >= 0)
                        m_out.push_back(static_cast<char>(b));
                    else
                        m_out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
                }
            }
        }
    }

    int m_usualSize;
    std::string m_out;
};

} // namespace

std::string rtfToHtml(const RtfDocument& document)
{
    HtmlWriter html(usualHalfPoints(document));
    html.line("<html>");
    html.line("<head>");
    html.line("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">");
    html.line("</head>");
    html.line("<body>");
    bool inTable = false;
    for (const RtfBlock& block : document.blocks) {
        if (block.isRow != inTable) {
            html.line(inTable ? "</table>"
                              : "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
            inTable = block.isRow;
        }
        if (!block.isRow) {
            html.paragraph(block.paragraph);
            continue;
        }
        html.line("<tr>");
        for (const auto& cell : block.row.cells)
            html.cell(cell);
        html.line("</tr>");
    }
    if (inTable)
        html.line("</table>");
    html.line("</body>");
    html.line("</html>");
    return html.take();
}

void writeRtfAsHtml(const RtfDocument& document, const std::string& path)
{
    writeFileAtomically(path, rtfToHtml(document));
}

} // namespace zuk::io
