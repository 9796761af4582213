#include "calendar/local_time.h"

#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {

Instant instantOf(const UtcTime& t) {
    CalendarDate date;
    date.year = t.year;
    date.month = t.month;
    date.day = t.day;
    const Seconds ofDay{((t.hour * 60.0L) + t.minute) * 60.0L + static_cast<long double>(t.second)};
    return Instant{localMidnightOf(date).time_since_epoch() + ofDay};
}

UtcTime utcTimeOf(Instant t) {
    const ClockReading r = splitLocalTime(LocalTime{t.time_since_epoch()});
    const auto whole = static_cast<long long>(std::floor(r.secondsOfDay));
    return {r.date.year,
            r.date.month,
            static_cast<int>(r.date.day),
            static_cast<int>(whole / 3600),
            static_cast<int>(whole / 60 % 60),
            static_cast<double>(r.secondsOfDay - static_cast<long double>(whole / 60 * 60))};
}

LocalMoment currentLocalTime(const Zone& zone, Instant now) {
    const ClockReading r = splitLocalTime(zone.toLocal(now));
    return {r.date, static_cast<double>(r.secondsOfDay) * kSecondToRad};
}

}  // namespace kelmo
