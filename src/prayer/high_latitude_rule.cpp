#include "prayer/high_latitude_rule.h"

#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "prayer/day_events.h"
#include "prayer/school_of_law.h"
#include "prayer/sun_events.h"

namespace kelmo {

namespace {

enum Rule : int {
    kSeventhOfDayWhenNeeded = 1,
    kSeventhOfNightWhenNeeded = 3,
    kNearestLocationAll = 5,
    kNearestLocationNeeded = 6,
    kNearestDayAll = 7,
    kNearestDayNeeded = 8,
};

constexpr double kOneDay = kTwoPi;
constexpr double kSevenths = 7.0;

void fillIfMissing(double& time, double value) {
    if (!isTime(time)) time = value;
}

// Rules 1 and 2: Imsak and Fajr a seventh of the day (sunrise to sunset) before sunrise,
// Isha a seventh after sunset.
void seventhOfDay(EventTable& table) {
    const double sunrise = table[EventRow::horizon].rise;
    const double sunset = table[EventRow::horizon].set;
    if (!isTime(sunrise) || !isTime(sunset)) return;
    const double end = sunrise > sunset ? sunset + kOneDay : sunset;
    const double q = std::fabs((end - sunrise) / kSevenths);
    fillIfMissing(table[EventRow::imsakIsha].rise, sunrise - q);
    fillIfMissing(table[EventRow::fajr].rise, sunrise - q);
    fillIfMissing(table[EventRow::imsakIsha].set, sunset + q);
}

// Rules 3 and 4: Imsak and Fajr a seventh of the night before (the previous day's sunset to
// sunrise) before sunrise, Isha a seventh of the night after (sunset to the next sunrise)
// after sunset.
void seventhOfNight(const CalendarDate& date, const Location& location, const Config& config,
                    EventTable& table, DayEventsMemo& memo) {
    const double sunrise = table[EventRow::horizon].rise;
    const double sunset = table[EventRow::horizon].set;
    if (!isTime(sunrise) || !isTime(sunset)) return;

    const double previousSunset =
        memo.dayEvents(daysLater(date, -1), location, config)[EventRow::horizon].set;
    if (!isTime(previousSunset)) return;
    const double morning = previousSunset > sunrise ? sunrise + kOneDay : sunrise;
    const double q = std::fabs((morning - previousSunset) / kSevenths);
    fillIfMissing(table[EventRow::imsakIsha].rise, sunrise - q);
    fillIfMissing(table[EventRow::fajr].rise, sunrise - q);

    const double nextSunrise =
        memo.dayEvents(daysLater(date, 1), location, config)[EventRow::horizon].rise;
    if (!isTime(nextSunrise)) return;
    const double evening = nextSunrise < sunset ? nextSunrise + kOneDay : nextSunrise;
    fillIfMissing(table[EventRow::imsakIsha].set,
                  sunset + std::fabs((evening - sunset) / kSevenths));
}

// Copies every slot of from into to, or with onlyMissing the slots where to holds a marker.
void copyTimes(const EventTable& from, EventTable& to, bool onlyMissing) {
    for (std::size_t i = 0; i < kEventSlotCount; ++i) {
        if (!onlyMissing || !isTime(to.slot(i))) to.slot(i) = from.slot(i);
    }
}

// Rules 5 and 7 replace every time at each pass, so a pass before the last matters only when
// it completes the day. When the point itself lacks a needed time, the area lacks it too: the
// pass can leave the table as it is (still incomplete, and the next pass replaces it all)
// without computing the corners.
bool replacesEverything(const Config& config, int pass) {
    const int rule = config.highLatitudeRule;
    return (rule == kNearestLocationAll || rule == kNearestDayAll) && pass < kMaxRulePasses;
}

// Rules 5 and 6: one degree of latitude toward the equator per pass (the moves add up).
void nearestLocation(const CalendarDate& date, Location location, const Config& config,
                     EventTable& table) {
    const bool onlyMissing = config.highLatitudeRule == kNearestLocationNeeded;
    // The Sun of the date does not depend on the latitude: shared by all passes.
    SharedSunDay shared(date, location, config);
    for (int pass = 1; pass <= kMaxRulePasses && !isDayComplete(config, table); ++pass) {
        location.latitude += location.latitude > 0.0 ? -kDegToRad : kDegToRad;
        if (replacesEverything(config, pass) &&
            !isDayComplete(config, pointEvents(shared, date, location, config))) {
            continue;
        }
        copyTimes(dayEvents(shared, date, location, config), table, onlyMissing);
    }
}

// Rules 7 and 8: one day back per pass at the true location.
void nearestDay(const CalendarDate& date, const Location& location, const Config& config,
                EventTable& table, DayEventsMemo& memo) {
    const bool onlyMissing = config.highLatitudeRule == kNearestDayNeeded;
    for (int pass = 1; pass <= kMaxRulePasses && !isDayComplete(config, table); ++pass) {
        const CalendarDate day = daysLater(date, -pass);
        if (replacesEverything(config, pass) && !memo.holds(day, location, config) &&
            !isDayComplete(config, memo.pointEvents(day, location, config))) {
            continue;
        }
        copyTimes(memo.dayEvents(day, location, config), table, onlyMissing);
    }
}

}  // namespace

bool isDayComplete(const Config& config, const EventTable& table) {
    const bool twilight =
        isTime(table[EventRow::imsakIsha].rise) && isTime(table[EventRow::fajr].rise);
    const bool sun = isTime(table[EventRow::duhr].transit) && isTime(table[EventRow::horizon].set);
    bool asr = true;
    if (const auto slot = asrSlot(config.fiqh)) {
        const EventRow row =
            *slot == PrayerSlot::asrShadow2 ? EventRow::asrShadow2 : EventRow::asrShadow1;
        asr = isTime(table[row].set);
    }
    const bool isha = !usesIsha(config.fiqh) || isTime(table[EventRow::imsakIsha].set);
    return twilight && sun && asr && isha;
}

void applyHighLatitudeRule(const CalendarDate& date, Location location, const Config& config,
                           EventTable& table) {
    DayEventsMemo memo;
    applyHighLatitudeRule(date, location, config, table, memo);
}

void applyHighLatitudeRule(const CalendarDate& date, Location location, const Config& config,
                           EventTable& table, DayEventsMemo& memo) {
    const int rule = config.highLatitudeRule;
    if (rule <= kRuleNone || rule == kRuleFixedMinutes || isDayComplete(config, table)) return;
    switch (rule) {
        case kSeventhOfDayWhenNeeded:
        case kRuleSeventhOfDayAlways:
            seventhOfDay(table);
            break;
        case kSeventhOfNightWhenNeeded:
        case kRuleSeventhOfNightAlways:
            seventhOfNight(date, location, config, table, memo);
            break;
        case kNearestLocationAll:
        case kNearestLocationNeeded:
            nearestLocation(date, location, config, table);
            break;
        case kNearestDayAll:
        case kNearestDayNeeded:
            nearestDay(date, location, config, table, memo);
            break;
        default:
            break;
    }
}

}  // namespace kelmo
