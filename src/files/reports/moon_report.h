// The Moon information report: for one day the Moon's rise, transit and set followed by the
// next new moon and the Moon at the first sunset on which it can be looked for; for a month
// or a year one line of rise, transit and set per day and, per month, the new-moon data.
// Texts are UTF-8, in the words of Config::language (files/reports/report_words.h).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/row_time.h"
#include "calendar/zone.h"
#include "moon/moon_data_at_sunset.h"

namespace kelmo {

// Appends the new-moon and Moon-at-sunset lines of data (as moonDataAtSunset filled it):
// both new moons with their local date and time (and the time plus Delta-T, "TDT"), the
// sunset's date, moonset and sunset with their difference, altitudes, azimuths, ages,
// elongations, distances, bright limb, crescent width, illumination, semidiameter, and when
// the month start falls in the Hijri era the possible first day of the Islamic month.
// A moonset on the day after the sunset's shows its clock time with the next-day mark ">".
// The data's local Julian days are of frame.timeZone time (the frame it was computed in);
// every time is shown on zone's clock in force at it.
void writeMoonData(const MoonSunsetData& data, const Location& frame, const Zone& zone,
                   const Config& config, std::string& text);

// moonDataAtSunset for date (in the day frame of date) and its lines, or the line
// "\n Could not calculate valid sunset/moonset times!\n"; returns moonDataAtSunset's result.
int appendMoonDataAtSunset(const CalendarDate& date, const Location& location, const Zone& zone,
                           const Config& config, MoonSunsetData& data, std::string& text);

// The Moon's rise, transit and set within the civil day (moonDayEvents) on the row of date.
std::array<RowTime, 3> moonRowTimes(const CalendarDate& date, const Location& location,
                                    const Zone& zone, const Config& config);

// The first days of the Gregorian months a month or year report lists (see moonReport).
std::vector<CalendarDate> moonReportMonths(const CalendarDate& date, const Location& location,
                                           const Config& config);

// Builds the whole report for the period in config.alertFlags into text (after what it holds).
// A month or year starts on day 1 of the month of date; for a date entered as Hijri, of the
// Gregorian month in which its Hijri month (Muharram for a year) begins.
void moonReport(const CalendarDate& date, const Location& location, const Zone& zone,
                const Config& config, std::string& text);

}  // namespace kelmo
