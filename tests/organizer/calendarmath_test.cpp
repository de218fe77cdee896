// The calendar's date arithmetic: the seven counts of "=" and the weekdays
// the year planner lays its columns out by.

#include "organizer/calendarmath.h"

#include <gtest/gtest.h>

using namespace zuk::organizer;

namespace {

struct Counts {
    std::int64_t years, months, weeks, days, hours, minutes, seconds;
};

void expectCounts(DateTimeValue a, DateTimeValue b, const Counts& want)
{
    for (const auto& [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
        const DateDifference d = dateDifference(x, y);
        EXPECT_EQ(d.years, want.years);
        EXPECT_EQ(d.months, want.months);
        EXPECT_EQ(d.weeks, want.weeks);
        EXPECT_EQ(d.days, want.days);
        EXPECT_EQ(d.hours, want.hours);
        EXPECT_EQ(d.minutes, want.minutes);
        EXPECT_EQ(d.seconds, want.seconds);
    }
}

} // namespace

TEST(CalendarMath, DatesAreDaysFromTheEpochOf30December1899)
{
    EXPECT_EQ(encodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(encodeDate(2000, 1, 1), 36526.0);
    for (const auto& [y, m, d] : {std::tuple{1600, 2, 29}, std::tuple{1899, 12, 30},
                                  std::tuple{2000, 2, 29}, std::tuple{2024, 12, 31}}) {
        // A time of day: after the whole days, counted away from the epoch.
        const DateTimeValue day = encodeDate(y, m, d);
        const CivilDate back = decodeDate(day + (day < 0 ? -0.75 : 0.75));
        EXPECT_EQ(back.year, y);
        EXPECT_EQ(back.month, m);
        EXPECT_EQ(back.day, d);
    }
    // Before the epoch the whole days count back; the fraction is the time.
    EXPECT_EQ(decodeDate(-1.25).day, 29);

    EXPECT_EQ(weekdayOf(2002, 1, 1), 3); // a Tuesday, Sunday being 1
    EXPECT_EQ(weekdayOf(1899, 12, 30), 7);
    EXPECT_EQ(weekdayOf(2024, 3, 3), 1);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2001, 13), 0);
}

TEST(CalendarMath, CountsBetweenTwoDatesInEitherOrder)
{
    // A month counts only once the later day has reached the earlier one.
    expectCounts(encodeDate(2003, 1, 31), encodeDate(2003, 2, 28),
                 {0, 0, 4, 28, 672, 40320, 2419200});
    expectCounts(encodeDate(2001, 3, 15), encodeDate(2003, 3, 15),
                 {2, 24, 104, 730, 17520, 1051200, 63072000});
    // The day before the anniversary is one year less; a leap day in between.
    expectCounts(encodeDate(2001, 3, 15), encodeDate(2004, 3, 14),
                 {2, 35, 156, 1095, 26280, 1576800, 94608000});
    expectCounts(encodeDate(2010, 6, 1), encodeDate(2010, 6, 1), {0, 0, 0, 0, 0, 0, 0});
    // Dates left unset are the epoch.
    expectCounts(0, encodeDate(1900, 1, 6), {0, 0, 1, 7, 168, 10080, 604800});
}

TEST(CalendarMath, TimesOfDayCountInHoursAndDecideTheWholeUnits)
{
    const DateTimeValue a = encodeDate(2020, 5, 10) + 18.0 / 24; // 18:00
    const DateTimeValue b = encodeDate(2021, 5, 10) + 6.0 / 24;  // 06:00 a year later
    const DateDifference d = dateDifference(a, b);
    EXPECT_EQ(d.years, 0);
    EXPECT_EQ(d.months, 11);
    EXPECT_EQ(d.days, 364);
    EXPECT_EQ(d.hours, 364 * 24 + 12);
    // An hour as a fraction no double holds exactly is still a whole hour.
    EXPECT_EQ(dateDifference(0, 1.0 / 24).hours, 1);
    EXPECT_EQ(dateDifference(0, 1.0 / 86400).seconds, 1);
}
