// Speed of the Sun engine: one day's frame and the six event triples a prayer day asks for.
#include <benchmark/benchmark.h>

#include <array>

#include "astronomy/rise_set.h"
#include "astronomy/sun_day.h"
#include "base/angles.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"

#include "support/civil_date.h"
#include "support/places.h"

namespace {

using namespace kelmo;

Location cairo() {
    return test::place(30.0444, 31.2357, 2.0, 23);
}

CalendarDate date(int day) {
    return test::civil(2025, 5, day);
}

// Horizon (h0 of the frame), Fajr -13.5, Imsak -16, Isha -18, and the two Asr altitudes.
std::array<double, 6> targets(const DayFrame& frame) {
    return {frame.horizonAltitude, -13.5 * kDegToRad, -16.0 * kDegToRad,
            -18.0 * kDegToRad,     45.0 * kDegToRad,  26.57 * kDegToRad};
}

EventTriple solve(const DayFrame& f, const Location& l, double target, const Config& c) {
    return riseTransitSet(l.latitude, l.longitude, f.siderealTime, f.deltaTSeconds, f.sun, target,
                          c.maxAcceptableError);
}

void BM_PrepareSunDay(benchmark::State& state) {
    const Location l = cairo();
    const Config c;
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(prepareSunDay(date(day), l, c));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_PrepareSunDay);

void BM_SixEventTriples(benchmark::State& state) {
    const Location l = cairo();
    const Config c;
    const DayFrame frame = prepareSunDay(date(15), l, c);
    const std::array<double, 6> h = targets(frame);
    for (auto _ : state) {
        for (double target : h) benchmark::DoNotOptimize(solve(frame, l, target, c));
    }
}
BENCHMARK(BM_SixEventTriples);

// One prayer day's astronomy: the frame and the six triples, five of them at the place's own
// longitude sharing its transit and culminations, as sunEvents computes them.
void BM_FrameAndSixTriples(benchmark::State& state) {
    const Location l = cairo();
    const Config c;
    int day = 1;
    for (auto _ : state) {
        const DayFrame frame = prepareSunDay(date(day), l, c);
        const BodyDay sun(l.latitude, l.longitude, frame.siderealTime, frame.deltaTSeconds,
                          frame.sun, c.maxAcceptableError);
        const std::array<double, 6> h = targets(frame);
        for (std::size_t k = 0; k + 1 < h.size(); ++k) benchmark::DoNotOptimize(sun.events(h[k]));
        benchmark::DoNotOptimize(solve(frame, l, h.back(), c));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_FrameAndSixTriples);

}  // namespace
