// The texts of the main window's today panel in the user's language and digits: the dates, a
// time of the day's schedule and the count-down. Kept together as the one place where the panel
// turns times into texts.
#pragma once

#include <QString>

#include "base/config.h"
#include "calendar/calendar_date.h"
#include "calendar/row_time.h"
#include "prayer/prayer_times.h"

namespace kelmo::ui {

// "Wednesday, 20 March 2024".
QString civilDateText(const CalendarDate& date);

// "10 Ramadan 1445 AH", or "" when the date has no valid Hijri date.
QString hijriDateText(const CalendarDate& date);

// A time of the day's schedule as the day report shows it (the configured precision and the
// slot's rounding; "<" or ">" after a time on the day before or after; a marker as its word).
QString scheduleTimeText(const Config& config, PrayerSlot slot, const RowTime& time);

// A count-down "HH:MM:SS" of the whole seconds left, any fraction counted as a second (so it
// reaches 00:00:00 at the moment itself); none left gives "00:00:00".
QString countDownText(double secondsLeft);

}  // namespace kelmo::ui
