#include "app/datetimeformat.h"

#include <gtest/gtest.h>

using zuk::app::dateItemFormats;
using zuk::app::DateTimeParts;
using zuk::app::defaultDateLocale;
using zuk::app::formatDateTime;

namespace {

DateTimeParts at(int y, int mo, int d, int h, int mi, int s, int ms, int weekday)
{
    DateTimeParts p;
    p.year = y;
    p.month = mo;
    p.day = d;
    p.hour = h;
    p.minute = mi;
    p.second = s;
    p.millisecond = ms;
    p.weekday = weekday;
    return p;
}

} // namespace

TEST(DateTimeFormat, TheTenMenuFormatsOnOneAfternoon)
{
    // Tuesday 5 March 2024, 14:07:09.009
    const DateTimeParts t = at(2024, 3, 5, 14, 7, 9, 9, 3);
    const std::vector<std::string> expected = {
        "05.03.2024 14:07:09", "05.03.24", "05.03.2024", "5 March 2024", "05.03.2024  14:07:009",
        "14:07:009",           "14:07",    "02:07 PM",   "14:07",        "14:07:09"};
    ASSERT_EQ(dateItemFormats().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(formatDateTime(dateItemFormats()[i], t, defaultDateLocale()), expected[i])
            << "item mniD" << i + 1 << " format " << dateItemFormats()[i];
}

TEST(DateTimeFormat, SpecifierEdges)
{
    const auto loc = defaultDateLocale();
    struct Case {
        const char* format;
        DateTimeParts when;
        const char* expected;
    };
    const Case cases[] = {
        // Twelve-hour clock: midnight and noon are 12, minutes follow the hour.
        {"hh:mm AM/PM", at(2024, 1, 1, 0, 5, 0, 0, 2), "12:05 AM"},
        {"hh:mm AM/PM", at(2024, 1, 1, 12, 0, 0, 0, 2), "12:00 PM"},
        {"h:mm a/p", at(2024, 1, 1, 23, 59, 0, 0, 2), "11:59 p"},
        // mm is the month unless an hour comes right before it.
        {"mm/dd hh mm", at(2024, 11, 2, 8, 30, 0, 0, 7), "11/02 08 30"},
        {"d.m.yy", at(2009, 7, 4, 0, 0, 0, 0, 7), "4.7.09"},
        {"ddd dddd mmm", at(2024, 3, 5, 0, 0, 0, 0, 3), "Tue Tuesday Mar"},
        // Quoted text is copied as it stands, specifier letters included.
        {"'day' d \"of\" mmmm", at(2024, 12, 31, 0, 0, 0, 0, 3), "day 31 of December"},
        {"zzz|z", at(2024, 1, 1, 0, 0, 0, 7, 2), "007|7"},
        {"", at(2024, 1, 1, 0, 0, 0, 0, 2), ""},
        // An unterminated quote runs to the end of the format.
        {"d 'x", at(2024, 1, 9, 0, 0, 0, 0, 3), "9 x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatDateTime(c.format, c.when, loc), c.expected) << c.format;
}

TEST(DateTimeFormat, LocaleFormatsExpandButNeverRecurseForever)
{
    auto loc = defaultDateLocale();
    loc.shortDateFormat = "c"; // a locale format that names itself must not loop
    loc.longTimeFormat = "tt";
    loc.shortTimeFormat = "t";
    const std::string out = formatDateTime("c t tt", at(2024, 1, 1, 1, 2, 3, 0, 2), loc);
    EXPECT_LT(out.size(), 200u);
}
