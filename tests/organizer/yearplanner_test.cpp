// The year planner's grid, its year file and its year page: the layout of a
// year, notes that come back exactly as typed, files that are refused and
// kept, and the page's escaping.

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "organizer/yearfile.h"
#include "organizer/yeargrid.h"
#include "organizer/yearpage.h"

#include <gtest/gtest.h>

using namespace zuk::organizer;

namespace {

YearNames names()
{
    YearNames n;
    n.shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    n.longMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
    n.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return n;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        out.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return out;
}

std::string refusal(const std::string& file, int year = 2002)
{
    try {
        readYearFile(file, year, names());
        return "read";
    } catch (const zuk::FormatError& e) {
        return std::string(e.text().key);
    }
}

} // namespace

TEST(YearPlanner, YearIsLaidOutSoEveryColumnIsOneWeekday)
{
    const YearGrid g(2002, names());
    EXPECT_EQ(g.cell(0, 0).Text, "2002");
    EXPECT_EQ(g.cell(0, 1).Text, "S");
    EXPECT_EQ(g.cell(0, 2).Text, "M");
    EXPECT_EQ(g.cell(0, 37).Text, "M");
    EXPECT_EQ(g.cell(1, 0).Text, "January");
    // 1 January 2002 was a Tuesday (weekday 3): column 3; 31 December a Tuesday too.
    EXPECT_EQ(g.columnOf(1, 1), 3);
    EXPECT_EQ(g.cell(1, 3).Text, "1");
    EXPECT_EQ(g.cell(1, 2).Text, "");
    EXPECT_EQ(g.dayAt(12, g.columnOf(12, 31)), 31);
    EXPECT_EQ(g.columnOf(2, 29), 0);
    EXPECT_EQ(g.dayAt(0, 5), 0);
    // Shading goes by column, Saturday and Sunday, in every row.
    for (int row = 0; row < YearGrid::kRows; ++row) {
        EXPECT_EQ(g.cell(row, 1).OwnColor, kColourSilver);
        EXPECT_EQ(g.cell(row, 7).OwnColor, kColourSilver);
        EXPECT_EQ(g.cell(row, 8).OwnColor, kColourSilver);
        EXPECT_EQ(g.cell(row, 4).OwnColor, kColourWhite);
    }
    // A first day on Saturday reaches the last column: March 2003 starts on one.
    const YearGrid late(2003, names());
    EXPECT_EQ(late.columnOf(3, 1), 7);
    EXPECT_EQ(late.columnOf(3, 31), 37);
    // Russian weekday names give their first letter, not their first byte.
    YearNames ru = names();
    ru.shortDayNames = {"вс", "пн", "вт", "ср", "чт", "пт", "сб"};
    EXPECT_EQ(YearGrid(2002, ru).cell(0, 2).Text, "п");
}

TEST(YearPlanner, NotesColoursAndFind)
{
    YearGrid g(2002, names());
    const int c = g.columnOf(5, 9);
    g.setNote(5, c, "Встреча\nс Ивановым");
    EXPECT_EQ(g.cell(5, c).Info, "Встреча\r\nс Ивановым");
    EXPECT_TRUE(g.cell(5, c).HasCustomColor);
    EXPECT_EQ(g.cell(5, c).CustomColor, kNoteColour);
    // A colour the user gave stays with a new note; an empty note takes it away.
    g.cell(5, c).CustomColor = 0x123456;
    g.setNote(5, c, "other");
    EXPECT_EQ(g.cell(5, c).CustomColor, 0x123456);
    g.setNote(5, c, "");
    EXPECT_FALSE(g.cell(5, c).HasCustomColor);

    g.setNote(1, g.columnOf(1, 2), "Call BOB");
    g.setNote(3, g.columnOf(3, 3), "bob's birthday");
    g.setNote(4, g.columnOf(4, 4), "ВСТРЕЧА с Bob");
    EXPECT_EQ(g.find("bob"), 3);
    EXPECT_EQ(g.find("встреча"), 1);
    EXPECT_TRUE(g.cell(4, g.columnOf(4, 4)).Found);
    EXPECT_FALSE(g.cell(1, g.columnOf(1, 2)).Found);
    EXPECT_EQ(g.find(""), 0);
    EXPECT_FALSE(g.cell(4, g.columnOf(4, 4)).Found);
}

TEST(YearPlanner, YearFileKeepsEveryNoteAsTyped)
{
    YearGrid g(2002, names());
    const std::vector<std::pair<std::string, std::string>> notes{
        {"a || b", "a || b"},
        {"one\ntwo", "one\r\ntwo"},   // a lone LF is a line break
        {"one\rtwo", "one\r\ntwo"},   // so is a lone CR
        {"x\r\n\r\ny", "x\r\n\r\ny"}, // an empty line
        {"a, \"quoted\" b", "a, \"quoted\" b"},
        {"|", "|"},
        {"ends with |\nnext", "ends with |\r\nnext"},
        {"|_ literally", "|_ literally"},
        {"\ttab and ,", "\ttab and ,"},
        {"  ", "  "},
    };
    for (std::size_t i = 0; i < notes.size(); ++i)
        g.setNote(2, g.columnOf(2, static_cast<int>(i) + 1), notes[i].first);
    g.cell(7, g.columnOf(7, 4)).CustomColor = 0x00ABCDEF;
    g.cell(7, g.columnOf(7, 4)).HasCustomColor = true;
    g.cell(8, 0).Info = "a note outside the days";

    const std::string file = writeYearFile(g);
    const std::vector<std::string> rows = lines(file);
    ASSERT_EQ(rows.size(), 494u);
    EXPECT_EQ(rows[0], "2002,,clWhite,clWhite,false");
    EXPECT_EQ(rows[1], "S,,clSilver,clWhite,false");
    EXPECT_EQ(rows[2 * 38 + g.columnOf(2, 1)], "1,\"a |_|_ b\",clWhite,$00FDFACE,true");
    EXPECT_NE(file.find("\"a, \"\"quoted\"\" b\""), std::string::npos);
    EXPECT_NE(file.find("$00ABCDEF"), std::string::npos);

    const YearGrid back = readYearFile(file, 2002, names());
    for (std::size_t i = 0; i < notes.size(); ++i)
        EXPECT_EQ(back.cell(2, back.columnOf(2, static_cast<int>(i) + 1)).Info, notes[i].second)
            << notes[i].first;
    EXPECT_EQ(back.cell(7, back.columnOf(7, 4)).CustomColor, 0x00ABCDEF);
    EXPECT_EQ(back.cell(8, 0).Info, "a note outside the days");
    EXPECT_EQ(writeYearFile(back), file);
}

TEST(YearPlanner, YearFileValuesAndOlderFiles)
{
    EXPECT_EQ(quoteValue("plain"), "plain");
    EXPECT_EQ(quoteValue("a b"), "\"a b\"");
    EXPECT_EQ(quoteValue("a\"b"), "\"a\"\"b\"");
    EXPECT_EQ(quoteValue(""), "");
    EXPECT_EQ(colourName(0xC0C0C0), "clSilver");
    EXPECT_EQ(colourName(static_cast<Colour>(0x8000000F)), "clBtnFace");
    EXPECT_EQ(colourName(0xFDFACE), "$00FDFACE");
    EXPECT_EQ(colourFromName("CLWHITE"), 0xFFFFFF);
    EXPECT_EQ(colourFromName("$ff"), 0xFF);
    EXPECT_EQ(colourFromName("-16777201"), static_cast<Colour>(0xFF00000F));
    EXPECT_EQ(colourFromName("16777215"), 0xFFFFFF);
    for (const char* bad : {"", "$", "$123456789", "clNothing", "12a", "-", "99999999999"})
        EXPECT_FALSE(colourFromName(bad).has_value()) << bad;

    // Files written before '|' was escaped read their lone bars as they are.
    EXPECT_EQ(unescapeNote("a|b||c|"), "a|b\r\nc|");
    // A file in Windows-1251 (as the first versions wrote) reads as such.
    YearGrid g(2002, names());
    g.setNote(6, g.columnOf(6, 12), "День России");
    const std::string legacy = zuk::codepages::utf8ToWin(writeYearFile(g));
    EXPECT_EQ(readYearFile(legacy, 2002, names()).cell(6, g.columnOf(6, 12)).Info, "День России");
}

TEST(YearPlanner, DamagedYearFilesAreRefused)
{
    const std::string good = writeYearFile(YearGrid(2002, names()));
    EXPECT_EQ(refusal(good), "read");
    EXPECT_EQ(refusal(""), "sYearLineCount");
    EXPECT_EQ(refusal(good.substr(0, good.rfind("\r\n", good.size() - 3) + 2)), "sYearLineCount");
    EXPECT_EQ(refusal(good + "x\r\n"), "sYearLineCount");
    // Another year's file: its days stand in other columns.
    EXPECT_EQ(refusal(good, 2003), "sYearDay");
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    EXPECT_EQ(refusal(replaced("clWhite,false", "clWhit,false")), "sYearColour");
    EXPECT_EQ(refusal(replaced("clWhite,false", "clWhite,maybe")), "sYearBoolean");
    EXPECT_EQ(refusal(replaced("clWhite,false", "clWhite")), "sYearValueCount");
    EXPECT_EQ(refusal(replaced("clWhite,false", "clWhite,false,x")), "sYearValueCount");
    EXPECT_EQ(refusal(replaced(",,clWhite", ",\"open,clWhite")), "sYearQuotes");
    EXPECT_EQ(refusal(replaced(",,clWhite", ",a\"b,clWhite")), "sYearQuotes");
    EXPECT_EQ(refusal(replaced(",,clWhite", ",\"a\"b,clWhite")), "sYearQuotes");
    EXPECT_EQ(refusal(replaced(",,clWhite", std::string(",\0,clWhite", 10))), "sYearNul");
}

TEST(YearPlanner, YearPageListsTheDaysWithNotesEscaped)
{
    YearGrid g(2002, names());
    g.setNote(1, g.columnOf(1, 15), "<b>R&D</b>\nnext line");
    g.setNote(3, g.columnOf(3, 8), "Праздник ✓");
    g.setNote(12, g.columnOf(12, 31), "found me");
    g.find("found");

    YearPageOptions options;
    const std::string page = writeYearPage(g, names(), options);
    const std::vector<std::string> rows = lines(page);
    ASSERT_EQ(rows.size(), 5u + 3 * 4 + 2);
    EXPECT_EQ(rows[0], "<html><head><meta charset=windows-1251><title>Year 2002</title></head>");
    EXPECT_EQ(rows[2], "<font size=2 face=\"Arial\">");
    EXPECT_EQ(rows[3], "<center><h3>Year 2002</h3></center>");
    EXPECT_EQ(rows[4], "<Table width=100% border=0>");
    EXPECT_EQ(rows[5], "<tr>");
    EXPECT_EQ(rows[6], "<td width=20%>Tue 15-Jan-2002</td>");
    EXPECT_EQ(rows[7], "<td>&lt;b&gt;R&amp;D&lt;/b&gt;<br>next line</td>");
    // Windows-1251 bytes; what the code page lacks is a reference.
    EXPECT_EQ(rows[11], "<td>" + zuk::codepages::utf8ToWin("Праздник ") + "&#10003;</td>");
    EXPECT_EQ(rows[14], "<td width=20%>Tue 31-Dec-2002</td>");
    EXPECT_EQ(rows.back(), "</font></body></html>");

    options.foundOnly = true;
    options.border = true;
    options.fontName = "Times \"New\"";
    const std::vector<std::string> found = lines(writeYearPage(g, names(), options));
    ASSERT_EQ(found.size(), 5u + 4 + 2);
    EXPECT_EQ(found[2], "<font size=2 face=\"Times &quot;New&quot;\">");
    EXPECT_EQ(found[4], "<Table width=100% border=1>");
    EXPECT_EQ(found[7], "<td>found me</td>");
    EXPECT_EQ(yearPageName(2002, false), "year2002.htm");
    EXPECT_EQ(yearPageName(2002, true), "Foundyear2002.htm");
}
