// The parts of a named calculation method that are not one of the event table's altitudes:
// Maghrib at an angle below the horizon, Isha minutes after Maghrib (another value in
// Ramadan), Imsak minutes before Fajr, and the authority's minute adjustments.
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "prayer/prayer_times.h"

namespace kelmo {

// Maghrib of config's method for the civil date: sunset as given, or the set of the Sun to
// the method's Maghrib angle, widened over the area and completed by the high-latitude rule as
// an Isha angle would be (rule 9 moves only Fajr and Isha, so it leaves the angle alone); never
// before sunset. A missing time is a marker.
FrameTime methodMaghrib(const CalendarDate& date, const Location& location, const Config& config,
                        FrameTime sunset);

// Imsak the method's minutes before Fajr and Isha its minutes after Maghrib (its Ramadan value
// when the date lies in Ramadan by config's Hijri calendar at location), Duhr at the transit of
// the Sun's centre (true noon) where the method counts from it, then the method's minute
// adjustments of each prayer. Custom changes nothing. Applied to the corrected times; an Isha after
// a missing Maghrib (or an Imsak before a missing Fajr) takes its marker, and markers stay.
void applyMethodMinutes(const CalendarDate& date, const Location& location, const Config& config,
                        PrayerTimes& times);

}  // namespace kelmo
