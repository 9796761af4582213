// Cells of times in the reports: a prayer row, Moon row cells and times inside text lines.
#pragma once

#include <span>
#include <string>

#include "base/config.h"
#include "calendar/row_time.h"
#include "prayer/prayer_times.h"

namespace kelmo {

// Kinds of writeTimesRow.
inline constexpr int kPrayerRow = 0;     // the fiqh's slots of nine prayer times, then "\n"
inline constexpr int kMoonRowCells = 1;  // every value, each cell followed by a tab suffix
inline constexpr int kInlineCells = 2;   // every value as a bare cell (times inside text lines)

// Rounding threshold of a prayer time in schedules: Imsak and Shuruq are cut down to the
// shown unit (kRoundDown), every other time is rounded up when anything remains (kRoundUp).
int prayerThreshold(PrayerSlot slot);

// Appends the cells of values (times on the row's day, or markers) to text, in the words and
// layout of config.language (files/reports/report_words.h).
// A cell is the time ("HH:MM" with config.precision 1, else "HH:MM:SS") and a day mark:
// blank for the same day, "<" for the previous, ">" for the next; a marker gives "NotValid ",
// "AlwAbove " or "AlwBelow ", and a time more than one day away "NotValid ".
// kPrayerRow takes the nine slots of PrayerTimes and shows Imsak, Fajr, Shuruq, Duhr, the
// school's Asr, Maghrib and (but for Jafari) Isha in cells of ReportLayout::cell (9 in
// English): Imsak and Shuruq are cut down to the shown unit, every other time is rounded up
// when anything remains.
// kMoonRowCells and kInlineCells round to the nearest; in English a Moon row cell is followed
// by "      \t" (minutes) or "    \t" (seconds), in another language by the blanks up to
// ReportLayout::moonCell and a tab. No line end but for kPrayerRow.
void writeTimesRow(const Config& config, int kind, std::span<const RowTime> values,
                   std::string& text);

}  // namespace kelmo
