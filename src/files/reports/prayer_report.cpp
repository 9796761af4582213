#include "files/reports/prayer_report.h"

#include "calendar/julian_day.h"
#include "calendar/utf8_text.h"
#include "files/reports/report_header.h"
#include "files/reports/report_words.h"
#include "files/reports/times_row.h"
#include "hijri/hijri_date.h"
#include "moon/lunation_memo.h"
#include "prayer/day_prayers.h"

namespace kelmo {

namespace {

constexpr int kHijriMonthDays = 30;      // rows at most in a Hijri month
constexpr double kRecomputeFrom = 29;    // Hijri day from which the Hijri date is recomputed
constexpr double kNextMonthBelow = 3;    // a recomputed Hijri day below this: next month began
constexpr double kSimpleStepBelow = 28;  // Gregorian days below this advance without rollover

// The computations of one run of days at one place and settings. With ScheduleMemory::shared
// the day tables and the lunations are kept for the whole run: consecutive days ask for the
// same tables (the high-latitude rules look at neighbouring days) and the same few new moons
// (the Hijri date is recomputed from its 29th day on). Same results either way.
class ScheduleRun {
  public:
    ScheduleRun(const Location& location, const Zone& zone, const Config& config,
                ScheduleMemory memory)
        : location(location),
          zone(zone),
          config(config),
          shared_(memory == ScheduleMemory::shared) {}

    DayPrayers dayTimes(const CalendarDate& date) {
        return shared_ ? dayPrayers(date, location, zone, config, days_)
                       : dayPrayers(date, location, zone, config);
    }
    int toHijri(CalendarDate& date) {
        return shared_ ? hijriFromDate(date, location, config, lunations_)
                       : hijriFromDate(date, location, config);
    }
    int fromHijri(CalendarDate& date) {
        return shared_ ? dateFromHijri(date, location, config, lunations_)
                       : dateFromHijri(date, location, config);
    }

    const Location& location;
    const Zone& zone;
    const Config& config;

  private:
    bool shared_;
    DayEventsMemo days_;
    LunationMemo lunations_;
};

ScheduleDay scheduleDay(const CalendarDate& date, ScheduleRun& run) {
    return scheduleDay(date, run.dayTimes(date), run.zone);
}

// The day numbers and the short weekday, each padded to its column.
void writeDayPrefix(const CalendarDate& date, const Config& config, std::string& text) {
    const Words& w = reportWords(config);
    const ReportLayout layout = reportLayout(w);
    const std::string day = std::to_string(static_cast<int>(date.day));
    if (date.hijriValid == 1) {
        appendPadded(text, day, layout.date);
        appendPadded(text, std::to_string(static_cast<int>(date.hijriDay)), layout.hijriDate);
    } else {
        appendPadded(text, day, layout.date + layout.hijriDate);
    }
    appendPadded(text, w.shortWeekday(weekday(julianDay(date))), layout.weekday);
}

// One day on in both calendars: the Gregorian date rolls over month ends through the Julian
// day; the Hijri day counts on and is recomputed from the 29th. Returns true when it was
// recomputed.
bool advanceOneDay(CalendarDate& date, ScheduleRun& run) {
    if (date.day < kSimpleStepBelow) {
        date.day += 1;
    } else {
        dateFromJulianDay(julianDay(date) + 1.0, date);
    }
    // The ten days dropped from October 1582 are no days: the Hijri count skips them too.
    if (!isValidDate(date, false)) return false;
    date.hijriDay += 1;
    if (date.hijriDay < kRecomputeFrom) return false;
    run.toHijri(date);
    return true;
}

// Starts the month of date: day 1 in the calendar it was entered in, the other calendar
// converted. Returns the number of days to list, 0 when the Hijri month has no civil date.
int startMonth(CalendarDate& date, bool hijri, ScheduleRun& run) {
    if (hijri) {
        date.hijriDay = 1;
        return run.fromHijri(date) == 1 ? kHijriMonthDays : 0;
    }
    date.day = 1;
    run.toHijri(date);
    return daysInMonth(date.year, date.month);
}

// The rows of one month. Returns true when a Hijri month ended early because the next
// Hijri month began (date then holds a day of that month).
bool collectMonthRows(CalendarDate& date, int days, bool hijri, ScheduleRun& run,
                      ScheduleMonth& month) {
    for (int j = 1; j <= days; ++j) {
        if (j > 1 && advanceOneDay(date, run) && hijri && date.hijriDay < kNextMonthBelow) {
            return true;
        }
        if (isValidDate(date, false)) month.days.push_back(scheduleDay(date, run));
    }
    return false;
}

}  // namespace

ScheduleDay scheduleDay(const CalendarDate& date, const DayPrayers& prayers, const Zone& zone) {
    ScheduleDay day;
    day.date = date;
    day.prayers = prayers;
    for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
        day.shown[i] = rowTime(prayers.slots[i], zone, date);
    }
    day.summerTime = zone.isSummerAt(zone.noonOf(date));
    return day;
}

std::vector<ScheduleMonth> prayerSchedule(const CalendarDate& date, const Location& location,
                                          const Zone& zone, const Config& config,
                                          ScheduleMemory memory) {
    ScheduleRun run(location, zone, config, memory);
    const ReportPeriod period = reportPeriod(config);
    if (period == ReportPeriod::day) {
        return {ScheduleMonth{date, {scheduleDay(date, run)}}};
    }
    const bool hijri = isHijriReport(config);
    CalendarDate current = date;
    if (period == ReportPeriod::year) {
        current.month = 1;
        current.hijriMonth = 1;
    }
    std::vector<ScheduleMonth> months;
    const int count = period == ReportPeriod::month ? 1 : kMonthsPerYear;
    for (int m = 0; m < count; ++m) {
        const int days = startMonth(current, hijri, run);
        if (days == 0) break;
        ScheduleMonth& month = months.emplace_back();
        month.first = current;
        const bool nextMonthBegun = collectMonthRows(current, days, hijri, run, month);
        // The year is the one of date: months never roll over into the next year.
        if (!hijri) {
            current.month += 1;
        } else if (!nextMonthBegun) {
            current.hijriMonth += 1;
        }
    }
    return months;
}

void prayerScheduleReport(const CalendarDate& date, const Location& location, const Zone& zone,
                          const Config& config, std::string& text, ScheduleMemory memory) {
    writeBanner(text);
    const std::vector<ScheduleMonth> months = prayerSchedule(date, location, zone, config, memory);
    if (reportPeriod(config) == ReportPeriod::day) {
        writeReportHeader(date, location, config, kPrayerHeader, text);
        writeTimesRow(config, kPrayerRow, months.front().days.front().shown, text);
        return;
    }
    for (const ScheduleMonth& month : months) {
        const CalendarDate* lastDay = month.days.empty() ? nullptr : &month.days.back().date;
        writeReportHeader(month.first, location, config, kPrayerHeader, text, lastDay);
        for (const ScheduleDay& day : month.days) {
            writeDayPrefix(day.date, config, text);
            writeTimesRow(config, kPrayerRow, day.shown, text);
        }
        if (reportPeriod(config) == ReportPeriod::month) return;
        text += "\n\n\n";
        text += separatorLine();
    }
}

}  // namespace kelmo
