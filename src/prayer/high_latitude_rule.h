// Rules that give a day a full set of times where the Sun does not reach the twilight angles
// (or the horizon) at high latitudes. Config::highLatitudeRule:
//   0 none; 1 / 2 a seventh of the day when needed / always; 3 / 4 a seventh of the night when
//   needed / always; 5 / 6 all / the missing times from the nearest latitude toward the
//   equator where the needed times exist; 7 / 8 all / the missing times from the nearest
//   earlier day where they exist; 9 fixed minutes around sunrise and sunset (made in the event
//   table by sunEvents, nothing to do here).
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "prayer/day_events_memo.h"
#include "prayer/event_table.h"

namespace kelmo {

inline constexpr int kRuleNone = 0;
inline constexpr int kRuleSeventhOfDayAlways = 2;
inline constexpr int kRuleSeventhOfNightAlways = 4;
// Passes of rules 5 to 8: latitudes moved by one degree or days gone back, at most.
inline constexpr int kMaxRulePasses = 365;

// True when every time the day needs is valid: Imsak, Fajr, Duhr, sunset, the school's Asr
// (fiqh 1, 3, 4 shadow factor 1; fiqh 2 shadow factor 2) and Isha (fiqh other than 0).
bool isDayComplete(const Config& config, const EventTable& table);

// Fills the missing times of table (the date's dayEvents at location) by the configured rule.
// Rules 5 and 6 move a copy of the location's latitude; the caller's location is unchanged.
void applyHighLatitudeRule(const CalendarDate& date, Location location, const Config& config,
                           EventTable& table);

// The same taking the tables of other days at the location from memo.
void applyHighLatitudeRule(const CalendarDate& date, Location location, const Config& config,
                           EventTable& table, DayEventsMemo& memo);

}  // namespace kelmo
