// kelmo-cli next: the next prayer at the place and the time left until it, one line for
// status bars (or JSON). The search is the background Timer's: today's prayers of the school
// of law after the present moment, else tomorrow's.
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/report_date.h"
#include "base/angles.h"
#include "base/markers.h"
#include "calendar/julian_day.h"
#include "calendar/local_time.h"
#include "calendar/names.h"
#include "calendar/summer_time.h"
#include "calendar/time_format.h"
#include "files/error_messages.h"
#include "platform/encoding.h"
#include "prayer/day_times.h"
#include "prayer/school_of_law.h"

namespace kelmo::cli {

namespace {

constexpr int kCouldNotCalculate = 10;  // error code: no valid prayer time
constexpr int kDaysSearched = 2;        // today and tomorrow
// Prayer of each slot (index into names::kPrayers), -1 for Imsak, Shuruq and noon.
constexpr std::array<int, kPrayerSlotCount> kSlotPrayer = {-1, 0, -1, -1, 1, 2, 2, 3, 4};

bool isPrayerOfSchool(std::size_t slot, int fiqh) {
    if (kSlotPrayer[slot] < 0) return false;
    const auto s = static_cast<PrayerSlot>(slot);
    if (s == PrayerSlot::asrShadow1 || s == PrayerSlot::asrShadow2) return asrSlot(fiqh) == s;
    if (s == PrayerSlot::isha) return usesIsha(fiqh);
    return true;
}

struct NextPrayer {
    std::size_t slot = 0;
    double time = 0.0;  // radians from local midnight of today (summer time included)
    CalendarDate today;
    double timeLeft = 0.0;  // radians
};

// The first prayer of the school whose time lies after now, today or tomorrow.
bool findNextPrayer(const Resolved& r, const LocalMoment& now, NextPrayer& next) {
    CalendarDate date = now.date;
    DayEventsMemo memo;
    for (int days = 0; days < kDaysSearched; ++days) {
        PrayerTimes t = computeDayTimes(date, r.location, r.config, memo);
        applySummerTime(r.location, date, t.slots);
        for (std::size_t slot = 1; slot < kPrayerSlotCount; ++slot) {
            const double time = t.slots[slot];
            if (!isTime(time) || !isPrayerOfSchool(slot, r.config.fiqh)) continue;
            const double fromToday = time + days * kTwoPi;
            if (fromToday > now.timeOfDay) {
                next = {slot, fromToday, now.date, fromToday - now.timeOfDay};
                return true;
            }
        }
        dateFromJulianDay(julianDay(date) + 1.0, date);
        date.day = std::floor(date.day);
    }
    return false;
}

int runNext(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    const LocalMoment now = currentLocalTime(r.location, clock.utcNow());
    NextPrayer next;
    if (!findNextPrayer(r, now, next)) {
        std::string message = errorMessage(kCouldNotCalculate);
        if (!message.empty() && message.back() == '\t') message.pop_back();
        return report({kExitFailure, message});
    }
    const char* name = names::kPrayers[kSlotPrayer[next.slot]];
    // Clock time and count-down as the Timer shows them: any seconds round the minute up.
    const FormattedTime at = formatTime(kRoundUp, next.time, 1, false);
    const std::string left = formatTime(kRoundUp, next.timeLeft, 1, true).text;
    CalendarDate day;
    dateFromJulianDay(julianDay(next.today) + at.dayOffset, day);
    const std::string place = platform::utf8FromCp1252(r.location.name);
    std::string out;
    if (options.output.format == "json") {
        nlohmann::json j = {{"prayer", name},
                            {"date", isoDate(day)},
                            {"time", at.text},
                            {"left", left},
                            {"left_seconds", std::lround(next.timeLeft * 43200.0 / kPi)},
                            {"location", place}};
        out = j.dump() + "\n";
    } else {
        out = std::string(name) + " " + at.text + (at.dayOffset > 0 ? ">" : "") + " in " + left +
              " (" + place + ")\n";
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
