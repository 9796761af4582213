#include "ui/today_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/time_format.h"
#include "files/reports/times_row.h"

namespace kelmo::ui {

namespace {

std::string printed(const char* format, auto... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

std::string civilDateText(const CalendarDate& date) {
    return printed("%s, %d %s %d", names::nameAt(names::kWeekdays, weekday(julianDay(date)) - 1),
                   static_cast<int>(date.day), names::nameAt(names::kMonths, date.month - 1),
                   date.year);
}

std::string hijriDateText(const CalendarDate& date) {
    if (date.hijriValid != 1) return {};
    return printed("%d %s %d AH", static_cast<int>(date.hijriDay),
                   names::nameAt(names::kHijriMonths, date.hijriMonth - 1), date.hijriYear);
}

std::string scheduleTimeText(const Config& config, PrayerSlot slot, const RowTime& time) {
    if (!time.isTime()) return statusName(time.status);
    const FormattedTime shown =
        formatTime(prayerThreshold(slot), time.dayAngle(), config.precision, false);
    if (shown.dayOffset < 0) return shown.text + "<";
    if (shown.dayOffset > 0) return shown.text + ">";
    return shown.text;
}

std::string countDownText(double secondsLeft) {
    const long long whole = std::max(0LL, static_cast<long long>(std::ceil(secondsLeft)));
    return printed("%02lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
}

}  // namespace kelmo::ui
