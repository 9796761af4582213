#include "ui/window_words.h"

#include <algorithm>

#include "calendar/time_format.h"
#include "prayer/next_prayer.h"
#include "prayer/school_of_law.h"
#include "ui/text_edge.h"
#include "ui/window_language.h"

namespace kelmo::ui {

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
    if (slotPrayer[static_cast<std::size_t>(slot)] < 0) return {};
    return slotName(static_cast<PrayerSlot>(slot));
}

// The prayer's first slot (Asr 1 for Asr) names it.
QString alertPrayerName(int prayer) {
    const auto slot = std::find(slotPrayer.begin(), slotPrayer.end(), prayer);
    if (prayer < 0 || slot == slotPrayer.end()) return {};
    return slotName(static_cast<PrayerSlot>(slot - slotPrayer.begin()));
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

QString shownMinutes(double time) {
    return shownDigits(toWidget(formatTime(kRoundUp, time, 1, false).text));
}

}  // namespace kelmo::ui
