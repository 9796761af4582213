#include "prayer/next_prayer.h"

#include <cmath>

#include "calendar/julian_day.h"
#include "prayer/day_prayers.h"
#include "prayer/school_of_law.h"

namespace kelmo {

namespace {

// The schedules searched, in days from the civil date of the moment: yesterday's for an Isha
// after midnight, up to the day after tomorrow.
constexpr int kFirstDaySearched = -1;
constexpr int kLastDaySearched = 2;

}  // namespace

bool isPrayerSlot(int slot, int fiqh) {
    if (slot < 0 || slot > kLastSlot || slotPrayer[static_cast<std::size_t>(slot)] < 0)
        return false;
    return schoolUsesSlot(fiqh, static_cast<PrayerSlot>(slot));
}

int prayerAlertBit(int prayer) {
    return alert::kFajrSound << prayer;
}

const char* slotPrayerName(int slot) {
    if (slot < 0 || slot > kLastSlot) return "";
    const bool prayer = slotPrayer[static_cast<std::size_t>(slot)] >= 0;
    return prayer ? slotTitle(static_cast<PrayerSlot>(slot)) : "";
}

std::optional<NextPrayer> nextPrayerAfter(const Config& config, const Location& location,
                                          const Zone& zone, Instant after) {
    const CalendarDate today = currentLocalTime(zone, after).date;
    DayEventsMemo memo;
    std::optional<NextPrayer> next;
    for (int days = kFirstDaySearched; days <= kLastDaySearched; ++days) {
        const CalendarDate day = daysLater(today, days);
        const DayPrayers prayers = dayPrayers(day, location, zone, config, memo);
        for (int slot = 1; slot <= kLastSlot; ++slot) {
            const std::optional<Instant> t =
                prayers.slots[static_cast<std::size_t>(slot)].instant();
            if (!t || !isPrayerSlot(slot, config.fiqh) || *t <= after) continue;
            if (!next || *t < next->at) next = NextPrayer{slot, *t, {}, 0.0};
        }
        // The days are searched in order: a prayer found before the day after tomorrow stays
        // the first once the next day has been looked at too (a day's times lie within it).
        if (next && days >= 1) break;
    }
    if (!next) return std::nullopt;
    const LocalMoment shown = currentLocalTime(zone, next->at);
    next->date = shown.date;
    next->timeOfDay = shown.timeOfDay;
    return next;
}

}  // namespace kelmo
