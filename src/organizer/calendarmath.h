#pragma once

#include <cstdint>

namespace zuk::organizer {

// Dates as the calendar counts them: a date-time value is a number of days
// from the epoch 30.12.1899 (0.0), the fraction being the time of day. The
// calendar leaves a date it was not given at 0.
using DateTimeValue = double;

struct CivilDate {
    int year = 1899, month = 12, day = 30; // month 1..12
};

// The proleptic Gregorian calendar, for any year the counts can meet.
bool isLeapYear(int year);
int daysInMonth(int year, int month);
DateTimeValue encodeDate(int year, int month, int day);
// The date part of a value (times before the epoch count back from it).
CivilDate decodeDate(DateTimeValue value);
// 1 Sunday .. 7 Saturday.
int weekdayOf(int year, int month, int day);

// The seven counts of "=" for an earlier date `a` and a later date `b`, each
// a whole number cut toward zero. Years and months count a unit only when
// the later date has reached the same place (day and time) in its year or
// month; weeks are whole days divided by 7.
struct DateDifference {
    std::int64_t years = 0, months = 0, weeks = 0, days = 0;
    std::int64_t hours = 0, minutes = 0, seconds = 0;
};
DateDifference dateDifference(DateTimeValue a, DateTimeValue b);

} // namespace zuk::organizer
