#pragma once

#include "organizer/calendarmath.h"

#include <QWidget>

class QCalendarWidget;
class QPlainTextEdit;
class QPushButton;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::organizer::ui {

// The calendar ("Календарь"): a month calendar with week numbers, set to
// today whenever the window is activated; two dates taken from it, the
// seven counts between them ("="), the distance of local time from
// Greenwich ("Инфо разная") and an output area the lines go to.
class Tfrm_cal final : public QWidget {
public:
    Tfrm_cal(app::ui::ToolHost& host, QWidget* parent);

    QCalendarWidget* calendar() const { return m_calendar; }
    QPlainTextEdit* output() const { return m_output; }

    // The buttons' actions.
    void takeFirstDate();
    void takeSecondDate();
    void compute();
    void miscInfo();

    DateTimeValue firstDate() const { return m_first; }
    DateTimeValue secondDate() const { return m_second; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void localise(bool builtIn);
    QString dateCaption(DateTimeValue value) const;
    void append(const QString& line);
    QString text(const char* key) const;

    app::ui::ToolHost& m_host;
    QCalendarWidget* m_calendar = nullptr;
    QPushButton* m_firstButton = nullptr;
    QPushButton* m_secondButton = nullptr;
    QPlainTextEdit* m_output = nullptr;
    DateTimeValue m_first = 0; // 0: not set (30.12.1899)
    DateTimeValue m_second = 0;
};

} // namespace zuk::organizer::ui
