// Prayer times as an iCalendar file (RFC 5545): one event per shown time. Each event keeps
// its local clock time and the UTC offset of its day (the zone, plus the summer-time shift on
// summer-time days); the file gives its moment in UTC ("...Z"), which every reader accepts.
#pragma once

#include <string>
#include <vector>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/local_time.h"
#include "prayer/prayer_times.h"

namespace kelmo {

struct IcsEvent {
    CalendarDate date;  // local civil date of the event
    int hour = 0, minute = 0, second = 0;
    int utcOffsetMinutes = 0;
    std::string summary;  // "Fajr", "Maghrib", ...
    std::string key;      // lower-case name for the UID
};

// The events of one day's times (summerTimeMinutes already added): the columns that the
// school of law shows (Imsak, Fajr, Shuruq, Duhr, Asr, Maghrib, Isha), rounded as the report
// rounds them. Markers and times more than a day away give no event.
void addPrayerEvents(const CalendarDate& date, const PrayerTimes& times, int summerTimeMinutes,
                     const Location& location, const Config& config, std::vector<IcsEvent>& events);

// The calendar text with CRLF line ends. placeUtf8 is the place's name for LOCATION (in the
// file's encoding, UTF-8), stamp the creation moment (UTC) for DTSTAMP; the UIDs are made
// from the date, the time's name and the place's coordinates.
std::string icsCalendar(const std::vector<IcsEvent>& events, const Location& location,
                        const std::string& placeUtf8, const UtcTime& stamp);

}  // namespace kelmo
