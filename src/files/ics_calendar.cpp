#include "files/ics_calendar.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/angles.h"
#include "base/markers.h"
#include "calendar/julian_day.h"
#include "calendar/summer_time.h"
#include "calendar/time_format.h"
#include "files/append_format.h"
#include "files/field_scanner.h"
#include "files/times_row.h"
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

std::string dateTimeText(const CalendarDate& d, int h, int m, int s) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d", d.year, d.month,
                  static_cast<int>(d.day), h, m, s);
    return text;
}

// The event's moment in UTC, "YYYYMMDDThhmmssZ" (RFC 5545, 3.3.5, form #2): the local clock
// time less the day's UTC offset, carried into the previous or next day where it crosses one.
std::string utcText(const IcsEvent& e) {
    const int local = (e.hour * 60 + e.minute) * 60 + e.second;
    const int utc = local - e.utcOffsetMinutes * 60;
    const int dayShift = static_cast<int>(std::floor(utc / kSecondsPerDay));
    const int inDay = utc - dayShift * static_cast<int>(kSecondsPerDay);
    return dateTimeText(daysLater(e.date, dayShift), inDay / 3600, inDay / 60 % 60, inDay % 60) +
           "Z";
}

std::string placeKey(const Location& location) {
    std::string text;
    appendFormat(text, "%.4f_%.4f", location.latitude * kRadToDeg, location.longitude * kRadToDeg);
    return text;
}

}  // namespace

void addPrayerEvents(const CalendarDate& date, const PrayerTimes& times, int summerTimeMinutes,
                     const Location& location, const Config& config,
                     std::vector<IcsEvent>& events) {
    // The clock's offset of the date (clockOffsetMinutes) from the summer time the times hold.
    const int offset = zoneOffsetMinutes(location) + summerTimeMinutes;
    for (const PrayerSlot slot : shownSlots(config.fiqh)) {
        const double time = times[slot];
        if (!isTime(time)) continue;
        const SplitTime t = splitTime(prayerThreshold(slot), time, config.precision == 1);
        if (std::abs(t.dayOffset) > 1) continue;
        IcsEvent e;
        dateFromJulianDay(julianDay(date) + t.dayOffset, e.date);
        e.date.day = std::floor(e.date.day);
        e.hour = t.hours;
        e.minute = t.minutes;
        e.second = config.precision == 1 ? 0 : t.seconds;
        e.utcOffsetMinutes = offset;
        e.summary = slotTitle(slot);
        e.key = lowerCase(e.summary);
        events.push_back(e);
    }
}

std::string icsCalendar(const std::vector<IcsEvent>& events, const Location& location,
                        const std::string& placeUtf8, const UtcTime& stamp) {
    std::string out;
    appendLine(out, "BEGIN:VCALENDAR");
    appendLine(out, "VERSION:2.0");
    appendLine(out, "PRODID:-//KelmoTimes//kelmo-cli//EN");
    appendLine(out, "CALSCALE:GREGORIAN");

    CalendarDate stampDate;
    stampDate.year = stamp.year;
    stampDate.month = stamp.month;
    stampDate.day = stamp.day;
    const std::string dtstamp = dateTimeText(stampDate, stamp.hour, stamp.minute,
                                             static_cast<int>(std::floor(stamp.second))) +
                                "Z";
    const std::string place = escaped(placeUtf8);
    for (const IcsEvent& e : events) {
        const std::string start = utcText(e);
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
