#include "files/reports/today_schedule.h"

#include <optional>

#include "calendar/julian_day.h"
#include "calendar/local_time.h"
#include "hijri/hijri_date.h"
#include "prayer/next_prayer.h"

namespace kelmo {

TodaySchedule todaySchedule(const Location& location, const Zone& zone, const Config& config,
                            Instant now) {
    TodaySchedule today;
    today.made = now;
    today.date = currentLocalTime(zone, now).date;
    today.dayEnd = zone.startOfDay(daysLater(today.date, 1));
    hijriFromDate(today.date, location, config);
    today.prayers = dayPrayers(today.date, location, zone, config);
    if (const std::optional<NextPrayer> next = nextPrayerAfter(config, location, zone, now)) {
        today.nextSlot = next->slot;
        today.nextAt = next->at;
        today.nextIsTomorrow = next->at >= today.dayEnd;
    }
    return today;
}

bool isCurrent(const TodaySchedule& schedule, Instant now) {
    const bool beforePrayer = schedule.nextSlot < 0 || now < schedule.nextAt;
    return now >= schedule.made && now < schedule.dayEnd && beforePrayer;
}

double secondsUntilNext(const TodaySchedule& schedule, Instant now) {
    if (schedule.nextSlot < 0) return 0.0;
    return static_cast<double>((schedule.nextAt - now).count());
}

}  // namespace kelmo
