// Speed of the prayer-times chart of a year: the series (the year's days with and without the
// high-latitude rule, and the Hijri dates) at Manama, Oslo and Longyearbyen with the default
// rule, and the picture drawn and encoded as PNG and as SVG.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "files/output/prayer_chart.h"
#include "support/civil_date.h"
#include "support/places.h"
#include "ui/chart/chart_file.h"

namespace {

using namespace kelmo;

Config shafii() {
    Config c;
    c.fiqh = 1;
    return c;
}

PrayerChart year(const char* place) {
    const Location l = test::builtInPlace(place);
    return prayerChart(test::civil(2026, 1, 1), ChartPeriod::year, l, test::zoneOf(l), shafii(),
                       test::civil(2026, 1, 1));
}

void BM_PrayerChartYear(benchmark::State& state, const char* place) {
    for (auto _ : state) {
        const PrayerChart chart = year(place);
        benchmark::DoNotOptimize(chart.days.data());
    }
}
BENCHMARK_CAPTURE(BM_PrayerChartYear, Manama, "Manama,Bahrain")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrayerChartYear, Oslo, "Oslo,Norway")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrayerChartYear, Longyearbyen, "Longyearbyen,Svalbard")
    ->Unit(benchmark::kMillisecond);

// Drawing needs a GUI application for its fonts; offscreen, no display.
void withApplication() {
    static int argc = 3;
    static char name[] = "kelmo_bench", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    static QGuiApplication application(argc, argv);
}

void BM_PrayerChartFile(benchmark::State& state, ChartFormat format) {
    withApplication();
    const PrayerChart chart = year("Oslo,Norway");
    for (auto _ : state) {
        const QByteArray bytes = ui::chartFileBytes(chart, format);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK_CAPTURE(BM_PrayerChartFile, Png, ChartFormat::png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrayerChartFile, Svg, ChartFormat::svg)->Unit(benchmark::kMillisecond);

}  // namespace
