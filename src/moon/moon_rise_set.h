// Rise, transit and set of the Moon for a local day.
#pragma once

#include "astronomy/rise_set.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"

namespace kelmo {

// The Moon's (transit, rise, set) within the local day date at location, times of day in
// radians from local midnight of zone time in [0, 2 pi), or markers: NotValid for an event the
// day does not hold (the Moon's day is longer than the Sun's, so about once a month a day has
// no transit, no rise or no set), AlwAbove or AlwBelow when the Moon stays above or below the
// horizon all day. The Moon's upper limb touches the visible horizon at rise and set
// (parallax, semidiameter, refraction by the configured temperature and pressure, dip of the
// horizon).
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), chapter 15.
EventTriple moonRiseTransitSet(const CalendarDate& date, const Location& location,
                               const Config& config);

// The Moon's pass whose transit falls near the local day (as riseTransitSet finds the Sun's):
// the rise before and the set after that transit, which may lie on the day before or after.
// The evening of a new moon needs this set: the young Moon transits shortly after the Sun and
// may set after midnight.
EventTriple moonPassOfDay(const CalendarDate& date, const Location& location, const Config& config);

}  // namespace kelmo
