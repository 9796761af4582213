// kelmo-cli prayer: the prayer schedule report of a day, a month or a year (the text the
// desktop program shows), its days as JSON lines or CSV, or an iCalendar file.
#include <cstdio>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/report_date.h"
#include "app/cli/time_values.h"
#include "files/output/ics_calendar.h"
#include "files/reports/prayer_report.h"
#include "files/reports/report_header.h"
#include "files/reports/show_report.h"

namespace kelmo::cli {

namespace {

std::string hijriText(const CalendarDate& date, bool json) {
    if (date.hijriValid != 1) return json ? "null" : "";
    return json ? "\"" + isoHijriDate(date) + "\"" : isoHijriDate(date);
}

std::string jsonLines(const std::vector<ScheduleMonth>& months) {
    std::string out;
    for (const ScheduleMonth& month : months) {
        for (const ScheduleDay& day : month.days) {
            out += "{\"date\":\"" + isoDate(day.date) + "\",\"hijri\":" + hijriText(day.date, true);
            for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
                out += ",\"" + std::string(kSlotKeys[i]) + "\":" + secondsText(day.shown[i], true);
            }
            out += "}\n";
        }
    }
    return out;
}

std::string csvText(const std::vector<ScheduleMonth>& months) {
    std::string out = "date,hijri";
    for (const char* key : kSlotKeys) {
        out += ',';
        out += key;
    }
    out += "\n";
    for (const ScheduleMonth& month : months) {
        for (const ScheduleDay& day : month.days) {
            out += isoDate(day.date);
            out += ',';
            out += hijriText(day.date, false);
            for (const RowTime& t : day.shown) {
                out += ',';
                out += secondsText(t, false);
            }
            out += "\n";
        }
    }
    return out;
}

CliError writeIcs(const std::vector<ScheduleMonth>& months, const Resolved& r,
                  const platform::Clock& clock, const OutputOptions& output) {
    std::vector<IcsEvent> events;
    for (const ScheduleMonth& month : months) {
        for (const ScheduleDay& day : month.days) addPrayerEvents(day, *r.zone, r.config, events);
    }
    if (!fitsIcsYears(events)) return icsYearsError();
    return writeOutput(output, icsCalendar(events, r.location, r.location.name, clock.utcNow()));
}

// The report as the desktop program shows it: one day as its message box, else Kelmo.out.
std::string reportText(const Resolved& r) {
    std::string text;
    prayerScheduleReport(r.date, r.location, *r.zone, r.config, text);
    if (reportPeriod(r.config) == ReportPeriod::day) {
        text = dayReportText(text, kPrayerReportOutput, r.config);
    }
    return text;
}

int runPrayer(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    if (CliError e = resolveReportDate(options, r)) return report(e);
    const std::string& format = options.output.format;
    if (format == "text") return report(writeOutput(options.output, reportText(r)));
    const std::vector<ScheduleMonth> months = prayerSchedule(r.date, r.location, *r.zone, r.config);
    if (format == "json") return report(writeOutput(options.output, jsonLines(months)));
    if (format == "csv") return report(writeOutput(options.output, csvText(months)));
    return report(writeIcs(months, r, clock, options.output));
}

}  // namespace

void addPrayerCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.periods = true;
    shape.formats = {"text", "json", "csv", "ics"};
    CLI::App* command = addCommand(
        app, run, "prayer",
        "prayer schedule report of a day, month or year (Gregorian, or Hijri with --hijri-date)",
        shape, runPrayer);
    command->footer(
        "text: the report exactly as the desktop program shows it (a day: the message box, a "
        "month or year: Kelmo.out), UTF-8.\n"
        "json, csv: one record per day of the report: date, hijri (YYYY-MM-DD or null) and the "
        "nine times in seconds after the day's local midnight on the clock in force at each "
        "time (corrections applied, not rounded), or NotValid/AlwAbove/AlwBelow.\n"
        "ics: an iCalendar file with one event per shown time (Imsak, Fajr, Shuruq, Duhr, Asr, "
        "Maghrib, Isha as the fiqh shows them), rounded as in the report, in UTC (years 0 to "
        "9999).");
}

}  // namespace kelmo::cli
