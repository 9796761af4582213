#include "files/reports/prayer_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <regex>
#include <sstream>

#include "calendar/julian_day.h"
#include "files/golden_file.h"
#include "files/reports/report_header.h"
#include "files/reports/show_report.h"
#include "hijri/hijri_date.h"

#include "support/hijri_month.h"
#include "support/places.h"

namespace kelmo {
namespace {

const std::string kSeparator = std::string(80, '=') + "\n";

using test::manama;

using test::london;

using test::firstOfHijriMonth;

Config settings(int period, int fiqh, bool hijri = false) {
    Config c;
    c.fiqh = fiqh;
    c.alertFlags = (period << alert::kPeriodShift) | (hijri ? alert::kHijriDate : 0);
    return c;
}

// A civil date with its Hijri fields, as the date dialog hands it over.
CalendarDate civil(int y, int m, int d, const Location& l, const Config& c) {
    CalendarDate date;
    date.year = y;
    date.month = m;
    date.day = d;
    hijriFromDate(date, l, c);
    return date;
}

std::string report(const CalendarDate& d, const Location& l, const Config& c) {
    std::string text;
    prayerScheduleReport(d, l, test::zoneOf(l), c, text);
    return text;
}

// Row lines of a month or year: "<day>   <Hijri day>      <weekday> " and the cells.
struct Row {
    int day = 0;
    int hijriDay = 0;
    std::string weekday;
    int cells = 0;
};

std::vector<Row> rows(const std::string& text, int precision) {
    const std::string cell =
        precision == 1 ? "([0-9]{2}:[0-9]{2}[ <>]   |NotValid |AlwAbove |AlwBelow )"
                       : "([0-9]{2}:[0-9]{2}:[0-9]{2}[ <>]|NotValid |AlwAbove |AlwBelow )";
    const std::regex pattern("([0-9][0-9 ])   ([0-9][0-9 ])      (Mon|Tue|Wed|Thu|Fri|Sat|Sun) ((" +
                             cell + ")+)");
    std::vector<Row> result;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::smatch m;
        if (!std::regex_match(line, m, pattern)) continue;
        result.push_back(
            {std::stoi(m[1]), std::stoi(m[2]), m[3], static_cast<int>(m[4].length() / 9)});
    }
    return result;
}

constexpr std::array<const char*, 7> kShortDays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

TEST(PrayerReport, OneDayIsTheHeaderAndOneRow) {
    const Location l = manama();
    const Config c = settings(0, 0);
    const CalendarDate d = civil(2026, 12, 7, l, c);
    const std::string text = report(d, l, c);
    ASSERT_EQ(d.hijriValid, 1);
    // Jafari: five cells, and no Isha angle in the configuration block.
    EXPECT_NE(text.find("Imsak angle = -16\u00B0 00', Fajr angle = -13\u00B0 30',\n"
                        "\t\tAdded minutes to Maghrib time = 0,\n"),
              std::string::npos);
    EXPECT_NE(text.find("Imsak    Fajr     Shuruq   Duhr     Maghrib\n" + kSeparator),
              std::string::npos);
    const std::string row = text.substr(text.rfind(kSeparator) + kSeparator.size());
    EXPECT_TRUE(std::regex_match(row, std::regex("([0-9]{2}:[0-9]{2}    ){5}\n"))) << row;
    // In the message box every separator has 60 characters, and one line per prayer.
    const std::string box = dayReportText(text, kPrayerReportOutput, c);
    EXPECT_EQ(box.find(kSeparator), std::string::npos);
    EXPECT_NE(box.find(std::string(60, '=') + "\n\t\tImsak     \t\t"), std::string::npos);
    EXPECT_NE(box.find("\n\t\tMaghrib \t\t"), std::string::npos);
    EXPECT_EQ(box.find("Isha"), std::string::npos);
}

TEST(PrayerReport, GregorianLeapYearHasTwelveMonthsAnd29February) {
    const Location l = manama();
    const Config c = settings(2, 1);
    const std::string text = report(civil(2024, 7, 15, l, c), l, c);
    const std::vector<Row> r = rows(text, 1);
    ASSERT_EQ(r.size(), 366u);
    // Days run 1..length in every month, weekdays follow the Julian day, 7 cells each.
    CalendarDate d;
    dateFromJulianDay(2460310.5, d);  // 2024-01-01 (Meeus ch. 7)
    for (const Row& row : r) {
        EXPECT_EQ(row.day, static_cast<int>(d.day));
        EXPECT_EQ(row.weekday, kShortDays[weekday(julianDay(d)) - 1]);
        EXPECT_EQ(row.cells, 7);
        dateFromJulianDay(julianDay(d) + 1, d);
    }
    EXPECT_NE(text.find("\n29   "), std::string::npos);
    EXPECT_NE(text.find("\t\tPrayer schedule for February/2024, "), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 84), "\n\n\n" + kSeparator);
}

// The Hijri day counts on from the month's first day and is recomputed from the 29th: after
// the first day of a Hijri month the count starts again at 1 or 2.
TEST(PrayerReport, HijriDaysOfAGregorianMonth) {
    const Location l = manama();
    const Config c = settings(1, 2);
    const std::vector<Row> r = rows(report(civil(2026, 3, 1, l, c), l, c), 1);
    ASSERT_EQ(r.size(), 31u);
    for (std::size_t i = 1; i < r.size(); ++i) {
        if (r[i].hijriDay != r[i - 1].hijriDay + 1) {
            EXPECT_EQ(r[i].hijriDay, 1) << "day " << r[i].day;
            EXPECT_GE(r[i - 1].hijriDay, 29);
        }
    }
}

// The title of a Gregorian month names every Hijri month its rows touch, each year after its
// last month. At Mecca January 2025 runs from 30 Jumada II to 1 Sha'ban 1446 and June 2025
// from Thu Al-Hijja 1446 into Muharram 1447 (the published Umm al-Qura calendar also begins
// Sha'ban 1446 on 31 January and Muharram 1447 on 26 June 2025).
TEST(PrayerReport, MonthTitleNamesEveryHijriMonthOfItsRows) {
    const Location l = test::place(21.4225, 39.8262, 3.0);
    const Config c = settings(1, 2);
    const struct {
        int month;
        const char* title;
        long monthStarts;
    } cases[] = {{1, "January/2025, Jumada II-Rajab-Sha'ban/1446\n", 2},
                 {6, "June/2025, Thu Al-Hijja/1446-Muharram/1447\n", 1}};
    for (const auto& k : cases) {
        const std::string text = report(civil(2025, k.month, 1, l, c), l, c);
        EXPECT_NE(text.find(std::string("\t\tPrayer schedule for ") + k.title), std::string::npos)
            << text;
        const std::vector<Row> r = rows(text, 1);
        EXPECT_EQ(
            std::count_if(r.begin() + 1, r.end(), [](const Row& d) { return d.hijriDay == 1; }),
            k.monthStarts);
    }
}

// A Hijri month lists its own days: 1 .. 29 or 30, ending before the next month begins.
TEST(PrayerReport, HijriYearHasTwelveMonthsOfTheirOwnLength) {
    const Location l = manama();
    const Config c = settings(2, 4, true);
    const std::string text = report(firstOfHijriMonth(1446, 5, l, c), l, c);
    const std::vector<Row> r = rows(text, 1);
    int months = 0;
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (r[i].hijriDay == 1) {
            ++months;
        } else {
            EXPECT_EQ(r[i].hijriDay, r[i - 1].hijriDay + 1);
        }
        if (i + 1 == r.size() || r[i + 1].hijriDay == 1) {
            EXPECT_GE(r[i].hijriDay, 29);
        }
    }
    EXPECT_EQ(months, 12);
    EXPECT_NE(text.find("Prayer schedule for July-August/2024, Muharram/1446\n"),
              std::string::npos);
    EXPECT_NE(text.find(", Thu Al-Hijja/1446\n"), std::string::npos);
}

// The ten days dropped from October 1582 have no row, and the Hijri count does not run on
// over them: 15 October is the day after 4 October in the Hijri calendar too.
TEST(PrayerReport, DaysDroppedFromOctober1582HaveNoRow) {
    const Location l = manama();
    const Config c = settings(1, 1);
    const std::vector<Row> r = rows(report(civil(1582, 10, 1, l, c), l, c), 1);
    ASSERT_EQ(r.size(), 21u);
    EXPECT_EQ(r[3].day, 4);
    EXPECT_EQ(r[4].day, 15);
    const CalendarDate fifteenth = civil(1582, 10, 15, l, c);
    ASSERT_EQ(fifteenth.hijriValid, 1);
    EXPECT_EQ(r[4].hijriDay, static_cast<int>(fifteenth.hijriDay));
    if (r[4].hijriDay != 1) {
        EXPECT_EQ(r[4].hijriDay, r[3].hijriDay + 1);
    }
}

TEST(PrayerReport, ScheduleRowsCarryTheSummerHour) {
    const Location l = london();
    const Config c = settings(1, 1);
    const std::vector<ScheduleMonth> months =
        prayerSchedule(civil(2026, 3, 1, l, c), l, test::zoneOf(l), c);
    ASSERT_EQ(months.size(), 1u);
    ASSERT_EQ(months[0].days.size(), 31u);
    for (const ScheduleDay& day : months[0].days) {
        EXPECT_EQ(day.summerTime, static_cast<int>(day.date.day) >= 29) << day.date.day;
    }
}

// Golden texts, every line checked by hand against the line formats.
TEST(PrayerReportGolden, DayAtManamaJafariAsTheMessageBoxShowsIt) {
    const Location l = manama();
    const Config c = settings(0, 0);
    golden::expectMatches(
        "prayer_day_manama.txt",
        dayReportText(report(civil(2026, 12, 7, l, c), l, c), kPrayerReportOutput, c));
}

TEST(PrayerReportGolden, DayAtLondonInSummerTimeShafii) {
    const Location l = london();
    const Config c = settings(0, 1);
    golden::expectMatches(
        "prayer_day_london.txt",
        dayReportText(report(civil(2026, 6, 21, l, c), l, c), kPrayerReportOutput, c));
}

TEST(PrayerReportGolden, GregorianMonthAtManama) {
    const Location l = manama();
    const Config c = settings(1, 1);
    golden::expectMatches("prayer_month_manama.txt", report(civil(2026, 3, 10, l, c), l, c));
}

TEST(PrayerReportGolden, GregorianMonthAtLondonWithSecondsAndTheSummerTimeStart) {
    const Location l = london();
    Config c = settings(1, 2);
    c.precision = 0;
    golden::expectMatches("prayer_month_london.txt", report(civil(2026, 3, 10, l, c), l, c));
}

TEST(PrayerReportGolden, HijriMonthBeginningInDecemberAtManama) {
    const Location l = manama();
    const Config c = settings(1, 1, true);
    const std::string text = report(firstOfHijriMonth(1447, 7, l, c), l, c);
    EXPECT_NE(text.find("Prayer schedule for December/2025-January/2026, Rajab/1447\n"),
              std::string::npos);
    golden::expectMatches("prayer_hijri_month_manama.txt", text);
}

TEST(PrayerReportGolden, HijriMonthBeginningInDecemberAtLondon) {
    const Location l = london();
    const Config c = settings(1, 1, true);
    const std::string text = report(firstOfHijriMonth(1447, 7, l, c), l, c);
    EXPECT_NE(text.find("Prayer schedule for December/2025-January/2026, Rajab/1447\n"),
              std::string::npos);
    golden::expectMatches("prayer_hijri_month_london.txt", text);
}

TEST(PrayerReportGolden, LeapYearAtManama) {
    const Location l = manama();
    const Config c = settings(2, 1);
    golden::expectMatches("prayer_leap_year_manama.txt", report(civil(2024, 1, 1, l, c), l, c));
}

TEST(PrayerReportGolden, LeapYearAtLondon) {
    const Location l = london();
    const Config c = settings(2, 1);
    golden::expectMatches("prayer_leap_year_london.txt", report(civil(2024, 1, 1, l, c), l, c));
}

// Sharing the day tables and the lunations across the days changes nothing: the rows of a
// Gregorian and of a Hijri year at Manama and at London (summer time), with the times bit for
// bit, and the report text byte for byte, are those computed day by day afresh.
bool sameRows(const std::vector<ScheduleMonth>& a, const std::vector<ScheduleMonth>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t m = 0; m < a.size(); ++m) {
        if (a[m].days.size() != b[m].days.size()) return false;
        for (std::size_t d = 0; d < a[m].days.size(); ++d) {
            const ScheduleDay& x = a[m].days[d];
            const ScheduleDay& y = b[m].days[d];
            if (x.prayers.slots != y.prayers.slots || x.summerTime != y.summerTime ||
                x.date.day != y.date.day || x.date.month != y.date.month ||
                x.date.hijriDay != y.date.hijriDay || x.date.hijriMonth != y.date.hijriMonth ||
                x.date.hijriYear != y.date.hijriYear) {
                return false;
            }
        }
    }
    return true;
}

TEST(PrayerReport, SharedMemoryGivesTheSameYearsAsComputingAfresh) {
    for (const Location& l : {manama(), london()}) {
        for (const bool hijri : {false, true}) {
            const Config c = settings(2, 1, hijri);
            const CalendarDate d =
                hijri ? firstOfHijriMonth(1447, 1, l, c) : civil(2026, 1, 1, l, c);
            const auto shared = prayerSchedule(d, l, test::zoneOf(l), c);
            const auto afresh = prayerSchedule(d, l, test::zoneOf(l), c, ScheduleMemory::none);
            EXPECT_EQ(shared.size(), 12u) << l.name << hijri;
            EXPECT_TRUE(sameRows(shared, afresh)) << l.name << hijri;
            std::string sharedText, afreshText;
            prayerScheduleReport(d, l, test::zoneOf(l), c, sharedText);
            prayerScheduleReport(d, l, test::zoneOf(l), c, afreshText, ScheduleMemory::none);
            EXPECT_EQ(sharedText, afreshText) << l.name << hijri;
        }
    }
}

}  // namespace
}  // namespace kelmo
