#include "app/datetimeformat.h"

#include <cctype>
#include <cstdio>

namespace zuk::app {

namespace {

std::string padded(int value, int width)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

bool startsWithNoCase(const std::string& s, size_t pos, const char* what)
{
    for (size_t i = 0; what[i]; ++i) {
        if (pos + i >= s.size())
            return false;
        if (std::tolower(static_cast<unsigned char>(s[pos + i])) !=
            std::tolower(static_cast<unsigned char>(what[i])))
            return false;
    }
    return true;
}

bool hasTwelveHourMarker(const std::string& f)
{
    for (size_t i = 0; i < f.size(); ++i)
        if (startsWithNoCase(f, i, "am/pm") || startsWithNoCase(f, i, "a/p"))
            return true;
    return false;
}

std::string nameAt(const std::vector<std::string>& names, int index)
{
    return index >= 0 && index < static_cast<int>(names.size()) ? names[index] : std::string();
}

size_t runLength(const std::string& f, size_t pos)
{
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(f[pos])));
    size_t n = 0;
    while (pos + n < f.size() && std::tolower(static_cast<unsigned char>(f[pos + n])) == c)
        ++n;
    return n;
}

std::string format(const std::string& f, const DateTimeParts& w, const DateLocale& loc, int depth)
{
    std::string out;
    if (depth > 2) // c, t and tt expand into locale formats; they never nest deeper
        return out;
    const bool twelve = hasTwelveHourMarker(f);
    bool afterHour = false;
    size_t i = 0;
    while (i < f.size()) {
        const char ch = f[i];
        const char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (ch == '"' || ch == '\'') {
            size_t end = f.find(ch, i + 1);
            if (end == std::string::npos)
                end = f.size();
            out.append(f, i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (startsWithNoCase(f, i, "am/pm")) {
            out += w.hour < 12 ? loc.amText : loc.pmText;
            i += 5;
            continue;
        }
        if (startsWithNoCase(f, i, "a/p")) {
            out += w.hour < 12 ? "a" : "p";
            i += 3;
            continue;
        }
        const size_t n = runLength(f, i);
        switch (lc) {
        case 'c':
            out += format(loc.shortDateFormat, w, loc, depth + 1);
            out += ' ';
            out += format(loc.longTimeFormat, w, loc, depth + 1);
            i += 1;
            afterHour = false;
            continue;
        case 't':
            out += format(n >= 2 ? loc.longTimeFormat : loc.shortTimeFormat, w, loc, depth + 1);
            i += n >= 2 ? 2 : 1;
            afterHour = false;
            continue;
        case 'd':
            if (n == 1)
                out += std::to_string(w.day);
            else if (n == 2)
                out += padded(w.day, 2);
            else if (n == 3)
                out += nameAt(loc.shortDayNames, w.weekday - 1);
            else
                out += nameAt(loc.longDayNames, w.weekday - 1);
            i += n > 4 ? 4 : n;
            afterHour = false;
            continue;
        case 'm':
            if (afterHour && n <= 2) {
                out += n == 1 ? std::to_string(w.minute) : padded(w.minute, 2);
            } else if (n == 1) {
                out += std::to_string(w.month);
            } else if (n == 2) {
                out += padded(w.month, 2);
            } else if (n == 3) {
                out += nameAt(loc.shortMonthNames, w.month - 1);
            } else {
                out += nameAt(loc.longMonthNames, w.month - 1);
            }
            i += n > 4 ? 4 : n;
            afterHour = false;
            continue;
        case 'y':
            out += n <= 2 ? padded(w.year % 100, 2) : padded(w.year, 4);
            i += n;
            afterHour = false;
            continue;
        case 'h': {
            int h = w.hour;
            if (twelve) {
                h %= 12;
                if (h == 0)
                    h = 12;
            }
            out += n == 1 ? std::to_string(h) : padded(h, 2);
            i += n > 2 ? 2 : n;
            afterHour = true;
            continue;
        }
        case 'n':
            out += n == 1 ? std::to_string(w.minute) : padded(w.minute, 2);
            i += n > 2 ? 2 : n;
            afterHour = false;
            continue;
        case 's':
            out += n == 1 ? std::to_string(w.second) : padded(w.second, 2);
            i += n > 2 ? 2 : n;
            afterHour = false;
            continue;
        case 'z':
            out += n >= 3 ? padded(w.millisecond, 3) : std::to_string(w.millisecond);
            i += n >= 3 ? 3 : 1;
            afterHour = false;
            continue;
        default:
            out += ch;
            ++i;
        }
    }
    return out;
}

} // namespace

DateLocale defaultDateLocale()
{
    DateLocale loc;
    loc.longMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                          "July",    "August",   "September", "October", "November", "December"};
    loc.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    loc.longDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                        "Thursday", "Friday", "Saturday"};
    loc.shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    return loc;
}

std::string formatDateTime(const std::string& f, const DateTimeParts& when,
                           const DateLocale& locale)
{
    return format(f, when, locale, 0);
}

const std::vector<std::string>& dateItemFormats()
{
    static const std::vector<std::string> formats = {
        "c",         "dd.mm.yy", "dd.mm.yyyy",  "d mmmm yyyy", "dd.mm.yyyy  hh:nn:zzz",
        "hh:nn:zzz", "hh:nn",    "hh:mm AM/PM", "t",           "tt"};
    return formats;
}

} // namespace zuk::app
