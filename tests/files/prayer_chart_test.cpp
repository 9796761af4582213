#include "files/output/prayer_chart.h"
#include "files/reports/prayer_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/summer_time.h"
#include "files/output/chart_strokes.h"
#include "hijri/hijri_date.h"
#include "prayer/day_prayers.h"
#include "prayer/day_times.h"
#include "prayer/school_of_law.h"

#include "support/civil_date.h"
#include "support/hijri_month.h"
#include "support/places.h"

namespace kelmo {
namespace {

// A place of the built-in location list.
Location builtIn(const char* name) {
    int answer = -1;
    const Location l = test::builtInPlace(name, &answer);
    EXPECT_EQ(answer, 0) << name;
    return l;
}

Config shafii(int rule) {
    Config c;
    c.fiqh = 1;
    c.highLatitudeRule = rule;
    return c;
}

using test::civil;

const ChartDay* dayOf(const PrayerChart& chart, int month, int day) {
    for (const ChartDay& d : chart.days) {
        if (d.date.month == month && static_cast<int>(d.date.day) == day) return &d;
    }
    return nullptr;
}

// The day on its own as the schedule report shows it: the chart must show the same.
ScheduleDay shownDay(const CalendarDate& date, const Location& l, const Config& c) {
    const Zone zone = test::zoneOf(l);
    return scheduleDay(date, dayPrayers(date, l, zone, c), zone);
}

constexpr int kYear = 2024;
const CalendarDate kNoToday = civil(1990, 1, 1);

TEST(PrayerChart, PointsAreTheComputedTimesWithSummerTime) {
    struct Case {
        const char* place;
        int month, day;
    };
    // Around the summer-time changes of Oslo (31 March, 27 October) and Auckland (its rule
    // codes name the third Sunday of March and the first Sunday of October), polar night and
    // day at Longyearbyen, and Manama without summer time.
    const Case cases[] = {{"Oslo,Norway", 3, 30},           {"Oslo,Norway", 3, 31},
                          {"Oslo,Norway", 6, 21},           {"Oslo,Norway", 10, 27},
                          {"Auckland,New Zealand", 3, 16},  {"Auckland,New Zealand", 3, 17},
                          {"Auckland,New Zealand", 10, 6},  {"Auckland,New Zealand", 12, 21},
                          {"Longyearbyen,Svalbard", 1, 15}, {"Longyearbyen,Svalbard", 6, 21},
                          {"Manama,Bahrain", 3, 20},        {"Manama,Bahrain", 9, 22}};
    for (const Case& c : cases) {
        const Location l = builtIn(c.place);
        const Config config = shafii(5);
        const PrayerChart chart = prayerChart(civil(kYear, c.month, 1), ChartPeriod::month, l,
                                              test::zoneOf(l), config, kNoToday);
        const std::string where =
            std::string(c.place) + " " + std::to_string(c.month) + "/" + std::to_string(c.day);
        const ChartDay* day = dayOf(chart, c.month, c.day);
        ASSERT_NE(day, nullptr) << where;
        EXPECT_EQ(day->offset, c.day - 1) << where;
        const ScheduleDay expected = shownDay(day->date, l, config);
        EXPECT_EQ(day->summerTime, expected.summerTime) << where;
        ASSERT_EQ(chart.slots, shownSlots(config.fiqh));
        for (std::size_t k = 0; k < chart.slots.size(); ++k) {
            const RowTime& t = expected.shown[static_cast<std::size_t>(chart.slots[k])];
            ASSERT_EQ(day->points[k].valid, t.isTime()) << where << " slot " << k;
            if (t.isTime()) {
                EXPECT_DOUBLE_EQ(day->points[k].hours, static_cast<double>(t.seconds / 3600.0L))
                    << where;
            }
        }
    }
    // The step of summer time: Oslo's Duhr moves by about an hour from 30 to 31 March.
    const Location osloPlace = builtIn("Oslo,Norway");
    const PrayerChart oslo = prayerChart(civil(kYear, 3, 1), ChartPeriod::month, osloPlace,
                                         test::zoneOf(osloPlace), shafii(5), kNoToday);
    const double step = dayOf(oslo, 3, 31)->points[3].hours - dayOf(oslo, 3, 30)->points[3].hours;
    EXPECT_NEAR(step, 1.0, 0.01);
}

// Summer time is shaded on the days the tz database keeps summer time (Python's zoneinfo:
// Istanbul 29 March to 7 November 2015, 224 days), not where the clock differs from the
// stored zone time: Almaty in 2023 (+6 before the change to +5) and Moscow in 2012 (+4 all
// year) had none.
TEST(PrayerChart, SummerTimeIsTheDatabasesSummerTime) {
    struct Case {
        const char* place;
        int year;
        int summerDays;
    };
    for (const Case& c : {Case{"Ankara,Turkey", 2015, 224}, Case{"Almaty,Kazakstan", 2023, 0},
                          Case{"Moscow,Russia", 2012, 0}}) {
        const Location l = builtIn(c.place);
        const PrayerChart chart = prayerChart(civil(c.year, 1, 1), ChartPeriod::year, l,
                                              test::zoneOf(l), shafii(5), kNoToday);
        const auto summer = std::count_if(chart.days.begin(), chart.days.end(),
                                          [](const ChartDay& d) { return d.summerTime; });
        EXPECT_EQ(summer, c.summerDays) << c.place;
    }
}

// With a rule that fills only the missing times, the rule's days are exactly those on which
// computeDayTimes without a rule gives a marker.
TEST(PrayerChart, RuleDaysAreWhereTheDayWithoutRuleHasAMarker) {
    const Location oslo = builtIn("Oslo,Norway");
    Config withoutRule = shafii(0);
    for (int rule : {1, 3, 6, 8}) {
        const Config config = shafii(rule);
        const PrayerChart chart = prayerChart(civil(kYear, 1, 1), ChartPeriod::year, oslo,
                                              test::zoneOf(oslo), config, kNoToday);
        ASSERT_EQ(chart.days.size(), 366u);
        int flagged = 0;
        for (const ChartDay& day : chart.days) {
            const PrayerTimes plain = computeDayTimes(day.date, oslo, withoutRule);
            for (std::size_t k = 0; k < chart.slots.size(); ++k) {
                const bool marker = !plain[chart.slots[k]].isTime();
                EXPECT_EQ(day.points[k].fromRule, marker && day.points[k].valid)
                    << "rule " << rule << " " << day.date.month << "/" << day.date.day;
                flagged += day.points[k].fromRule;
            }
        }
        // Isha at -18 degrees is missing in Oslo's summer nights.
        EXPECT_GT(flagged, 60) << rule;
        EXPECT_EQ(chart.ruleName, names::kHighLatitudeRules[rule]);
    }
}

TEST(PrayerChart, RulesThatReplaceTimesFlagEveryTimeTheyChanged) {
    const Location oslo = builtIn("Oslo,Norway");
    const std::size_t maghrib = 5, isha = 6;  // Imsak Fajr Shuruq Duhr Asr Maghrib Isha
    // "Nearest location-all prayers": on a day without Isha every time comes from a latitude
    // nearer the equator, so Maghrib is not Oslo's sunset and is drawn as the rule's.
    const PrayerChart june = prayerChart(civil(kYear, 6, 1), ChartPeriod::month, oslo,
                                         test::zoneOf(oslo), shafii(5), kNoToday);
    const ChartDay* midsummer = dayOf(june, 6, 21);
    EXPECT_TRUE(midsummer->points[isha].fromRule);
    EXPECT_TRUE(midsummer->points[maghrib].fromRule);
    const ScheduleDay own = shownDay(midsummer->date, oslo, shafii(0));
    const long double ownMaghrib = own.shown[static_cast<std::size_t>(PrayerSlot::maghrib)].seconds;
    EXPECT_LT(midsummer->points[maghrib].hours, static_cast<double>(ownMaghrib / 3600.0L) - 0.1);
    // A winter day has all its times: nothing is the rule's.
    const PrayerChart january = prayerChart(civil(kYear, 1, 1), ChartPeriod::month, oslo,
                                            test::zoneOf(oslo), shafii(5), kNoToday);
    for (const ChartPoint& p : dayOf(january, 1, 15)->points) EXPECT_FALSE(p.fromRule);
    // "1/7 of night always" replaces Imsak, Fajr and Isha on every day, and only those.
    const PrayerChart always = prayerChart(civil(kYear, 1, 1), ChartPeriod::month, oslo,
                                           test::zoneOf(oslo), shafii(4), kNoToday);
    const std::vector<bool> expected = {true, true, false, false, false, false, true};
    for (const ChartDay& day : always.days) {
        for (std::size_t k = 0; k < expected.size(); ++k) {
            EXPECT_EQ(day.points[k].fromRule, expected[k]) << day.date.day << " " << k;
        }
    }
    // Without a rule nothing is flagged and the missing Isha is a gap.
    const PrayerChart none = prayerChart(civil(kYear, 6, 1), ChartPeriod::month, oslo,
                                         test::zoneOf(oslo), shafii(0), kNoToday);
    EXPECT_TRUE(none.ruleName.empty());
    EXPECT_FALSE(dayOf(none, 6, 21)->points[isha].valid);
    for (const ChartDay& day : none.days) {
        for (const ChartPoint& p : day.points) EXPECT_FALSE(p.fromRule);
    }
}

TEST(PrayerChart, MarkersOfThePolarNightAndDayAreGaps) {
    const Location svalbard = builtIn("Longyearbyen,Svalbard");
    const PrayerChart year = prayerChart(civil(kYear, 1, 1), ChartPeriod::year, svalbard,
                                         test::zoneOf(svalbard), shafii(0), kNoToday);
    const std::size_t shuruq = 2;
    const ChartDay* polarNight = dayOf(year, 12, 21);
    const ChartDay* polarDay = dayOf(year, 6, 21);
    const ChartDay* equinox = dayOf(year, 3, 20);
    EXPECT_FALSE(polarNight->points[shuruq].valid);
    EXPECT_FALSE(polarDay->points[shuruq].valid);
    EXPECT_TRUE(equinox->points[shuruq].valid);
    // No stroke of sunrise reaches into a day without sunrise.
    for (const ChartStroke& stroke : chartStrokes(year, shuruq)) {
        for (const ChartXY& p : stroke.points) {
            const auto day = static_cast<std::size_t>(p.day);
            ASSERT_LT(day, year.days.size());
            EXPECT_TRUE(year.days[day].points[shuruq].valid) << p.day;
        }
    }
    // The nearest-location rule fills the polar night with times, all of them the rule's.
    const PrayerChart filled = prayerChart(civil(kYear, 12, 1), ChartPeriod::month, svalbard,
                                           test::zoneOf(svalbard), shafii(5), kNoToday);
    for (const ChartPoint& p : dayOf(filled, 12, 21)->points) {
        EXPECT_TRUE(p.valid);
        EXPECT_TRUE(p.fromRule);
    }
}

TEST(PrayerChart, HijriMonthStartsAreThoseOfTheCrescentAtThePlace) {
    const Location manama = builtIn("Manama,Bahrain");
    const Config config = shafii(5);
    const PrayerChart chart = prayerChart(civil(kYear, 1, 1), ChartPeriod::year, manama,
                                          test::zoneOf(manama), config, civil(kYear, 3, 20));
    ASSERT_GE(chart.hijriMonthStarts.size(), 12u);
    int previousMonth = 0;
    for (const HijriMonthStart& start : chart.hijriMonthStarts) {
        CalendarDate date = chart.days[start.offset].date;
        ASSERT_EQ(chart.days[start.offset].offset, start.offset);
        ASSERT_EQ(hijriFromDate(date, manama, config), 1);
        EXPECT_EQ(date.hijriDay, 1);
        EXPECT_EQ(date.hijriMonth, start.hijriMonth);
        CalendarDate before = daysLater(date, -1);
        ASSERT_EQ(hijriFromDate(before, manama, config), 1);
        EXPECT_GE(before.hijriDay, 29);
        if (previousMonth != 0) {
            EXPECT_EQ(start.hijriMonth, previousMonth % 12 + 1);
        }
        previousMonth = start.hijriMonth;
    }
    // New moon on 10 March 2024 at 09:00 UT: too young to be seen in the Gulf that evening, so
    // Ramadan 1445 decided by the crescent begins on 12 March.
    bool ramadan = false;
    for (const HijriMonthStart& start : chart.hijriMonthStarts) {
        if (start.hijriMonth == 9 && start.hijriYear == 1445) {
            EXPECT_EQ(chart.days[start.offset].date.month, 3);
            EXPECT_EQ(chart.days[start.offset].date.day, 12);
            ramadan = true;
        }
    }
    EXPECT_TRUE(ramadan);
    ASSERT_TRUE(chart.today.has_value());
    EXPECT_EQ(*chart.today, 31 + 29 + 19);
    EXPECT_EQ(chart.length, 366);
}

TEST(PrayerChart, HijriMonthFromItsFirstDayWithTitleAndSettings) {
    const Location manama = builtIn("Manama,Bahrain");
    Config config = shafii(5);
    config.alertFlags = alert::kHijriDate;
    int found = 0;
    const CalendarDate ramadan = test::firstOfHijriMonth(1445, 9, manama, config, &found);
    ASSERT_EQ(found, 1);
    const PrayerChart chart =
        prayerChart(ramadan, ChartPeriod::month, manama, test::zoneOf(manama), config, kNoToday);
    ASSERT_GE(chart.days.size(), 29u);
    ASSERT_LE(chart.days.size(), 30u);
    EXPECT_EQ(chart.days.front().date.hijriDay, 1);
    EXPECT_EQ(chart.days.back().date.hijriMonth, 9);
    ASSERT_EQ(chart.hijriMonthStarts.size(), 1u);
    EXPECT_EQ(chart.hijriMonthStarts.front().offset, 0);
    EXPECT_FALSE(chart.today.has_value());
    EXPECT_EQ(chart.title,
              "Prayer times Ramadan 1445 AH at Manama,Bahrain (26\u00B0"
              "14'10\" N, 050\u00B0"
              "34'59\" E, UTC+3)");
    EXPECT_EQ(chart.settings,
              "Method Custom; Shafi'i; Imsak -16\u00B0"
              "00', Fajr -13\u00B0"
              "30', Isha -18\u00B0"
              "00'; rule at high latitudes: Nearest location-all prayers");
}

}  // namespace
}  // namespace kelmo
