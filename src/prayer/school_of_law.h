// Which prayer slots a school of law (Config::fiqh) uses.
//   fiqh 0 Jafari: no Asr, no Isha; 1 Shafi'i, 3 Maliki, 4 Hanbali: Asr with shadow factor 1;
//   2 Hanafi: Asr with shadow factor 2.
#pragma once

#include <optional>
#include <vector>

#include "calendar/words.h"
#include "prayer/prayer_times.h"

namespace kelmo {

inline constexpr int kFiqhJafari = 0;
inline constexpr int kFiqhHanafi = 2;

// The Asr slot of the school, or none.
constexpr std::optional<PrayerSlot> asrSlot(int fiqh) {
    if (fiqh == kFiqhJafari) return std::nullopt;
    return fiqh == kFiqhHanafi ? PrayerSlot::asrShadow2 : PrayerSlot::asrShadow1;
}

// True when the school prays Isha (every school but Jafari).
constexpr bool usesIsha(int fiqh) {
    return fiqh != kFiqhJafari;
}

// True when the school uses the slot: its own Asr slot only, Isha by usesIsha, every other
// slot always.
constexpr bool schoolUsesSlot(int fiqh, PrayerSlot slot) {
    if (slot == PrayerSlot::asrShadow1 || slot == PrayerSlot::asrShadow2) {
        return asrSlot(fiqh) == slot;
    }
    return slot != PrayerSlot::isha || usesIsha(fiqh);
}

// The slots a prayer schedule shows for the school, in slot order: every slot it uses but
// the noon (Imsak, Fajr, Shuruq, Duhr, its Asr, Maghrib and, but for Jafari, Isha).
std::vector<PrayerSlot> shownSlots(int fiqh);

// The name of a slot in the words of a language (calendar/words.h): both Asr slots are Asr.
PrayerName prayerNameOfSlot(PrayerSlot slot);

// The title of a slot in schedules, its English name: "Imsak", "Fajr", "Shuruq", "Noon",
// "Duhr", "Asr" (both shadow factors), "Maghrib", "Isha".
const char* slotTitle(PrayerSlot slot);

}  // namespace kelmo
