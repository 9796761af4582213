// The next prayer of the background Timer: which of the day's nine time slots are prayers
// under each school of law, and the search for the first prayer after the present moment
// today or on the next day (local civil time of the location, summer time included).
#pragma once

#include <array>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/local_time.h"

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

// FindNextPrayer: date holds the day of the previous schedule on entry and the local date of
// the prayer found on return; nextSlot the previous slot (0 for none) on entry and the slot
// found on return, nextTime its time on its own day (radians, summer time included). When
// the previous slot was the day's last prayer the search starts on the day after it. The
// first prayer later than now, today or on the next day, wins. Returns 1 found, 0 none (date
// and nextSlot then as the search left them).
int FindNextPrayer(const Config& config, CalendarDate& date, const Location& location,
                   const UtcTime& now, double& nextTime, int& nextSlot);

}  // namespace kelmo
