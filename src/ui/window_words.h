// The words of the reckoning in the windows' language: prayer, month and weekday names, the
// names of the settings and the markers of a time that does not exist, from the core's table
// of words (the language installed last; English before any).
#pragma once

#include <QString>

#include "calendar/event.h"
#include "calendar/words.h"
#include "prayer/prayer_times.h"

namespace kelmo::ui {

const Words& windowWords();

// A word of the table (UTF-8) as the widgets show it.
QString shownWord(const char* word);

// A slot of the day's times by its prayer's name ("Asr" for both Asr slots).
QString slotName(PrayerSlot slot);
// The prayer of a slot of the Timer's schedule (1 .. 9), "" for a slot without one.
QString slotPrayerWord(int slot);
// The prayers the Timer alerts, 0 Fajr .. 4 Isha.
QString alertPrayerName(int prayer);
// isoWeekday 1 (Monday) .. 7; month 1 .. 12.
QString weekdayName(int isoWeekday);
QString monthName(int month);
QString hijriMonthName(int month);
QString markerName(EventStatus status);

// A prayer's time of day (radians) as "HH:MM", any seconds rounding the minute up, in the
// digits of the windows' language: the Timer's and the Notifier's times.
QString shownMinutes(double time);

}  // namespace kelmo::ui
