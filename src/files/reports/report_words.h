// The words and the column widths of a report: the words of the language the configuration
// chose (calendar/words.h), English when it chose none. English keeps today's layout byte for
// byte; in another language every column is as wide as its widest text (in the cells a
// fixed-width font shows, calendar/utf8_text.h), so that the columns stay aligned in any script.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/config.h"
#include "calendar/event.h"
#include "calendar/words.h"
#include "prayer/prayer_times.h"

namespace kelmo {

inline const Words& reportWords(const Config& config) {
    return wordsOf(config.language);
}

// True for the English words, whose reports keep the layout they always had.
inline bool isEnglish(const Words& words) {
    return &words == &wordsOf(Language::english);
}

// A marker's word in words: NotValid, AlwAbove or AlwBelow.
const char* markerWord(const Words& words, EventStatus status);

// The title of a prayer column: the prayer's name, "Isha'a" for Isha.
const char* columnName(const Words& words, PrayerSlot slot);

// Widths in cells; the English values are those of today's reports.
struct ReportLayout {
    std::size_t cell = 9;       // a prayer time or marker and the blanks after it
    std::size_t date = 5;       // the civil day number and the blanks after it
    std::size_t hijriDate = 8;  // the Hijri day number and the blanks after it
    std::size_t weekday = 4;    // the short weekday and the blank after it
    std::size_t moonCell = 11;  // a Moon time or marker and the blanks before its tab
    std::size_t dayName = 0;    // a prayer's name in the day's message box (0: English rule)
};

ReportLayout reportLayout(const Words& words);

}  // namespace kelmo
