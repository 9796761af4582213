#include "files/reports/report_header.h"

#include <algorithm>
#include <array>

#include "calendar/angle_format.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/summer_time.h"
#include "calendar/zone_rules.h"
#include "files/reports/append_format.h"
#include "files/reports/method_text.h"
#include "prayer/school_of_law.h"
#include "prayer/sun_events.h"

namespace kelmo {

namespace {

using names::nameAt;

const char* monthName(int month) {
    return nameAt(names::kMonths, month - 1);
}
const char* hijriMonthName(int month) {
    return nameAt(names::kHijriMonths, month - 1);
}
int nextMonth(int month) {
    return month % kMonthsPerYear + 1;
}

// The zone time and rule codes the block describes: a zone's law of the report's year where
// the database knows the zone (the zone is named when the rule model cannot express it),
// else the stored fields.
struct ShownRules {
    float timeZone = 0.0f;
    int dstStart = 0, dstEnd = 0;
    std::string zoneNamed;
};

ShownRules shownRules(const Location& location, int year) {
    if (!location.zone.empty()) {
        const FixedZoneRules law = fixedRulesOfZone(location.zone, year);
        if (law.known) {
            const bool named = law.changes && law.dstStart == 0;
            return {law.timeZone, law.dstStart, law.dstEnd, named ? location.zone : ""};
        }
    }
    return {location.timeZone, location.dstStart, location.dstEnd, ""};
}

void writeLocationBlock(const Location& location, int year, std::string& text) {
    const ShownRules rules = shownRules(location, year);
    appendFormat(text, " Location:   \t%s,\n\t\tLatitude %s, Longitude %s,\n",
                 location.name.c_str(), formatLatLon(location.latitude, false, false).c_str(),
                 formatLatLon(location.longitude, true, false).c_str());
    appendFormat(text, "\t\tHeight: %d meters ASL, Time Zone: %2.2f,\n", location.height,
                 static_cast<double>(rules.timeZone));
    if (!rules.zoneNamed.empty()) {
        appendFormat(text, "\t\tSummer Time as in time zone %s\n", rules.zoneNamed.c_str());
        return;
    }
    if (isNoSummerTimeCode(rules.dstStart) || isNoSummerTimeCode(rules.dstEnd)) {
        text += "\t\tNo Summer Time available\n";
        return;
    }
    appendFormat(text, "\t\tSummer Time starts at: %s\n",
                 summerTimeRuleText(rules.dstStart).c_str());
    appendFormat(text, "\t\tSummer Time ends at: %s\n", summerTimeRuleText(rules.dstEnd).c_str());
}

// The method and the Hijri calendar, when either is not today's default (Custom, crescent), so
// that a report of the default settings keeps its lines.
void writeMethodLines(const Config& config, std::string& text) {
    if (config.method == kCustomMethod && config.hijriCalendar == HijriCalendar::crescent) return;
    const CalculationMethod& method = methodOf(config);
    appendFormat(text, "\t\tMethod = %s, Hijri calendar = %s,\n", method.name,
                 nameAt(names::kHijriCalendars, static_cast<int>(config.hijriCalendar)));
    if (config.method != kCustomMethod) {
        appendFormat(text, "\t\t%s,\n", methodFiguresText(method).c_str());
    }
}

void writeConfigurationBlock(const Config& config, std::string& text) {
    appendFormat(text, " Configuration:\tFiqh = %s, Distance = %d km, Precision = %s,\n",
                 nameAt(names::kFiqhs, config.fiqh), config.areaRadius,
                 nameAt(names::kPrecisions, config.precision));
    // Degrees and minutes, the minutes rounded half up from the seconds.
    const SplitAngle imsak = splitAngle(config.imsakAngle, true);
    const SplitAngle fajr = splitAngle(config.fajrAngle, true);
    const SplitAngle isha = splitAngle(config.ishaAngle, true);
    if (usesIsha(config.fiqh)) {
        appendFormat(text,
                     "\t\tImsak angle = %02d\u00B0 %02d', Fajr angle = %02d\u00B0 %02d', \n"
                     "\t\tIsha angle = %02d\u00B0 %02d', Added minutes to Maghrib time = %d,\n"
                     "\t\tAdjust Islamic calendar by %1d days,\n",
                     imsak.degrees, imsak.minutes, fajr.degrees, fajr.minutes, isha.degrees,
                     isha.minutes, config.maghribDelay, config.hijriAdjust);
    } else {
        appendFormat(text,
                     "\t\tImsak angle = %02d\u00B0 %02d', Fajr angle = %02d\u00B0 %02d',\n"
                     "\t\tAdded minutes to Maghrib time = %d,\n"
                     "\t\tAdjust Islamic calendar by %1d days,\n",
                     imsak.degrees, imsak.minutes, fajr.degrees, fajr.minutes, config.maghribDelay,
                     config.hijriAdjust);
    }
    writeMethodLines(config, text);
    appendFormat(text, "\t\tRule at high latitudes = %s\n", highLatitudeRuleText(config).c_str());
}

struct TitleTexts {
    std::string first;
    std::string second;
};

struct YearMonth {
    int year = 0;
    int month = 1;
};

// The months from first to last by their names, each year after the last month shown of it:
// "Jumada II-Rajab-Sha'ban/1446", "Thu Al-Hijja/1446-Muharram/1447", "December/2025-January/2026".
std::string monthsText(YearMonth first, YearMonth last, const char* (*name)(int)) {
    const int span = (last.year - first.year) * kMonthsPerYear + last.month - first.month;
    const int count = std::clamp(span, 0, kMonthsPerYear - 1) + 1;
    std::string text;
    YearMonth m = first;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            if (m.month == kMonthsPerYear) appendFormat(text, "/%d", m.year++);
            m.month = nextMonth(m.month);
            text += "-";
        }
        text += name(m.month);
    }
    appendFormat(text, "/%d", m.year);
    return text;
}

YearMonth civilMonth(const CalendarDate& d) {
    return {d.year, d.month};
}
YearMonth hijriMonth(const CalendarDate& d) {
    return {d.hijriYear, d.hijriMonth};
}

TitleTexts titleTexts(const CalendarDate& date, const CalendarDate& last, const Config& config,
                      int kind) {
    TitleTexts t;
    const bool prayer = kind == kPrayerHeader;
    const bool hijriShown = prayer && date.hijriValid == 1;
    if (reportPeriod(config) == ReportPeriod::day) {
        appendFormat(t.first, "%s,   %d/%s/%d",
                     nameAt(names::kWeekdays, weekday(julianDay(date)) - 1),
                     static_cast<int>(date.day), monthName(date.month), date.year);
        if (hijriShown) {
            appendFormat(t.second, "%d/%s/%d", static_cast<int>(date.hijriDay),
                         hijriMonthName(date.hijriMonth), date.hijriYear);
        }
    } else if (prayer && isHijriReport(config)) {
        // The Gregorian months over which the Hijri month runs.
        t.first = monthsText(civilMonth(date), civilMonth(last), monthName);
        if (hijriShown) {
            appendFormat(t.second, "%s/%d", hijriMonthName(date.hijriMonth), date.hijriYear);
        }
    } else {
        appendFormat(t.first, "%s/%d", monthName(date.month), date.year);
        if (hijriShown) {
            t.second = monthsText(hijriMonth(date), hijriMonth(last.hijriValid == 1 ? last : date),
                                  hijriMonthName);
        }
    }
    return t;
}

void writeTitleLine(const CalendarDate& date, const CalendarDate& last, const Config& config,
                    int kind, std::string& text) {
    const char* report = kind == kPrayerHeader ? "Prayer schedule" : "Moon Information";
    const TitleTexts t = titleTexts(date, last, config, kind);
    const char* format =
        reportPeriod(config) == ReportPeriod::day ? "%s for %s,  %s\n" : "\t\t%s for %s, %s\n";
    appendFormat(text, format, report, t.first.c_str(), t.second.c_str());
}

void writeColumnLine(const Config& config, int kind, std::string& text) {
    const bool day = reportPeriod(config) == ReportPeriod::day;
    if (kind == kPrayerHeader) {
        const char* prefix = day ? "" : "Date IslDate Day ";
        appendFormat(text,
                     config.fiqh != 0
                         ? "%sImsak    Fajr     Shuruq   Duhr     Asr      Maghrib  Isha'a\n"
                         : "%sImsak    Fajr     Shuruq   Duhr     Maghrib\n",
                     prefix);
        return;
    }
    const char* prefix = day ? "" : "Date Day ";
    appendFormat(text,
                 kind == kMoonRiseFirstHeader ? "\t%sMoonRise   \tMoonTransit\tMoonSet    \n"
                                              : "\t%sMoonSet    \tMoonTransit\tMoonRise   \n",
                 prefix);
}

}  // namespace

ReportPeriod reportPeriod(const Config& config) {
    switch ((config.alertFlags & alert::kPeriodMask) >> alert::kPeriodShift) {
        case 0:
            return ReportPeriod::day;
        case 1:
            return ReportPeriod::month;
        default:
            return ReportPeriod::year;
    }
}

bool isHijriReport(const Config& config) {
    return (config.alertFlags & alert::kHijriDate) != 0;
}

const std::string& separatorLine() {
    static const std::string line = std::string(kSeparatorWidth, '=') + "\n";
    return line;
}

void writeBanner(std::string& text) {
    text += "\n\t\tKelmo Times\t  Version 2.8, July, 2008\n";
    text += separatorLine();
}

std::string highLatitudeRuleText(const Config& config) {
    const int rule = config.highLatitudeRule;
    std::string text;
    if (rule != kRuleFixedMinutes) {
        text = nameAt(names::kHighLatitudeRules, rule);
    } else if (usesIsha(config.fiqh)) {
        appendFormat(text, "%d %s", config.nMinutes, names::kHighLatitudeRules[kRuleFixedMinutes]);
    } else {
        appendFormat(text, "%d minutes for Fajr prayer", config.nMinutes);
    }
    return text;
}

std::string summerTimeRuleText(int code) {
    const int month = ruleMonth(code);
    const int dayCode = ruleDayCode(code);
    std::string description;
    if (dayCode < kFirstWeekdayCode) {
        appendFormat(description, "%d, %s", dayCode, monthName(month));
    } else {
        const int rule = dayCode - kFirstWeekdayCode;
        appendFormat(description, "%s %s, %s", nameAt(names::kOrdinals, rule % kWeekdayOrdinals),
                     nameAt(names::kWeekdays, rule / kWeekdayOrdinals), monthName(month));
    }
    return description;
}

void writeReportHeader(const CalendarDate& date, const Location& location, const Config& config,
                       int kind, std::string& text, const CalendarDate* lastDay) {
    writeLocationBlock(location, date.year, text);
    if (kind == kPrayerHeader) writeConfigurationBlock(config, text);
    text += separatorLine();
    writeTitleLine(date, lastDay ? *lastDay : date, config, kind, text);
    writeColumnLine(config, kind, text);
    text += separatorLine();
}

}  // namespace kelmo
