#include "files/moon_report.h"

#include <array>
#include <cmath>

#include "base/angles.h"
#include "calendar/angle_format.h"
#include "calendar/julian_day.h"
#include "calendar/local_time.h"
#include "calendar/names.h"
#include "calendar/summer_time.h"
#include "calendar/time_format.h"
#include "files/append_format.h"
#include "files/report_header.h"
#include "files/times_row.h"
#include "hijri/hijri_date.h"
#include "moon/moon_rise_set.h"

namespace kelmo {

namespace {

// A time as a bare cell: the time and its day mark.
std::string inlineCell(const Config& config, double time) {
    std::string cell;
    const std::array<double, 1> values = {time};
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

// A local Julian day of the zone clock turned into its civil date (summer time included)
// and the time of day to print.
struct LocalInstant {
    CalendarDate date;
    LocalDateTime local;
};

LocalInstant localInstant(const Location& location, const Config& config, double jd) {
    LocalInstant i;
    i.local = julianDayToLocalText(config, location, i.date, jd, false);
    return i;
}

long dayNumber(double jd) {
    return static_cast<long>(std::floor(jd + 0.5));
}

void writeNewMoonLine(const char* format, const Location& location, const Config& config, double jd,
                      double deltaTSeconds, std::string& text) {
    const LocalInstant n = localInstant(location, config, jd);
    appendFormat(text, format, names::kWeekdays[weekday(n.local.jd) - 1],
                 static_cast<int>(n.date.day), n.date.month, n.date.year,
                 inlineCell(config, n.local.timeOfDay).c_str(),
                 inlineCell(config, n.local.timeOfDay + deltaTSeconds * kSecondToRad).c_str());
}

void writeSunsetLines(const MoonSunsetData& data, const Location& location, const Config& config,
                      std::string& text) {
    const LocalInstant sunset =
        localInstant(location, config, data.sunsetDay + data.sunset / kTwoPi);
    const LocalInstant moonset =
        localInstant(location, config, data.sunsetDay + data.moonset / kTwoPi);
    // A moonset after midnight keeps its clock time and is marked as on the next day.
    const long laterDays = dayNumber(moonset.local.jd) - dayNumber(sunset.local.jd);
    const double moonsetTime = moonset.local.timeOfDay + static_cast<double>(laterDays) * kTwoPi;

    appendFormat(text, "\t\tMoon data for %d/%s/%d at Sunset\n", static_cast<int>(sunset.date.day),
                 names::kMonths[sunset.date.month - 1], sunset.date.year);
    text += separatorLine();
    appendFormat(text, " Moonset (%s) - Sunset (%s) = %s \n",
                 inlineCell(config, moonsetTime).c_str(),
                 inlineCell(config, sunset.local.timeOfDay).c_str(),
                 durationText(config, data.moonset - data.sunset).c_str());
}

void writePossibleMonthStart(const MoonSunsetData& data, std::string& text) {
    if (data.monthStart < kHijriEpoch) return;
    CalendarDate named;
    hijriFromDayNumberReal(data.monthStart + 3.0, named);
    CalendarDate start;
    dateFromJulianDay(data.monthStart, start);
    appendFormat(text, " Possible start of %s, %d AH: %s, %d/%s/%d\n",
                 names::kHijriMonths[named.hijriMonth - 1], named.hijriYear,
                 names::kWeekdays[weekday(data.monthStart) - 1], static_cast<int>(start.day),
                 names::kMonths[start.month - 1], start.year);
}

void writeOneDay(const CalendarDate& date, const Location& location, const Config& config,
                 std::string& text) {
    const std::array<double, 3> e = moonRiseTransitSetLocal(date, location, config);
    const bool setFirst = e[2] < e[0];  // a marker compares as its value
    writeReportHeader(date, location, config, setFirst ? kMoonSetFirstHeader : kMoonRiseFirstHeader,
                      text);
    text += '\t';
    const std::array<double, 3> cells = setFirst ? std::array<double, 3>{e[2], e[1], e[0]} : e;
    writeTimesRow(config, kMoonRowCells, cells, text);
    MoonSunsetData data;
    appendMoonDataAtSunset(date, location, config, data, text);
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
void writeMonthRows(const CalendarDate& first, const Location& location, const Config& config,
                    std::string& text) {
    const int length = daysInMonth(first.year, first.month);
    CalendarDate d = first;
    for (int day = 1; day <= length; ++day) {
        d.day = day;
        if (!isValidDate(d, false)) continue;
        appendFormat(text, "\t%-2i   %3s ", day, names::kShortWeekdays[weekday(julianDay(d)) - 1]);
        writeTimesRow(config, kMoonRowCells, moonRiseTransitSetLocal(d, location, config), text);
        text += '\n';
    }
}

// The new-moon data of a month: the first new moon after its first day and, when a second
// one can fall in the month, the one after it.
void writeMonthMoonData(const CalendarDate& first, const Location& location, const Config& config,
                        std::string& text) {
    MoonSunsetData data;
    if (appendMoonDataAtSunset(first, location, config, data, text) == 0) return;
    const LocalInstant newMoon = localInstant(location, config, data.geocentricNewMoon);
    const int length = daysInMonth(first.year, first.month);
    if (length + 1 <= static_cast<int>(newMoon.date.day) + 29) return;

    CalendarDate later;
    dateFromJulianDay(std::floor(newMoon.local.jd - 0.5) + 0.5 + 2.0, later);
    const std::size_t kept = text.size();
    MoonSunsetData second;
    const bool found = appendMoonDataAtSunset(later, location, config, second, text) != 0;
    const LocalInstant secondMoon = localInstant(location, config, second.geocentricNewMoon);
    const bool sameMonth =
        secondMoon.date.year == first.year && secondMoon.date.month == first.month;
    if (!found || second.geocentricNewMoon == data.geocentricNewMoon || !sameMonth) {
        text.resize(kept);
    }
}

}  // namespace

std::array<double, 3> moonRiseTransitSetLocal(const CalendarDate& date, const Location& location,
                                              const Config& config) {
    const EventTriple t = moonRiseTransitSet(date, location, config);
    std::array<double, 3> riseTransitSet = {t.rise, t.transit, t.set};
    applySummerTime(location, date, riseTransitSet);
    return riseTransitSet;
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

void writeMoonData(const MoonSunsetData& data, const Location& location, const Config& config,
                   std::string& text) {
    writeNewMoonLine("\n\n Next Geocentric  New Moon %s, %d/%d/%d at %s(%sTDT)\n", location, config,
                     data.geocentricNewMoon, data.deltaTSeconds, text);
    writeNewMoonLine(" Next Topocentric New Moon %s, %d/%d/%d at %s(%sTDT)\n", location, config,
                     data.topocentricNewMoon, data.deltaTSeconds, text);
    text += separatorLine();
    writeSunsetLines(data, location, config, text);
    appendFormat(text, " Moon Altitude (%s) - Sun Altitude (%s) = %s\n",
                 angleText(data.moonAltitude).c_str(), angleText(data.sunAltitude).c_str(),
                 angleText(data.moonAltitude - data.sunAltitude).c_str());
    appendFormat(text, " Moon Azimuth (%s) - Sun Azimuth (%s) = %s\n",
                 angleText(data.moonAzimuth).c_str(), angleText(data.sunAzimuth).c_str(),
                 angleText(data.moonAzimuth - data.sunAzimuth).c_str());
    appendFormat(text, " Geocentric Moon Age = %s, Topocentric Moon Age = %s\n",
                 durationText(config, data.geocentricAge * kTwoPi).c_str(),
                 durationText(config, data.topocentricAge * kTwoPi).c_str());
    appendFormat(text, " Geocentric Elongation = %s, Topocentric Elongation = %s\n",
                 angleText(data.geocentricElongation).c_str(),
                 angleText(data.topocentricElongation).c_str());
    appendFormat(text, " Geocentric distance= %5.1f Km, Topocentric Distance = %5.1f Km\n",
                 data.geocentricDistanceKm, data.topocentricDistanceKm);
    appendFormat(text, " Position angle of bright limb = %s, Topocentric Width  = %s\n",
                 angleText(data.brightLimb).c_str(), angleText(data.crescentWidth).c_str());
    appendFormat(text, " The Moon is %0.2f%% illuminated, Topocentric Semidiameter = %s\n",
                 data.illuminated * 100.0, angleText(data.semidiameter).c_str());
    writePossibleMonthStart(data, text);
}

int appendMoonDataAtSunset(const CalendarDate& date, const Location& location, const Config& config,
                           MoonSunsetData& data, std::string& text) {
    const int found = moonDataAtSunset(date, location, config, data);
    if (found == 0) {
        text += "\n Could not calculate valid sunset/moonset times!\n";
    } else {
        writeMoonData(data, location, config, text);
    }
    return found;
}

void moonReport(const CalendarDate& date, const Location& location, const Config& config,
                std::string& text) {
    writeBanner(text);
    const ReportPeriod period = reportPeriod(config);
    if (period == ReportPeriod::day) {
        writeOneDay(date, location, config, text);
        return;
    }
    for (const CalendarDate& month : moonReportMonths(date, location, config)) {
        writeReportHeader(month, location, config, kMoonRiseFirstHeader, text);
        writeMonthRows(month, location, config, text);
        writeMonthMoonData(month, location, config, text);
        if (period == ReportPeriod::month) return;
        text += "\n\n\n";
        text += separatorLine();
    }
}

}  // namespace kelmo
