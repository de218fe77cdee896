#include "organizer/yeargrid.h"

#include "base/zukassert.h"
#include "organizer/calendarmath.h"
#include "organizer/utf8text.h"

#include <algorithm>

namespace zuk::organizer {

namespace {

// The first character of a name, a whole UTF-8 sequence.
std::string firstCharacter(const std::string& name)
{
    if (name.empty())
        return {};
    std::size_t at = 0;
    nextCodePoint(name, at);
    return name.substr(0, at);
}

std::u32string folded(std::string_view text)
{
    std::u32string out;
    for (std::size_t at = 0; at < text.size();)
        out.push_back(foldCase(nextCodePoint(text, at)));
    return out;
}

} // namespace

std::string normaliseNote(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else if (c != '\0') {
            out.push_back(c);
        }
    }
    return out;
}

YearGrid::YearGrid(int year, const YearNames& names) : m_year(year), m_cells(kCells)
{
    cell(0, 0).Text = std::to_string(year);
    for (int column = 1; column < kColumns; ++column) {
        cell(0, column).Text = firstCharacter(
            names.shortDayNames[static_cast<std::size_t>(weekdayOfColumn(column) - 1)]);
        for (int row = 0; row < kRows; ++row)
            cell(row, column).OwnColor = isWeekendColumn(column) ? kColourSilver : kColourWhite;
    }
    for (int month = 1; month <= 12; ++month) {
        cell(month, 0).Text = names.longMonthNames[static_cast<std::size_t>(month - 1)];
        m_firstColumn[static_cast<std::size_t>(month)] = weekdayOf(year, month, 1);
        for (int day = 1; day <= daysInMonth(year, month); ++day)
            cell(month, columnOf(month, day)).Text = std::to_string(day);
    }
}

int YearGrid::index(int row, int column)
{
    const bool inside = row >= 0 && row < kRows && column >= 0 && column < kColumns;
    if (!ZUK_ASSERT(inside))
        return 0;
    return row * kColumns + column;
}

bool YearGrid::isWeekendColumn(int column)
{
    if (column < 1 || column >= kColumns)
        return false;
    const int weekday = weekdayOfColumn(column);
    return weekday == 1 || weekday == 7;
}

int YearGrid::columnOf(int month, int day) const
{
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(m_year, month))
        return 0;
    return m_firstColumn[static_cast<std::size_t>(month)] + day - 1;
}

int YearGrid::dayAt(int row, int column) const
{
    if (row < 1 || row >= kRows || column < 1 || column >= kColumns)
        return 0;
    const int day = column - m_firstColumn[static_cast<std::size_t>(row)] + 1;
    return day >= 1 && day <= daysInMonth(m_year, row) ? day : 0;
}

void YearGrid::setNote(int row, int column, std::string_view info)
{
    TYearData& c = cell(row, column);
    c.Info = normaliseNote(info);
    if (c.Info.empty())
        c.HasCustomColor = false;
    else if (!c.HasCustomColor) {
        c.CustomColor = kNoteColour;
        c.HasCustomColor = true;
    }
}

void YearGrid::clearFound()
{
    for (TYearData& c : m_cells)
        c.Found = false;
}

int YearGrid::find(std::string_view text)
{
    clearFound();
    if (text.empty())
        return 0;
    const std::u32string wanted = folded(text);
    int marked = 0;
    for (TYearData& c : m_cells)
        if (!c.Info.empty() && folded(c.Info).find(wanted) != std::u32string::npos) {
            c.Found = true;
            ++marked;
        }
    return marked;
}

} // namespace zuk::organizer
