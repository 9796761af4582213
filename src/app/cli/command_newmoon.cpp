// kelmo-cli newmoon: the next new moon after the date, the Moon at the first sunset on which
// it can be looked for, and the possible first day of the next Islamic month.
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "app/cli/commands.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "moon/moon_data_at_sunset.h"

namespace kelmo::cli {

namespace {

// The text moonDataAtSunset's report writes when there is no qualifying sunset.
constexpr const char* kNoSunsetMessage = "Could not calculate valid sunset/moonset times!";

std::string isoDate(const CalendarDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month,
                  static_cast<int>(date.day));
    return text;
}

// A local Julian day as "YYYY-MM-DD HH:MM:SS".
std::string localText(double jd) {
    CalendarDate d;
    dateFromJulianDay(jd + 0.5 / 86400.0, d);  // to the nearest second
    char text[48];
    std::snprintf(text, sizeof text, "%s %02d:%02d:%02d", isoDate(d).c_str(), d.hour, d.minute,
                  d.second);
    return text;
}

struct NewMoonReport {
    MoonSunsetData data;
    double zoneDays = 0.0;  // timeZone / 24
    CalendarDate monthStart;
};

std::string jsonText(const NewMoonReport& r) {
    const MoonSunsetData& m = r.data;
    nlohmann::ordered_json j;
    j["geocentric_jd_ut"] = m.geocentricNewMoon - r.zoneDays;
    j["topocentric_jd_ut"] = m.topocentricNewMoon - r.zoneDays;
    j["sunset_jd_ut"] = m.sunsetDay + m.sunset / kTwoPi - r.zoneDays;
    j["moon_altitude_deg"] = m.moonAltitude * kRadToDeg;
    j["sun_altitude_deg"] = m.sunAltitude * kRadToDeg;
    j["elongation_geo_deg"] = m.geocentricElongation * kRadToDeg;
    j["elongation_topo_deg"] = m.topocentricElongation * kRadToDeg;
    j["illuminated_percent"] = m.illuminated * 100.0;
    j["month_start"] = isoDate(r.monthStart);
    return j.dump() + "\n";
}

std::string plainText(const NewMoonReport& r, float timeZone) {
    const MoonSunsetData& m = r.data;
    char zone[32];
    std::snprintf(zone, sizeof zone, "UTC%+g", static_cast<double>(timeZone));
    char text[1024];
    std::snprintf(text, sizeof text,
                  "Geocentric new moon:  %s (%s)\n"
                  "Topocentric new moon: %s (%s)\n"
                  "Sunset:               %s (%s), moonset %+.0f minutes later\n"
                  "Moon altitude %.2f deg, Sun altitude %.2f deg (apparent, topocentric)\n"
                  "Elongation %.2f deg geocentric, %.2f deg topocentric\n"
                  "Moon age %.2f hours geocentric, %.2f hours topocentric\n"
                  "Illuminated %.2f%%\n"
                  "Possible start of the month: %s\n",
                  localText(m.geocentricNewMoon).c_str(), zone,
                  localText(m.topocentricNewMoon).c_str(), zone,
                  localText(m.sunsetDay + m.sunset / kTwoPi).c_str(), zone,
                  (m.moonset - m.sunset) * kRadToHours * 60.0, m.moonAltitude * kRadToDeg,
                  m.sunAltitude * kRadToDeg, m.geocentricElongation * kRadToDeg,
                  m.topocentricElongation * kRadToDeg, m.geocentricAge * 24.0,
                  m.topocentricAge * 24.0, m.illuminated * 100.0, isoDate(r.monthStart).c_str());
    return text;
}

int runNewMoon(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    NewMoonReport result;
    if (moonDataAtSunset(r.date, r.location, r.config, result.data) == 0) {
        return report({kExitFailure, kNoSunsetMessage});
    }
    result.zoneDays = r.location.timeZone / 24.0;
    dateFromJulianDay(result.data.monthStart, result.monthStart);
    const std::string text =
        options.output.format == "json" ? jsonText(result) : plainText(result, r.location.timeZone);
    return report(writeOutput(options.output, text));
}

}  // namespace

void addNewMoonCommand(CLI::App& app, CommandRun& run) {
    addCommand(app, run, "newmoon",
               "the next new moon, the Moon at sunset and the possible start of the month",
               CommandShape{}, runNewMoon);
}

}  // namespace kelmo::cli
