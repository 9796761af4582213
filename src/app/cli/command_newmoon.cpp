// kelmo-cli newmoon: the next new moon after the date, the Moon at the first sunset on which
// it can be looked for, and the possible first day of the next Islamic month.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "app/cli/commands.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/utf8_text.h"
#include "files/reports/append_format.h"
#include "files/reports/report_words.h"
#include "hijri/hijri_date.h"
#include "moon/moon_data_at_sunset.h"
#include "moon/new_moon.h"

namespace kelmo::cli {

namespace {

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

// The new moon exists everywhere; the Moon at sunset needs an evening with a sunset and a
// later moonset at the place, which polar day or night (and some autumn evenings at high
// latitudes) do not have; the month start follows the Hijri calendar's latitude retreat.
struct NewMoonReport {
    NewMoonPair newMoon;  // Universal Time on the zone's clock
    std::optional<MoonSunsetData> sunset;
    std::optional<CalendarDate> monthStart;
    double zoneDays = 0.0;  // timeZone / 24
};

NewMoonReport newMoonReport(const Resolved& r) {
    NewMoonReport report;
    report.newMoon = inUniversalTime(nextNewMoon(r.date, r.location));
    report.zoneDays = r.location.timeZone / 24.0;
    MoonSunsetData data;
    if (moonDataAtSunset(r.date, r.location, r.config, data) == 1) report.sunset = data;
    if (crescentEvening(r.date, r.location, r.config, data) == 1) {
        CalendarDate start;
        dateFromJulianDay(data.monthStart, start);
        report.monthStart = start;
    }
    return report;
}

std::string jsonText(const NewMoonReport& r) {
    nlohmann::ordered_json j;
    j["geocentric_jd_ut"] = r.newMoon.geocentric - r.zoneDays;
    j["topocentric_jd_ut"] = r.newMoon.topocentric - r.zoneDays;
    const auto field = [&](const char* name, auto value) {
        j[name] = r.sunset ? nlohmann::ordered_json(value(*r.sunset)) : nlohmann::ordered_json();
    };
    field("sunset_jd_ut",
          [&](const MoonSunsetData& m) { return m.sunsetDay + m.sunset / kTwoPi - r.zoneDays; });
    field("moon_altitude_deg", [](const MoonSunsetData& m) { return m.moonAltitude * kRadToDeg; });
    field("sun_altitude_deg", [](const MoonSunsetData& m) { return m.sunAltitude * kRadToDeg; });
    field("elongation_geo_deg",
          [](const MoonSunsetData& m) { return m.geocentricElongation * kRadToDeg; });
    field("elongation_topo_deg",
          [](const MoonSunsetData& m) { return m.topocentricElongation * kRadToDeg; });
    field("illuminated_percent", [](const MoonSunsetData& m) { return m.illuminated * 100.0; });
    j["month_start"] =
        r.monthStart ? nlohmann::ordered_json(isoDate(*r.monthStart)) : nlohmann::ordered_json();
    return j.dump() + "\n";
}

// Appends a phrase of words and a line end.
template <typename... Values>
void appendLine(std::string& text, const Words& w, Phrase phrase, Values... values) {
    appendFormat(text, w.phrase(phrase), values...);
    text += '\n';
}

void appendSunsetLines(const MoonSunsetData& m, const std::string& zone, const Words& w,
                       std::string& text) {
    appendLine(text, w, Phrase::sunsetAndMoonset,
               localText(m.sunsetDay + m.sunset / kTwoPi).c_str(), zone.c_str(),
               (m.moonset - m.sunset) * kRadToHours * 60.0);
    appendLine(text, w, Phrase::moonAltitudes, m.moonAltitude * kRadToDeg,
               m.sunAltitude * kRadToDeg);
    appendLine(text, w, Phrase::elongations, m.geocentricElongation * kRadToDeg,
               m.topocentricElongation * kRadToDeg);
    appendLine(text, w, Phrase::moonAges, m.geocentricAge * 24.0, m.topocentricAge * 24.0);
    appendLine(text, w, Phrase::illuminated, m.illuminated * 100.0);
}

// The labels of the new moons and the sunset, padded to the widest and a blank.
struct Labels {
    std::string geocentric, topocentric, sunset;
};

Labels labels(const Words& w) {
    const std::array<const char*, 3> texts = {w.phrase(Phrase::geocentricNewMoonLabel),
                                              w.phrase(Phrase::topocentricNewMoonLabel),
                                              w.phrase(Phrase::sunsetLabel)};
    std::size_t width = 0;
    for (const char* t : texts) width = std::max(width, shownWidth(t) + 1);
    Labels l;
    appendPadded(l.geocentric, texts[0], width);
    appendPadded(l.topocentric, texts[1], width);
    appendPadded(l.sunset, texts[2], width);
    return l;
}

std::string plainText(const NewMoonReport& r, float timeZone, const Words& w) {
    char zone[32];
    std::snprintf(zone, sizeof zone, "UTC%+g", static_cast<double>(timeZone));
    const Labels l = labels(w);
    std::string text = l.geocentric + localText(r.newMoon.geocentric) + " (" + zone + ")\n" +
                       l.topocentric + localText(r.newMoon.topocentric) + " (" + zone + ")\n" +
                       l.sunset;
    if (r.sunset) {
        appendSunsetLines(*r.sunset, zone, w, text);
    } else {
        appendLine(text, w, Phrase::notAvailableBecause, w.phrase(Phrase::noSunset));
    }
    text += w.phrase(Phrase::monthStartLabel);
    text += ' ';
    text += r.monthStart ? isoDate(*r.monthStart) : std::string(w.phrase(Phrase::notAvailable));
    return text + "\n";
}

int runNewMoon(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    const NewMoonReport result = newMoonReport(r);
    const std::string text = options.output.format == "json"
                                 ? jsonText(result)
                                 : plainText(result, r.location.timeZone, reportWords(r.config));
    return report(writeOutput(options.output, text));
}

}  // namespace

void addNewMoonCommand(CLI::App& app, CommandRun& run) {
    addCommand(app, run, "newmoon",
               "the next new moon, the Moon at sunset and the possible start of the month",
               CommandShape{}, runNewMoon);
}

}  // namespace kelmo::cli
