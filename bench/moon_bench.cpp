// Speed of the Moon: one lunar position, the Moon data at sunset for a month start, the
// Hijri date of a day (crescent visibility at Mecca), of a run of days with and without the
// lunation memo, and the Moon's rise, transit and set.
#include <benchmark/benchmark.h>

#include "astronomy/lunar_position.h"
#include "base/angles.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "hijri/hijri_date.h"
#include "moon/lunation_memo.h"
#include "moon/moon_data_at_sunset.h"
#include "moon/moon_rise_set.h"
#include "moon/new_moon.h"

#include "support/civil_date.h"
#include "support/places.h"

namespace {

using namespace kelmo;

Location mecca() {
    return test::place(21.4225, 39.8262, 3.0, 277);
}

CalendarDate date(int day) {
    return test::civil(2026, 3, day);
}

void BM_LunarPosition(benchmark::State& state) {
    double t = 0.26;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lunarPosition(t));
        t += 1e-6;
    }
}
BENCHMARK(BM_LunarPosition)->Unit(benchmark::kMicrosecond);

void BM_NextNewMoon(benchmark::State& state) {
    const Location place = mecca();
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nextNewMoon(date(day), place));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_NextNewMoon)->Unit(benchmark::kMicrosecond);

void BM_MoonRiseTransitSet(benchmark::State& state) {
    const Location place = mecca();
    const Config config;
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(moonRiseTransitSet(date(day), place, config));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_MoonRiseTransitSet)->Unit(benchmark::kMicrosecond);

void BM_MoonDataAtSunset(benchmark::State& state) {
    const Location place = mecca();
    const Config config;
    int day = 1;
    for (auto _ : state) {
        MoonSunsetData data;
        benchmark::DoNotOptimize(moonDataAtSunset(date(day), place, config, data));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_MoonDataAtSunset)->Unit(benchmark::kMicrosecond);

void BM_HijriFromDate(benchmark::State& state) {
    const Location place = mecca();
    const Config config;
    int day = 1;
    for (auto _ : state) {
        CalendarDate d = date(day);
        benchmark::DoNotOptimize(hijriFromDate(d, place, config));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_HijriFromDate)->Unit(benchmark::kMicrosecond);

// The Hijri dates of a run of 60 consecutive days (two month ends) at Mecca, each computed on
// its own (memo:0) or with the lunations kept for the run as a report keeps them (memo:1).
void BM_HijriRun(benchmark::State& state) {
    const Location place = mecca();
    const Config config;
    const bool keep = state.range(0) != 0;
    for (auto _ : state) {
        LunationMemo memo;
        for (int i = 0; i < 60; ++i) {
            CalendarDate d = date(1);
            d.day += i % 31;
            d.month += i / 31;
            benchmark::DoNotOptimize(keep ? hijriFromDate(d, place, config, memo)
                                          : hijriFromDate(d, place, config));
        }
    }
}
BENCHMARK(BM_HijriRun)->ArgName("memo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
