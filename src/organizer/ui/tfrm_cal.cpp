#include "organizer/ui/tfrm_cal.h"

#include "app/datetimeformat.h"
#include "app/ui/datelocale.h"
#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "organizer/organizertexts.h"

#include <QCalendarWidget>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace zuk::organizer::ui {

Tfrm_cal::Tfrm_cal(app::ui::ToolHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_host(host)
{
    setObjectName(QStringLiteral("frm_cal"));
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("MonthCalendar1"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    m_calendar->setGridVisible(true);

    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    m_firstButton = button("btFirstDate");
    m_secondButton = button("btSecondDate");
    QPushButton* equals = button("btCompute");
    QPushButton* info = button("btMiscInfo");
    QPushButton* ok = button("btOK");
    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("mmOutput"));

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_firstButton, 0, 0);
    buttons->addWidget(m_secondButton, 0, 1);
    buttons->addWidget(equals, 0, 2);
    buttons->addWidget(info, 1, 0, 1, 2);
    buttons->addWidget(ok, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);
    layout->addWidget(m_output, 1);

    connect(m_firstButton, &QPushButton::clicked, this, &Tfrm_cal::takeFirstDate);
    connect(m_secondButton, &QPushButton::clicked, this, &Tfrm_cal::takeSecondDate);
    connect(equals, &QPushButton::clicked, this, &Tfrm_cal::compute);
    connect(info, &QPushButton::clicked, this, &Tfrm_cal::miscInfo);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    localise(true);
    host.addLocaliser(this, [this] { localise(false); });
    resize(380, 480);
}

QString Tfrm_cal::text(const char* key) const
{
    return m_host.text(calendarTexts().section, key);
}

// A date the user took stays on its button in whatever language is chosen.
void Tfrm_cal::localise(bool builtIn)
{
    app::ui::localiseWindow(this, calendarTexts(), m_host.texts(), builtIn);
    if (m_first != 0)
        m_firstButton->setText(dateCaption(m_first));
    if (m_second != 0)
        m_secondButton->setText(dateCaption(m_second));
}

QString Tfrm_cal::dateCaption(DateTimeValue value) const
{
    const CivilDate d = decodeDate(value);
    app::DateTimeParts parts;
    parts.year = d.year;
    parts.month = d.month;
    parts.day = d.day;
    parts.weekday = weekdayOf(d.year, d.month, d.day);
    const app::DateLocale loc = app::ui::systemDateLocale();
    return QString::fromStdString(app::formatDateTime(loc.shortDateFormat, parts, loc));
}

void Tfrm_cal::append(const QString& line)
{
    m_output->appendPlainText(line);
}

void Tfrm_cal::takeFirstDate()
{
    const QDate d = m_calendar->selectedDate();
    m_first = encodeDate(d.year(), d.month(), d.day());
    m_firstButton->setText(dateCaption(m_first));
}

void Tfrm_cal::takeSecondDate()
{
    const QDate d = m_calendar->selectedDate();
    m_second = encodeDate(d.year(), d.month(), d.day());
    m_secondButton->setText(dateCaption(m_second));
}

void Tfrm_cal::compute()
{
    if (m_first > m_second) {
        std::swap(m_first, m_second);
        m_firstButton->setText(dateCaption(m_first));
        m_secondButton->setText(dateCaption(m_second));
    }
    const DateDifference d = dateDifference(m_first, m_second);
    append(text("sDateDiff"));
    const std::pair<const char*, std::int64_t> counts[] = {
        {"sInYears", d.years},     {"sInMonths", d.months}, {"sInWeeks", d.weeks},
        {"sInDays", d.days},       {"sInHours", d.hours},   {"sInMinutes", d.minutes},
        {"sInSeconds", d.seconds},
    };
    for (const auto& [key, count] : counts)
        append(text(key) + QString::number(count));
}

void Tfrm_cal::miscInfo()
{
    // The bias with daylight time in force, as the clock shows it.
    const int offset = std::abs(QDateTime::currentDateTime().offsetFromUtc());
    app::DateTimeParts parts;
    parts.hour = offset / 3600;
    parts.minute = offset / 60 % 60;
    parts.second = offset % 60;
    const app::DateLocale loc = app::ui::systemDateLocale();
    append(text("sGrinvTimeDiff") + QLatin1Char(' ') +
           QString::fromStdString(app::formatDateTime(loc.longTimeFormat, parts, loc)));
}

void Tfrm_cal::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_calendar->setSelectedDate(QDate::currentDate());
}

} // namespace zuk::organizer::ui
