// The year planner's file: any bytes are read as the year's cells or
// refused with a FormatError; a year that was read is written and reads
// back to the same cells. The first byte picks the year, so files of every
// layout are met. The bytes as a note survive the file's escaping.

#include "fuzz/fuzztarget.h"

#include "base/zukerror.h"
#include "organizer/yearfile.h"

#include <optional>
#include <string>

namespace {

zuk::organizer::YearNames names()
{
    zuk::organizer::YearNames n;
    n.shortDayNames = {"вс", "пн", "вт", "ср", "чт", "пт", "сб"};
    for (std::size_t m = 0; m < 12; ++m) {
        n.longMonthNames[m] = "месяц " + std::to_string(m + 1);
        n.shortMonthNames[m] = "м" + std::to_string(m + 1);
    }
    return n;
}

} // namespace

ZUK_FUZZ_TARGET(yearfile)
{
    using namespace zuk::organizer;
    const int year =
        YearGrid::kMinYear + (input.empty() ? 0 : static_cast<unsigned char>(input[0]) % 52);
    static const YearNames yearNames = names();
    // The input as a note the planner keeps (line breaks as CR LF, no NUL)
    // survives the file's escaping exactly.
    const std::string note = normaliseNote(input);
    zuk::fuzz::check(unescapeNote(escapeNote(note)) == note);

    const std::string_view file = input.empty() ? input : input.substr(1);
    std::optional<YearGrid> grid;
    try {
        grid.emplace(readYearFile(file, year, yearNames));
    } catch (const zuk::FormatError&) {
        return;
    }
    const std::string written = writeYearFile(*grid);
    const YearGrid back = readYearFile(written, year, yearNames);
    for (int r = 0; r < YearGrid::kRows; ++r)
        for (int c = 0; c < YearGrid::kColumns; ++c) {
            const TYearData& a = grid->cell(r, c);
            const TYearData& b = back.cell(r, c);
            zuk::fuzz::check(a.Text == b.Text && a.OwnColor == b.OwnColor &&
                             a.CustomColor == b.CustomColor &&
                             a.HasCustomColor == b.HasCustomColor);
            // A note comes back with its line breaks as CR LF.
            zuk::fuzz::check(b.Info == normaliseNote(a.Info));
        }
    zuk::fuzz::check(writeYearFile(back) == written);
}
