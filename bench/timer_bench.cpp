// What the background Timer costs: a tick reads the present local time at the location; a
// schedule computes the prayer times of today and of the next day with summer time.
#include <benchmark/benchmark.h>

#include <span>

#include "base/config.h"
#include "base/location.h"
#include "calendar/julian_day.h"
#include "calendar/local_time.h"
#include "calendar/summer_time.h"
#include "prayer/day_times.h"

#include "support/places.h"

namespace {

using namespace kelmo;

using test::manama;

void timerTick(benchmark::State& state) {
    const Location place = manama();
    UtcTime now{2024, 3, 11, 9, 0, 0.0};
    for (auto _ : state) {
        now.second = now.second < 59.0 ? now.second + 0.5 : 0.0;
        benchmark::DoNotOptimize(currentLocalTime(place, now));
    }
}
BENCHMARK(timerTick);

// Today's and tomorrow's nine times, as the search for the next prayer may need both.
void timerSchedule(benchmark::State& state) {
    const Location place = manama();
    Config config;
    config.fiqh = 1;
    CalendarDate today;
    today.year = 2024;
    today.month = 3;
    today.day = 11;
    CalendarDate tomorrow = today;
    dateFromJulianDay(julianDay(today) + 1.0, tomorrow);
    for (auto _ : state) {
        for (const CalendarDate& day : {today, tomorrow}) {
            PrayerTimes t = computeDayTimes(day, place, config);
            applySummerTime(place, day, std::span<double>(t.slots));
            benchmark::DoNotOptimize(t);
        }
    }
}
BENCHMARK(timerSchedule);

}  // namespace
