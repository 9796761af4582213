// Speed of the prayer times: a year of days at a low and at a polar latitude.
#include <benchmark/benchmark.h>

#include "base/angles.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/julian_day.h"
#include "prayer/day_times.h"

#include "support/places.h"

namespace {

using namespace kelmo;

using test::longyearbyen;
using test::manama;

// 365 computeDayTimes from 1 January 2025, each on its own or (withMemo) sharing one
// DayEventsMemo as a year report may.
void computeYear(benchmark::State& state, const Location& location, const Config& config,
                 bool withMemo) {
    CalendarDate first;
    first.year = 2025;
    const double jd = julianDay(first);
    for (auto _ : state) {
        DayEventsMemo memo;
        for (int d = 0; d < 365; ++d) {
            CalendarDate date;
            dateFromJulianDay(jd + d, date);
            if (withMemo) {
                benchmark::DoNotOptimize(computeDayTimes(date, location, config, memo));
            } else {
                benchmark::DoNotOptimize(computeDayTimes(date, location, config));
            }
        }
    }
}

// Default settings (area 10 km, rule 5); range(0): 1 with a shared memo.
void BM_YearManamaDefaults(benchmark::State& state) {
    computeYear(state, manama(), Config{}, state.range(0) != 0);
}

// Mecca with the place's own times only (area 0), as a year report computes them; the time
// per day is the year's time / 365.
void BM_YearMeccaArea0(benchmark::State& state) {
    Location mecca;
    mecca.latitude = 21.4225 * kDegToRad;
    mecca.longitude = 39.8262 * kDegToRad;
    mecca.timeZone = 3.0f;
    mecca.height = 277;
    Config config;
    config.areaRadius = 0;
    computeYear(state, mecca, config, true);
    state.SetItemsProcessed(state.iterations() * 365);
}

// range(0): the high-latitude rule; range(1): 1 with a shared memo.
void BM_YearLongyearbyen(benchmark::State& state) {
    Config config;
    config.highLatitudeRule = static_cast<int>(state.range(0));
    computeYear(state, longyearbyen(), config, state.range(1) != 0);
}

}  // namespace

BENCHMARK(BM_YearManamaDefaults)->ArgName("memo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearMeccaArea0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearLongyearbyen)
    ->ArgNames({"rule", "memo"})
    ->Args({7, 0})
    ->Args({7, 1})
    ->Args({5, 0})
    ->Args({5, 1})
    ->Unit(benchmark::kMillisecond);
