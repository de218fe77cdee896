#pragma once

#include <string>
#include <vector>

namespace zuk::app {

// A broken-down local date and time.
struct DateTimeParts {
    int year = 2000, month = 1, day = 1; // month 1..12
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    int weekday = 1; // 1 Sunday .. 7 Saturday
};

// The locale's texts and default formats, UTF-8. The defaults are a neutral
// fallback; the program fills them from the system locale.
struct DateLocale {
    std::vector<std::string> longMonthNames;  // 12 entries
    std::vector<std::string> shortMonthNames; // 12 entries
    std::vector<std::string> longDayNames;    // 7 entries, Sunday first
    std::vector<std::string> shortDayNames;   // 7 entries, Sunday first
    std::string shortDateFormat = "dd.mm.yyyy";
    std::string shortTimeFormat = "hh:nn";
    std::string longTimeFormat = "hh:nn:ss";
    std::string amText = "AM";
    std::string pmText = "PM";
};

DateLocale defaultDateLocale();

// Formats a date and time with the classic specifiers: d dd ddd dddd, m mm mmm
// mmmm (minutes right after an hour), yy yyyy, h hh, n nn, s ss, z zzz, AM/PM
// and A/P (a 12-hour clock), c (short date and long time), t (short time),
// tt (long time), quoted literal text; anything else is copied.
std::string formatDateTime(const std::string& format, const DateTimeParts& when,
                           const DateLocale& locale);

// The formats of the ten date/time menu items, mniD1 ... mniD10.
const std::vector<std::string>& dateItemFormats();

} // namespace zuk::app
