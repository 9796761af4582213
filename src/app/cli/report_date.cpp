#include "app/cli/report_date.h"

#include <cstdio>

#include "calendar/julian_day.h"
#include "hijri/hijri_date.h"

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
    c.alertFlags |= alert::kHijriDate;  // resolve() has converted the Hijri date
    return {};
}

}  // namespace kelmo::cli
