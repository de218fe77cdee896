#pragma once

#include "organizer/yeargrid.h"

#include <optional>
#include <string>
#include <string_view>

namespace zuk::organizer {

// The name of a year's file: "year2002.csv".
std::string yearFileName(int year);

// A colour as the year file keeps it: the name of a standard colour
// ("clWhite", "clSilver", "clBtnFace") where the value has one, otherwise
// "$" and eight hexadecimal digits of the value.
std::string colourName(Colour colour);
// Reads a name (without regard to case), "$" with one to eight hexadecimal
// digits, or a signed decimal number; nothing for any other text.
std::optional<Colour> colourFromName(std::string_view name);

// A note as its value in the file: each CR LF (or lone CR or LF) as "||",
// and a literal '|' as "|_", so every note comes back as it was written. A
// '|' followed by anything else reads as itself (files that predate the
// escape wrote '|' unescaped).
std::string escapeNote(std::string_view note);
std::string unescapeNote(std::string_view stored);

// One value of a line: enclosed in double quotes, inner quotes doubled, when
// it holds a blank, a control character, a comma or a quote.
std::string quoteValue(std::string_view value);

// The year file: one line per cell, row by row and in a row column by
// column, 494 lines of five comma-separated values: Text, the note
// (escapeNote), OwnColor, CustomColor (colourName) and "true" or "false" for
// HasCustomColor. Lines end with CR LF. The texts are UTF-8.
std::string writeYearFile(const YearGrid& grid);

// Reads a year file into the grid of `year`. The notes, colours and marks
// come from the file; the texts of the header and the month names are the
// current locale's (`names`). A file that does not parse is refused with
// zuk::FormatError naming the line where it can: a wrong line count
// (sYearLineCount), a NUL (sYearNul), a line without five values
// (sYearValueCount), an open quote (sYearQuotes), a bad colour or boolean
// (sYearColour, sYearBoolean), or a day cell that does not match the
// calendar of the year (sYearDay). A file that is not UTF-8 is read as
// Windows-1251, as older files were.
YearGrid readYearFile(std::string_view bytes, int year, const YearNames& names);

} // namespace zuk::organizer
