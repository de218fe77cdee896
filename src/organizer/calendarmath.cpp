#include "organizer/calendarmath.h"

#include <cmath>
#include <utility>

namespace zuk::organizer {

namespace {

// Days since 1970-01-01 of a civil date, for any year (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate civilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), m, d};
}

const std::int64_t kEpoch = daysFromCivil(1899, 12, 30);

// A value before the epoch keeps its time of day as a positive fraction
// after the whole days counted back (-1.25 is 29.12.1899, 6:00).
double timeOfDay(DateTimeValue v)
{
    return std::fabs(v - std::trunc(v));
}

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

DateTimeValue encodeDate(int year, int month, int day)
{
    return static_cast<double>(daysFromCivil(year, month, day) - kEpoch);
}

CivilDate decodeDate(DateTimeValue value)
{
    return civilFromDays(static_cast<std::int64_t>(std::trunc(value)) + kEpoch);
}

int weekdayOf(int year, int month, int day)
{
    // 1970-01-01 was a Thursday (5 counting Sunday as 1).
    const std::int64_t z = daysFromCivil(year, month, day);
    const std::int64_t w = ((z % 7) + 7 + 4) % 7; // 0 Sunday
    return static_cast<int>(w) + 1;
}

DateDifference dateDifference(DateTimeValue a, DateTimeValue b)
{
    if (a > b)
        std::swap(a, b);
    const CivilDate da = decodeDate(a), db = decodeDate(b);
    const double ta = timeOfDay(a), tb = timeOfDay(b);
    DateDifference r;
    r.years = db.year - da.year;
    if (db.month * 31 + db.day + tb < da.month * 31 + da.day + ta)
        --r.years;
    r.months = (static_cast<std::int64_t>(db.year) - da.year) * 12 + db.month - da.month;
    if (db.day + tb < da.day + ta)
        --r.months;
    // Whole milliseconds first, so a time of day such as 1/24 that a double
    // cannot hold exactly still counts as a full hour.
    const std::int64_t ms = std::llround((b - a) * 86400000.0);
    r.days = ms / 86400000;
    r.weeks = r.days / 7;
    r.hours = ms / 3600000;
    r.minutes = ms / 60000;
    r.seconds = ms / 1000;
    return r;
}

} // namespace zuk::organizer
