// kelmo-cli times: the nine prayer times of one or more days as a table, JSON lines or CSV.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/report_date.h"
#include "app/cli/time_values.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/time_format.h"
#include "files/output/ics_calendar.h"
#include "files/reports/method_text.h"
#include "files/reports/prayer_report.h"
#include "platform/encoding.h"
#include "prayer/day_prayers.h"
#include "prayer/school_of_law.h"

namespace kelmo::cli {

namespace {

std::string jsonLine(const ScheduleDay& day) {
    std::string line = "{\"date\":\"" + isoDate(day.date) + "\"";
    for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
        line += ",\"" + std::string(kSlotKeys[i]) + "\":" + secondsText(day.shown[i], true);
    }
    return line + "}\n";
}

std::string csvHeader() {
    std::string line = "date";
    for (const char* key : kSlotKeys) line += "," + std::string(key);
    return line + "\n";
}

std::string csvLine(const ScheduleDay& day) {
    std::string line = isoDate(day.date);
    for (const RowTime& t : day.shown) line += "," + secondsText(t, false);
    return line + "\n";
}

// HH:MM:SS rounded to the nearest second, followed by "<" on the previous day, ">" on the next.
std::string clockCell(const RowTime& time) {
    if (!time.isTime()) return statusName(time.status);
    const FormattedTime f = formatTime(kRoundNearest, time.dayAngle(), 0, false);
    if (f.dayOffset < -1 || f.dayOffset > 1) return statusName(EventStatus::notValid);
    return f.text + (f.dayOffset < 0 ? "<" : (f.dayOffset > 0 ? ">" : ""));
}

// The header in UTF-8 (the place name is the only text beyond ASCII).
std::string textHeader(const Resolved& r) {
    const Seconds offset = r.zone->standardOffsetAt(r.zone->noonOf(r.date));
    char text[512];
    std::snprintf(text, sizeof text,
                  "Prayer times for %s (latitude %.4f, longitude %.4f, height %d m, zone %+.2f h)\n"
                  "Method: %s\n"
                  "Fiqh %s, area %d km, high-latitude rule: %s\n"
                  "Times HH:MM:SS of local time; < previous day, > next day\n\n",
                  r.location.name.c_str(), r.location.latitude * kRadToDeg,
                  r.location.longitude * kRadToDeg, r.location.height,
                  static_cast<double>(offset.count() / 3600.0L),
                  methodTitle(methodOf(r.config)).c_str(),
                  names::nameAt(names::kFiqhs, r.config.fiqh, "?"), r.config.areaRadius,
                  names::nameAt(names::kHighLatitudeRules, r.config.highLatitudeRule, "?"));
    std::string header = text;
    header += "Date      ";
    for (const PrayerSlot slot : shownSlots(r.config.fiqh)) {
        std::snprintf(text, sizeof text, " %-9s", slotTitle(slot));
        header += text;
    }
    while (header.back() == ' ') header.pop_back();
    return platform::utf8FromCp1252(header + "\n");
}

std::string textLine(const ScheduleDay& day, int fiqh) {
    std::string line = isoDate(day.date);
    char cell[32];
    for (const PrayerSlot slot : shownSlots(fiqh)) {
        std::snprintf(cell, sizeof cell, " %-9s",
                      clockCell(day.shown[static_cast<std::size_t>(slot)]).c_str());
        line += cell;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line + "\n";
}

int runTimes(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    const std::string& format = options.output.format;

    std::string out;
    if (format == "text") out = textHeader(r);
    if (format == "csv") out = csvHeader();
    CalendarDate day = r.date;
    day.day = std::floor(day.day);
    DayEventsMemo memo;  // the days of the run share the tables the rules look back at
    std::vector<IcsEvent> events;
    for (int k = 0; k < options.date.days; ++k) {
        if (k > 0) day = daysLater(day, 1);
        const ScheduleDay row =
            scheduleDay(day, dayPrayers(day, r.location, *r.zone, r.config, memo), *r.zone);
        if (format == "ics") {
            addPrayerEvents(row, *r.zone, r.config, events);
        } else if (format == "json") {
            out += jsonLine(row);
        } else if (format == "csv") {
            out += csvLine(row);
        } else {
            out += textLine(row, r.config.fiqh);
        }
    }
    if (format == "ics") {
        if (!fitsIcsYears(events)) return report(icsYearsError());
        out = icsCalendar(events, r.location, platform::utf8FromCp1252(r.location.name),
                          clock.utcNow());
    }
    return report(writeOutput(options.output, out));
}

}  // namespace

void addTimesCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.days = true;
    shape.formats = {"text", "json", "csv", "ics"};
    addCommand(app, run, "times", "prayer times of one or more days", shape, runTimes)
        ->footer("ics: an iCalendar file, one event per shown time (as for prayer --format ics).");
}

}  // namespace kelmo::cli
