#include "files/output/ics_calendar.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "base/angles.h"
#include "calendar/day_frame.h"

#include "support/civil_date.h"
#include "support/frame_times.h"
#include "support/places.h"

namespace kelmo {
namespace {

FrameTime hms(int h, int m, double s) {
    return FrameTime::at((h + m / 60.0 + s / 3600.0) * kHoursToRad);
}

using test::civil;

const std::array<FrameTime, kPrayerSlotCount> kDay = {
    hms(4, 59, 50),    hms(5, 12, 0.5),  hms(6, 11, 59),   hms(11, 30, 0),  hms(11, 31, 30.5),
    hms(14, 27, 10.5), hms(15, 10, 0.5), hms(16, 47, 0.5), hms(24, 11, 5.5)};

Location place(float zone, int dstStart = 0, int dstEnd = 0) {
    Location l;
    l.name = "Manama,Bahrain";
    l.latitude = 26.2361 * kDegToRad;
    l.longitude = 50.5831 * kDegToRad;
    l.timeZone = zone;
    l.dstStart = dstStart;
    l.dstEnd = dstEnd;
    return l;
}

// The schedule row of times given in the place's standard time (radians of the day, or markers).
ScheduleDay row(const CalendarDate& date, const std::array<FrameTime, kPrayerSlotCount>& times,
                const Location& l) {
    DayPrayers prayers;
    for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
        prayers.slots[i] = eventOfFrameTime(times[i], date, l);
    }
    return scheduleDay(date, prayers, test::zoneOf(l));
}

// The event's moment as the file writes it.
std::string start(const IcsEvent& e) {
    const std::vector<IcsEvent> one = {e};
    const std::string text = icsCalendar(one, place(0.0f), "x", UtcTime{});
    const std::size_t at = text.find("DTSTART:");
    return text.substr(at + 8, 16);
}

TEST(PrayerEvents, TheSchoolsColumnsRoundedAsInTheReport) {
    Config c;
    c.fiqh = 2;  // Hanafi: Asr from shadow factor 2
    std::vector<IcsEvent> events;
    addPrayerEvents(row(civil(2026, 12, 7), kDay, place(3.0f)), test::zoneOf(place(3.0f)), c,
                    events);
    ASSERT_EQ(events.size(), 7u);
    // The report's clock times (UTC+3) in UTC; Isha after midnight on the next day.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Imsak", "20261207T015900Z"},  {"Fajr", "20261207T021300Z"},
        {"Shuruq", "20261207T031100Z"}, {"Duhr", "20261207T083200Z"},
        {"Asr", "20261207T121100Z"},    {"Maghrib", "20261207T134800Z"},
        {"Isha", "20261207T211200Z"}};
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].summary, expected[i].first);
        EXPECT_EQ(start(events[i]), expected[i].second) << events[i].summary;
    }
}

TEST(PrayerEvents, JafariSecondsSummerHourAndMissingTimes) {
    Config c;  // Jafari: no Asr, no Isha
    c.precision = 0;
    std::array<FrameTime, kPrayerSlotCount> t = kDay;
    t[0] = test::kAlwBelowTime;
    t[2] = hms(50, 0, 0);  // two days away
    std::vector<IcsEvent> events;
    const Location summer = place(-3.5f, 834, 2626);
    addPrayerEvents(row(civil(2026, 6, 21), t, summer), test::zoneOf(summer), c, events);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].summary, "Fajr");
    // 05:12:00.5 standard time, 06:12:01 on the summer clock (-2:30): 08:42:01 UTC.
    EXPECT_EQ(start(events[0]), "20260621T084201Z");
    EXPECT_EQ(events[2].summary, "Maghrib");
}

// The file's dates are Gregorian, also before the calendar reform the reports follow: Fajr of
// the Julian 1 March 1500 falls on the Gregorian 11 March. Years before 0 do not fit the
// format's four digits.
TEST(PrayerEvents, GregorianDatesAndTheYearsTheFormatHolds) {
    Config c;
    c.fiqh = 1;
    std::vector<IcsEvent> events;
    addPrayerEvents(row(civil(1500, 3, 1), kDay, place(0.0f)), test::zoneOf(place(0.0f)), c,
                    events);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(start(events[1]), "15000311T051300Z");
    EXPECT_TRUE(fitsIcsYears(events));
    std::vector<IcsEvent> early;
    addPrayerEvents(row(civil(-5, 3, 1), kDay, place(0.0f)), test::zoneOf(place(0.0f)), c, early);
    EXPECT_FALSE(fitsIcsYears(early));
}

// Unfolds content lines (RFC 5545, 3.1) and checks their length and line ends.
std::vector<std::string> contentLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CRLF";
        if (end == std::string::npos) break;
        const std::string physical = text.substr(start, end - start);
        EXPECT_LE(physical.size(), 75u) << physical;
        if (!physical.empty() && physical[0] == ' ') {
            lines.back() += physical.substr(1);
        } else {
            lines.push_back(physical);
        }
        start = end + 2;
    }
    return lines;
}

TEST(IcsCalendar, UtcMomentsEscapingAndFolding) {
    Location l = place(-3.5f);
    const std::string name =
        "St. John's, Newfoundland; Canada \xC3\xA9t\xC3\xA9 with a name long enough to fold";
    const auto at = [](int y, int mo, int d, int h, int mi, int sec) {
        return instantOf(UtcTime{y, mo, d, h, mi, static_cast<double>(sec)});
    };
    std::vector<IcsEvent> events(4);
    events[0] = {at(2026, 3, 7, 8, 42, 0), "Fajr", "fajr"};
    events[1] = {at(2026, 3, 8, 7, 40, 0), "Fajr", "fajr"};
    events[2] = {at(2027, 1, 1, 0, 32, 0), "Maghrib", "maghrib"};
    events[3] = {at(2025, 12, 31, 19, 45, 5), "Isha", "isha"};
    UtcTime stamp;
    stamp.year = 2026;
    stamp.month = 12;
    stamp.day = 7;
    stamp.hour = 21;
    stamp.minute = 5;
    stamp.second = 9.7;
    const std::string text = icsCalendar(events, l, name, stamp);
    const std::vector<std::string> lines = contentLines(text);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(lines[1], "VERSION:2.0");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
    auto count = [&](const std::string& line) {
        return std::count(lines.begin(), lines.end(), line);
    };
    // Moments in UTC (RFC 5545, 3.3.5 form #2); no VTIMEZONE.
    EXPECT_EQ(count("BEGIN:VTIMEZONE"), 0);
    EXPECT_EQ(count("BEGIN:VEVENT"), 4);
    EXPECT_EQ(count("DTSTART:20260307T084200Z"), 1);
    EXPECT_EQ(count("DTSTART:20260308T074000Z"), 1);
    EXPECT_EQ(count("DTSTART:20270101T003200Z"), 1);
    EXPECT_EQ(count("DTSTART:20251231T194505Z"), 1);
    EXPECT_EQ(count("DTSTAMP:20261207T210509Z"), 4);
    EXPECT_EQ(count("SUMMARY:Maghrib"), 1);
    // Commas and semicolons of TEXT values are escaped; folding keeps UTF-8 sequences whole.
    EXPECT_EQ(count("LOCATION:St. John's\\, Newfoundland\\; Canada \xC3\xA9t\xC3\xA9 with a name "
                    "long enough to fold"),
              4);
    // A control character in the name never goes raw into the file (RFC 5545, 3.3.11: TEXT
    // holds none): a CR would end the line early, an ESC reach the reader's terminal.
    const std::string hostile = icsCalendar(events, l, "Evil\r\nX-INJECTED:1\x1b[2J", stamp);
    const std::vector<std::string> hostileLines = contentLines(hostile);
    EXPECT_EQ(
        std::count(hostileLines.begin(), hostileLines.end(), "LOCATION:Evil?\\nX-INJECTED:1?[2J"),
        4)
        << hostile;
    EXPECT_EQ(hostile.find('\x1b'), std::string::npos);
    // Unique identifiers for unique events.
    std::vector<std::string> uids;
    for (const std::string& line : lines) {
        if (line.rfind("UID:", 0) == 0) uids.push_back(line);
    }
    ASSERT_EQ(uids.size(), 4u);
    EXPECT_NE(uids[0], uids[1]);
    EXPECT_NE(uids[1], uids[2]);
}

}  // namespace
}  // namespace kelmo
