// The opening lines shared by the prayer schedule and the Moon information reports: the
// banner, the location block, the configuration block (prayer schedule only), the title and
// the column line. Texts are UTF-8; every function appends to a growing text.
#pragma once

#include <string>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/words.h"

namespace kelmo {

// Kinds of report header.
inline constexpr int kPrayerHeader = 0;         // prayer schedule, with the configuration block
inline constexpr int kMoonRiseFirstHeader = 1;  // Moon: MoonRise, MoonTransit, MoonSet
inline constexpr int kMoonSetFirstHeader = 2;   // Moon: MoonSet, MoonTransit, MoonRise

// The period of a report, from bits 8..9 of Config::alertFlags (the value 3 counts as a year).
enum class ReportPeriod { day = 0, month = 1, year = 2 };
ReportPeriod reportPeriod(const Config& config);

// True when the report's date was entered as a Hijri date (bit 12 of Config::alertFlags).
bool isHijriReport(const Config& config);

inline constexpr std::size_t kSeparatorWidth = 80;

// 80 "=" and a line end.
const std::string& separatorLine();

// "\n\t\tKelmo Times\t  Version 2.8, July, 2008\n" and the separator line.
void writeBanner(std::string& text);

// The high-latitude rule as the reports name it in words: its name, or for the rule of fixed
// minutes "75 minutes for Fajr and Isha prayers" ("75 minutes for Fajr prayer" for a school
// without Isha).
std::string highLatitudeRuleText(const Config& config, const Words& words);

// Description of a summer-time rule code in words: "21, March" (fixed day) or "Last Sunday,
// March" (weekday rule). The code must lie inside the data model of calendar/summer_time.h.
std::string summerTimeRuleText(int code, const Words& words);

// Appends the location block, for kind kPrayerHeader the configuration block, the separator,
// the title line of date for the period in config.alertFlags, the column line and the
// separator, in the words of config.language (files/reports/report_words.h).
//   date     for a month or year: the first day of the month being reported, both calendars
//   lastDay  for a month of the prayer schedule: its last day, both calendars; the title names
//            every month of the other calendar from date's to lastDay's, each year after its
//            last month ("Jumada II-Rajab-Sha'ban/1446", "Thu Al-Hijja/1446-Muharram/1447",
//            "December/2025-January/2026"). Without it (or without its valid Hijri date) only
//            date's month is named.
void writeReportHeader(const CalendarDate& date, const Location& location, const Config& config,
                       int kind, std::string& text, const CalendarDate* lastDay = nullptr);

}  // namespace kelmo
