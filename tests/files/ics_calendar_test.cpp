#include "files/ics_calendar.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/angles.h"
#include "base/markers.h"

#include "support/civil_date.h"

namespace kelmo {
namespace {

double hms(int h, int m, double s) {
    return (h + m / 60.0 + s / 3600.0) * kHoursToRad;
}

using test::civil;

PrayerTimes day() {
    PrayerTimes t;
    t.slots = {hms(4, 59, 50),   hms(5, 12, 0.5),   hms(6, 11, 59),
               hms(11, 30, 0),   hms(11, 31, 30.5), hms(14, 27, 10.5),
               hms(15, 10, 0.5), hms(16, 47, 0.5),  hms(24, 11, 5.5)};
    return t;
}

Location place(float zone) {
    Location l;
    l.name = "Manama,Bahrain";
    l.latitude = 26.2361 * kDegToRad;
    l.longitude = 50.5831 * kDegToRad;
    l.timeZone = zone;
    return l;
}

std::string clock(const IcsEvent& e) {
    char text[32];
    std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", e.date.year, e.date.month,
                  static_cast<int>(e.date.day), e.hour, e.minute, e.second);
    return text;
}

TEST(PrayerEvents, TheSchoolsColumnsRoundedAsInTheReport) {
    Config c;
    c.fiqh = 2;  // Hanafi: Asr from shadow factor 2
    std::vector<IcsEvent> events;
    addPrayerEvents(civil(2026, 12, 7), day(), 0, place(3.0f), c, events);
    ASSERT_EQ(events.size(), 7u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Imsak", "2026-12-07 04:59:00"},  {"Fajr", "2026-12-07 05:13:00"},
        {"Shuruq", "2026-12-07 06:11:00"}, {"Duhr", "2026-12-07 11:32:00"},
        {"Asr", "2026-12-07 15:11:00"},    {"Maghrib", "2026-12-07 16:48:00"},
        {"Isha", "2026-12-08 00:12:00"}};  // after midnight: the next day's date
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].summary, expected[i].first);
        EXPECT_EQ(clock(events[i]), expected[i].second) << events[i].summary;
        EXPECT_EQ(events[i].utcOffsetMinutes, 180);
    }
}

TEST(PrayerEvents, JafariSecondsSummerHourAndMissingTimes) {
    Config c;  // Jafari: no Asr, no Isha
    c.precision = 0;
    PrayerTimes t = day();
    t.slots[0] = kAlwBelow;
    t.slots[2] = hms(50, 0, 0);  // two days away
    std::vector<IcsEvent> events;
    addPrayerEvents(civil(2026, 6, 21), t, 60, place(-3.5f), c, events);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].summary, "Fajr");
    EXPECT_EQ(clock(events[0]), "2026-06-21 05:12:01");
    EXPECT_EQ(events[2].summary, "Maghrib");
    EXPECT_EQ(events[0].utcOffsetMinutes, -210 + 60);
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
    std::vector<IcsEvent> events(4);
    events[0] = {civil(2026, 3, 7), 5, 12, 0, -210, "Fajr", "fajr"};
    events[1] = {civil(2026, 3, 8), 5, 10, 0, -150, "Fajr", "fajr"};
    events[2] = {civil(2026, 12, 31), 22, 2, 0, -150, "Maghrib", "maghrib"};
    events[3] = {civil(2026, 1, 1), 1, 30, 5, 345, "Isha", "isha"};
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
    // Moments in UTC (RFC 5545, 3.3.5 form #2), across the year's end both ways; no VTIMEZONE.
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
