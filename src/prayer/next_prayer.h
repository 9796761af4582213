// The next prayer of the background Timer: which of the day's nine time slots are prayers
// under each school of law, and the search for the first prayer after a moment.
#pragma once

#include <array>
#include <optional>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/local_time.h"
#include "calendar/zone.h"

namespace kelmo {

// Prayer number of each slot (Imsak, Fajr, Shuruq, transit, Duhr, Asr 1, Asr 2, Maghrib,
// Isha); -1 where the slot is no prayer. Prayers: 0 Fajr, 1 Duhr, 2 Asr, 3 Maghrib, 4 Isha.
inline constexpr std::array<int, 9> slotPrayer = {-1, 0, -1, -1, 1, 2, 2, 3, 4};

inline constexpr int kLastSlot = 8;

// True when the slot is a prayer of the school of law: Jafari (0) keeps Fajr, Duhr and
// Maghrib; Hanafi (2) takes Asr by shadow factor 2; the others Asr by shadow factor 1.
bool isPrayerSlot(int slot, int fiqh);

// The alert bit of a prayer number in alertFlags (bit 2 + prayer).
int prayerAlertBit(int prayer);

// The name of the prayer of a slot ("Fajr" .. "Isha"), or "" for no prayer.
const char* slotPrayerName(int slot);

// A prayer the Timer waits for.
struct NextPrayer {
    int slot = 0;            // its slot (1 Fajr .. 8 Isha)
    Instant at;              // when it begins
    CalendarDate date;       // the civil date the clock shows then (integer day)
    double timeOfDay = 0.0;  // the clock's reading then, radians after that date's midnight
};

// The first prayer of the school that begins after the instant after, from the schedules of
// the civil days around it on zone's clock: an Isha after midnight belongs to the schedule of
// the day before, and a day without prayers (polar night without a rule) is passed over.
// None when no prayer begins within two days.
std::optional<NextPrayer> nextPrayerAfter(const Config& config, const Location& location,
                                          const Zone& zone, Instant after);

}  // namespace kelmo
