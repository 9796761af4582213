// Prayer times as an iCalendar file (RFC 5545): one event per shown time, at the instant the
// report's rounded clock time names; the file gives it in UTC ("...Z") on the Gregorian
// calendar, which every reader accepts.
#pragma once

#include <string>
#include <vector>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/local_time.h"
#include "calendar/zone.h"
#include "files/reports/prayer_report.h"

namespace kelmo {

struct IcsEvent {
    Instant start;
    std::string summary;  // "Fajr", "Maghrib", ...
    std::string key;      // lower-case name for the UID
};

// The years a calendar file can hold (four digits of the Gregorian calendar).
inline constexpr int kFirstIcsYear = 0;
inline constexpr int kLastIcsYear = 9999;

// The events of one day of the schedule: the columns that the school of law shows (Imsak,
// Fajr, Shuruq, Duhr, Asr, Maghrib, Isha), rounded as the report rounds them. Markers and
// times more than a day away give no event.
void addPrayerEvents(const ScheduleDay& day, const Zone& zone, const Config& config,
                     std::vector<IcsEvent>& events);

// True when every event's instant lies in a year the file can hold.
bool fitsIcsYears(const std::vector<IcsEvent>& events);

// The calendar text with CRLF line ends. placeUtf8 is the place's name for LOCATION (in the
// file's encoding, UTF-8), stamp the creation moment (UTC) for DTSTAMP; the UIDs are made
// from the date, the time's name and the place's coordinates.
std::string icsCalendar(const std::vector<IcsEvent>& events, const Location& location,
                        const std::string& placeUtf8, const UtcTime& stamp);

}  // namespace kelmo
