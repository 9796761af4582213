#include "files/reports/report_header.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "calendar/angle_format.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/summer_time.h"
#include "calendar/utf8_text.h"
#include "calendar/zone_rules.h"
#include "files/reports/append_format.h"
#include "files/reports/method_text.h"
#include "files/reports/report_words.h"
#include "prayer/school_of_law.h"
#include "prayer/sun_events.h"

namespace kelmo {

namespace {

using names::nameAt;

// The width of the label " Location:" before its tab.
constexpr std::size_t kLocationLabelWidth = 12;

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

void writeLocationBlock(const Location& location, int year, const Words& w, std::string& text) {
    const ShownRules rules = shownRules(location, year);
    text += ' ';
    appendPadded(text, w.phrase(Phrase::location), kLocationLabelWidth);
    appendFormat(text, "\t%s,\n\t\t", location.name.c_str());
    appendFormat(text, w.phrase(Phrase::latitudeLongitude),
                 formatLatLon(location.latitude, false, false).c_str(),
                 formatLatLon(location.longitude, true, false).c_str());
    text += "\n\t\t";
    appendFormat(text, w.phrase(Phrase::heightZone), location.height,
                 static_cast<double>(rules.timeZone));
    text += "\n\t\t";
    if (!rules.zoneNamed.empty()) {
        appendFormat(text, w.phrase(Phrase::summerTimeOfZone), rules.zoneNamed.c_str());
    } else if (isNoSummerTimeCode(rules.dstStart) || isNoSummerTimeCode(rules.dstEnd)) {
        text += w.phrase(Phrase::noSummerTime);
    } else {
        appendFormat(text, w.phrase(Phrase::summerTimeStarts),
                     summerTimeRuleText(rules.dstStart, w).c_str());
        text += "\n\t\t";
        appendFormat(text, w.phrase(Phrase::summerTimeEnds),
                     summerTimeRuleText(rules.dstEnd, w).c_str());
    }
    text += '\n';
}

// The method and the Hijri calendar, when either is not today's default (Custom, crescent), so
// that a report of the default settings keeps its lines.
void writeMethodLines(const Config& config, const Words& w, std::string& text) {
    if (config.method == kCustomMethod && config.hijriCalendar == HijriCalendar::crescent) return;
    const CalculationMethod& method = methodOf(config);
    text += "\t\t";
    appendFormat(text, w.phrase(Phrase::methodLine), method.name,
                 nameAt(w.hijriCalendars, static_cast<int>(config.hijriCalendar)));
    text += '\n';
    if (config.method != kCustomMethod) {
        appendFormat(text, "\t\t%s,\n", methodFiguresText(method).c_str());
    }
}

// Degrees and minutes, the minutes rounded half up from the seconds: "-16\u00B0 00'".
std::string configuredAngle(float degrees) {
    const SplitAngle a = splitAngle(degrees, true);
    std::string text;
    appendFormat(text, "%02d\u00B0 %02d'", a.degrees, a.minutes);
    return text;
}

void writeConfigurationBlock(const Config& config, const Words& w, std::string& text) {
    text += ' ';
    text += w.phrase(Phrase::configuration);
    text += '\t';
    appendFormat(text, w.phrase(Phrase::fiqhLine), nameAt(w.fiqhs, config.fiqh), config.areaRadius,
                 nameAt(w.precisions, config.precision));
    text += "\n\t\t";
    appendFormat(text, w.phrase(Phrase::angleLine), configuredAngle(config.imsakAngle).c_str(),
                 configuredAngle(config.fajrAngle).c_str());
    // (a blank before the line end when the Isha line follows, as the reports always had)
    text += usesIsha(config.fiqh) ? " \n\t\t" : "\n\t\t";
    if (usesIsha(config.fiqh)) {
        appendFormat(text, w.phrase(Phrase::ishaAngleLine),
                     configuredAngle(config.ishaAngle).c_str(), config.maghribDelay);
    } else {
        appendFormat(text, w.phrase(Phrase::maghribLine), config.maghribDelay);
    }
    text += "\n\t\t";
    appendFormat(text, w.phrase(Phrase::adjustLine), config.hijriAdjust);
    text += '\n';
    writeMethodLines(config, w, text);
    text += "\t\t";
    appendFormat(text, w.phrase(Phrase::ruleLine), highLatitudeRuleText(config, w).c_str());
    text += '\n';
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
std::string monthsText(YearMonth first, YearMonth last, const std::array<const char*, 12>& names) {
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
        text += nameAt(names, m.month - 1);
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
                      int kind, const Words& w) {
    TitleTexts t;
    const bool prayer = kind == kPrayerHeader;
    const bool hijriShown = prayer && date.hijriValid == 1;
    if (reportPeriod(config) == ReportPeriod::day) {
        appendFormat(t.first, "%s,   %d/%s/%d", w.weekday(weekday(julianDay(date))),
                     static_cast<int>(date.day), w.month(date.month), date.year);
        if (hijriShown) {
            appendFormat(t.second, "%d/%s/%d", static_cast<int>(date.hijriDay),
                         w.hijriMonth(date.hijriMonth), date.hijriYear);
        }
    } else if (prayer && isHijriReport(config)) {
        // The Gregorian months over which the Hijri month runs.
        t.first = monthsText(civilMonth(date), civilMonth(last), w.months);
        if (hijriShown) {
            appendFormat(t.second, "%s/%d", w.hijriMonth(date.hijriMonth), date.hijriYear);
        }
    } else {
        appendFormat(t.first, "%s/%d", w.month(date.month), date.year);
        if (hijriShown) {
            t.second = monthsText(hijriMonth(date), hijriMonth(last.hijriValid == 1 ? last : date),
                                  w.hijriMonths);
        }
    }
    return t;
}

void writeTitleLine(const CalendarDate& date, const CalendarDate& last, const Config& config,
                    int kind, const Words& w, std::string& text) {
    const TitleTexts t = titleTexts(date, last, config, kind, w);
    const bool day = reportPeriod(config) == ReportPeriod::day;
    if (!day) text += "\t\t";
    appendFormat(text, w.phrase(kind == kPrayerHeader ? Phrase::prayerTitle : Phrase::moonTitle),
                 t.first.c_str());
    text += day ? ",  " : ", ";
    text += t.second;
    text += '\n';
}

// The names of columns, each padded to width but the last.
void appendColumns(std::span<const char* const> names, std::size_t width, std::string& text) {
    for (std::size_t i = 0; i + 1 < names.size(); ++i) appendPadded(text, names[i], width);
    text += names.back();
}

void writeColumnLine(const Config& config, int kind, const Words& w, std::string& text) {
    const bool day = reportPeriod(config) == ReportPeriod::day;
    const ReportLayout layout = reportLayout(w);
    if (kind != kPrayerHeader) text += '\t';
    if (!day) appendPadded(text, w.phrase(Phrase::dateColumn), layout.date);
    if (!day && kind == kPrayerHeader) {
        appendPadded(text, w.phrase(Phrase::hijriDateColumn), layout.hijriDate);
    }
    if (!day) appendPadded(text, w.phrase(Phrase::dayColumn), layout.weekday);
    if (kind == kPrayerHeader) {
        std::vector<const char*> names;
        for (const PrayerSlot slot : shownSlots(config.fiqh)) names.push_back(columnName(w, slot));
        appendColumns(names, layout.cell, text);
    } else {
        const char* rise = w.phrase(Phrase::moonRiseColumn);
        const char* set = w.phrase(Phrase::moonSetColumn);
        const bool riseFirst = kind == kMoonRiseFirstHeader;
        appendPadded(text, riseFirst ? rise : set, layout.moonCell);
        text += '\t';
        appendPadded(text, w.phrase(Phrase::moonTransitColumn), layout.moonCell);
        text += '\t';
        appendPadded(text, riseFirst ? set : rise, layout.moonCell);
    }
    text += '\n';
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

std::string highLatitudeRuleText(const Config& config, const Words& words) {
    const int rule = config.highLatitudeRule;
    std::string text;
    if (rule != kRuleFixedMinutes) {
        text = nameAt(words.highLatitudeRules, rule);
    } else {
        appendFormat(text,
                     words.phrase(usesIsha(config.fiqh) ? Phrase::fixedMinutesFajrIsha
                                                        : Phrase::fixedMinutesFajr),
                     config.nMinutes);
    }
    return text;
}

std::string summerTimeRuleText(int code, const Words& words) {
    const int month = ruleMonth(code);
    const int dayCode = ruleDayCode(code);
    std::string description;
    if (dayCode < kFirstWeekdayCode) {
        appendFormat(description, "%d, %s", dayCode, words.month(month));
    } else {
        const int rule = dayCode - kFirstWeekdayCode;
        appendFormat(description, words.phrase(Phrase::weekdayRule),
                     nameAt(words.ordinals, rule % kWeekdayOrdinals),
                     nameAt(words.weekdays, rule / kWeekdayOrdinals), words.month(month));
    }
    return description;
}

void writeReportHeader(const CalendarDate& date, const Location& location, const Config& config,
                       int kind, std::string& text, const CalendarDate* lastDay) {
    const Words& w = reportWords(config);
    writeLocationBlock(location, date.year, w, text);
    if (kind == kPrayerHeader) writeConfigurationBlock(config, w, text);
    text += separatorLine();
    writeTitleLine(date, lastDay ? *lastDay : date, config, kind, w, text);
    writeColumnLine(config, kind, w, text);
    text += separatorLine();
}

}  // namespace kelmo
