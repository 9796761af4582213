#include "prayer/next_prayer.h"

#include <cmath>
#include <span>

#include "base/angles.h"
#include "base/markers.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/summer_time.h"
#include "prayer/day_times.h"
#include "prayer/school_of_law.h"

namespace kelmo {

namespace {

constexpr int kMaghrib = static_cast<int>(PrayerSlot::maghrib);
constexpr int kIsha = static_cast<int>(PrayerSlot::isha);

bool sameCivilDate(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && std::floor(a.day) == std::floor(b.day);
}

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
    const int prayer = slotPrayer[static_cast<std::size_t>(slot)];
    return prayer < 0 ? "" : names::kPrayers[static_cast<std::size_t>(prayer)];
}

int FindNextPrayer(const Config& config, CalendarDate& date, const Location& location,
                   const UtcTime& now, double& nextTime, int& nextSlot) {
    const CalendarDate previous = date;
    const LocalMoment moment = currentLocalTime(location, now);
    date.year = moment.date.year;
    date.month = moment.date.month;
    date.day = std::floor(moment.date.day);

    int days = 0;
    const bool dayDone = nextSlot == kIsha || (config.fiqh == kFiqhJafari && nextSlot == kMaghrib);
    if (!sameCivilDate(date, previous)) {
        // The previous prayer lies on another day (the computer slept, or its clock moved):
        // every prayer of today still ahead counts, not only those after the previous slot.
        nextSlot = 0;
    } else if (dayDone) {
        // The day's last prayer was today's: nothing more today.
        nextSlot = 0;
        date = daysLater(date, 1);
        days = 1;
    }
    int firstSlot = nextSlot + 1;
    while (days < 2) {
        PrayerTimes times = computeDayTimes(date, location, config);
        applySummerTime(location, date, std::span<double>(times.slots));
        for (int slot = firstSlot; slot <= kLastSlot; ++slot) {
            const double t = times.slots[static_cast<std::size_t>(slot)];
            if (!isTime(t) || !isPrayerSlot(slot, config.fiqh)) continue;
            if (t + days * kTwoPi > moment.timeOfDay) {
                nextTime = t;
                nextSlot = slot;
                return 1;
            }
        }
        date = daysLater(date, 1);
        ++days;
        firstSlot = 1;
    }
    return 0;
}

}  // namespace kelmo
