#include "app/cli/cli_options.h"

#include <cstdio>
#include <fstream>
#include <iostream>

#include "app/cli/settings_source.h"
#include "base/angles.h"
#include "calendar/hijri.h"
#include "calendar/julian_day.h"
#include "calendar/local_time.h"

namespace kelmo::cli {

void addPlaceOptions(CLI::App& app, PlaceOptions& p) {
    auto* group = app.add_option_group("place");
    auto* location = group->add_option("--location", p.location,
                                       "location of Kelmo.cfg by name (any letter case)");
    auto* lat = group->add_option("--lat", p.latitudeDeg, "latitude, degrees, north positive")
                    ->check(CLI::Range(-90.0, 90.0));
    auto* lon = group->add_option("--lon", p.longitudeDeg, "longitude, degrees, east positive")
                    ->check(CLI::Range(-180.0, 180.0));
    lat->needs(lon);
    lon->needs(lat);
    location->excludes(lat)->excludes(lon);
    group->add_option("--height", p.height, "metres above sea level")
        ->check(CLI::Range(-999, 9999));
    group->add_option("--tz", p.timeZone, "time zone, hours east of Greenwich")
        ->check(CLI::Range(-24.0, 24.0));
    auto* start = group->add_option("--dst-start", p.dstStart, "summer-time start rule code")
                      ->check(CLI::Range(0, 12 * 256 + 66));
    auto* end = group->add_option("--dst-end", p.dstEnd, "summer-time end rule code")
                    ->check(CLI::Range(0, 12 * 256 + 66));
    start->needs(end);
    end->needs(start);
    group->add_option("--name", p.name, "name of the place in the output");
}

void addSettingsOptions(CLI::App& app, SettingsOptions& s) {
    auto* g = app.add_option_group("settings");
    g->add_option("--config", s.configFile,
                  "configuration file (default: Kelmo.cfg beside the program)");
    g->add_option("--fiqh", s.fiqh, "0 Jafari, 1 Shafi'i, 2 Hanafi, 3 Maliki, 4 Hanbali")
        ->check(CLI::Range(0, 4));
    g->add_option("--imsak", s.imsak, "Sun's altitude for Imsak, degrees")
        ->check(CLI::Range(-30.0, 0.0));
    g->add_option("--fajr", s.fajr, "Sun's altitude for Fajr, degrees")
        ->check(CLI::Range(-30.0, 0.0));
    g->add_option("--isha", s.isha, "Sun's altitude for Isha, degrees")
        ->check(CLI::Range(-30.0, 0.0));
    g->add_option("--area", s.area, "radius of the area, km")->check(CLI::Range(0, 100));
    g->add_option("--precision", s.precision, "0 seconds, 1 minutes")->check(CLI::Range(0, 1));
    g->add_option("--rule", s.rule, "high-latitude rule 0..9")->check(CLI::Range(0, 9));
    g->add_option("--nminutes", s.nMinutes, "minutes of high-latitude rule 9")
        ->check(CLI::Range(0, 120));
    g->add_option("--maghrib-delay", s.maghribDelay, "minutes added to Maghrib")
        ->check(CLI::Range(0, 30));
    g->add_option("--correction", s.correction, "seconds added to every prayer time")
        ->check(CLI::Range(0, 600));
    g->add_option("--hijri-adjust", s.hijriAdjust, "days added to the Hijri date")
        ->check(CLI::Range(-3, 3));
    g->add_option("--visibility", s.visibility, "Moon visibility limit, degrees")
        ->check(CLI::Range(0.0, 90.0));
    g->add_option("--max-error", s.maxError, "tolerance of the rise/set iteration, seconds")
        ->check(CLI::Range(1, 255));
    g->add_option("--temperature", s.temperature, "air temperature, Celsius")
        ->check(CLI::Range(-90, 60));
    g->add_option("--pressure", s.pressure, "air pressure, millibar (0: from the height)")
        ->check(CLI::Range(0, 1100));
}

void addDateOptions(CLI::App& app, DateOptions& d, bool periods, bool days) {
    auto* date = app.add_option("--date", d.date, "civil date YYYY-MM-DD (default: today)");
    auto* hijri = app.add_option("--hijri-date", d.hijriDate, "Islamic date YYYY-MM-DD");
    date->excludes(hijri);
    if (periods) {
        app.add_option("--period", d.period, "day, month or year")
            ->check(CLI::IsMember({"day", "month", "year"}));
    }
    if (days) app.add_option("--days", d.days, "number of days")->check(CLI::Range(1, 36600));
}

void addOutputOptions(CLI::App& app, OutputOptions& o, const std::vector<std::string>& formats) {
    app.add_option("--format", o.format, "output format")->check(CLI::IsMember(formats));
    app.add_option("--out", o.out, "write the output to this file");
}

bool parseIsoDate(const std::string& text, int& year, int& month, int& day) {
    char tail = 0;
    return std::sscanf(text.c_str(), "%d-%d-%d%c", &year, &month, &day, &tail) == 3 && month >= 1 &&
           month <= 12;
}

namespace {

void applyPlace(const PlaceOptions& p, Location& location) {
    if (p.latitudeDeg) {
        location = Location{};
        location.name = "Custom";
        location.latitude = *p.latitudeDeg * kDegToRad;
        location.longitude = *p.longitudeDeg * kDegToRad;
    }
    if (p.height) location.height = *p.height;
    if (p.timeZone) location.timeZone = static_cast<float>(*p.timeZone);
    if (p.dstStart) {
        location.dstStart = *p.dstStart;
        location.dstEnd = *p.dstEnd;
    }
    if (p.name) location.name = *p.name;
}

template <typename Field, typename Value>
void override(Field& field, const std::optional<Value>& value) {
    if (value) field = static_cast<Field>(*value);
}

void applySettings(const SettingsOptions& s, Config& c) {
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
}

// The civil date of --hijri-date at the place, with its Hijri fields set.
CliError resolveHijriDate(const std::string& text, Resolved& r) {
    CalendarDate date;
    int day = 0;
    if (!parseIsoDate(text, date.hijriYear, date.hijriMonth, day)) {
        return {kExitUsage, "--hijri-date: expected YYYY-MM-DD, got \"" + text + "\""};
    }
    date.hijriDay = day;
    if (!isValidDate(date, true)) return {kExitUsage, "--hijri-date: no such day: " + text};
    date.hijriValid = 1;
    if (dateFromHijri(date, r.location, r.config) != 1) {
        return {kExitFailure, kNoHijriDateMessage};
    }
    date.day = static_cast<int>(date.day);
    r.date = date;
    return {};
}

CliError resolveDate(const DateOptions& d, const platform::Clock& clock, Resolved& r) {
    if (d.hijriDate) return resolveHijriDate(*d.hijriDate, r);
    if (!d.date) {
        r.date = currentLocalTime(r.location, clock.utcNow()).date;
        return {};
    }
    CalendarDate date;
    int day = 0;
    if (!parseIsoDate(*d.date, date.year, date.month, day)) {
        return {kExitUsage, "--date: expected YYYY-MM-DD, got \"" + *d.date + "\""};
    }
    date.day = day;
    if (!isValidDate(date, false)) return {kExitUsage, "--date: no such day: " + *d.date};
    r.date = date;
    return {};
}

}  // namespace

CliError resolve(const CliOptions& options, const platform::Clock& clock, Resolved& resolved) {
    if (CliError e = loadSettings(options, resolved)) return e;
    applyPlace(options.place, resolved.location);
    applySettings(options.settings, resolved.config);
    if (resolved.config.imsakAngle > resolved.config.fajrAngle) {
        return {kExitUsage, "the Imsak angle must not be higher than the Fajr angle"};
    }
    return resolveDate(options.date, clock, resolved);
}

CliError writeOutput(const OutputOptions& output, const std::string& utf8) {
    if (!output.out) {
        std::cout << utf8;
        return {};
    }
    std::ofstream file(*output.out, std::ios::binary | std::ios::trunc);
    if (!file || !(file << utf8) || !file.flush()) {
        return {kExitFailure, "could not write " + *output.out};
    }
    return {};
}

}  // namespace kelmo::cli
