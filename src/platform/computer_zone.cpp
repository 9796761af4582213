#include "platform/computer_zone.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kelmo::platform {

namespace {

constexpr std::time_t kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;
constexpr int kTmYearBase = 1900;

std::tm localFields(std::time_t t) {
    std::tm fields{};
    localtime_r(&t, &fields);
    return fields;
}

long offsetSeconds(std::time_t t) {
    return localFields(t).tm_gmtoff;
}

// Start of 1 January of the local year, 00:00 local time.
std::time_t startOfYear(int tmYear) {
    std::tm fields{};
    fields.tm_year = tmYear;
    fields.tm_mday = 1;
    fields.tm_isdst = -1;
    return std::mktime(&fields);
}

// The first second after 'before' (old state) up to 'after' (new state) that is in the state
// of 'after'.
std::time_t firstInNewState(std::time_t before, std::time_t after, long standardOffset) {
    const bool newState = offsetSeconds(after) > standardOffset;
    while (after - before > 1) {
        const std::time_t middle = before + (after - before) / 2;
        if ((offsetSeconds(middle) > standardOffset) == newState) {
            after = middle;
        } else {
            before = middle;
        }
    }
    return after;
}

ZoneTransition fixedDate(std::time_t t) {
    const std::tm fields = localFields(t);
    ZoneTransition transition;
    transition.year = fields.tm_year + kTmYearBase;
    transition.month = fields.tm_mon + 1;
    transition.day = fields.tm_mday;
    return transition;
}

int biasMinutes(long offset) {
    return -static_cast<int>(std::lround(static_cast<double>(offset) / kSecondsPerMinute));
}

}  // namespace

ZoneSetting systemZoneSetting(std::time_t t) {
    tzset();
    const int tmYear = localFields(t).tm_year;
    const std::time_t begin = startOfYear(tmYear);
    const std::time_t end = startOfYear(tmYear + 1);

    // Hourly samples of the year's offsets; every real transition lies weeks apart.
    struct Sample {
        std::time_t time;
        long offset;
    };
    std::vector<Sample> samples;
    for (std::time_t s = begin; s < end; s += kSecondsPerHour)
        samples.push_back({s, offsetSeconds(s)});
    long standardOffset = samples.front().offset;
    for (const Sample& s : samples) standardOffset = std::min(standardOffset, s.offset);

    std::vector<std::time_t> changes;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const bool was = samples[i - 1].offset > standardOffset;
        const bool is = samples[i].offset > standardOffset;
        if (was != is) {
            changes.push_back(
                firstInNewState(samples[i - 1].time, samples[i].time, standardOffset));
        }
    }

    ZoneSetting setting;
    if (changes.size() != 2) {
        setting.biasMinutes = biasMinutes(offsetSeconds(t));
        return setting;
    }
    setting.biasMinutes = biasMinutes(standardOffset);
    for (const std::time_t change : changes) {
        const bool intoSummer = offsetSeconds(change) > standardOffset;
        (intoSummer ? setting.daylightDate : setting.standardDate) = fixedDate(change);
    }
    return setting;
}

ComputerTime computerTime(const Clock& clock) {
    ComputerTime computer;
    computer.now = clock.utcNow();
    const UtcTime& now = computer.now;
    std::tm fields{};
    fields.tm_year = now.year - kTmYearBase;
    fields.tm_mon = now.month - 1;
    fields.tm_mday = now.day;
    fields.tm_hour = now.hour;
    fields.tm_min = now.minute;
    fields.tm_sec = static_cast<int>(now.second);
    computer.zone = ComputerZoneRules(systemZoneSetting(timegm(&fields)));
    return computer;
}

}  // namespace kelmo::platform
