// kelmo-cli hijri: the Hijri date of a civil date at the place (crescent visibility), or the
// civil date of a Hijri date given with --hijri-date.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "app/cli/commands.h"
#include "calendar/hijri.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"

namespace kelmo::cli {

namespace {

// The messages of the date dialog for a date that could not be converted.
constexpr const char* kPreHijri = "The chosen date is pre Hijri date";
constexpr const char* kNoHijriDate = "Could not calculate valid Hijri date";

std::string isoCivil(const CalendarDate& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, static_cast<int>(d.day));
    return text;
}

std::string isoHijri(const CalendarDate& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.hijriYear, d.hijriMonth,
                  static_cast<int>(d.hijriDay));
    return text;
}

std::string plainText(const CalendarDate& d) {
    char text[160];
    std::snprintf(text, sizeof text, "%d %s %d = %d %s %d AH\n", static_cast<int>(d.day),
                  names::kMonths[d.month - 1], d.year, static_cast<int>(d.hijriDay),
                  names::kHijriMonths[d.hijriMonth - 1], d.hijriYear);
    return text;
}

// Fills the civil fields of date from its Hijri fields (parsed from --hijri-date).
CliError civilFromHijri(const std::string& iso, const Resolved& r, CalendarDate& date) {
    int day = 0;
    if (!parseIsoDate(iso, date.hijriYear, date.hijriMonth, day)) {
        return {kExitUsage, "--hijri-date: expected YYYY-MM-DD, got \"" + iso + "\""};
    }
    date.hijriDay = day;
    if (!isValidDate(date, true)) return {kExitUsage, "--hijri-date: no such day: " + iso};
    if (dateFromHijri(date, r.location, r.config) == 0) return {kExitFailure, kNoHijriDate};
    date.day = static_cast<int>(date.day);
    return {};
}

CliError hijriOfCivil(const Resolved& r, CalendarDate& date) {
    date = r.date;
    if (hijriFromDate(date, r.location, r.config) == 1) return {};
    const bool preHijri = kHijriEpoch + r.config.hijriAdjust > julianDay(date);
    return {kExitFailure, preHijri ? kPreHijri : kNoHijriDate};
}

int runHijri(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    CalendarDate date;
    if (options.date.hijriDate) {
        if (CliError e = civilFromHijri(*options.date.hijriDate, r, date)) return report(e);
    } else if (CliError e = hijriOfCivil(r, date)) {
        return report(e);
    }
    std::string text;
    if (options.output.format == "json") {
        nlohmann::ordered_json j;
        j["civil"] = isoCivil(date);
        j["hijri"] = isoHijri(date);
        text = j.dump() + "\n";
    } else {
        text = plainText(date);
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
