#include "files/reports/report_header.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/german_numbers.h"
#include "support/places.h"

namespace kelmo {
namespace {

const Words& kEnglish = wordsOf(Language::english);

// Manama and London as the built-in location list stores them.
using test::manama;

using test::london;

Config withPeriod(Config c, ReportPeriod period, bool hijri = false) {
    c.alertFlags = (c.alertFlags & ~alert::kPeriodMask & ~alert::kHijriDate) |
                   (static_cast<int>(period) << alert::kPeriodShift) |
                   (hijri ? alert::kHijriDate : 0);
    return c;
}

CalendarDate date(int y, int m, int d, int hy = 0, int hm = 1, int hd = 1, int valid = 0) {
    CalendarDate c;
    c.year = y;
    c.month = m;
    c.day = d;
    c.hijriYear = hy;
    c.hijriMonth = hm;
    c.hijriDay = hd;
    c.hijriValid = valid;
    return c;
}

std::string header(const CalendarDate& d, const Location& l, const Config& c, int kind,
                   const CalendarDate* last = nullptr) {
    std::string text;
    writeReportHeader(d, l, c, kind, text, last);
    return text;
}

const std::string kSeparator = std::string(80, '=') + "\n";

TEST(Banner, TitleAndEightyCharacterSeparator) {
    std::string text = "x";
    writeBanner(text);
    EXPECT_EQ(text, "x\n\t\tKelmo Times\t  Version 2.8, July, 2008\n" + kSeparator);
}

// The whole header of a one-day prayer schedule with the program's default settings
// (Jafari, minutes, rule 5), checked byte for byte against the published line formats.
TEST(ReportHeader, OneDayPrayerScheduleAtManamaWithDefaults) {
    const std::string expected =
        " Location:   \tManama,Bahrain,\n"
        "\t\tLatitude 26\u00B0"
        "14'10\" N, Longitude 050\u00B0"
        "34'59\" E,\n"
        "\t\tHeight: 0 meters ASL, Time Zone: 3.00,\n"
        "\t\tNo Summer Time available\n"
        " Configuration:\tFiqh = Jafari, Distance = 10 km, Precision = Minutes,\n"
        "\t\tImsak angle = -16\u00B0 00', Fajr angle = -13\u00B0 30',\n"
        "\t\tAdded minutes to Maghrib time = 0,\n"
        "\t\tAdjust Islamic calendar by 0 days,\n"
        "\t\tRule at high latitudes = Nearest location-all prayers\n" +
        kSeparator +
        "Prayer schedule for Monday,   7/December/2026,  16/Jumada II/1448\n"
        "Imsak    Fajr     Shuruq   Duhr     Maghrib\n" +
        kSeparator;
    EXPECT_EQ(header(date(2026, 12, 7, 1448, 6, 16, 1), manama(), Config{}, kPrayerHeader),
              expected);
}

TEST(ReportHeader, NumbersKeepTheDecimalPointInAnyLocale) {
    ASSERT_TRUE(test::useGermanNumbers())
        << "localedef (Debian package locales) could not build de_DE";
    char german[16];
    std::snprintf(german, sizeof german, "%.2f", 3.0);
    const std::string text = header(date(2026, 12, 7), manama(), Config{}, kPrayerHeader);
    test::useCNumbers();
    EXPECT_STREQ(german, "3,00");  // the locale is in effect
    EXPECT_NE(text.find("Time Zone: 3.00,"), std::string::npos) << text;
}

TEST(ReportHeader, OtherSchoolsShowTheIshaAngleAndAllColumns) {
    Config c;
    c.fiqh = 2;
    c.precision = 0;
    c.maghribDelay = 3;
    c.hijriAdjust = -1;
    c.areaRadius = 0;
    c.highLatitudeRule = 0;
    const std::string text = header(date(2026, 12, 7), manama(), c, kPrayerHeader);
    EXPECT_NE(text.find(" Configuration:\tFiqh = Hanafi, Distance = 0 km, Precision = Seconds,\n"
                        "\t\tImsak angle = -16\u00B0 00', Fajr angle = -13\u00B0 30', \n"
                        "\t\tIsha angle = -18\u00B0 00', Added minutes to Maghrib time = 3,\n"
                        "\t\tAdjust Islamic calendar by -1 days,\n"
                        "\t\tRule at high latitudes = Non\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nImsak    Fajr     Shuruq   Duhr     Asr      Maghrib  Isha'a\n"),
              std::string::npos);
    // Without a valid Hijri date the second date text of the title stays empty.
    EXPECT_NE(text.find("Prayer schedule for Monday,   7/December/2026,  \n"), std::string::npos);
}

TEST(ReportHeader, MinutesRuleNamesIshaOnlyForSchoolsThatPrayIt) {
    Config c;
    c.highLatitudeRule = 9;
    c.nMinutes = 75;
    EXPECT_NE(header(date(2026, 1, 1), manama(), c, kPrayerHeader)
                  .find("\t\tRule at high latitudes = 75 minutes for Fajr prayer\n"),
              std::string::npos);
    c.fiqh = 1;
    EXPECT_NE(header(date(2026, 1, 1), manama(), c, kPrayerHeader)
                  .find("\t\tRule at high latitudes = 75 minutes for Fajr and Isha prayers\n"),
              std::string::npos);
}

TEST(ReportHeader, AnglesSplitIntoSignedDegreesAndMinutesRoundedHalfUp) {
    Config c;
    c.imsakAngle = -15.991667f;  // 15 deg 59' 30": the minute rounds up
    c.fajrAngle = -15.9913f;     // 15 deg 59' 29": the minute stays
    EXPECT_NE(header(date(2026, 1, 1), manama(), c, kPrayerHeader)
                  .find("Imsak angle = -16\u00B0 00', Fajr angle = -15\u00B0 59',\n"),
              std::string::npos);
    c.imsakAngle = -12.25f;
    c.fajrAngle = -9.5f;
    EXPECT_NE(header(date(2026, 1, 1), manama(), c, kPrayerHeader)
                  .find("Imsak angle = -12\u00B0 15', Fajr angle = -9\u00B0 30',\n"),
              std::string::npos);
}

TEST(ReportHeader, LocationWithSummerTimeWestOfGreenwich) {
    Location l = london();
    l.height = 24;
    const std::string text = header(date(2026, 3, 29), l, Config{}, kMoonRiseFirstHeader);
    const std::string expected =
        " Location:   \tLondon,Uk,\n"
        "\t\tLatitude 51\u00B0"
        "30'00\" N, Longitude 000\u00B0"
        "07'00\" W,\n"
        "\t\tHeight: 24 meters ASL, Time Zone: 0.00,\n"
        "\t\tSummer Time starts at: Last Sunday, March\n"
        "\t\tSummer Time ends at: Last Sunday, October\n" +
        kSeparator +
        "Moon Information for Sunday,   29/March/2026,  \n"
        "\tMoonRise   \tMoonTransit\tMoonSet    \n" +
        kSeparator;
    EXPECT_EQ(text, expected);
}

TEST(SummerTimeRuleText, FixedDaysAndWeekdayRules) {
    EXPECT_EQ(summerTimeRuleText(834, kEnglish), "Last Sunday, March");
    EXPECT_EQ(summerTimeRuleText(2626, kEnglish), "Last Sunday, October");
    EXPECT_EQ(summerTimeRuleText(789, kEnglish), "21, March");
    EXPECT_EQ(summerTimeRuleText(1086, kEnglish), "First Sunday, April");
    EXPECT_EQ(summerTimeRuleText(832, kEnglish), "Third Sunday, March");
    EXPECT_EQ(summerTimeRuleText(2327, kEnglish), "23, September");
    EXPECT_EQ(summerTimeRuleText(4 * 256 + 32, kEnglish), "First Monday, April");
    // A language may take the ordinal after the weekday ("%2$s %1$s").
    EXPECT_EQ(summerTimeRuleText(834, wordsOf(Language::indonesian)), "Minggu terakhir, Maret");
    EXPECT_EQ(summerTimeRuleText(834, wordsOf(Language::turkish)), "Son Pazar, Mart");
}

TEST(ReportHeader, CodesOutsideTheRuleModelMeanNoSummerTime) {
    Location l = manama();
    l.dstStart = 13 * 256 + 1;  // no thirteenth month
    l.dstEnd = 2626;
    EXPECT_NE(header(date(2026, 1, 1), l, Config{}, kMoonRiseFirstHeader)
                  .find("\t\tNo Summer Time available\n"),
              std::string::npos);
    l.dstStart = 3 * 256 + 70;  // day code beyond "Last Sunday"
    EXPECT_NE(header(date(2026, 1, 1), l, Config{}, kMoonRiseFirstHeader)
                  .find("\t\tNo Summer Time available\n"),
              std::string::npos);
}

// A place with a zone shows the zone's law of the report's year (IANA tz data): in the rule
// words where they fit, else the zone's name; stale stored codes do not show.
TEST(ReportHeader, ZonesLawOfTheReportsYear) {
    auto block = [](const char* zone, float timeZone, int year) {
        Location l = manama();
        l.zone = zone;
        l.timeZone = timeZone;
        l.dstStart = 1086;
        l.dstEnd = 2626;
        const std::string text = header(date(year, 1, 1), l, Config{}, kMoonRiseFirstHeader);
        const std::size_t from = text.find("\t\tHeight");
        return text.substr(from, text.find(kSeparator) - from);
    };
    EXPECT_EQ(block("America/New_York", -5.0f, 2026),
              "\t\tHeight: 0 meters ASL, Time Zone: -5.00,\n"
              "\t\tSummer Time starts at: Second Sunday, March\n"
              "\t\tSummer Time ends at: First Sunday, November\n");
    EXPECT_EQ(block("Europe/Moscow", 3.0f, 2026),
              "\t\tHeight: 0 meters ASL, Time Zone: 3.00,\n\t\tNo Summer Time available\n");
    EXPECT_EQ(block("Asia/Tehran", 3.5f, 2021),
              "\t\tHeight: 0 meters ASL, Time Zone: 3.50,\n"
              "\t\tSummer Time starts at: 22, March\n"
              "\t\tSummer Time ends at: 22, September\n");
    EXPECT_EQ(block("Australia/Lord_Howe", 10.5f, 2026),
              "\t\tHeight: 0 meters ASL, Time Zone: 10.50,\n"
              "\t\tSummer Time as in time zone Australia/Lord_Howe\n");
    // A zone the database does not know: the stored fields.
    EXPECT_NE(block("Nowhere/Atlantis", 3.0f, 2026).find("First Sunday, April"), std::string::npos);
}

TEST(ReportHeader, MonthTitlesOfTheFourForms) {
    const Location l = manama();
    Config c;
    c.fiqh = 1;
    // Gregorian month: every Hijri month from its first day's to its last day's, each year
    // after its last month (Muharram 1447 after Thu Al-Hijja 1446); one month alone.
    const CalendarDate june30 = date(2025, 6, 30, 1447, 1, 4, 1);
    EXPECT_NE(header(date(2025, 6, 1, 1446, 12, 5, 1), l, withPeriod(c, ReportPeriod::month),
                     kPrayerHeader, &june30)
                  .find(kSeparator +
                        "\t\tPrayer schedule for June/2025, Thu Al-Hijja/1446-Muharram/1447\n"
                        "Date IslDate Day Imsak    Fajr     Shuruq   Duhr     Asr      "
                        "Maghrib  Isha'a\n"),
              std::string::npos);
    const CalendarDate january31 = date(2025, 1, 31, 1446, 8, 1, 1);
    EXPECT_NE(header(date(2025, 1, 1, 1446, 6, 30, 1), l, withPeriod(c, ReportPeriod::month),
                     kPrayerHeader, &january31)
                  .find("January/2025, Jumada II-Rajab-Sha'ban/1446\n"),
              std::string::npos);
    const CalendarDate february28 = date(2025, 2, 28, 1446, 8, 29, 1);
    EXPECT_NE(header(date(2025, 2, 1, 1446, 8, 2, 1), l, withPeriod(c, ReportPeriod::month),
                     kPrayerHeader, &february28)
                  .find("February/2025, Sha'ban/1446\n"),
              std::string::npos);
    // Hijri month: the Gregorian months it runs over, January 2026 after December 2025; one
    // month alone when it ends within it.
    const CalendarDate january19 = date(2026, 1, 19, 1447, 7, 30, 1);
    EXPECT_NE(header(date(2025, 12, 21, 1447, 7, 1, 1), l, withPeriod(c, ReportPeriod::year, true),
                     kPrayerHeader, &january19)
                  .find("\t\tPrayer schedule for December/2025-January/2026, Rajab/1447\n"),
              std::string::npos);
    const CalendarDate february29 = date(2024, 2, 29, 1445, 8, 29, 1);
    EXPECT_NE(header(date(2024, 2, 1, 1445, 8, 1, 1), l, withPeriod(c, ReportPeriod::month, true),
                     kPrayerHeader, &february29)
                  .find("\t\tPrayer schedule for February/2024, Sha'ban/1445\n"),
              std::string::npos);
    // Moon month: no Hijri text even when the date has one.
    const std::string moon = header(date(2025, 12, 1, 1447, 6, 10, 1), l,
                                    withPeriod(c, ReportPeriod::month, true), kMoonSetFirstHeader);
    EXPECT_NE(moon.find("\t\tMoon Information for December/2025, \n"
                        "\tDate Day MoonSet    \tMoonTransit\tMoonRise   \n"),
              std::string::npos);
    EXPECT_EQ(moon.find("Configuration"), std::string::npos);
    // A month without a valid Hijri date.
    EXPECT_NE(header(date(600, 3, 1), l, withPeriod(c, ReportPeriod::month), kPrayerHeader)
                  .find("\t\tPrayer schedule for March/600, \n"),
              std::string::npos);
}

TEST(ReportPeriod, FromTheAlertBits) {
    Config c;
    c.alertFlags = 0x3F;  // notifier and sound bits do not matter
    EXPECT_EQ(reportPeriod(c), ReportPeriod::day);
    c.alertFlags |= 1 << 8;
    EXPECT_EQ(reportPeriod(c), ReportPeriod::month);
    c.alertFlags = 2 << 8;
    EXPECT_EQ(reportPeriod(c), ReportPeriod::year);
    EXPECT_FALSE(isHijriReport(c));
    c.alertFlags |= 1 << 12;
    EXPECT_TRUE(isHijriReport(c));
}

}  // namespace
}  // namespace kelmo
