#pragma once

#include "organizer/yeargrid.h"

#include <string>

namespace zuk::organizer {

struct YearPageOptions {
    std::string fontName = "Arial"; // UTF-8
    bool border = false;
    bool foundOnly = false; // only the days that find marked
};

// The year page of "&Save All Info" ("Save Found Info" with foundOnly): a
// table with one row per day that has a note, in date order: the short
// weekday name and the date as d-mmm-yyyy, then the note with "<br>" for
// its line breaks. Notes and names are escaped for HTML. The page is
// Windows-1251 bytes and says so in its head; a character that code page
// lacks is written as a numeric character reference, so nothing is lost.
std::string writeYearPage(const YearGrid& grid, const YearNames& names,
                          const YearPageOptions& options);

// The page's name for a year file's name: "year2002.htm", or
// "Foundyear2002.htm" beside it for the found days.
std::string yearPageName(int year, bool foundOnly);

} // namespace zuk::organizer
