#include "calendar/place_zone.h"

#include "calendar/summer_time.h"

namespace kelmo {

namespace {

constexpr long double kSecondsPerHour = 3600.0L;
constexpr int kDaysPerWeek = 7;

ChangeDay changeDayOfCode(int code) {
    const int month = ruleMonth(code);
    const int dayCode = ruleDayCode(code);
    if (dayCode < kFirstWeekdayCode) return {ChangeDay::Kind::monthDay, month, 1, 0, dayCode};
    const int rule = dayCode - kFirstWeekdayCode;
    const int mondayBased = rule / kWeekdayOrdinals;  // 0 Monday .. 6 Sunday
    return {ChangeDay::Kind::monthWeekday, month, rule % kWeekdayOrdinals + 1,
            (mondayBased + 1) % kDaysPerWeek, 1};
}

}  // namespace

ClockRule ruleOfCodes(float timeZoneHours, int dstStart, int dstEnd) {
    ClockRule rule;
    rule.standardOffset = Seconds{static_cast<long double>(timeZoneHours) * kSecondsPerHour};
    if (isNoSummerTimeCode(dstStart) || isNoSummerTimeCode(dstEnd) ||
        ruleMonth(dstStart) == ruleMonth(dstEnd)) {
        return rule;
    }
    rule.summer =
        SummerRule{rule.standardOffset + Seconds{kSecondsPerHour}, changeDayOfCode(dstStart),
                   Seconds{0.0L}, changeDayOfCode(dstEnd), Seconds{0.0L}};
    return rule;
}

ZoneLookup zoneOfPlace(const Location& location) {
    if (!location.zone.empty()) return findZone(location.zone);
    return {Zone::ofRule(ruleOfCodes(location.timeZone, location.dstStart, location.dstEnd)),
            ZoneError::none};
}

}  // namespace kelmo
