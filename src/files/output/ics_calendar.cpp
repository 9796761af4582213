#include "files/output/ics_calendar.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/time_format.h"
#include "files/reports/append_format.h"
#include "files/reports/times_row.h"
#include "files/settings/field_scanner.h"
#include "prayer/school_of_law.h"

namespace kelmo {

namespace {

constexpr std::size_t kMaxLineOctets = 75;

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// TEXT value escaping of RFC 5545, 3.3.11.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += isControl(c) ? kControlStandIn : c;  // TEXT holds no other control character
    }
    return out;
}

// One content line, folded after 75 octets (never inside a UTF-8 sequence), CRLF ended.
void appendLine(std::string& out, const std::string& line) {
    std::size_t start = 0, width = kMaxLineOctets;
    while (line.size() - start > width) {
        std::size_t cut = start + width;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out += line.substr(start, cut - start) + "\r\n ";
        start = cut;
        width = kMaxLineOctets - 1;  // the folding blank counts
    }
    out += line.substr(start) + "\r\n";
}

std::string dateTimeText(int year, unsigned month, unsigned day, long long secondsOfDay) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02lld%02lld%02lld", year, month, day,
                  secondsOfDay / 3600, secondsOfDay / 60 % 60, secondsOfDay % 60);
    return text;
}

// The instant in UTC, "YYYYMMDDThhmmssZ" (RFC 5545, 3.3.5, form #2), on the Gregorian calendar
// (before 15 October 1582 too, as the format demands), to the whole second.
std::string utcText(Instant t) {
    const auto second = std::chrono::round<std::chrono::seconds>(t);
    const auto day = std::chrono::floor<std::chrono::days>(second);
    const std::chrono::year_month_day ymd{day};
    return dateTimeText(static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                        static_cast<unsigned>(ymd.day()), (second - day).count()) +
           "Z";
}

int gregorianYear(Instant t) {
    const auto day = std::chrono::floor<std::chrono::days>(t);
    return static_cast<int>(std::chrono::year_month_day{day}.year());
}

std::string placeKey(const Location& location) {
    std::string text;
    appendFormat(text, "%.4f_%.4f", location.latitude * kRadToDeg, location.longitude * kRadToDeg);
    return text;
}

}  // namespace

void addPrayerEvents(const ScheduleDay& day, const Zone& zone, const Config& config,
                     std::vector<IcsEvent>& events) {
    for (const PrayerSlot slot : shownSlots(config.fiqh)) {
        const RowTime& time = day.shown[static_cast<std::size_t>(slot)];
        if (!time.isTime()) continue;
        const SplitTime t =
            splitTime(prayerThreshold(slot), time.dayAngle(), config.precision == 1);
        if (std::abs(t.dayOffset) > 1) continue;
        const long double shown =
            ((t.dayOffset * 24.0L + t.hours) * 60.0L + t.minutes) * 60.0L + t.seconds;
        IcsEvent e;
        e.start = instantOfRowTime(shown, zone, day.date);
        e.summary = slotTitle(slot);
        e.key = lowerCase(e.summary);
        events.push_back(e);
    }
}

bool fitsIcsYears(const std::vector<IcsEvent>& events) {
    return std::all_of(events.begin(), events.end(), [](const IcsEvent& e) {
        const int year = gregorianYear(e.start);
        return year >= kFirstIcsYear && year <= kLastIcsYear;
    });
}

std::string icsCalendar(const std::vector<IcsEvent>& events, const Location& location,
                        const std::string& placeUtf8, const UtcTime& stamp) {
    std::string out;
    appendLine(out, "BEGIN:VCALENDAR");
    appendLine(out, "VERSION:2.0");
    appendLine(out, "PRODID:-//KelmoTimes//kelmo-cli//EN");
    appendLine(out, "CALSCALE:GREGORIAN");

    const std::string dtstamp = dateTimeText(stamp.year, static_cast<unsigned>(stamp.month),
                                             static_cast<unsigned>(stamp.day),
                                             (stamp.hour * 60LL + stamp.minute) * 60LL +
                                                 static_cast<long long>(std::floor(stamp.second))) +
                                "Z";
    const std::string place = escaped(placeUtf8);
    for (const IcsEvent& e : events) {
        const std::string start = utcText(e.start);
        appendLine(out, "BEGIN:VEVENT");
        appendLine(out, "UID:" + start + "-" + e.key + "-" + placeKey(location) + "@kelmotimes");
        appendLine(out, "DTSTAMP:" + dtstamp);
        appendLine(out, "DTSTART:" + start);
        appendLine(out, "SUMMARY:" + e.summary);
        appendLine(out, "LOCATION:" + place);
        appendLine(out, "TRANSP:TRANSPARENT");
        appendLine(out, "END:VEVENT");
    }
    appendLine(out, "END:VCALENDAR");
    return out;
}

}  // namespace kelmo
