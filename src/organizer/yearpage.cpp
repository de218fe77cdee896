#include "organizer/yearpage.h"

#include "codepages/charsets.h"
#include "organizer/utf8text.h"

namespace zuk::organizer {

namespace {

// UTF-8 text as Windows-1251 HTML text: markup characters escaped (quotes
// too, for attribute values), characters outside the code page as
// references, CR LF as "<br>" when `breaks` is set.
std::string htmlText(std::string_view utf8, bool breaks)
{
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = nextCodePoint(utf8, at);
        switch (c) {
        case U'<':
            out += "&lt;";
            continue;
        case U'>':
            out += "&gt;";
            continue;
        case U'&':
            out += "&amp;";
            continue;
        case U'"':
            out += "&quot;";
            continue;
        case U'\r':
            if (breaks) {
                out += "<br>";
                if (at < utf8.size() && utf8[at] == '\n')
                    ++at;
            }
            continue;
        case U'\n':
            if (breaks)
                out += "<br>";
            continue;
        default:
            break;
        }
        const int byte = codepages::encodeChar(c, codepages::CodePage::Win);
        if (byte >= 0 && c != 0xFFFD)
            out.push_back(static_cast<char>(byte));
        else
            out += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
    }
    return out;
}

} // namespace

std::string yearPageName(int year, bool foundOnly)
{
    return std::string(foundOnly ? "Found" : "") + "year" + std::to_string(year) + ".htm";
}

std::string writeYearPage(const YearGrid& grid, const YearNames& names,
                          const YearPageOptions& options)
{
    const std::string year = std::to_string(grid.year());
    std::string out;
    auto line = [&out](const std::string& text) { out += text + "\r\n"; };
    line("<html><head><meta charset=windows-1251><title>Year " + year + "</title></head>");
    line("<body>");
    line("<font size=2 face=\"" + htmlText(options.fontName, false) + "\">");
    line("<center><h3>Year " + year + "</h3></center>");
    line(std::string("<Table width=100% border=") + (options.border ? "1" : "0") + ">");
    for (int month = 1; month <= 12; ++month)
        for (int column = 1; column < YearGrid::kColumns; ++column) {
            const int day = grid.dayAt(month, column);
            const TYearData& c = grid.cell(month, column);
            if (day == 0 || c.Info.empty() || (options.foundOnly && !c.Found))
                continue;
            const std::string weekday =
                names
                    .shortDayNames[static_cast<std::size_t>(YearGrid::weekdayOfColumn(column) - 1)];
            const std::string date = std::to_string(day) + "-" +
                                     names.shortMonthNames[static_cast<std::size_t>(month - 1)] +
                                     "-" + year;
            line("<tr>");
            line("<td width=20%>" + htmlText(weekday + " " + date, false) + "</td>");
            line("<td>" + htmlText(c.Info, true) + "</td>");
            line("</tr>");
        }
    line("</table>");
    line("</font></body></html>");
    return out;
}

} // namespace zuk::organizer
