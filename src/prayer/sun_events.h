// The event table of one point: the Sun's transit, rise and set at the six altitudes of the
// prayer times.
#pragma once

#include "astronomy/sun_day.h"
#include "base/config.h"
#include "base/location.h"
#include "base/recent_values.h"
#include "calendar/calendar_date.h"
#include "prayer/asr_altitude.h"
#include "prayer/event_table.h"

namespace kelmo {

inline constexpr int kRuleFixedMinutes = 9;  // highLatitudeRule: n minutes for Fajr and Isha

// What the points of one date and one time zone share, computed once: the day frame (moved to
// each point by frameAtPlace) and the Sun at the noons already met (the Sun at noon depends on
// the longitude and the transit only, and the transit not on the latitude). Every result is
// the same as from a fresh computation at each point.
class SharedSunDay {
  public:
    SharedSunDay(const CalendarDate& date, const Location& location, const Config& config);

    const DayFrame& frame() const { return frame_; }
    // noonSun of the date at the location's longitude and transit.
    const NoonSun& noonAt(const CalendarDate& date, const Location& location, double transit);

  private:
    DayFrame frame_;
    RecentValues<NoonSun, 16> noons_;
};

// The day frame of the same date and time zone moved to another place: only the observer's
// geocentric position and the horizon altitude depend on the place's latitude and height.
// Equal to prepareSunDay at that place.
DayFrame frameAtPlace(const DayFrame& frame, const Location& place, const Config& config);

// Event table of the civil date (integer day) at the location's exact point.
//   row 0  h0 (sunHorizonAltitude)
//   row 1  rise to imsakAngle, transit and set at ishaAngle
//   row 2  fajrAngle
//   row 3  h0 with the longitude reduced by the Sun's semidiameter (Duhr)
//   rows 4, 5  the Asr altitudes of shadow factor 1 and 2
// With highLatitudeRule 9 rows 1 and 2 are sunrise and sunset moved by nMinutes (+ 10 for
// Imsak) instead, and a missing sunrise or sunset passes its marker on. When true noon does
// not exist, rows 3 to 5 hold its marker.
EventTable sunEvents(const CalendarDate& date, const Location& location, const Config& config);

// The same with the date's shared computations (made for any place of the same time zone).
EventTable sunEvents(SharedSunDay& shared, const CalendarDate& date, const Location& location,
                     const Config& config);

}  // namespace kelmo
