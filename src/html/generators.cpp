#include "html/generators.h"

#include "base/zukerror.h"
#include "html/htmltexts.h"

namespace zuk::html {

std::int64_t roundHalfEven(std::int64_t num, std::int64_t den)
{
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && (q & 1) != 0))
        ++q;
    return q;
}

std::string TextGradient(std::string_view text, Rgb from, Rgb to)
{
    if (text.size() > MaxGradientText)
        throw FormatError(htmlMessages(), "sGradientTooLong",
                          {std::to_string(MaxGradientText >> 20)});
    // Characters, a CR LF counting as one.
    std::int64_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++n)
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    std::string out;
    if (n == 0)
        return out;
    out.reserve(text.size() * 30);
    const std::int64_t dr = int64_t(to.r) - from.r, dg = int64_t(to.g) - from.g,
                       db = int64_t(to.b) - from.b;
    std::int64_t i = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        ++i;
        const Rgb colour{static_cast<std::uint8_t>(from.r + roundHalfEven(i * dr, n)),
                         static_cast<std::uint8_t>(from.g + roundHalfEven(i * dg, n)),
                         static_cast<std::uint8_t>(from.b + roundHalfEven(i * db, n))};
        out += "<font color=\"#";
        out += hexColour(colour);
        out += "\">";
        out += text[at];
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            out += text[++at];
        out += "</font>";
    }
    return out;
}

std::vector<std::string> TableMarkup(const std::vector<std::vector<TableCell>>& rows)
{
    std::vector<std::string> lines{"<table>"};
    for (const std::vector<TableCell>& row : rows) {
        lines.emplace_back("<tr>");
        for (const TableCell& cell : row) {
            std::string line;
            if (!cell.info) {
                line = "<td>";
            } else {
                line = "<td ";
                auto attribute = [&line](const char* name, const std::string& value) {
                    if (value.empty())
                        return;
                    line += name;
                    line += "=\"";
                    line += escapeAttribute(value);
                    line += "\" ";
                };
                attribute("width", cell.info->Width);
                attribute("height", cell.info->Height);
                attribute("bgcolor", cell.info->BackColor);
                line += '>';
            }
            line += cell.text;
            line += "</td>";
            lines.push_back(std::move(line));
        }
        lines.emplace_back("</tr>");
    }
    lines.emplace_back("</table>");
    return lines;
}

std::string thumbnailName(std::string_view pictureName)
{
    return "thm_" + std::string(pictureName) + ".jpg";
}

bool isPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::string galleryCell(std::string_view name, int width, int height)
{
    const std::string n = escapeAttribute(name);
    return "<td><a href=\"" + n + "\"><img src=\"" + escapeAttribute(thumbnailName(name)) +
           "\" width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) +
           "\" border=\"0\" alt=\"" + n + "\"></a></td>";
}

std::vector<std::string> galleryTable(const std::vector<std::string>& cells, int perRow)
{
    const std::size_t step = perRow < 1 ? 1 : static_cast<std::size_t>(perRow);
    std::vector<std::string> lines{"<table>"};
    for (std::size_t i = 0; i < cells.size(); i += step) {
        lines.emplace_back("<tr>");
        for (std::size_t j = i; j < cells.size() && j < i + step; ++j)
            lines.push_back(cells[j]);
        lines.emplace_back("</tr>");
    }
    lines.emplace_back("</table>");
    return lines;
}

std::string galleryPage(std::string_view templateText, std::string_view table,
                        std::string_view title)
{
    constexpr std::string_view Text = "$%PROCESSED_TEXT";
    constexpr std::string_view Title = "$%TITLE";
    std::string page;
    page.reserve(templateText.size() + table.size());
    std::size_t from = 0;
    for (std::size_t at = templateText.find("$%"); at != std::string_view::npos;
         at = templateText.find("$%", at)) {
        if (templateText.compare(at, Text.size(), Text) == 0) {
            page.append(templateText, from, at - from);
            page += table;
            from = at = at + Text.size();
        } else if (templateText.compare(at, Title.size(), Title) == 0) {
            page.append(templateText, from, at - from);
            page += title;
            from = at = at + Title.size();
        } else {
            at += 2;
        }
    }
    page.append(templateText, from, templateText.size() - from);
    return page;
}

ThumbnailPlacement placeThumbnail(int w, int h, int W, int H)
{
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0)
        return {};
    if (w < W && h < H)
        return {(W - w) / 2, (H - h) / 2, w, h};
    std::int64_t width = W, height = H;
    if (h < w)
        height = roundHalfEven(std::int64_t(h) * W, w);
    else
        width = roundHalfEven(std::int64_t(w) * H, h);
    if (width == 0)
        width = 1;
    if (height == 0)
        height = 1;
    return {static_cast<int>(roundHalfEven(W - width, 2)),
            static_cast<int>(roundHalfEven(H - height, 2)), static_cast<int>(width),
            static_cast<int>(height)};
}

} // namespace zuk::html
