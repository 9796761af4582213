#include "calendar/zone_rules.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "calendar/julian_day.h"
#include "calendar/summer_time.h"
#include "calendar/time_zone_database.h"

namespace kelmo {

namespace {

constexpr int kFollowingYears = 4;

std::vector<int> offsetsOf(const std::vector<ZoneClock>& clocks) {
    std::vector<int> offsets;
    for (const ZoneClock& clock : clocks) offsets.push_back(clock.offsetMinutes);
    return offsets;
}

// The offsets of the days the database does not mark as summer time (all days when it marks
// every one).
std::vector<int> standardOffsetsOf(const std::vector<ZoneClock>& clocks) {
    std::vector<int> offsets;
    for (const ZoneClock& clock : clocks) {
        if (!clock.daylightSaving) offsets.push_back(clock.offsetMinutes);
    }
    return offsets.empty() ? offsetsOf(clocks) : offsets;
}

// The day at index (0: 1 January) of the year's clocks (zoneClocksOfYear).
MonthDay dayOfYear(int year, int index) {
    MonthDay d{1, index + 1};
    while (d.day > daysInMonth(year, d.month)) d.day -= daysInMonth(year, d.month++);
    return d;
}

// The first day of summer time and the first day after it, when the year's offsets are the
// smallest one and one hour more, each in one run (the summer run may wrap the year's end).
struct SummerDays {
    MonthDay start;
    MonthDay end;
};

std::optional<SummerDays> summerDays(const std::vector<int>& offsets, int year) {
    const int standard = *std::min_element(offsets.begin(), offsets.end());
    const int n = static_cast<int>(offsets.size());
    int startIndex = -1, endIndex = -1, starts = 0, ends = 0;
    for (int i = 0; i < n; ++i) {
        if (offsets[i] != standard && offsets[i] != standard + kMinutesPerHour) return {};
        const bool summer = offsets[i] != standard;
        const bool before = offsets[(i + n - 1) % n] != standard;
        if (summer && !before) startIndex = i, ++starts;
        if (!summer && before) endIndex = i, ++ends;
    }
    if (starts != 1 || ends != 1) return {};
    return SummerDays{dayOfYear(year, startIndex), dayOfYear(year, endIndex)};
}

std::optional<SummerDays> summerDaysOf(const std::string& zone, int year) {
    const std::optional<std::vector<ZoneClock>> clocks = zoneClocksOfYear(zone, year);
    if (!clocks) return {};
    return summerDays(offsetsOf(*clocks), year);
}

// The rule codes that give day in year, most preferred first.
std::vector<int> codesFor(const MonthDay& day, int year) {
    std::vector<int> lastWeekday, fixed, ordinals;
    for (int dayCode = 1; dayCode <= kLastDayCode; ++dayCode) {
        const int code = ruleCode(day.month, dayCode);
        if (dstDayOfMonth(code, year) != day.day) continue;
        if (dayCode < kFirstWeekdayCode) {
            fixed.push_back(code);
        } else if ((dayCode - kFirstWeekdayCode) % kWeekdayOrdinals == kLastOrdinal) {
            lastWeekday.push_back(code);
        } else {
            ordinals.push_back(code);
        }
    }
    lastWeekday.insert(lastWeekday.end(), fixed.begin(), fixed.end());
    lastWeekday.insert(lastWeekday.end(), ordinals.begin(), ordinals.end());
    return lastWeekday;
}

bool gives(int code, const std::optional<SummerDays>& days, bool start, int year) {
    if (!days) return false;
    return (start ? days->start : days->end) == dstDay(code, year);
}

// The preferred code for the start (or end) of the year's summer time that also holds in the
// year before or after, or 0.
int yearlyCode(int year, const SummerDays& days, bool start,
               const std::map<int, std::optional<SummerDays>>& others) {
    int best = 0, bestCount = -1;
    for (const int code : codesFor(start ? days.start : days.end, year)) {
        if (!gives(code, others.at(year - 1), start, year - 1) &&
            !gives(code, others.at(year + 1), start, year + 1)) {
            continue;
        }
        int count = 0;
        for (int y = year + 1; y <= year + kFollowingYears; ++y) {
            count += gives(code, others.at(y), start, y) ? 1 : 0;
        }
        if (count > bestCount) best = code, bestCount = count;
    }
    return best;
}

int mostCommon(const std::vector<int>& offsets) {
    std::map<int, int> counts;
    for (const int offset : offsets) ++counts[offset];
    int best = offsets.front(), bestCount = 0;
    for (const auto& [offset, count] : counts) {  // ascending: the smaller wins a tie
        if (count > bestCount) best = offset, bestCount = count;
    }
    return best;
}

}  // namespace

FixedZoneRules fixedRulesOfZone(const std::string& zone, int year) {
    FixedZoneRules rules;
    const std::optional<std::vector<ZoneClock>> clocks = zoneClocksOfYear(zone, year);
    if (!clocks) return rules;
    rules.known = true;
    const std::vector<int> offsets = offsetsOf(*clocks);
    const auto [low, high] = std::minmax_element(offsets.begin(), offsets.end());
    rules.changes = *low != *high;
    rules.timeZone = static_cast<float>(mostCommon(standardOffsetsOf(*clocks))) / kMinutesPerHour;
    const std::optional<SummerDays> days = summerDays(offsets, year);
    if (!days) return rules;

    std::map<int, std::optional<SummerDays>> others;
    for (int y = year - 1; y <= year + kFollowingYears; ++y) {
        if (y != year) others[y] = summerDaysOf(zone, y);
    }
    others[year] = days;
    const int start = yearlyCode(year, *days, true, others);
    const int end = yearlyCode(year, *days, false, others);
    if (start == 0 || end == 0) return rules;
    rules.timeZone = static_cast<float>(*low) / kMinutesPerHour;
    rules.dstStart = start;
    rules.dstEnd = end;
    return rules;
}

void applyZoneLaw(const FixedZoneRules& law, Location& location) {
    location.timeZone = law.timeZone;
    location.dstStart = law.dstStart;
    location.dstEnd = law.dstEnd;
}

}  // namespace kelmo
