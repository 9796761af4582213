// kelmo-cli moon: the Moon information report of a day, a month or a year (the text the
// desktop program shows), or its days' moonrise, transit and moonset as JSON lines or CSV.
#include <cstdio>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/report_date.h"
#include "app/cli/time_values.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "files/reports/moon_report.h"
#include "files/reports/report_header.h"
#include "files/reports/show_report.h"

namespace kelmo::cli {

namespace {

constexpr std::array<const char*, 3> kKeys = {"moonrise", "moontransit", "moonset"};

// The days the report lists: the day itself, or every valid day of its months.
std::vector<CalendarDate> reportDays(const Resolved& r) {
    const std::vector<CalendarDate> months = moonReportMonths(r.date, r.location, r.config);
    if (reportPeriod(r.config) == ReportPeriod::day) return months;
    std::vector<CalendarDate> days;
    for (const CalendarDate& first : months) {
        CalendarDate d = first;
        for (int day = 1; day <= daysInMonth(first.year, first.month); ++day) {
            d.day = day;
            if (isValidDate(d, false)) days.push_back(d);
        }
    }
    return days;
}

std::string records(const Resolved& r, bool json) {
    std::string out;
    if (!json) out = "date,moonrise,moontransit,moonset\n";
    for (const CalendarDate& day : reportDays(r)) {
        const std::array<RowTime, 3> e = moonRowTimes(day, r.location, *r.zone, r.config);
        if (json) {
            out += "{\"date\":\"" + isoDate(day) + "\"";
            for (std::size_t i = 0; i < e.size(); ++i) {
                out += ",\"" + std::string(kKeys[i]) + "\":" + secondsText(e[i], true);
            }
            out += "}\n";
        } else {
            out += isoDate(day);
            for (const RowTime& t : e) {
                out += ',';
                out += secondsText(t, false);
            }
            out += "\n";
        }
    }
    return out;
}

std::string reportText(const Resolved& r) {
    std::string text;
    moonReport(r.date, r.location, *r.zone, r.config, text);
    if (reportPeriod(r.config) == ReportPeriod::day)
        text = dayReportText(text, kMoonReportOutput, r.config);
    return text;
}

int runMoon(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    if (CliError e = resolveReportDate(options, r)) return report(e);
    const std::string& format = options.output.format;
    const std::string out = format == "text" ? reportText(r) : records(r, format == "json");
    return report(writeOutput(options.output, out));
}

}  // namespace

void addMoonCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.periods = true;
    shape.formats = {"text", "json", "csv"};
    CLI::App* command = addCommand(
        app, run, "moon",
        "Moon information report of a day, month or year: moonrise, transit, moonset, the next "
        "new moon and the Moon at sunset",
        shape, runMoon);
    command->footer(
        "text: the report exactly as the desktop program shows it (a day: the message box, a "
        "month or year: Kelmo.out), UTF-8. With --hijri-date the Gregorian months from the one "
        "in which that Hijri month (Muharram for a year) begins.\n"
        "json, csv: one record per day: date, moonrise, moontransit, moonset in seconds after "
        "local midnight (summer time included; below 0 or from 86400 on another day), or "
        "NotValid/AlwAbove/AlwBelow.");
}

}  // namespace kelmo::cli
