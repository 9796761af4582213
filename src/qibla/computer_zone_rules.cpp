#include "qibla/computer_zone_rules.h"

#include "base/angles.h"
#include "base/location.h"
#include "calendar/summer_time.h"

namespace kelmo {

namespace {

constexpr int kDaysPerWeek = 7;

// Day code of a transition (see calendar/summer_time.h).
int dayCode(const ZoneTransition& t) {
    if (t.year != 0) return t.day;
    // The platform counts weekdays from Sunday 0; the rule codes from Monday 0.
    const int weekday = (t.dayOfWeek + kDaysPerWeek - 1) % kDaysPerWeek;
    return kFirstWeekdayCode - 1 + kWeekdayOrdinals * weekday + t.day;
}

int transitionCode(const ZoneTransition& t) {
    return ruleCode(t.month, dayCode(t));
}

}  // namespace

ZoneRules ComputerZoneRules(const ZoneSetting& setting) {
    ZoneRules rules;
    rules.timeZone =
        static_cast<float>(-setting.biasMinutes / static_cast<double>(kMinutesPerHour));
    if (setting.standardDate.month == 0) return rules;
    rules.dstEnd = transitionCode(setting.standardDate);
    rules.dstStart = transitionCode(setting.daylightDate);
    return rules;
}

CalendarDate computerLocalNow(const ComputerTime& computer) {
    Location zone;
    zone.timeZone = computer.zone.timeZone;
    zone.dstStart = computer.zone.dstStart;
    zone.dstEnd = computer.zone.dstEnd;
    const LocalMoment local = currentLocalTime(zone, computer.now);
    CalendarDate date = local.date;
    date.day += local.timeOfDay / kTwoPi;
    return date;
}

}  // namespace kelmo
