// The nine prayer times of one day.
#pragma once

#include <array>
#include <cstddef>

#include "calendar/frame_time.h"

namespace kelmo {

// Slots of PrayerTimes, in their fixed order.
enum class PrayerSlot : int {
    imsak = 0,       // rise of the Sun to the Imsak angle
    fajr = 1,        // rise to the Fajr angle
    shuruq = 2,      // sunrise (upper limb on the visible horizon)
    noon = 3,        // transit of the Sun's centre
    duhr = 4,        // transit for a point west of the place by the Sun's semidiameter
    asrShadow1 = 5,  // afternoon: shadow = noon shadow + 1 x the object
    asrShadow2 = 6,  // afternoon: shadow = noon shadow + 2 x the object
    maghrib = 7,     // sunset, plus the Maghrib delay
    isha = 8,        // set of the Sun to the Isha angle
};

inline constexpr std::size_t kPrayerSlotCount = 9;

// Times of the day frame (radians of zone time, 2 pi = 24 h, may lie below 0 or at or above
// 2 pi), each a time or a marker. Summer time is not included.
struct PrayerTimes {
    std::array<FrameTime, kPrayerSlotCount> slots{};

    FrameTime& operator[](PrayerSlot s) { return slots[static_cast<std::size_t>(s)]; }
    FrameTime operator[](PrayerSlot s) const { return slots[static_cast<std::size_t>(s)]; }
};

}  // namespace kelmo
