// The prayer schedule report: the times of Imsak, Fajr, Shuruq, Duhr, Asr, Maghrib and Isha
// (as the school of law shows them) for one day, a month or a year, Gregorian or Hijri.
// Texts are UTF-8, in the words of Config::language (files/reports/report_words.h).
#pragma once

#include <string>
#include <vector>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/row_time.h"
#include "calendar/zone.h"
#include "prayer/day_prayers.h"

namespace kelmo {

// One row of the schedule: the date in both calendars, its nine prayer events and how the
// place's clock shows each of them on the row (by the offset in force at the event).
struct ScheduleDay {
    CalendarDate date;
    DayPrayers prayers;
    std::array<RowTime, kPrayerSlotCount> shown{};
    bool summerTime = false;  // the clock keeps summer time at noon of the date
};

// The row of date for its prayer events, as zone's clock shows them.
ScheduleDay scheduleDay(const CalendarDate& date, const DayPrayers& prayers, const Zone& zone);

// One month of the schedule: its first day as the header shows it, and its rows.
struct ScheduleMonth {
    CalendarDate first;
    std::vector<ScheduleDay> days;
};

// How the days of a schedule are computed: sharing the day tables and the lunations between
// the days of the run (the default, faster), or each day and each Hijri date on its own. Both
// give the same rows bit for bit; the second is what the first is checked against.
enum class ScheduleMemory { shared, none };

// The rows of the report for the period in config.alertFlags (see prayerScheduleReport).
std::vector<ScheduleMonth> prayerSchedule(const CalendarDate& date, const Location& location,
                                          const Zone& zone, const Config& config,
                                          ScheduleMemory memory = ScheduleMemory::shared);

// Builds the whole report for the period and date kind in config.alertFlags into text (after
// what it holds).
//   date  one day: the day, with its Hijri fields when hijriValid is 1 (they are only shown);
//         a month or year: year and month of the Gregorian calendar, or for a date entered
//         as Hijri its hijriYear and hijriMonth
// A Gregorian month has one row per valid date (the days dropped from October 1582 have
// none); a Hijri month runs from its first day until the next Hijri month begins (at most
// 30 rows), the Hijri date being recomputed from the 29th day on. A year has twelve months
// of the year of date, each followed by three blank lines and a separator.
void prayerScheduleReport(const CalendarDate& date, const Location& location, const Zone& zone,
                          const Config& config, std::string& text,
                          ScheduleMemory memory = ScheduleMemory::shared);

}  // namespace kelmo
