// kelmo-cli next: the next prayer at the place and the time left until it, one line for
// status bars (or JSON). The search is the background Timer's: the first prayer of the school
// of law that begins after the present moment.
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/report_date.h"
#include "app/cli/settings_source.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/local_time.h"
#include "calendar/time_format.h"
#include "files/reports/append_format.h"
#include "files/reports/report_words.h"
#include "prayer/next_prayer.h"
#include "prayer/school_of_law.h"

namespace kelmo::cli {

namespace {

constexpr int kCouldNotCalculate = 10;  // error code: no valid prayer time

int runNext(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    const Instant now = clock.now();
    const std::optional<NextPrayer> next = nextPrayerAfter(r.config, r.location, *r.zone, now);
    if (!next) return report(tableError(kCouldNotCalculate));
    const double secondsLeft = static_cast<double>((next->at - now).count());
    // Clock time and count-down as the Timer shows them: any seconds round the minute up.
    const FormattedTime at = formatTime(kRoundUp, next->timeOfDay, 1, false);
    const std::string left = formatTime(kRoundUp, secondsLeft * kSecondToRad, 1, true).text;
    CalendarDate day = next->date;
    if (at.dayOffset != 0) day = daysLater(day, at.dayOffset);
    const bool laterDay = daysBetween(currentLocalTime(*r.zone, now).date, day) > 0;
    const char* name = slotPrayerName(next->slot);
    const std::string place = r.location.name;
    std::string out;
    if (options.output.format == "json") {
        nlohmann::json j = {{"prayer", name},
                            {"date", isoDate(day)},
                            {"time", at.text},
                            {"left", left},
                            {"left_seconds", std::lround(secondsLeft)},
                            {"location", place}};
        out = j.dump() + "\n";
    } else {
        const Words& w = reportWords(r.config);
        appendFormat(out, w.phrase(Phrase::nextPrayer),
                     w.prayerName(prayerNameOfSlot(static_cast<PrayerSlot>(next->slot))),
                     (at.text + (laterDay ? ">" : "")).c_str(), left.c_str(), place.c_str());
        out += '\n';
    }
    return report(writeOutput(options.output, out));
}

}  // namespace

void addNextCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.date = false;
    CLI::App* command =
        addCommand(app, run, "next", "the next prayer at the place and the time left until it",
                   shape, runNext);
    command->footer(
        "text: \"<prayer> HH:MM in HH:MM (<place>)\", \">\" after the time when it is "
        "tomorrow.\njson: {\"prayer\",\"date\",\"time\",\"left\",\"left_seconds\",\"location\"}.");
}

}  // namespace kelmo::cli
