// Speed of the Qibla: the bearing and distance, the magnetic declination and one Sun-shadow
// evaluation (the Qibla window repeats the last every 30 seconds).
#include <benchmark/benchmark.h>

#include "astronomy/magnetic_declination.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/local_time.h"
#include "qibla/compute_qibla.h"
#include "qibla/qibla_direction.h"

#include "support/places.h"

namespace {

using namespace kelmo;

using test::manama;

ComputerTime noon() {
    return {instantOf(UtcTime{2026, 6, 21, 9, 0, 0.0}), Zone::fixed(Seconds{3.0L * 3600.0L})};
}

void BM_QiblaFromNorth(benchmark::State& state) {
    const Location place = manama();
    for (auto _ : state) benchmark::DoNotOptimize(QiblaFromNorth(place));
}
BENCHMARK(BM_QiblaFromNorth);

void BM_MagneticDeclination(benchmark::State& state) {
    CalendarDate date;
    date.year = 2005;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MagneticDeclination(0.45790652, 0.88284087, 0.0, date));
    }
}
BENCHMARK(BM_MagneticDeclination);

void BM_QiblaFromSunShadow(benchmark::State& state) {
    const Location place = manama();
    const Config config;
    const ComputerTime computer = noon();
    QiblaResults results;
    for (auto _ : state) {
        ComputeQibla(kQiblaFromSunShadow, place, config, computer, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_QiblaFromSunShadow);

}  // namespace
