#include "prayer/day_prayers.h"

#include "prayer/day_times.h"

namespace kelmo {

DayPrayers dayPrayers(const CalendarDate& date, const Location& location, const Zone& zone,
                      const Config& config) {
    DayEventsMemo memo;
    return dayPrayers(date, location, zone, config, memo);
}

DayPrayers dayPrayers(const CalendarDate& date, const Location& location, const Zone& zone,
                      const Config& config, DayEventsMemo& memo) {
    const Location frame = dayFrameOf(date, location, zone);
    const PrayerTimes times = computeDayTimes(date, frame, config, memo);
    DayPrayers prayers;
    for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
        prayers.slots[i] = eventOfFrameTime(times.slots[i], date, frame);
    }
    return prayers;
}

}  // namespace kelmo
