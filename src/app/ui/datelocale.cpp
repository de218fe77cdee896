#include "app/ui/datelocale.h"

#include <QLocale>

namespace zuk::app::ui {

DateLocale systemDateLocale()
{
    DateLocale loc = defaultDateLocale();
    const QLocale sys = QLocale::system();
    for (int m = 1; m <= 12; ++m) {
        loc.longMonthNames[m - 1] = sys.monthName(m, QLocale::LongFormat).toStdString();
        loc.shortMonthNames[m - 1] = sys.monthName(m, QLocale::ShortFormat).toStdString();
    }
    // QLocale counts Monday as 1 and Sunday as 7; the formatter starts on Sunday.
    for (int d = 1; d <= 7; ++d) {
        const int index = d % 7;
        loc.longDayNames[index] = sys.dayName(d, QLocale::LongFormat).toStdString();
        loc.shortDayNames[index] = sys.dayName(d, QLocale::ShortFormat).toStdString();
    }
    if (!sys.amText().isEmpty())
        loc.amText = sys.amText().toStdString();
    if (!sys.pmText().isEmpty())
        loc.pmText = sys.pmText().toStdString();
    return loc;
}

DateTimeParts partsOf(const QDateTime& t)
{
    DateTimeParts p;
    p.year = t.date().year();
    p.month = t.date().month();
    p.day = t.date().day();
    p.weekday = t.date().dayOfWeek() % 7 + 1;
    p.hour = t.time().hour();
    p.minute = t.time().minute();
    p.second = t.time().second();
    p.millisecond = t.time().msec();
    return p;
}

} // namespace zuk::app::ui
