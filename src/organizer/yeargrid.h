#pragma once

#include "settings/connectiontable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::organizer {

using settings::Colour;

// Colours of the planner as 0x00BBGGRR values.
inline constexpr Colour kColourWhite = 0xFFFFFF;
inline constexpr Colour kColourSilver = 0xC0C0C0;
inline constexpr Colour kColourRed = 0x0000FF;
inline constexpr Colour kColourYellow = 0x00FFFF;
// What a day gets when a note is written on it and it has no colour yet.
inline constexpr Colour kNoteColour = 0xFDFACE; // red 206, green 250, blue 253

// One cell of the year planner. Texts are UTF-8; a note's line breaks are
// CR LF.
struct TYearData {
    std::string Text; // the year, a weekday letter, a month name, a day number or nothing
    std::string Info; // the user's note
    Colour OwnColor = kColourWhite;
    Colour CustomColor = kColourWhite;
    bool HasCustomColor = false;
    bool Found = false; // set by find; never stored
};

// The locale's names the grid shows, UTF-8: weekdays Sunday first.
struct YearNames {
    std::array<std::string, 7> shortDayNames;
    std::array<std::string, 12> longMonthNames;
    std::array<std::string, 12> shortMonthNames;
};

// The planner of one year: 13 rows by 38 columns. Row 0 holds the year and
// the weekday letters, rows 1 to 12 the months, with day d of a month whose
// first day is weekday w (1 Sunday .. 7 Saturday) in column w + d - 1, so a
// column is one weekday the whole year through and weekends shade by column.
class YearGrid {
public:
    static constexpr int kRows = 13;
    static constexpr int kColumns = 38;
    static constexpr int kCells = kRows * kColumns;
    static constexpr int kMinYear = 1999;
    static constexpr int kMaxYear = 2050;

    // The year with empty notes, no custom colours and nothing found.
    YearGrid(int year, const YearNames& names);

    int year() const { return m_year; }
    TYearData& cell(int row, int column) { return m_cells[index(row, column)]; }
    const TYearData& cell(int row, int column) const { return m_cells[index(row, column)]; }

    // The day a cell stands for, 0 for a cell that is no day.
    int dayAt(int row, int column) const;
    bool isDay(int row, int column) const { return dayAt(row, column) != 0; }
    // The column of a day of a month (1..12), 0 for no such day.
    int columnOf(int month, int day) const;
    // 1 Sunday .. 7 Saturday, for columns 1 to 37.
    static int weekdayOfColumn(int column) { return (column - 1) % 7 + 1; }
    static bool isWeekendColumn(int column);

    // "&Edit" confirmed: the note becomes `info` (a NUL, which would end the
    // year file's text, is dropped; line breaks become CR LF). A note on a
    // day without a colour of its own gives it kNoteColour; an empty note
    // takes the colour away.
    void setNote(int row, int column, std::string_view info);

    // Clears every Found, then marks the cells whose note holds `text`, with
    // Latin and Russian letters compared without regard to case; an empty
    // text marks nothing. Returns how many cells were marked.
    int find(std::string_view text);
    void clearFound();

private:
    static int index(int row, int column);

    int m_year;
    std::array<int, 13> m_firstColumn{}; // the weekday of each month's first day
    std::vector<TYearData> m_cells;      // kCells, row by row
};

// A note's line breaks (CR LF, a lone LF, a lone CR) as CR LF, NULs dropped.
std::string normaliseNote(std::string_view text);

} // namespace zuk::organizer
