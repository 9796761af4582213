#include "prayer/high_latitude_rule.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

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

void fillIfMissing(FrameTime& time, double value) {
    if (!time.isTime()) time = FrameTime::at(value);
}

// A missing Fajr and a missing Imsak become morning; an Imsak is never after Fajr.
void fillMorning(EventTable& table, double morning) {
    FrameTime& fajr = table[EventRow::fajr].rise;
    fillIfMissing(fajr, morning);  // a time from here on
    fillIfMissing(table[EventRow::imsakIsha].rise, std::min(morning, *fajr.angle()));
}

// Rules 1 and 2: Imsak and Fajr a seventh of the day (sunrise to sunset) before sunrise,
// Isha a seventh after sunset.
void seventhOfDay(EventTable& table) {
    const std::optional<double> sunrise = table[EventRow::horizon].rise.angle();
    const std::optional<double> sunset = table[EventRow::horizon].set.angle();
    if (!sunrise || !sunset) return;
    const double end = *sunrise > *sunset ? *sunset + kOneDay : *sunset;
    const double q = std::fabs((end - *sunrise) / kSevenths);
    fillMorning(table, *sunrise - q);
    fillIfMissing(table[EventRow::imsakIsha].set, *sunset + q);
}

// Rules 3 and 4: Imsak and Fajr a seventh of the night before (the previous day's sunset to
// sunrise) before sunrise, Isha a seventh of the night after (sunset to the next sunrise)
// after sunset.
void seventhOfNight(const CalendarDate& date, const Location& location, const Config& config,
                    EventTable& table, DayEventsMemo& memo) {
    const std::optional<double> sunrise = table[EventRow::horizon].rise.angle();
    const std::optional<double> sunset = table[EventRow::horizon].set.angle();
    if (!sunrise || !sunset) return;

    const std::optional<double> previousSunset =
        memo.dayEvents(daysLater(date, -1), location, config)[EventRow::horizon].set.angle();
    if (!previousSunset) return;
    const double morning = *previousSunset > *sunrise ? *sunrise + kOneDay : *sunrise;
    const double q = std::fabs((morning - *previousSunset) / kSevenths);
    fillMorning(table, *sunrise - q);

    const std::optional<double> nextSunrise =
        memo.dayEvents(daysLater(date, 1), location, config)[EventRow::horizon].rise.angle();
    if (!nextSunrise) return;
    const double evening = *nextSunrise < *sunset ? *nextSunrise + kOneDay : *nextSunrise;
    fillIfMissing(table[EventRow::imsakIsha].set,
                  *sunset + std::fabs((evening - *sunset) / kSevenths));
}

// Copies every slot of from into to, or with onlyMissing the slots where to holds a marker.
void copyTimes(const EventTable& from, EventTable& to, bool onlyMissing) {
    for (std::size_t i = 0; i < kEventSlotCount; ++i) {
        if (!onlyMissing || !to.slot(i).isTime()) to.slot(i) = from.slot(i);
    }
}

// The slots whose times follow each other through the day: Imsak, Fajr, sunrise, Duhr, the
// school's Asr, sunset and Isha.
std::vector<std::size_t> slotsInDayOrder(const Config& config) {
    std::vector<std::size_t> order = {
        slotOf(EventRow::imsakIsha, kRise), slotOf(EventRow::fajr, kRise),
        slotOf(EventRow::horizon, kRise), slotOf(EventRow::duhr, kTransit)};
    if (const auto asr = asrSlot(config.fiqh)) {
        const EventRow row =
            *asr == PrayerSlot::asrShadow2 ? EventRow::asrShadow2 : EventRow::asrShadow1;
        order.push_back(slotOf(row, kSet));
    }
    order.push_back(slotOf(EventRow::horizon, kSet));
    order.push_back(slotOf(EventRow::imsakIsha, kSet));
    return order;
}

// Twilight slots next to each other in the day's order may touch: Imsak at Fajr, Fajr at
// sunrise, Isha at sunset.
bool mayTouch(std::size_t earlier, std::size_t later) {
    const std::size_t imsak = slotOf(EventRow::imsakIsha, kRise);
    const std::size_t fajr = slotOf(EventRow::fajr, kRise);
    return (earlier == imsak && later == fajr) ||
           (earlier == fajr && later == slotOf(EventRow::horizon, kRise)) ||
           (earlier == slotOf(EventRow::horizon, kSet) &&
            later == slotOf(EventRow::imsakIsha, kSet));
}

// Rules 6 and 8 put clock times of another latitude or day beside the day's own times, and
// such a time can fall out of the day's order (at 65 N in June Fajr of 48 N comes after the
// local sunrise). A supplied time that would come after the day's next time or before its
// previous one is moved to that neighbour when the two may touch (there is no twilight), else
// it keeps its interval from that neighbour on the source day.
void keepSuppliedInOrder(const Config& config, const EventTable& own, const EventTable& source,
                         EventTable& table) {
    std::vector<std::size_t> times;  // the slots that hold a time
    for (std::size_t slot : slotsInDayOrder(config)) {
        if (table.slot(slot).isTime()) times.push_back(slot);
    }
    auto at = [&](std::size_t slot) { return *table.slot(slot).angle(); };
    auto supplied = [&](std::size_t slot) { return !own.slot(slot).isTime(); };
    // The time of slot placed against its neighbour on the other side (earlier < later); a
    // supplied time came from the source, so the source holds it.
    auto placed = [&](std::size_t slot, std::size_t neighbour, std::size_t earlier,
                      std::size_t later) {
        const std::optional<double> sourceNeighbour = source.slot(neighbour).angle();
        if (mayTouch(earlier, later) || !sourceNeighbour) return table.slot(neighbour);
        return FrameTime::at(at(neighbour) + (*source.slot(slot).angle() - *sourceNeighbour));
    };
    for (std::size_t k = times.size(); k-- > 1;) {  // against the following time
        const std::size_t slot = times[k - 1], next = times[k];
        if (supplied(slot) && at(slot) > at(next)) {
            table.slot(slot) = placed(slot, next, slot, next);
        }
    }
    for (std::size_t k = 1; k < times.size(); ++k) {  // against the preceding time
        const std::size_t slot = times[k], previous = times[k - 1];
        if (supplied(slot) && at(slot) < at(previous)) {
            table.slot(slot) = placed(slot, previous, previous, slot);
        }
    }
}

// Rules 5 to 8 look pass by pass for the first table (another latitude or another day) in
// which every needed time exists, and take all its times (rules 5 and 7) or only those the
// day lacks (rules 6 and 8) from that one table, so that the supplied times keep their order.
// When no pass completes the day, rules 5 and 7 keep the last table looked at and rules 6 and
// 8 leave the gaps. pointTable(pass) is the table of the pass's point without the area's
// corners: when the point lacks a needed time, the area lacks it too, and the corners need
// not be computed; areaTable(pass) is the widened table.
template <typename PointTable, typename AreaTable>
void takeFromFirstCompletePass(const Config& config, EventTable& table, PointTable pointTable,
                               AreaTable areaTable) {
    const int rule = config.highLatitudeRule;
    const bool onlyMissing = rule == kNearestLocationNeeded || rule == kNearestDayNeeded;
    for (int pass = 1; pass <= kMaxRulePasses; ++pass) {
        const bool keepsLast = !onlyMissing && pass == kMaxRulePasses;
        if (!keepsLast && !isDayComplete(config, pointTable(pass))) continue;
        const EventTable found = areaTable(pass);
        if (keepsLast || isDayComplete(config, found)) {
            const EventTable own = table;
            copyTimes(found, table, onlyMissing);
            if (onlyMissing) keepSuppliedInOrder(config, own, found, table);
            return;
        }
    }
}

// Rules 5 and 6: one degree of latitude toward the equator per pass (the moves add up).
void nearestLocation(const CalendarDate& date, const Location& location, const Config& config,
                     EventTable& table) {
    // The Sun of the date does not depend on the latitude: shared by all passes.
    SharedSunDay shared(date, location, config);
    auto moved = [&](int pass) {
        Location there = location;
        for (int i = 0; i < pass; ++i) {
            there.latitude += there.latitude > 0.0 ? -kDegToRad : kDegToRad;
        }
        return there;
    };
    takeFromFirstCompletePass(
        config, table, [&](int pass) { return pointEvents(shared, date, moved(pass), config); },
        [&](int pass) { return dayEvents(shared, date, moved(pass), config); });
}

// Rules 7 and 8: one day back per pass at the true location.
void nearestDay(const CalendarDate& date, const Location& location, const Config& config,
                EventTable& table, DayEventsMemo& memo) {
    auto dayBack = [&](int pass) { return daysLater(date, -pass); };
    takeFromFirstCompletePass(
        config, table,
        [&](int pass) {
            const CalendarDate day = dayBack(pass);
            return memo.holds(day, location, config) ? memo.dayEvents(day, location, config)
                                                     : memo.pointEvents(day, location, config);
        },
        [&](int pass) { return memo.dayEvents(dayBack(pass), location, config); });
}

}  // namespace

bool isDayComplete(const Config& config, const EventTable& table) {
    const bool twilight =
        table[EventRow::imsakIsha].rise.isTime() && table[EventRow::fajr].rise.isTime();
    const bool sun =
        table[EventRow::duhr].transit.isTime() && table[EventRow::horizon].set.isTime();
    bool asr = true;
    if (const auto slot = asrSlot(config.fiqh)) {
        const EventRow row =
            *slot == PrayerSlot::asrShadow2 ? EventRow::asrShadow2 : EventRow::asrShadow1;
        asr = table[row].set.isTime();
    }
    const bool isha = !usesIsha(config.fiqh) || table[EventRow::imsakIsha].set.isTime();
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
