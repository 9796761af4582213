#include "prayer/school_of_law.h"

#include <array>

namespace kelmo {

std::vector<PrayerSlot> shownSlots(int fiqh) {
    std::vector<PrayerSlot> shown;
    for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
        const auto slot = static_cast<PrayerSlot>(i);
        if (slot != PrayerSlot::noon && schoolUsesSlot(fiqh, slot)) shown.push_back(slot);
    }
    return shown;
}

const char* slotTitle(PrayerSlot slot) {
    static constexpr std::array<const char*, kPrayerSlotCount> kTitles = {
        "Imsak", "Fajr", "Shuruq", "Noon", "Duhr", "Asr", "Asr", "Maghrib", "Isha"};
    return kTitles[static_cast<std::size_t>(slot)];
}

PrayerName prayerNameOfSlot(PrayerSlot slot) {
    static constexpr std::array<PrayerName, kPrayerSlotCount> kNames = {
        PrayerName::imsak, PrayerName::fajr,    PrayerName::shuruq,
        PrayerName::noon,  PrayerName::duhr,    PrayerName::asr,
        PrayerName::asr,   PrayerName::maghrib, PrayerName::isha};
    return kNames[static_cast<std::size_t>(slot)];
}

}  // namespace kelmo
