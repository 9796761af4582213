#include "files/output/prayer_chart.h"

#include <cmath>

#include "base/angles.h"
#include "calendar/angle_format.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "files/reports/append_format.h"
#include "files/reports/prayer_report.h"
#include "files/reports/report_header.h"
#include "prayer/calculation_methods.h"
#include "prayer/day_prayers.h"
#include "prayer/high_latitude_rule.h"
#include "prayer/school_of_law.h"

namespace kelmo {

namespace {

constexpr long double kSecondsPerHour = 3600.0L;

// A time more than one day before or after its day is a gap, as the report prints it
// "NotValid".
ChartPoint chartPoint(const RowTime& time, const Event& event, const Event& withoutRule,
                      bool ruleApplies) {
    ChartPoint point;
    point.hours = static_cast<double>(time.seconds / kSecondsPerHour);
    point.valid = time.isTime() && point.hours >= -kHoursPerDay && point.hours < 2 * kHoursPerDay;
    point.fromRule = point.valid && ruleApplies && event != withoutRule;
    return point;
}

long dayNumber(const CalendarDate& date) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    return std::lround(julianDay(midnight) - 0.5);
}

std::string periodText(const CalendarDate& first, ChartPeriod period, bool hijri) {
    std::string text;
    if (hijri) {
        if (period == ChartPeriod::month) {
            appendFormat(text, "%s ", names::nameAt(names::kHijriMonths, first.hijriMonth - 1));
        }
        appendFormat(text, "%d AH", first.hijriYear);
    } else {
        if (period == ChartPeriod::month)
            appendFormat(text, "%s ", names::nameAt(names::kMonths, first.month - 1));
        appendFormat(text, "%d", first.year);
    }
    return text;
}

std::string zoneText(float zone) {
    const int minutes = static_cast<int>(std::lround(std::fabs(zone) * 60.0f));
    std::string text;
    appendFormat(text, "UTC%c%d", zone < 0 ? '-' : '+', minutes / 60);
    if (minutes % 60 != 0) appendFormat(text, ":%02d", minutes % 60);
    return text;
}

std::string titleText(const Location& location, const std::string& period) {
    std::string text;
    appendFormat(text, "Prayer times %s at %s (%s, %s, %s)", period.c_str(), location.name.c_str(),
                 formatLatLon(location.latitude, false, false).c_str(),
                 formatLatLon(location.longitude, true, false).c_str(),
                 zoneText(location.timeZone).c_str());
    return text;
}

std::string settingsText(const Config& config) {
    const double degrees = kDegToRad;
    std::string text;
    appendFormat(text, "Method %s; %s; Imsak %s, Fajr %s", methodOf(config).key,
                 names::nameAt(names::kFiqhs, config.fiqh),
                 formatAngle(config.imsakAngle * degrees, true).c_str(),
                 formatAngle(config.fajrAngle * degrees, true).c_str());
    if (usesIsha(config.fiqh)) {
        appendFormat(text, ", Isha %s", formatAngle(config.ishaAngle * degrees, true).c_str());
    }
    appendFormat(text, "; rule at high latitudes: %s",
                 highLatitudeRuleText(config, wordsOf(Language::english)).c_str());
    return text;
}

}  // namespace

PrayerChart prayerChart(const CalendarDate& date, ChartPeriod period, const Location& location,
                        const Zone& zone, const Config& config, const CalendarDate& today) {
    Config schedule = config;
    const int periodCode =
        static_cast<int>(period == ChartPeriod::month ? ReportPeriod::month : ReportPeriod::year);
    schedule.alertFlags =
        (config.alertFlags & ~alert::kPeriodMask) | (periodCode << alert::kPeriodShift);
    Config withoutRule = config;
    withoutRule.highLatitudeRule = kRuleNone;
    const bool ruleApplies = config.highLatitudeRule != kRuleNone;

    PrayerChart chart;
    chart.slots = shownSlots(config.fiqh);
    if (ruleApplies) chart.ruleName = highLatitudeRuleText(config, wordsOf(Language::english));
    chart.settings = settingsText(config);
    DayEventsMemo memo;
    long first = 0;
    for (const ScheduleMonth& month : prayerSchedule(date, location, zone, schedule)) {
        for (const ScheduleDay& day : month.days) {
            if (chart.days.empty()) first = dayNumber(day.date);
            const int offset = static_cast<int>(dayNumber(day.date) - first);
            if (!chart.days.empty() && offset <= chart.days.back().offset) continue;
            const DayPrayers plain =
                ruleApplies ? dayPrayers(day.date, location, zone, withoutRule, memo) : day.prayers;
            ChartDay& shown = chart.days.emplace_back();
            shown.date = day.date;
            shown.offset = offset;
            shown.summerTime = day.summerTime;
            for (PrayerSlot slot : chart.slots) {
                const auto i = static_cast<std::size_t>(slot);
                shown.points.push_back(
                    chartPoint(day.shown[i], day.prayers.slots[i], plain.slots[i], ruleApplies));
            }
            if (day.date.hijriValid == 1 && day.date.hijriDay == 1) {
                chart.hijriMonthStarts.push_back({offset, day.date.hijriYear, day.date.hijriMonth});
            }
        }
    }
    if (chart.days.empty()) return chart;
    chart.length = chart.days.back().offset + 1;
    const long todayOffset = dayNumber(today) - first;
    if (todayOffset >= 0 && todayOffset < chart.length) chart.today = static_cast<int>(todayOffset);
    chart.title =
        titleText(location, periodText(chart.days.front().date, period, isHijriReport(config)));
    return chart;
}

}  // namespace kelmo
