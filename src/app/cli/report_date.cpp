#include "app/cli/report_date.h"

#include <cstdio>

#include "calendar/hijri.h"
#include "calendar/julian_day.h"

namespace kelmo::cli {

namespace {

int periodBits(const std::string& period) {
    const int value = period == "year" ? 2 : (period == "month" ? 1 : 0);
    return value << alert::kPeriodShift;
}

std::string iso(int year, int month, int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

}  // namespace

std::string isoDate(const CalendarDate& date) {
    return iso(date.year, date.month, static_cast<int>(date.day));
}

std::string isoHijriDate(const CalendarDate& date) {
    return iso(date.hijriYear, date.hijriMonth, static_cast<int>(date.hijriDay));
}

CliError resolveReportDate(const CliOptions& options, Resolved& r) {
    Config& c = r.config;
    c.alertFlags &= ~(alert::kPeriodMask | alert::kHijriDate);
    c.alertFlags |= periodBits(options.date.period);
    if (!options.date.hijriDate) {
        hijriFromDate(r.date, r.location, c);
        return {};
    }
    const std::string& text = *options.date.hijriDate;
    CalendarDate date;
    int day = 0;
    if (!parseIsoDate(text, date.hijriYear, date.hijriMonth, day)) {
        return {kExitUsage, "--hijri-date: expected YYYY-MM-DD, got \"" + text + "\""};
    }
    date.hijriDay = day;
    if (!isValidDate(date, true)) return {kExitUsage, "--hijri-date: no such day: " + text};
    date.hijriValid = 1;
    if (dateFromHijri(date, r.location, c) != 1) {
        return {kExitFailure, "could not calculate the civil date of " + text};
    }
    date.day = static_cast<int>(date.day);
    c.alertFlags |= alert::kHijriDate;
    r.date = date;
    return {};
}

}  // namespace kelmo::cli
