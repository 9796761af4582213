#include "app/cli/cli_options.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <limits>
#include <string_view>

#include "app/cli/decimal_option.h"
#include "app/cli/settings_source.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/local_time.h"
#include "calendar/names.h"
#include "calendar/place_zone.h"
#include "calendar/summer_time.h"
#include "calendar/time_zone_database.h"
#include "calendar/utf8_text.h"
#include "calendar/zone_rules.h"
#include "files/error_messages.h"
#include "files/reports/show_report.h"
#include "files/settings/field_scanner.h"
#include "hijri/hijri_date.h"
#include "prayer/calculation_methods.h"

namespace kelmo::cli {

void addPlaceOptions(CLI::App& app, PlaceOptions& p) {
    auto* group = app.add_option_group("place");
    auto* location = group->add_option("--location", p.location,
                                       "location of Kelmo.cfg by name (any letter case)");
    auto* lat = group->add_option("--lat", p.latitudeDeg, "latitude, degrees, north positive")
                    ->transform(decimalIn(limits::kLatitudeDegrees));
    auto* lon = group->add_option("--lon", p.longitudeDeg, "longitude, degrees, east positive")
                    ->transform(decimalIn(limits::kLongitudeDegrees));
    lat->needs(lon);
    lon->needs(lat);
    location->excludes(lat)->excludes(lon);
    group->add_option("--height", p.height, "metres above sea level")
        ->transform(integerIn(limits::kHeightMetres));
    group->add_option("--tz", p.timeZone, "time zone, hours east of Greenwich")
        ->transform(decimalIn(limits::kZoneHours));
    auto* start = group->add_option("--dst-start", p.dstStart, "summer-time start rule code")
                      ->transform(integerIn(0, ruleCode(kMonthsPerYear, kLastDayCode)));
    auto* end = group->add_option("--dst-end", p.dstEnd, "summer-time end rule code")
                    ->transform(integerIn(0, ruleCode(kMonthsPerYear, kLastDayCode)));
    start->needs(end);
    end->needs(start);
    group
        ->add_option("--zone", p.zone,
                     "IANA time zone (\"Europe/London\"): the clock of each date from the "
                     "system's tz database; with --tz or instead of it")
        ->check([](const std::string& zone) {
            // A zone whose file is damaged is a failure of the run, said when it is resolved.
            const ZoneError error = findZone(zone).error;
            return error == ZoneError::badName || error == ZoneError::unknown
                       ? "no such time zone: " + zone
                       : std::string();
        });
    group->add_option("--name", p.name, "name of the place in the output");
}

namespace {

// The help of --lang: the codes and what they choose.
std::string languageHelp() {
    std::string codes;
    for (const LanguageFacts& facts : kLanguages) {
        codes += codes.empty() ? "" : ", ";
        codes += facts.code;
    }
    return "language of the texts: " + codes +
           " (default: the language chosen in Kelmo.cfg, else English; never the locale's)";
}

}  // namespace

void addSettingsOptions(CLI::App& app, SettingsOptions& s) {
    auto* g = app.add_option_group("settings");
    g->add_option("--config", s.configFile,
                  "configuration file (default: Kelmo.cfg beside the program)");
    g->add_option("--fiqh", s.fiqh, "0 Jafari, 1 Shafi'i, 2 Hanafi, 3 Maliki, 4 Hanbali")
        ->transform(integerIn(limits::kFiqh));
    g->add_option("--imsak", s.imsak, "Sun's altitude for Imsak, degrees")
        ->transform(decimalIn(limits::kTwilightAngle));
    g->add_option("--fajr", s.fajr, "Sun's altitude for Fajr, degrees")
        ->transform(decimalIn(limits::kTwilightAngle));
    g->add_option("--isha", s.isha, "Sun's altitude for Isha, degrees")
        ->transform(decimalIn(limits::kTwilightAngle));
    g->add_option("--area", s.area, "radius of the area, km")
        ->transform(integerIn(limits::kAreaRadiusKm));
    g->add_option("--precision", s.precision, "0 seconds, 1 minutes")
        ->transform(integerIn(limits::kPrecision));
    g->add_option("--rule", s.rule, "high-latitude rule 0..9")
        ->transform(integerIn(limits::kHighLatitudeRule));
    g->add_option("--nminutes", s.nMinutes, "minutes of high-latitude rule 9")
        ->transform(integerIn(limits::kNMinutes));
    g->add_option("--maghrib-delay", s.maghribDelay, "minutes added to Maghrib")
        ->transform(integerIn(limits::kMaghribDelayMinutes));
    g->add_option("--correction", s.correction, "seconds added to every prayer time")
        ->transform(integerIn(limits::kCorrectionSeconds));
    g->add_option("--hijri-adjust", s.hijriAdjust, "days added to the Hijri date")
        ->transform(integerIn(limits::kHijriAdjustDays));
    g->add_option("--visibility", s.visibility, "Moon visibility limit, degrees")
        ->transform(decimalIn(limits::kMoonVisibilityDegrees));
    g->add_option("--max-error", s.maxError, "tolerance of the rise/set iteration, seconds")
        ->transform(integerIn(limits::kMaxErrorSeconds));
    g->add_option("--temperature", s.temperature, "air temperature, Celsius")
        ->transform(integerIn(limits::kTemperatureCelsius));
    g->add_option("--pressure", s.pressure, "air pressure, millibar (0: from the height)")
        ->transform(integerIn(limits::kPressureMillibar));
    g->add_option("--method", s.method,
                  "calculation method by name (\"kelmo-cli methods\" lists them); --fajr, "
                  "--isha, --imsak or --fiqh that change its figures make it Custom")
        ->check([](const std::string& word) {
            return findMethod(word) ? std::string()
                                    : "no such method: " + word + " (see \"kelmo-cli methods\")";
        });
    g->add_option("--calendar", s.calendar,
                  "Hijri calendar: crescent (at the place), "
                  "umm-al-qura (1300 to 1600 AH) or tabular")
        ->check(CLI::IsMember(std::vector<std::string>(names::kHijriCalendarKeys.begin(),
                                                       names::kHijriCalendarKeys.end())));
    g->add_option("--lang", s.language, languageHelp())->check([](const std::string& code) {
        return languageOfCode(code) ? std::string() : "no such language: " + code;
    });
}

void addDateOptions(CLI::App& app, DateOptions& d, bool periods, bool days) {
    auto* date = app.add_option("--date", d.date, "civil date YYYY-MM-DD (default: today)");
    auto* hijri = app.add_option("--hijri-date", d.hijriDate, "Islamic date YYYY-MM-DD");
    date->excludes(hijri);
    if (periods) {
        app.add_option("--period", d.period, "day, month or year")
            ->check(CLI::IsMember({"day", "month", "year"}));
    }
    if (days) app.add_option("--days", d.days, "number of days")->transform(integerIn(1, 36600));
}

void addOutputOptions(CLI::App& app, OutputOptions& o, const std::vector<std::string>& formats) {
    app.add_option("--format", o.format, "output format")->check(CLI::IsMember(formats));
    app.add_option("--out", o.out, "write the output to this file");
}

namespace {

// Reads the digits of text from position (a leading "-" only where sign is true) up to stop or
// the end; false when they are not all digits. A number beyond an int is read as the int
// nearest to it, so that the range checks name it.
bool readDateField(std::string_view text, std::size_t& position, char stop, bool sign, int& value) {
    if (position >= text.size()) return false;  // the text ended before this field
    const std::size_t end = std::min(text.find(stop, position + (sign ? 1 : 0)), text.size());
    const std::string_view field = text.substr(position, end - position);
    const std::size_t digitsFrom = sign && !field.empty() && field[0] == '-' ? 1 : 0;
    if (field.size() == digitsFrom) return false;
    for (std::size_t i = digitsFrom; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9') return false;
    }
    const auto [last, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error == std::errc::result_out_of_range) {
        value = digitsFrom == 1 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    position = end + 1;
    return last == field.data() + field.size();
}

}  // namespace

bool parseIsoDate(const std::string& text, int& year, int& month, int& day) {
    std::size_t position = 0;
    return readDateField(text, position, '-', true, year) &&
           readDateField(text, position, '-', false, month) &&
           readDateField(text, position, '\0', false, day) && position == text.size() + 1 &&
           month >= 1 && month <= 12;
}

namespace {

// A name given at the terminal: UTF-8 in any script, of at most Location::kNameLength
// characters.
CliError placeName(const std::string& option, const std::string& utf8, std::string& name) {
    if (!isWellFormedUtf8(utf8)) return {kExitUsage, option + ": a name must be UTF-8 text"};
    if (holdsControl(utf8)) {
        return {kExitUsage, option +
                                ": a name must not hold a control character (such as CR "
                                "or ESC)"};
    }
    if (characterCount(utf8) > Location::kNameLength) {
        return {kExitUsage, option + ": at most " + std::to_string(Location::kNameLength) +
                                " characters: \"" + utf8 + "\""};
    }
    name = utf8;
    return {};
}

// year: the present year, whose law of a --zone gives the zone time when --tz is not given.
CliError applyPlace(const PlaceOptions& p, int year, Location& location) {
    if (p.latitudeDeg) {
        location = Location{};
        location.name = "Custom";
        location.latitude = *p.latitudeDeg * kDegToRad;
        location.longitude = *p.longitudeDeg * kDegToRad;
    }
    if (p.height) location.height = *p.height;
    if (p.zone) {
        location.zone = *p.zone;
        applyZoneLaw(fixedRulesOfZone(*p.zone, year), location);
    }
    if (p.timeZone) location.timeZone = static_cast<float>(*p.timeZone);
    if (p.dstStart) {
        location.dstStart = *p.dstStart;
        location.dstEnd = *p.dstEnd;
    }
    if (p.name) return placeName("--name", *p.name, location.name);
    return {};
}

template <typename Field, typename Value>
void override(Field& field, const std::optional<Value>& value) {
    if (value) field = static_cast<Field>(*value);
}

// The calendar whose word is key (checked by the option).
HijriCalendar calendarOf(const std::string& key) {
    for (std::size_t i = 0; i < names::kHijriCalendarKeys.size(); ++i) {
        if (key == names::kHijriCalendarKeys[i]) return static_cast<HijriCalendar>(i);
    }
    return HijriCalendar::crescent;
}

void applySettings(const SettingsOptions& s, Config& c) {
    if (s.language) c.language = languageOfCode(*s.language);
    if (s.method) applyMethod(findMethod(*s.method).value_or(kCustomMethod), c);
    if (s.calendar) c.hijriCalendar = calendarOf(*s.calendar);
    override(c.fiqh, s.fiqh);
    override(c.imsakAngle, s.imsak);
    override(c.fajrAngle, s.fajr);
    override(c.ishaAngle, s.isha);
    override(c.areaRadius, s.area);
    override(c.precision, s.precision);
    override(c.highLatitudeRule, s.rule);
    override(c.nMinutes, s.nMinutes);
    override(c.maghribDelay, s.maghribDelay);
    override(c.correctionSeconds, s.correction);
    override(c.hijriAdjust, s.hijriAdjust);
    override(c.moonVisibilityLimit, s.visibility);
    override(c.maxAcceptableError, s.maxError);
    override(c.temperature, s.temperature);
    override(c.pressure, s.pressure);
    // The method's Imsak (minutes before Fajr) stood at its Fajr angle: it follows a new one.
    if (s.fajr && !s.imsak && methodOf(c).imsakMinutes != 0) c.imsakAngle = c.fajrAngle;
    if (!figuresMatchMethod(c)) c.method = kCustomMethod;
}

std::string yearRange(bool hijri) {
    return hijri ? std::to_string(kFirstHijriYear) + " and " + std::to_string(kLastHijriYear)
                 : std::to_string(kFirstCivilYear) + " and " + std::to_string(kLastCivilYear);
}

// The civil date of --hijri-date at the place, with its Hijri fields set.
CliError resolveHijriDate(const std::string& text, Resolved& r) {
    CalendarDate date;
    int day = 0;
    if (!parseIsoDate(text, date.hijriYear, date.hijriMonth, day)) {
        return {kExitUsage, "--hijri-date: expected YYYY-MM-DD, got \"" + text + "\""};
    }
    if (date.hijriYear < kFirstHijriYear || date.hijriYear > kLastHijriYear) {
        return {kExitUsage,
                "--hijri-date: the year must lie between " + yearRange(true) + ": " + text};
    }
    date.hijriDay = day;
    if (!isValidDate(date, true)) return {kExitUsage, "--hijri-date: no such day: " + text};
    date.hijriValid = 1;
    const int converted = dateFromHijri(date, r.location, r.config);
    if (converted == kHijriDayBeyondMonth) {
        return {kExitUsage,
                "--hijri-date: no such day: " + text + " (that month has 29 days here)"};
    }
    if (converted == kHijriOutsideCalendar) return {kExitFailure, errorText(kErrorOutsideCalendar)};
    if (converted != 1) return {kExitFailure, kNoHijriDateMessage};
    date.day = static_cast<int>(date.day);
    r.date = date;
    return {};
}

CliError resolveDate(const DateOptions& d, const platform::Clock& clock, Resolved& r) {
    if (d.hijriDate) return resolveHijriDate(*d.hijriDate, r);
    if (!d.date) {
        r.date = currentLocalTime(*r.zone, clock.now()).date;
        return {};
    }
    CalendarDate date;
    int day = 0;
    if (!parseIsoDate(*d.date, date.year, date.month, day)) {
        return {kExitUsage, "--date: expected YYYY-MM-DD, got \"" + *d.date + "\""};
    }
    if (date.year < kFirstCivilYear || date.year > kLastCivilYear) {
        return {kExitUsage,
                "--date: the year must lie between " + yearRange(false) + ": " + *d.date};
    }
    date.day = day;
    if (!isValidDate(date, false)) return {kExitUsage, "--date: no such day: " + *d.date};
    r.date = date;
    return {};
}

// A run of days must not leave the accepted years (nor, from the civil date of a late Hijri
// date, the year it starts in).
CliError checkLastDay(const DateOptions& d, const CalendarDate& first) {
    if (daysLater(first, d.days - 1).year <= std::max(kLastCivilYear, first.year)) return {};
    return {kExitUsage,
            "--days: the last day must lie before the end of " + std::to_string(kLastCivilYear)};
}

}  // namespace

CliError resolve(const CliOptions& options, const platform::Clock& clock, Resolved& resolved) {
    if (CliError e = loadSettings(options, resolved)) return e;
    if (CliError e = applyPlace(options.place, clock.utcNow().year, resolved.location)) return e;
    applySettings(options.settings, resolved.config);
    if (resolved.config.imsakAngle > resolved.config.fajrAngle) {
        return {kExitUsage, "the Imsak angle must not be higher than the Fajr angle"};
    }
    const ZoneLookup zone = zoneOfPlace(resolved.location);
    if (!zone.zone) return {kExitFailure, zoneErrorText(resolved.location.zone, zone.error)};
    resolved.zone = zone.zone;
    if (CliError e = resolveDate(options.date, clock, resolved)) return e;
    return checkLastDay(options.date, resolved.date);
}

CliError icsYearsError() {
    return {kExitUsage, "ics: a calendar file holds the years 0 to 9999 only"};
}

CliError terminalPlaceName(const std::string& utf8, std::string& name) {
    return placeName("--location", utf8, name);
}

CliError writeOutput(const OutputOptions& output, const std::string& utf8) {
    if (output.out) {
        if (const int code = writeReportFile(*output.out, utf8)) return tableError(code);
        return {};
    }
    std::cout << utf8 << std::flush;
    if (!std::cout) return tableError(kErrorWriteOutput);
    return {};
}

}  // namespace kelmo::cli
