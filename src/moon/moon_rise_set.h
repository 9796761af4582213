// Rise, transit and set of the Moon for a local day.
#pragma once

#include "astronomy/rise_set.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"

namespace kelmo {

// The Moon's (transit, rise, set) for the local day date at location, times of day in
// radians from local midnight of zone time (may lie below 0 or at or above 2 pi), or markers.
// The Moon's upper limb touches the visible horizon at rise and set (parallax, semidiameter,
// refraction by the configured temperature and pressure, dip of the horizon).
// When the transit found lies outside the day, the day frame is moved half a day toward it
// and the times are computed once more, then counted again from the day's midnight.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), chapter 15.
EventTriple moonRiseTransitSet(const CalendarDate& date, const Location& location,
                               const Config& config);

}  // namespace kelmo
