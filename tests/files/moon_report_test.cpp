#include "files/reports/moon_report.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <sstream>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "files/golden_file.h"
#include "files/reports/report_header.h"
#include "files/reports/show_report.h"
#include "files/reports/times_row.h"
#include "moon/moon_rise_set.h"

#include "support/civil_date.h"
#include "support/places.h"

namespace kelmo {
namespace {

const std::string kSeparator = std::string(80, '=') + "\n";

using test::manama;

using test::london;

Config withPeriod(int period) {
    Config c;
    c.alertFlags = period << alert::kPeriodShift;
    return c;
}

using test::civil;

double hours(double h) {
    return h * kHoursToRad;
}

// A record as moonDataAtSunset fills it, with round values whose texts can be worked out
// by hand: new moon on Sunday 1 December 2024 at 09:21:10 local (Delta-T 69 s), sunset on
// 2 December at 16:46:20, moonset after midnight at 00:41:10 of 3 December.
MoonSunsetData handMadeRecord() {
    MoonSunsetData d;
    const double firstDecember = 2460645.5;  // 2024-12-01 0h (Meeus ch. 7)
    d.geocentricNewMoon = firstDecember + (9 + 21 / 60.0 + 10 / 3600.0) / 24;
    d.topocentricNewMoon = firstDecember + (7 + 46 / 60.0 + 10 / 3600.0) / 24;
    d.deltaTSeconds = 69.0;
    d.sunsetDay = firstDecember + 1;
    d.sunset = hours(16 + 46 / 60.0 + 20 / 3600.0);
    d.moonset = hours(24 + 41 / 60.0 + 10 / 3600.0);
    d.moonAltitude = 7.5 * kDegToRad;
    d.sunAltitude = -0.25 * kDegToRad;
    d.moonAzimuth = 232.5 * kDegToRad;
    d.sunAzimuth = 245.75 * kDegToRad;
    d.geocentricElongation = 16.0 * kDegToRad;
    d.topocentricElongation = 15.5 * kDegToRad;
    d.geocentricAge = 1.3;     // 31 h 12 min
    d.topocentricAge = 1.375;  // 33 h
    d.geocentricDistanceKm = 392115.66;
    d.topocentricDistanceKm = 385741.74;
    d.illuminated = 0.018249;
    d.brightLimb = 238.25 * kDegToRad;
    d.crescentWidth = 0.01 * kDegToRad;  // 36"
    d.semidiameter = (15 + 16 / 60.0) / 60.0 * kDegToRad;
    d.monthStart = firstDecember + 2;  // Tuesday 3 December 2024
    return d;
}

TEST(MoonDataLines, EveryLineInItsFormat) {
    std::string text;
    writeMoonData(handMadeRecord(), manama(), test::zoneOf(manama()), Config{}, text);
    const std::string expected =
        "\n\n Next Geocentric  New Moon Sunday, 1/12/2024 at 09:21 (09:22 TDT)\n"
        " Next Topocentric New Moon Sunday, 1/12/2024 at 07:46 (07:47 TDT)\n" +
        kSeparator + "\t\tMoon data for 2/December/2024 at Sunset\n" + kSeparator +
        " Moonset (00:41>) - Sunset (16:46 ) = 07:55 \n"
        " Moon Altitude (07\u00B0"
        "30'00\") - Sun Altitude (-00\u00B0"
        "15'00\") = 07\u00B0"
        "45'00\"\n"
        " Moon Azimuth (232\u00B0"
        "30'00\") - Sun Azimuth (245\u00B0"
        "45'00\") = -13\u00B0"
        "15'00\"\n"
        " Geocentric Moon Age = 31:12, Topocentric Moon Age = 33:00\n"
        " Geocentric Elongation = 16\u00B0"
        "00'00\", Topocentric Elongation = 15\u00B0"
        "30'00\"\n"
        " Geocentric distance= 392115.7 Km, Topocentric Distance = 385741.7 Km\n"
        " Position angle of bright limb = 238\u00B0"
        "15'00\", Topocentric Width  = 00\u00B0"
        "00'36\"\n"
        " The Moon is 1.82% illuminated, Topocentric Semidiameter = 00\u00B0"
        "15'16\"\n"
        " Possible start of Jumada II, 1446 AH: Tuesday, 3/December/2024\n";
    EXPECT_EQ(text, expected);
}

TEST(MoonDataLines, SecondsPrecisionAndSummerTime) {
    MoonSunsetData d = handMadeRecord();
    const double firstJuly = 2460492.5;  // 2024-07-01 0h
    d.geocentricNewMoon = firstJuly + (22 + 57 / 60.0 + 10.2 / 3600.0) / 24;
    d.topocentricNewMoon = d.geocentricNewMoon;
    d.sunsetDay = firstJuly + 1;
    d.moonset = hours(21 + 5 / 60.0);
    d.sunset = hours(20 + 21 / 60.0 + 30 / 3600.0);
    Config c;
    c.precision = 0;
    std::string text;
    writeMoonData(d, london(), test::zoneOf(london()), c, text);
    // Summer time adds its hour to every local time of the lines.
    EXPECT_NE(text.find(" Next Geocentric  New Moon Monday, 1/7/2024 at 23:57:10 (23:58:19 TDT)\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\t\tMoon data for 2/July/2024 at Sunset\n"), std::string::npos);
    EXPECT_NE(text.find(" Moonset (22:05:00 ) - Sunset (21:21:30 ) = 00:43:30 \n"),
              std::string::npos);
}

TEST(MoonDataLines, NoPossibleStartBeforeTheHijriEra) {
    MoonSunsetData d = handMadeRecord();
    d.monthStart = 1948439.5;  // the day before the epoch of the Hijri calendar
    std::string text;
    writeMoonData(d, manama(), test::zoneOf(manama()), Config{}, text);
    EXPECT_EQ(text.find("Possible start"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 11),
              "00\u00B0"
              "15'16\"\n");
}

TEST(MoonDataLines, NoEveningInPolarDay) {
    Location svalbard;
    svalbard.name = "Longyearbyen,Svalbard";
    svalbard.latitude = 78.22 * kDegToRad;
    svalbard.longitude = 15.65 * kDegToRad;
    svalbard.timeZone = 1.0f;
    std::string text;
    MoonSunsetData d;
    EXPECT_EQ(appendMoonDataAtSunset(civil(2026, 6, 10), svalbard, test::zoneOf(svalbard), Config{},
                                     d, text),
              0);
    EXPECT_EQ(text, "\n Could not calculate valid sunset/moonset times!\n");
}

TEST(MoonReport, DayWhenTheMoonSetsBeforeItRises) {
    Location north;
    north.name = "North";
    north.latitude = 65.0 * kDegToRad;
    north.longitude = 15.65 * kDegToRad;
    north.timeZone = 1.0f;
    // At 65 N the Moon sets at 04:37 and rises at 08:27 and then stays up for days.
    const CalendarDate day = civil(2026, 1, 27);
    const std::array<RowTime, 3> t = moonRowTimes(day, north, test::zoneOf(north), Config{});
    ASSERT_LT(t[2].seconds, t[0].seconds) << "the Moon must set before it rises on this day";
    std::string text;
    moonReport(day, north, test::zoneOf(north), Config{}, text);
    std::string cells;
    const std::array<RowTime, 3> setFirst = {t[2], t[1], t[0]};
    writeTimesRow(Config{}, kMoonRowCells, setFirst, cells);
    EXPECT_NE(text.find("\tMoonSet    \tMoonTransit\tMoonRise   \n" + kSeparator + "\t" + cells +
                        "\n\n Next Geocentric"),
              std::string::npos)
        << text;
}

constexpr std::array<const char*, 7> kShortDays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// Day rows of a month: "\t<day>   <weekday> " and three cells with their suffix.
TEST(MoonReport, MonthRowsFollowTheDaysAndWeekdays) {
    std::string text;
    moonReport(civil(2024, 2, 10), manama(), test::zoneOf(manama()), withPeriod(1), text);
    const std::regex rowPattern(
        "\t([0-9]+) +(Mon|Tue|Wed|Thu|Fri|Sat|Sun) "
        "((([0-9]{2}:[0-9]{2}[ <>])|NotValid |AlwAbove |AlwBelow )      \t){3}");
    std::istringstream lines(text);
    std::string line;
    int expectedDay = 1;
    while (std::getline(lines, line)) {
        std::smatch m;
        if (!std::regex_match(line, m, rowPattern)) continue;
        EXPECT_EQ(std::stoi(m[1]), expectedDay) << line;
        const int wd = weekday(julianDay(civil(2024, 2, expectedDay)));
        EXPECT_EQ(m[2].str(), kShortDays[wd - 1]);
        ++expectedDay;
    }
    EXPECT_EQ(expectedDay, 30);  // 29 days of February in a leap year
    EXPECT_NE(text.find("\t\tMoon Information for February/2024, \n"), std::string::npos);
}

// Golden texts, every line checked by hand against the line formats (see the file names).
TEST(MoonReportGolden, DayAtManamaAsTheMessageBoxShowsIt) {
    std::string text;
    moonReport(civil(2026, 12, 7), manama(), test::zoneOf(manama()), Config{}, text);
    golden::expectMatches("moon_day_manama.txt", dayReportText(text, kMoonReportOutput, Config{}));
}

TEST(MoonReportGolden, DayAtLondonInSummerTime) {
    std::string text;
    moonReport(civil(2026, 6, 21), london(), test::zoneOf(london()), Config{}, text);
    golden::expectMatches("moon_day_london.txt", dayReportText(text, kMoonReportOutput, Config{}));
}

// December 2024 has two new moons (1 and 30/31 December): two Moon data blocks.
TEST(MoonReportGolden, MonthWithTwoNewMoonsAtManama) {
    std::string text;
    moonReport(civil(2024, 12, 7), manama(), test::zoneOf(manama()), withPeriod(1), text);
    EXPECT_NE(text.find("Next Geocentric  New Moon Sunday, 1/12/2024"), std::string::npos);
    EXPECT_NE(text.find("Next Geocentric  New Moon Tuesday, 31/12/2024"), std::string::npos);
    golden::expectMatches("moon_month_manama.txt", text);
}

TEST(MoonReportGolden, MonthWithTwoNewMoonsAtLondon) {
    std::string text;
    moonReport(civil(2024, 12, 7), london(), test::zoneOf(london()), withPeriod(1), text);
    EXPECT_NE(text.find("Next Geocentric  New Moon Sunday, 1/12/2024"), std::string::npos);
    EXPECT_NE(text.find("Next Geocentric  New Moon Monday, 30/12/2024"), std::string::npos);
    golden::expectMatches("moon_month_london.txt", text);
}

// For a Hijri date the Gregorian months start with the one in which Muharram begins (1 Muharram
// 1446 fell on 7 July 2024) and run on into the next Gregorian year.
TEST(MoonReport, HijriYearListsTheGregorianMonthsFromMuharram) {
    Config c;
    c.alertFlags = (2 << alert::kPeriodShift) | alert::kHijriDate;
    CalendarDate d;
    d.hijriYear = 1446;
    d.hijriMonth = 5;
    d.hijriDay = 10;
    d.hijriValid = 1;
    const std::vector<CalendarDate> months = moonReportMonths(d, manama(), c);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months.front().year * 100 + months.front().month, 202407);
    EXPECT_EQ(months.back().year * 100 + months.back().month, 202506);
    for (const CalendarDate& m : months) EXPECT_EQ(m.day, 1.0);
}

TEST(MoonReport, YearHasTwelveMonthsEachClosedBySeparator) {
    std::string text;
    Config c = withPeriod(2);
    c.precision = 0;
    moonReport(civil(2025, 5, 5), manama(), test::zoneOf(manama()), c, text);
    std::size_t titles = 0;
    for (std::size_t p = text.find("\t\tMoon Information for "); p != std::string::npos;
         p = text.find("\t\tMoon Information for ", p + 1)) {
        ++titles;
    }
    EXPECT_EQ(titles, 12u);
    EXPECT_NE(text.find("Moon Information for January/2025, \n"), std::string::npos);
    EXPECT_NE(text.find("Moon Information for December/2025, \n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 84), "\n\n\n" + kSeparator);
}

}  // namespace
}  // namespace kelmo
