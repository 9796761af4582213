#include "prayer/sun_events.h"

#include "astronomy/angle_reduction.h"
#include "astronomy/observer.h"
#include "base/angles.h"

namespace kelmo {

namespace {

// Rows 1 and 2 for rule 9: Imsak nMinutes + 10 and Fajr nMinutes before sunrise, Isha
// nMinutes after sunset. A missing sunrise or sunset passes its marker on.
void fixedMinuteRows(const Config& config, EventTable& table) {
    const EventTriple& sun = table[EventRow::horizon];
    if (!sun.transit.isTime()) {
        table[EventRow::imsakIsha] = {sun.transit, sun.transit, sun.transit};
        table[EventRow::fajr] = table[EventRow::imsakIsha];
        return;
    }
    auto moved = [](FrameTime time, double minutes) {
        return time.movedBy(minutes * kMinuteToRad);
    };
    const double n = config.nMinutes;
    table[EventRow::imsakIsha] = {sun.transit, moved(sun.rise, -(n + 10.0)), moved(sun.set, n)};
    table[EventRow::fajr] = {sun.transit, moved(sun.rise, -n), moved(sun.set, n)};
}

}  // namespace

SharedSunDay::SharedSunDay(const CalendarDate& date, const Location& location, const Config& config)
    : frame_(prepareSunDay(date, location, config)) {}

const NoonSun& SharedSunDay::noonAt(const CalendarDate& date, const Location& location,
                                    double transit) {
    return noons_.find(
        [&](const NoonSun& noon) {
            return noon.transit == transit && noon.longitude == location.longitude;
        },
        [&] { return noonSun(date, location, frame_, transit); });
}

DayFrame frameAtPlace(const DayFrame& frame, const Location& place, const Config& config) {
    DayFrame moved = frame;
    moved.observer = observerGeocentric(place.latitude, place.height);
    moved.horizonAltitude = sunHorizonAltitude(moved, place, config);
    return moved;
}

EventTable sunEvents(const CalendarDate& date, const Location& location, const Config& config) {
    SharedSunDay shared(date, location, config);
    return sunEvents(shared, date, location, config);
}

EventTable sunEvents(SharedSunDay& shared, const CalendarDate& date, const Location& location,
                     const Config& config) {
    const DayFrame frame = frameAtPlace(shared.frame(), location, config);
    auto dayAt = [&](double longitude) {
        return BodyDay(location.latitude, longitude, frame.siderealTime, frame.deltaTSeconds,
                       frame.sun, config.maxAcceptableError);
    };
    // The Sun's day at the place, shared by every altitude at its own longitude.
    const BodyDay sunDay = dayAt(location.longitude);
    auto solve = [&](double altitude) { return sunDay.events(altitude); };
    auto degrees = [](float angle) { return static_cast<double>(angle) * kDegToRad; };

    EventTable table;
    const double h0 = frame.horizonAltitude;
    table[EventRow::horizon] = solve(h0);

    if (config.highLatitudeRule == kRuleFixedMinutes) {
        fixedMinuteRows(config, table);
    } else {
        const FrameTime imsakRise = solve(degrees(config.imsakAngle)).rise;
        table[EventRow::fajr] = solve(degrees(config.fajrAngle));
        table[EventRow::imsakIsha] = solve(degrees(config.ishaAngle));
        table[EventRow::imsakIsha].rise = imsakRise;
    }

    const FrameTime noon = table[EventRow::horizon].transit;
    const std::optional<double> transit = noon.angle();
    if (!transit) {
        for (EventRow r : {EventRow::duhr, EventRow::asrShadow1, EventRow::asrShadow2}) {
            table[r] = {noon, noon, noon};
        }
        return table;
    }

    table[EventRow::duhr] =
        dayAt(reduceAngleSigned(location.longitude - frame.semidiameter)).events(h0);
    const double shadow =
        noonShadowLength(shared.noonAt(date, location, *transit), location, config, frame);
    table[EventRow::asrShadow1] = solve(asrAltitude(shadow, 1));
    table[EventRow::asrShadow2] = solve(asrAltitude(shadow, 2));
    return table;
}

}  // namespace kelmo
