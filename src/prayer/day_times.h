// The prayer times of one day: the widened event table, the high-latitude rule and the
// configured corrections.
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "prayer/day_events_memo.h"
#include "prayer/prayer_times.h"

namespace kelmo {

// The nine times of the civil date (integer day) at location, in zone time without summer
// time (add it with applySummerTime). Corrections: correctionSeconds earlier for Imsak and
// Shuruq, later for every other time, and maghribDelay minutes more for Maghrib; markers stay.
// With highLatitudeRule 2 or 4 Imsak, Fajr and Isha always come from the rule. The method of
// config (prayer/method_times.h) then places Maghrib at its angle, Imsak and Isha at its
// intervals and adds its minute adjustments.
PrayerTimes computeDayTimes(const CalendarDate& date, Location location, const Config& config);

// The same for runs of days of one place and settings: tables already computed (the day itself
// and the other days the high-latitude rule looks at) are taken from memo. Same results.
PrayerTimes computeDayTimes(const CalendarDate& date, Location location, const Config& config,
                            DayEventsMemo& memo);

}  // namespace kelmo
