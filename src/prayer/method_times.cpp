#include "prayer/method_times.h"

#include <optional>

#include "base/angles.h"
#include "hijri/hijri_date.h"
#include "prayer/calculation_methods.h"
#include "prayer/day_events_memo.h"
#include "prayer/high_latitude_rule.h"
#include "prayer/sun_events.h"

namespace kelmo {

namespace {

constexpr int kRamadan = 9;

bool inRamadan(const CalendarDate& date, const Location& location, const Config& config) {
    CalendarDate hijri = date;
    return hijriFromDate(hijri, location, config) == 1 && hijri.hijriMonth == kRamadan;
}

// from moved by minutes, or from's marker.
FrameTime minutesFrom(FrameTime from, int minutes) {
    return from.movedBy(minutes * kMinuteToRad);
}

void adjust(FrameTime& time, int minutes) {
    time = minutesFrom(time, minutes);
}

}  // namespace

FrameTime methodMaghrib(const CalendarDate& date, const Location& location, const Config& config,
                        FrameTime sunset) {
    const CalculationMethod& method = methodOf(config);
    if (method.maghribAngle == 0.0f) return sunset;
    Config twilight = config;
    twilight.ishaAngle = method.maghribAngle;
    if (twilight.highLatitudeRule == kRuleFixedMinutes) twilight.highLatitudeRule = kRuleNone;
    DayEventsMemo memo;
    EventTable table = memo.dayEvents(date, location, twilight);
    applyHighLatitudeRule(date, location, twilight, table, memo);
    const FrameTime maghrib = table[EventRow::imsakIsha].set;
    const std::optional<double> atAngle = maghrib.angle();
    const std::optional<double> atSunset = sunset.angle();
    return atAngle && atSunset && *atSunset > *atAngle ? sunset : maghrib;
}

void applyMethodMinutes(const CalendarDate& date, const Location& location, const Config& config,
                        PrayerTimes& t) {
    const CalculationMethod& m = methodOf(config);
    if (m.imsakMinutes != 0)
        t[PrayerSlot::imsak] = minutesFrom(t[PrayerSlot::fajr], -m.imsakMinutes);
    if (m.ishaMinutes != 0) {
        const bool ramadan = m.ishaMinutesRamadan != 0 && inRamadan(date, location, config);
        t[PrayerSlot::isha] =
            minutesFrom(t[PrayerSlot::maghrib], ramadan ? m.ishaMinutesRamadan : m.ishaMinutes);
    }
    if (m.duhrFrom == DuhrFrom::centre) t[PrayerSlot::duhr] = t[PrayerSlot::noon];
    const MinuteAdjustments& a = m.adjust;
    adjust(t[PrayerSlot::imsak], a.imsak);
    adjust(t[PrayerSlot::fajr], a.fajr);
    adjust(t[PrayerSlot::shuruq], a.shuruq);
    adjust(t[PrayerSlot::duhr], a.duhr);
    adjust(t[PrayerSlot::asrShadow1], a.asr);
    adjust(t[PrayerSlot::asrShadow2], a.asr);
    adjust(t[PrayerSlot::maghrib], a.maghrib);
    adjust(t[PrayerSlot::isha], a.isha);
}

}  // namespace kelmo
