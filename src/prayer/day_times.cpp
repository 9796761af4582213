#include "prayer/day_times.h"

#include <optional>

#include "base/angles.h"
#include "prayer/day_events.h"
#include "prayer/high_latitude_rule.h"
#include "prayer/method_times.h"

namespace kelmo {

namespace {

// Direction of the correction per slot: Imsak and Shuruq earlier, the others later.
constexpr std::array<double, kPrayerSlotCount> kCorrectionSign = {-1, 1, -1, 1, 1, 1, 1, 1, 1};

PrayerTimes slotsOf(const EventTable& table) {
    PrayerTimes t;
    t[PrayerSlot::imsak] = table[EventRow::imsakIsha].rise;
    t[PrayerSlot::fajr] = table[EventRow::fajr].rise;
    t[PrayerSlot::shuruq] = table[EventRow::horizon].rise;
    t[PrayerSlot::noon] = table[EventRow::horizon].transit;
    t[PrayerSlot::duhr] = table[EventRow::duhr].transit;
    t[PrayerSlot::asrShadow1] = table[EventRow::asrShadow1].set;
    t[PrayerSlot::asrShadow2] = table[EventRow::asrShadow2].set;
    t[PrayerSlot::maghrib] = table[EventRow::horizon].set;
    t[PrayerSlot::isha] = table[EventRow::imsakIsha].set;
    return t;
}

void applyCorrections(const Config& config, PrayerTimes& times) {
    const double correction = config.correctionSeconds * kSecondToRad;
    for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
        times.slots[i] = times.slots[i].movedBy(kCorrectionSign[i] * correction);
    }
    FrameTime& maghrib = times[PrayerSlot::maghrib];
    maghrib = maghrib.movedBy(config.maghribDelay * kMinuteToRad);
}

// The corrections move Imsak and Shuruq earlier and Fajr, Maghrib and Isha later: where a
// high-latitude rule made two of them touch (no twilight left) they would cross. They stay
// touching instead: Imsak <= Fajr <= Shuruq and Maghrib <= Isha.
void keepTouchingTimesInOrder(PrayerTimes& t) {
    auto notAfter = [&](PrayerSlot earlier, PrayerSlot later) {
        const std::optional<double> first = t[earlier].angle();
        const std::optional<double> second = t[later].angle();
        if (first && second && *first > *second) t[earlier] = t[later];
    };
    notAfter(PrayerSlot::fajr, PrayerSlot::shuruq);
    notAfter(PrayerSlot::imsak, PrayerSlot::fajr);
    const std::optional<double> maghrib = t[PrayerSlot::maghrib].angle();
    const std::optional<double> isha = t[PrayerSlot::isha].angle();
    if (maghrib && isha && *isha < *maghrib) t[PrayerSlot::isha] = t[PrayerSlot::maghrib];
}

}  // namespace

PrayerTimes computeDayTimes(const CalendarDate& date, Location location, const Config& config) {
    DayEventsMemo memo;
    return computeDayTimes(date, location, config, memo);
}

PrayerTimes computeDayTimes(const CalendarDate& date, Location location, const Config& config,
                            DayEventsMemo& memo) {
    EventTable table = memo.dayEvents(date, location, config);
    const int rule = config.highLatitudeRule;
    if (rule == kRuleSeventhOfDayAlways || rule == kRuleSeventhOfNightAlways) {
        table[EventRow::imsakIsha].rise = FrameTime();
        table[EventRow::fajr].rise = FrameTime();
        table[EventRow::imsakIsha].set = FrameTime();
    }
    applyHighLatitudeRule(date, location, config, table, memo);
    PrayerTimes times = slotsOf(table);
    times[PrayerSlot::maghrib] = methodMaghrib(date, location, config, times[PrayerSlot::maghrib]);
    applyCorrections(config, times);
    applyMethodMinutes(date, location, config, times);
    keepTouchingTimesInOrder(times);
    return times;
}

}  // namespace kelmo
