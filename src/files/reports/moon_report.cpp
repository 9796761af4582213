#include "files/reports/moon_report.h"

#include <array>
#include <cmath>

#include "base/angles.h"
#include "calendar/angle_format.h"
#include "calendar/day_frame.h"
#include "calendar/julian_day.h"
#include "calendar/time_format.h"
#include "calendar/utf8_text.h"
#include "files/reports/append_format.h"
#include "files/reports/report_header.h"
#include "files/reports/report_words.h"
#include "files/reports/times_row.h"
#include "hijri/hijri_date.h"
#include "moon/moon_day_events.h"

namespace kelmo {

namespace {

// A time as a bare cell: the time and its day mark.
std::string inlineCell(const Config& config, double time) {
    std::string cell;
    const std::array<RowTime, 1> values = {RowTime{EventStatus::time, time / kSecondToRad}};
    writeTimesRow(config, kInlineCells, values, cell);
    return cell;
}

// A duration (radians, 2 pi = 24 h) with its whole days counted into the hours.
std::string durationText(const Config& config, double duration) {
    std::string text = duration < 0 ? "-" : "";
    text += formatTime(kRoundNearest, std::fabs(duration), config.precision, true).text;
    return text;
}

std::string angleText(double radians) {
    return formatAngle(radians, false);
}

// A Julian day of the frame's zone time shown on the place's clock: the civil date and the
// time of day to print, rounded once; where the rounding carries into another day, that day
// at 0h.
struct ShownInstant {
    CalendarDate date;
    double timeOfDay = 0.0;  // radians
};

ShownInstant shownInstant(const Location& frame, const Zone& zone, const Config& config,
                          double frameJd) {
    const Instant t = instantOfJulianDay(frameJd - frame.timeZone / kHoursPerDay);
    const ClockReading reading = splitLocalTime(zone.toLocal(t));
    const double timeOfDay = static_cast<double>(reading.secondsOfDay) * kSecondToRad;
    const SplitTime shown = splitTime(kRoundNearest, timeOfDay, config.precision == 1);
    if (shown.dayOffset != 0) return {daysLater(reading.date, shown.dayOffset), 0.0};
    return {reading.date, timeOfDay};
}

void writeNewMoonLine(Phrase phrase, const Location& frame, const Zone& zone, const Config& config,
                      double jd, double deltaTSeconds, std::string& text) {
    const ShownInstant n = shownInstant(frame, zone, config, jd);
    const Words& w = reportWords(config);
    text += ' ';
    appendFormat(text, w.phrase(phrase), w.weekday(weekday(julianDay(n.date))),
                 static_cast<int>(n.date.day), n.date.month, n.date.year,
                 inlineCell(config, n.timeOfDay).c_str(),
                 inlineCell(config, n.timeOfDay + deltaTSeconds * kSecondToRad).c_str());
    text += '\n';
}

void writeSunsetLines(const MoonSunsetData& data, const Location& frame, const Zone& zone,
                      const Config& config, std::string& text) {
    const ShownInstant sunset =
        shownInstant(frame, zone, config, data.sunsetDay + data.sunset / kTwoPi);
    const ShownInstant moonset =
        shownInstant(frame, zone, config, data.sunsetDay + data.moonset / kTwoPi);
    // A moonset after midnight keeps its clock time and is marked as on the next day.
    const int laterDays = daysBetween(sunset.date, moonset.date);
    const double moonsetTime = moonset.timeOfDay + laterDays * kTwoPi;

    const Words& w = reportWords(config);
    text += "\t\t";
    appendFormat(text, w.phrase(Phrase::moonDataTitle), static_cast<int>(sunset.date.day),
                 w.month(sunset.date.month), sunset.date.year);
    text += '\n';
    text += separatorLine();
    text += ' ';
    appendFormat(text, w.phrase(Phrase::moonsetLine), inlineCell(config, moonsetTime).c_str(),
                 inlineCell(config, sunset.timeOfDay).c_str(),
                 durationText(config, data.moonset - data.sunset).c_str());
    text += " \n";
}

void writePossibleMonthStart(const MoonSunsetData& data, const Words& w, std::string& text) {
    if (data.monthStart < kHijriEpoch) return;
    CalendarDate named;
    hijriFromDayNumberReal(data.monthStart + 3.0, named);
    CalendarDate start;
    dateFromJulianDay(data.monthStart, start);
    text += ' ';
    appendFormat(text, w.phrase(Phrase::possibleStartLine), w.hijriMonth(named.hijriMonth),
                 named.hijriYear, w.weekday(weekday(data.monthStart)), static_cast<int>(start.day),
                 w.month(start.month), start.year);
    text += '\n';
}

// The value a time or marker of the day compares by when the set comes before the rise: the
// markers as their old numbers (NotValid lowest, then AlwBelow, AlwAbove highest).
long double orderValue(const RowTime& t) {
    constexpr long double kBelowEveryTime = -1.0e9L, kAboveEveryTime = 1.0e9L;
    if (t.isTime()) return t.seconds;
    if (t.status == EventStatus::alwAbove) return kAboveEveryTime;
    return t.status == EventStatus::alwBelow ? kBelowEveryTime : 2 * kBelowEveryTime;
}

void writeOneDay(const CalendarDate& date, const Location& location, const Zone& zone,
                 const Config& config, std::string& text) {
    const std::array<RowTime, 3> e = moonRowTimes(date, location, zone, config);
    const bool setFirst = orderValue(e[2]) < orderValue(e[0]);
    writeReportHeader(date, location, config, setFirst ? kMoonSetFirstHeader : kMoonRiseFirstHeader,
                      text);
    text += '\t';
    const std::array<RowTime, 3> cells = setFirst ? std::array<RowTime, 3>{e[2], e[1], e[0]} : e;
    writeTimesRow(config, kMoonRowCells, cells, text);
    MoonSunsetData data;
    appendMoonDataAtSunset(date, location, zone, config, data, text);
}

CalendarDate firstOfMonth(int year, int month) {
    CalendarDate d;
    d.year = year;
    d.month = month;
    d.day = 1;
    return d;
}

// The Gregorian month of the report's first day: the month of date, January for a year; for a
// date entered as Hijri the month in which its Hijri month (Muharram for a year) begins.
CalendarDate firstReportedMonth(const CalendarDate& date, const Location& location,
                                const Config& config) {
    const bool year = reportPeriod(config) == ReportPeriod::year;
    if (!isHijriReport(config)) return firstOfMonth(date.year, year ? 1 : date.month);
    CalendarDate start = date;
    if (year) start.hijriMonth = 1;
    start.hijriDay = 1;
    dateFromHijri(start, location, config);
    return firstOfMonth(start.year, start.month);
}

// The day rows of one Gregorian month.
void writeMonthRows(const CalendarDate& first, const Location& location, const Zone& zone,
                    const Config& config, std::string& text) {
    const int length = daysInMonth(first.year, first.month);
    const Words& w = reportWords(config);
    const ReportLayout layout = reportLayout(w);
    CalendarDate d = first;
    for (int day = 1; day <= length; ++day) {
        d.day = day;
        if (!isValidDate(d, false)) continue;
        text += '\t';
        appendPadded(text, std::to_string(day), layout.date);
        appendPadded(text, w.shortWeekday(weekday(julianDay(d))), layout.weekday);
        writeTimesRow(config, kMoonRowCells, moonRowTimes(d, location, zone, config), text);
        text += '\n';
    }
}

// The new-moon data of a month: the first new moon after its first day and, when a second
// one can fall in the month, the one after it.
void writeMonthMoonData(const CalendarDate& first, const Location& location, const Zone& zone,
                        const Config& config, std::string& text) {
    MoonSunsetData data;
    if (appendMoonDataAtSunset(first, location, zone, config, data, text) == 0) return;
    const Location frame = dayFrameOf(first, location, zone);
    const ShownInstant newMoon = shownInstant(frame, zone, config, data.geocentricNewMoon);
    const int length = daysInMonth(first.year, first.month);
    if (length + 1 <= static_cast<int>(newMoon.date.day) + 29) return;

    const CalendarDate later = daysLater(newMoon.date, 2);
    const std::size_t kept = text.size();
    MoonSunsetData second;
    const bool found = appendMoonDataAtSunset(later, location, zone, config, second, text) != 0;
    const ShownInstant secondMoon =
        shownInstant(dayFrameOf(later, location, zone), zone, config, second.geocentricNewMoon);
    const bool sameMonth =
        secondMoon.date.year == first.year && secondMoon.date.month == first.month;
    if (!found || second.geocentricNewMoon == data.geocentricNewMoon || !sameMonth) {
        text.resize(kept);
    }
}

// Appends " ", the phrase of words with three texts, and a line end.
void appendLine(std::string& text, const Words& w, Phrase phrase, const std::string& a,
                const std::string& b, const std::string& c = {}) {
    text += ' ';
    appendFormat(text, w.phrase(phrase), a.c_str(), b.c_str(), c.c_str());
    text += '\n';
}

}  // namespace

std::array<RowTime, 3> moonRowTimes(const CalendarDate& date, const Location& location,
                                    const Zone& zone, const Config& config) {
    const MoonDayEvents e = moonDayEvents(date, location, zone, config);
    return {rowTime(e.rise, zone, date), rowTime(e.transit, zone, date),
            rowTime(e.set, zone, date)};
}

std::vector<CalendarDate> moonReportMonths(const CalendarDate& date, const Location& location,
                                           const Config& config) {
    const ReportPeriod period = reportPeriod(config);
    if (period == ReportPeriod::day) return {date};
    std::vector<CalendarDate> months = {firstReportedMonth(date, location, config)};
    while (period == ReportPeriod::year && months.size() < kMonthsPerYear) {
        const CalendarDate& last = months.back();
        months.push_back(last.month == kMonthsPerYear ? firstOfMonth(last.year + 1, 1)
                                                      : firstOfMonth(last.year, last.month + 1));
    }
    return months;
}

void writeMoonData(const MoonSunsetData& data, const Location& frame, const Zone& zone,
                   const Config& config, std::string& text) {
    const Words& w = reportWords(config);
    text += "\n\n";
    writeNewMoonLine(Phrase::geocentricNewMoon, frame, zone, config, data.geocentricNewMoon,
                     data.deltaTSeconds, text);
    writeNewMoonLine(Phrase::topocentricNewMoon, frame, zone, config, data.topocentricNewMoon,
                     data.deltaTSeconds, text);
    text += separatorLine();
    writeSunsetLines(data, frame, zone, config, text);
    appendLine(text, w, Phrase::altitudeLine, angleText(data.moonAltitude),
               angleText(data.sunAltitude), angleText(data.moonAltitude - data.sunAltitude));
    appendLine(text, w, Phrase::azimuthLine, angleText(data.moonAzimuth),
               angleText(data.sunAzimuth), angleText(data.moonAzimuth - data.sunAzimuth));
    appendLine(text, w, Phrase::ageLine, durationText(config, data.geocentricAge * kTwoPi),
               durationText(config, data.topocentricAge * kTwoPi));
    appendLine(text, w, Phrase::elongationLine, angleText(data.geocentricElongation),
               angleText(data.topocentricElongation));
    text += ' ';
    appendFormat(text, w.phrase(Phrase::distanceLine), data.geocentricDistanceKm,
                 data.topocentricDistanceKm);
    text += '\n';
    appendLine(text, w, Phrase::brightLimbLine, angleText(data.brightLimb),
               angleText(data.crescentWidth));
    text += ' ';
    appendFormat(text, w.phrase(Phrase::illuminatedLine), data.illuminated * 100.0,
                 angleText(data.semidiameter).c_str());
    text += '\n';
    writePossibleMonthStart(data, w, text);
}

int appendMoonDataAtSunset(const CalendarDate& date, const Location& location, const Zone& zone,
                           const Config& config, MoonSunsetData& data, std::string& text) {
    const Location frame = dayFrameOf(date, location, zone);
    const int found = moonDataAtSunset(date, frame, config, data);
    if (found == 0) {
        text += "\n ";
        text += reportWords(config).phrase(Phrase::noSunset);
        text += '\n';
    } else {
        writeMoonData(data, frame, zone, config, text);
    }
    return found;
}

void moonReport(const CalendarDate& date, const Location& location, const Zone& zone,
                const Config& config, std::string& text) {
    writeBanner(text);
    const ReportPeriod period = reportPeriod(config);
    if (period == ReportPeriod::day) {
        writeOneDay(date, location, zone, config, text);
        return;
    }
    for (const CalendarDate& month : moonReportMonths(date, location, config)) {
        writeReportHeader(month, location, config, kMoonRiseFirstHeader, text);
        writeMonthRows(month, location, zone, config, text);
        writeMonthMoonData(month, location, zone, config, text);
        if (period == ReportPeriod::month) return;
        text += "\n\n\n";
        text += separatorLine();
    }
}

}  // namespace kelmo
