// What the background Timer costs: a tick reads the present local time at the location; a
// schedule finds the next prayer after the present moment.
#include <benchmark/benchmark.h>

#include "base/config.h"
#include "base/location.h"
#include "calendar/local_time.h"
#include "prayer/next_prayer.h"

#include "support/places.h"

namespace {

using namespace kelmo;

using test::manama;

void timerTick(benchmark::State& state) {
    const Zone zone = test::zoneOf(test::builtInPlace("London,Uk"));
    Instant now = instantOf(UtcTime{2024, 3, 11, 9, 0, 0.0});
    for (auto _ : state) {
        now += Seconds{0.5L};
        benchmark::DoNotOptimize(currentLocalTime(zone, now));
    }
}
BENCHMARK(timerTick);

// The search for the next prayer, as the Timer makes it after each alert.
void timerSchedule(benchmark::State& state) {
    const Location place = manama();
    const Zone zone = test::zoneOf(place);
    Config config;
    config.fiqh = 1;
    const Instant now = instantOf(UtcTime{2024, 3, 11, 9, 0, 0.0});
    for (auto _ : state) benchmark::DoNotOptimize(nextPrayerAfter(config, place, zone, now));
}
BENCHMARK(timerSchedule);

}  // namespace
