#include "ui/today_texts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calendar/julian_day.h"
#include "calendar/time_format.h"
#include "files/reports/times_row.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

std::string printed(const char* format, auto... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

QString civilDateText(const CalendarDate& date) {
    return QCoreApplication::translate("kelmo::ui::TodayPanel", "%1, %2 %3 %4",
                                       "weekday, day, month, year")
        .arg(weekdayName(weekday(julianDay(date))), shownNumber(static_cast<int>(date.day)),
             monthName(date.month), shownNumber(date.year));
}

QString hijriDateText(const CalendarDate& date) {
    if (date.hijriValid != 1) return {};
    return QCoreApplication::translate("kelmo::ui::TodayPanel", "%1 %2 %3 AH",
                                       "day, Hijri month, Hijri year")
        .arg(shownNumber(static_cast<int>(date.hijriDay)), hijriMonthName(date.hijriMonth),
             shownNumber(date.hijriYear));
}

QString scheduleTimeText(const Config& config, PrayerSlot slot, const RowTime& time) {
    if (!time.isTime()) return markerName(time.status);
    const FormattedTime shown =
        formatTime(prayerThreshold(slot), time.dayAngle(), config.precision, false);
    const QString text = shownDigits(QString::fromStdString(shown.text));
    if (shown.dayOffset < 0) return text + '<';
    if (shown.dayOffset > 0) return text + '>';
    return text;
}

QString countDownText(double secondsLeft) {
    const long long whole = std::max(0LL, static_cast<long long>(std::ceil(secondsLeft)));
    return shownDigits(QString::fromStdString(
        printed("%02lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60)));
}

}  // namespace kelmo::ui
