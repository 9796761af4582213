#include "moon/moon_day_events.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/recent_values.h"
#include "calendar/day_frame.h"
#include "calendar/julian_day.h"
#include "moon/moon_rise_set.h"

namespace kelmo {

namespace {

// One event found by two neighbouring days of the solver near their common midnight: the
// Moon's rises (and sets, transits) lie most of a day apart.
constexpr Seconds kSameEvent{3600.0L};

struct FrameEvents {
    std::array<Event, 3> events;  // rise, transit, set
};

// The solver's events of one day frame with what they were computed from: consecutive civil
// days share two of their three frames.
struct KeptFrame {
    double jd = 0.0;
    Location frame;
    int temperature = 0, pressure = 0, maxError = 0;
    FrameEvents events;

    bool isFor(double dayJd, const Location& f, const Config& c) const {
        return jd == dayJd && frame.latitude == f.latitude && frame.longitude == f.longitude &&
               frame.height == f.height && frame.timeZone == f.timeZone &&
               temperature == c.temperature && pressure == c.pressure &&
               maxError == c.maxAcceptableError;
    }
};

// The solver's events of the standard-time day of date, within that day.
FrameEvents frameEvents(const CalendarDate& date, const Location& location, const Zone& zone,
                        const Config& config) {
    thread_local RecentValues<KeptFrame, 4> kept;
    const Location frame = dayFrameOf(date, location, zone);
    const double jd = julianDay(date);
    return kept
        .find([&](const KeptFrame& k) { return k.isFor(jd, frame, config); },
              [&] {
                  const EventTriple t = moonRiseTransitSet(date, frame, config);
                  return KeptFrame{jd,
                                   frame,
                                   config.temperature,
                                   config.pressure,
                                   config.maxAcceptableError,
                                   {{eventOfFrameTime(t.rise, date, frame),
                                     eventOfFrameTime(t.transit, date, frame),
                                     eventOfFrameTime(t.set, date, frame)}}};
              })
        .events;
}

// The instants of one kind of event over the frames, an event met twice (once each side of a
// midnight) kept once at the mean of its two solutions, so that each day sees the same one.
std::vector<Instant> distinctInstants(const std::array<FrameEvents, 3>& frames, std::size_t kind) {
    std::vector<Instant> found;
    for (const FrameEvents& f : frames) {
        if (const std::optional<Instant> t = f.events[kind].instant()) found.push_back(*t);
    }
    std::sort(found.begin(), found.end());
    std::vector<Instant> distinct;
    for (const Instant t : found) {
        if (!distinct.empty() && t - distinct.back() < kSameEvent) {
            distinct.back() = distinct.back() + (t - distinct.back()) / 2;
        } else {
            distinct.push_back(t);
        }
    }
    return distinct;
}

Event firstWithin(const std::array<FrameEvents, 3>& frames, std::size_t kind, Instant start,
                  Instant end) {
    for (const Instant t : distinctInstants(frames, kind)) {
        if (t >= start && t < end) return Event::at(t);
    }
    const EventStatus own = frames[1].events[kind].status();  // the day's own frame
    return Event::marker(own == EventStatus::time ? EventStatus::notValid : own);
}

}  // namespace

MoonDayEvents moonDayEvents(const CalendarDate& date, const Location& location, const Zone& zone,
                            const Config& config) {
    const CalendarDate day = daysLater(date, 0);
    const std::array<FrameEvents, 3> frames = {
        frameEvents(daysLater(day, -1), location, zone, config),
        frameEvents(day, location, zone, config),
        frameEvents(daysLater(day, 1), location, zone, config)};
    const Instant start = zone.startOfDay(day);
    const Instant end = zone.startOfDay(daysLater(day, 1));
    return {firstWithin(frames, 0, start, end), firstWithin(frames, 1, start, end),
            firstWithin(frames, 2, start, end)};
}

}  // namespace kelmo
