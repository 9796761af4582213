// kelmo-cli times: the nine prayer times of one or more days as a table, JSON lines or CSV.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/report_date.h"
#include "app/cli/time_values.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/time_format.h"
#include "calendar/utf8_text.h"
#include "files/output/ics_calendar.h"
#include "files/reports/append_format.h"
#include "files/reports/method_text.h"
#include "files/reports/prayer_report.h"
#include "files/reports/report_words.h"
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
std::string clockCell(const RowTime& time, const Words& w) {
    if (!time.isTime()) return markerWord(w, time.status);
    const FormattedTime f = formatTime(kRoundNearest, time.dayAngle(), 0, false);
    if (f.dayOffset < -1 || f.dayOffset > 1) return markerWord(w, EventStatus::notValid);
    return f.text + (f.dayOffset < 0 ? "<" : (f.dayOffset > 0 ? ">" : ""));
}

constexpr std::size_t kDateWidth = 10;  // "YYYY-MM-DD"
constexpr std::size_t kTimeWidth = 9;   // "HH:MM:SS>"

// The width of a column of times in words: the widest of a time, a prayer's name and a marker.
std::size_t columnWidth(const Words& w) {
    std::size_t width = kTimeWidth;
    for (const char* text : w.prayers) width = std::max(width, shownWidth(text));
    for (const char* text : w.markers) width = std::max(width, shownWidth(text));
    return width;
}

// A line of the table: its first field, then " " and every cell padded to width, trailing
// blanks dropped.
std::string tableLine(std::string_view first, const std::vector<std::string>& cells,
                      std::size_t width) {
    std::string line;
    appendPadded(line, first, kDateWidth);
    for (const std::string& c : cells) {
        line += ' ';
        appendPadded(line, c, width);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line + "\n";
}

// The header in the words of the chosen language (English when none).
std::string textHeader(const Resolved& r, const Words& w) {
    const Seconds offset = r.zone->standardOffsetAt(r.zone->noonOf(r.date));
    std::string header;
    appendFormat(header, w.phrase(Phrase::timesTitle), r.location.name.c_str(),
                 r.location.latitude * kRadToDeg, r.location.longitude * kRadToDeg,
                 r.location.height, static_cast<double>(offset.count() / 3600.0L));
    header += '\n';
    appendFormat(header, w.phrase(Phrase::timesMethod), methodTitle(methodOf(r.config)).c_str());
    header += '\n';
    appendFormat(header, w.phrase(Phrase::timesSettings),
                 names::nameAt(w.fiqhs, r.config.fiqh, "?"), r.config.areaRadius,
                 names::nameAt(w.highLatitudeRules, r.config.highLatitudeRule, "?"));
    header += '\n';
    header += w.phrase(Phrase::timesLegend);
    header += "\n\n";
    std::vector<std::string> names;
    for (const PrayerSlot slot : shownSlots(r.config.fiqh)) {
        names.emplace_back(w.prayerName(prayerNameOfSlot(slot)));
    }
    return header + tableLine(w.phrase(Phrase::dateColumn), names, columnWidth(w));
}

std::string textLine(const ScheduleDay& day, int fiqh, const Words& w) {
    std::vector<std::string> cells;
    for (const PrayerSlot slot : shownSlots(fiqh)) {
        cells.push_back(clockCell(day.shown[static_cast<std::size_t>(slot)], w));
    }
    return tableLine(isoDate(day.date), cells, columnWidth(w));
}

int runTimes(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    const std::string& format = options.output.format;

    std::string out;
    const Words& w = reportWords(r.config);
    if (format == "text") out = textHeader(r, w);
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
            out += textLine(row, r.config.fiqh, w);
        }
    }
    if (format == "ics") {
        if (!fitsIcsYears(events)) return report(icsYearsError());
        out = icsCalendar(events, r.location, r.location.name, clock.utcNow());
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
