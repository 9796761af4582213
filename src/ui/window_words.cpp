#include "ui/window_words.h"

#include <array>

#include "prayer/next_prayer.h"
#include "prayer/school_of_law.h"
#include "ui/window_language.h"

namespace kelmo::ui {

namespace {

constexpr std::array<PrayerName, 5> kAlertPrayers = {
    PrayerName::fajr, PrayerName::duhr, PrayerName::asr, PrayerName::maghrib, PrayerName::isha};

}  // namespace

const Words& windowWords() {
    return wordsOf(installedLanguage());
}

QString shownWord(const char* word) {
    return QString::fromUtf8(word);
}

QString slotName(PrayerSlot slot) {
    return shownWord(windowWords().prayerName(prayerNameOfSlot(slot)));
}

QString slotPrayerWord(int slot) {
    if (slot < 0 || slot >= static_cast<int>(slotPrayer.size())) return {};
    const int prayer = slotPrayer[static_cast<std::size_t>(slot)];
    return prayer < 0 ? QString() : alertPrayerName(prayer);
}

QString alertPrayerName(int prayer) {
    if (prayer < 0 || prayer >= static_cast<int>(kAlertPrayers.size())) return {};
    return shownWord(windowWords().prayerName(kAlertPrayers[static_cast<std::size_t>(prayer)]));
}

QString weekdayName(int isoWeekday) {
    return shownWord(windowWords().weekday(isoWeekday));
}

QString monthName(int month) {
    return shownWord(windowWords().month(month));
}

QString hijriMonthName(int month) {
    return shownWord(windowWords().hijriMonth(month));
}

QString markerName(EventStatus status) {
    const Words& words = windowWords();
    switch (status) {
        case EventStatus::alwAbove:
            return shownWord(words.markers[1]);
        case EventStatus::alwBelow:
            return shownWord(words.markers[2]);
        default:
            return shownWord(words.markers[0]);
    }
}

}  // namespace kelmo::ui
