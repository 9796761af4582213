// The series of a chart of the prayer times of a month or a year at a place: one line per
// time the schedule shows for the school of law, from the same computed days as the prayer
// schedule report, with the days on which the high-latitude rule supplied a time, the first
// days of the Hijri months (the crescent decided at the place) and today. Texts are UTF-8,
// in English.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/zone.h"
#include "prayer/prayer_times.h"

namespace kelmo {

enum class ChartPeriod { month, year };

// One time of one day on the chart.
struct ChartPoint {
    bool valid = false;     // false for a marker (or a time more than a day away): a gap
    double hours = 0.0;     // the clock's reading at the time, hours after the day's midnight;
                            // below 0 or from 24 on it falls on the day before or after
    bool fromRule = false;  // the high-latitude rule supplied or replaced this time
};

struct ChartDay {
    CalendarDate date;               // both calendars, as the schedule report has them
    int offset = 0;                  // days after the chart's first day
    bool summerTime = false;         // the clock keeps summer time at noon of the date
    std::vector<ChartPoint> points;  // one per PrayerChart::slots
};

struct HijriMonthStart {
    int offset = 0;  // days after the chart's first day
    int hijriYear = 0;
    int hijriMonth = 1;
};

struct PrayerChart {
    std::vector<PrayerSlot> slots;  // the shown slots (shownSlots of the school), in order
    std::vector<ChartDay> days;     // in date order; days without a valid date are left out
    int length = 0;                 // days spanned: the last day's offset + 1
    std::vector<HijriMonthStart> hijriMonthStarts;
    std::optional<int> today;  // offset of today when it lies inside the chart
    std::string title;         // place with latitude and longitude, and the period
    std::string settings;      // method, school of law, twilight angles, high-latitude rule
    std::string ruleName;      // the rule as the report names it, "" for rule 0
};

// The chart of the month or the year of date, Gregorian, or Hijri when config.alertFlags
// says the date was entered as Hijri (the days the prayer schedule report lists for that
// period). A time counts as supplied by the rule where it is not the time computeDayTimes
// gives without a high-latitude rule: where that is a marker, and on the days a rule that
// replaces times ("always", "all prayers", the minutes rule) changed it.
//   today  the present local date at the place (integer day)
PrayerChart prayerChart(const CalendarDate& date, ChartPeriod period, const Location& location,
                        const Zone& zone, const Config& config, const CalendarDate& today);

}  // namespace kelmo
