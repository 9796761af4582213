#include "files/reports/report_words.h"

#include <algorithm>
#include <array>

#include "calendar/utf8_text.h"
#include "prayer/school_of_law.h"

namespace kelmo {

namespace {

// The widest of texts, in cells.
template <typename Texts>
std::size_t widest(const Texts& texts) {
    std::size_t width = 0;
    for (std::string_view text : texts) width = std::max(width, shownWidth(text));
    return width;
}

std::size_t widthOf(const Words& w, Phrase p) {
    return shownWidth(w.phrase(p));
}

}  // namespace

const char* markerWord(const Words& words, EventStatus status) {
    switch (status) {
        case EventStatus::alwAbove:
            return words.markers[1];
        case EventStatus::alwBelow:
            return words.markers[2];
        default:
            return words.markers[0];
    }
}

const char* columnName(const Words& words, PrayerSlot slot) {
    if (slot == PrayerSlot::isha) return words.phrase(Phrase::ishaColumn);
    return words.prayerName(prayerNameOfSlot(slot));
}

ReportLayout reportLayout(const Words& w) {
    ReportLayout l;
    std::array<const char*, kPrayerSlotCount> columns{};
    for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
        columns[i] = columnName(w, static_cast<PrayerSlot>(i));
    }
    const std::size_t markers = widest(w.markers);
    l.cell = std::max({l.cell, markers + 1, widest(columns) + 1});
    l.date = std::max(l.date, widthOf(w, Phrase::dateColumn) + 1);
    l.hijriDate = std::max(l.hijriDate, widthOf(w, Phrase::hijriDateColumn) + 1);
    l.weekday =
        std::max({l.weekday, widest(w.shortWeekdays) + 1, widthOf(w, Phrase::dayColumn) + 1});
    if (!isEnglish(w)) {
        const std::array<const char*, 3> moonColumns = {w.phrase(Phrase::moonRiseColumn),
                                                        w.phrase(Phrase::moonTransitColumn),
                                                        w.phrase(Phrase::moonSetColumn)};
        l.moonCell = std::max({l.moonCell, widest(moonColumns) + 1, markers + 1});
        l.dayName = widest(columns) + 1;
    }
    return l;
}

}  // namespace kelmo
