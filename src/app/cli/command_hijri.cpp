// kelmo-cli hijri: the Hijri date of a civil date (by the chosen calendar; the crescent one at
// the place), or the
// civil date of a Hijri date given with --hijri-date.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/report_date.h"
#include "calendar/julian_day.h"
#include "files/error_messages.h"
#include "files/reports/append_format.h"
#include "files/reports/report_words.h"
#include "hijri/hijri_date.h"

namespace kelmo::cli {

namespace {

// The messages of the date dialog for a date that could not be converted.
constexpr const char* kPreHijri = "The chosen date is pre Hijri date";

std::string plainText(const CalendarDate& d, const Words& w) {
    std::string text;
    appendFormat(text, "%d %s %d = ", static_cast<int>(d.day), w.month(d.month), d.year);
    appendFormat(text, w.phrase(Phrase::hijriDate), static_cast<int>(d.hijriDay),
                 w.hijriMonth(d.hijriMonth), d.hijriYear);
    return text + "\n";
}

CliError hijriOfCivil(const Resolved& r, CalendarDate& date) {
    date = r.date;
    const int converted = hijriFromDate(date, r.location, r.config);
    if (converted == 1) return {};
    if (converted == kHijriOutsideCalendar) return {kExitFailure, errorText(kErrorOutsideCalendar)};
    const bool preHijri = kHijriEpoch + r.config.hijriAdjust > julianDay(date);
    return {kExitFailure, preHijri ? kPreHijri : kNoHijriDateMessage};
}

int runHijri(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    CalendarDate date = r.date;  // with --hijri-date resolve() gave both calendars
    if (!options.date.hijriDate) {
        if (CliError e = hijriOfCivil(r, date)) return report(e);
    }
    std::string text;
    if (options.output.format == "json") {
        nlohmann::ordered_json j;
        j["civil"] = isoDate(date);
        j["hijri"] = isoHijriDate(date);
        text = j.dump() + "\n";
    } else {
        text = plainText(date, reportWords(r.config));
    }
    return report(writeOutput(options.output, text));
}

}  // namespace

void addHijriCommand(CLI::App& app, CommandRun& run) {
    addCommand(app, run, "hijri",
               "the Hijri date of a civil date, or the civil date of a Hijri one", CommandShape{},
               runHijri);
}

}  // namespace kelmo::cli
