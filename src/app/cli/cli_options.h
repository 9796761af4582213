// Options shared by the commands of kelmo-cli: the place, the settings overrides, the date
// and the output, and their resolution into the records the core computes with.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/zone.h"
#include "platform/clock.h"

namespace kelmo::cli {

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a computation or a file failed
inline constexpr int kExitUsage = 2;    // bad command line

struct PlaceOptions {
    std::optional<std::string> location;
    std::optional<double> latitudeDeg, longitudeDeg;
    std::optional<int> height;
    std::optional<double> timeZone;
    std::optional<int> dstStart, dstEnd;
    std::optional<std::string> zone;  // IANA time zone of the tz database
    std::optional<std::string> name;
};

struct SettingsOptions {
    std::optional<std::string> configFile;
    std::optional<int> fiqh, area, precision, rule, nMinutes, maghribDelay, correction;
    std::optional<int> hijriAdjust, maxError, temperature, pressure;
    std::optional<double> imsak, fajr, isha, visibility;
    std::optional<std::string> method;    // key of prayer/calculation_methods.h
    std::optional<std::string> calendar;  // "crescent", "umm-al-qura" or "tabular"
    std::optional<std::string> language;  // a code of base/language.h ("ar")
};

struct DateOptions {
    std::optional<std::string> date;       // YYYY-MM-DD
    std::optional<std::string> hijriDate;  // YYYY-MM-DD of the Islamic calendar
    std::string period = "day";
    int days = 1;
};

struct OutputOptions {
    std::string format = "text";
    std::optional<std::string> out;
};

struct CliOptions {
    PlaceOptions place;
    SettingsOptions settings;
    DateOptions date;
    OutputOptions output;
};

void addPlaceOptions(CLI::App& app, PlaceOptions& place);
void addSettingsOptions(CLI::App& app, SettingsOptions& settings);
// periods and days: whether --period and --days belong to the command.
void addDateOptions(CLI::App& app, DateOptions& date, bool periods, bool days);
void addOutputOptions(CLI::App& app, OutputOptions& output,
                      const std::vector<std::string>& formats);

// What a command computes with.
struct Resolved {
    Location location;
    Config config;
    CalendarDate date;         // the chosen civil date (integer day)
    std::optional<Zone> zone;  // the place's clock, set by resolve
};

// A failure while resolving: the exit status and the one-line message for stderr.
// The message of a date that has no Hijri date at the place (the date dialog's words).
inline constexpr const char* kNoHijriDateMessage = "Could not calculate valid Hijri date";

struct CliError {
    int status = kExitOk;
    std::string message;
    explicit operator bool() const { return status != kExitOk; }
};

// The usage error of calendar file output that falls outside the years the format holds.
CliError icsYearsError();

// Builds the location, settings and date of a command from its options. The date is
// --date, or the civil date of --hijri-date at the place (its Hijri fields set), or today at
// the place by clock.
CliError resolve(const CliOptions& options, const platform::Clock& clock, Resolved& resolved);

// Parses "YYYY-MM-DD" of decimal digits (the year may be negative); false on any other text
// and on numbers that do not fit an int.
bool parseIsoDate(const std::string& text, int& year, int& month, int& day);

// A place name given at the terminal (UTF-8, any script); a usage error names --location when
// it is no UTF-8 text, holds a control character or is longer than a stored name.
CliError terminalPlaceName(const std::string& utf8, std::string& name);

// Writes UTF-8 text to --out (through a temporary file, so a failure leaves the old file) or
// to standard output; a failed write is error 500 or 501.
CliError writeOutput(const OutputOptions& output, const std::string& utf8);

}  // namespace kelmo::cli
