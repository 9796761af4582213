// Speed of the reports: a year of the prayer schedule and a year of the Moon information at
// Manama with the program's default settings (the whole text, Hijri dates included).
#include <benchmark/benchmark.h>

#include <string>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "files/reports/moon_report.h"
#include "files/reports/prayer_report.h"
#include "hijri/hijri_date.h"

#include "support/places.h"

namespace {

using namespace kelmo;

using test::manama;

Config period(int value, bool hijri = false) {
    Config c;
    c.alertFlags = (value << alert::kPeriodShift) | (hijri ? alert::kHijriDate : 0);
    return c;
}

CalendarDate firstOf2026(const Location& l, const Config& c) {
    CalendarDate d;
    d.year = 2026;
    d.month = 1;
    d.day = 1;
    hijriFromDate(d, l, c);
    return d;
}

void BM_PrayerReportYear(benchmark::State& state) {
    const Location l = manama();
    const Config c = period(2);
    const CalendarDate d = firstOf2026(l, c);
    for (auto _ : state) {
        std::string text;
        prayerScheduleReport(d, l, test::zoneOf(l), c, text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_PrayerReportYear)->Unit(benchmark::kMillisecond);

void BM_PrayerReportHijriYear(benchmark::State& state) {
    const Location l = manama();
    const Config c = period(2, true);
    CalendarDate d = firstOf2026(l, c);
    d.hijriYear = 1448;
    d.hijriMonth = 1;
    for (auto _ : state) {
        std::string text;
        prayerScheduleReport(d, l, test::zoneOf(l), c, text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_PrayerReportHijriYear)->Unit(benchmark::kMillisecond);

void BM_PrayerReportMonth(benchmark::State& state) {
    const Location l = manama();
    const Config c = period(1);
    const CalendarDate d = firstOf2026(l, c);
    for (auto _ : state) {
        std::string text;
        prayerScheduleReport(d, l, test::zoneOf(l), c, text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_PrayerReportMonth)->Unit(benchmark::kMillisecond);

void BM_MoonReportYear(benchmark::State& state) {
    const Location l = manama();
    const Config c = period(2);
    const CalendarDate d = firstOf2026(l, c);
    for (auto _ : state) {
        std::string text;
        moonReport(d, l, test::zoneOf(l), c, text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_MoonReportYear)->Unit(benchmark::kMillisecond);

}  // namespace
