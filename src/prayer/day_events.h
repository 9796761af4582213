// The event table of a place widened over the area around it ("distance from centre"): the
// times that hold everywhere within areaRadius km.
#pragma once

#include <array>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "prayer/event_table.h"
#include "prayer/sun_events.h"

namespace kelmo {

// sunEvents at the location, its rows put in order, then widened over the four corners of
// areaCorners(areaRadius) when areaRadius >= 1.
EventTable dayEvents(const CalendarDate& date, Location location, const Config& config);

// The same with the date's shared computations (sun_events.h), made for any place of the
// same time zone.
EventTable dayEvents(SharedSunDay& shared, const CalendarDate& date, Location location,
                     const Config& config);

// sunEvents at the location with its rows put in order (checkEventOrder), before widening.
// Widening never makes a missing time valid: a time missing here is missing from dayEvents.
EventTable pointEvents(SharedSunDay& shared, const CalendarDate& date, const Location& location,
                       const Config& config);

// Per row with a valid transit: when rise and set are valid, a rise later than the transit
// becomes NotValid; otherwise a valid set earlier than the transit becomes NotValid. Markers
// stay as they are.
void checkEventOrder(EventTable& table);

// Widens the centre's valid times by the corners' tables. Per slot the extreme E is the corner
// value farthest from the centre's (the first marker met, in corner order, ends the choice).
// A marker E replaces the centre's time; otherwise with g = |E - C|, g over one hour gives
// NotValid, sunrise and Imsak become C - g and every other time C + g.
void widenOverArea(EventTable& centre, const std::array<EventTable, 4>& corners);

}  // namespace kelmo
