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

PrayerName prayerNameOfSlot(PrayerSlot slot) {
    static constexpr std::array<PrayerName, kPrayerSlotCount> kNames = {
        PrayerName::imsak, PrayerName::fajr,    PrayerName::shuruq,
        PrayerName::noon,  PrayerName::duhr,    PrayerName::asr,
        PrayerName::asr,   PrayerName::maghrib, PrayerName::isha};
    return kNames[static_cast<std::size_t>(slot)];
}

const char* slotTitle(PrayerSlot slot) {
    return wordsOf(Language::english).prayerName(prayerNameOfSlot(slot));
}

}  // namespace kelmo
