#pragma once

#include "app/datetimeformat.h"

#include <QDateTime>

namespace zuk::app::ui {

// The date formatter's month and day names and AM/PM texts from the system locale.
DateLocale systemDateLocale();

// A Qt date and time as the formatter's parts.
DateTimeParts partsOf(const QDateTime& t);

} // namespace zuk::app::ui
