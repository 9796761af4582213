// The words of the reckoning and of the reports in each language the program speaks: prayer
// names, month and weekday names, the names of settings, the markers of a time that does not
// exist, and the phrases the reports and kelmo-cli print. English is the source, byte for byte
// as the reports have always printed it; the other languages come from the Qt Linguist files
// translations/words_<code>.ts (tools/gen_words_table.py writes calendar/words_table.cpp).
// Every text is UTF-8. A phrase is a printf format whose translation takes the same arguments
// (it may take them in another order with "%2$s").
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "base/language.h"

namespace kelmo {

// The times of the day as the program names them, in the order of the day (noon: the transit
// of the Sun's centre).
enum class PrayerName : int { imsak, fajr, shuruq, noon, duhr, asr, maghrib, isha };

// The phrases of the reports (Kelmo.out, the day's message box, the Qibla texts) and of
// kelmo-cli, in the order of the contexts "Report", "Qibla" and "Cli" of the .ts files.
enum class Phrase : int {
    // Report: the location and configuration blocks
    location,           // "Location:"
    latitudeLongitude,  // "Latitude %s, Longitude %s,"
    heightZone,         // "Height: %d meters ASL, Time Zone: %2.2f,"
    summerTimeOfZone,   // "Summer Time as in time zone %s"
    noSummerTime,
    summerTimeStarts,
    summerTimeEnds,
    weekdayRule,  // "%s %s, %s": ordinal, weekday, month
    configuration,
    fiqhLine,
    angleLine,
    ishaAngleLine,
    maghribLine,
    adjustLine,
    methodLine,
    ruleLine,
    fixedMinutesFajrIsha,
    fixedMinutesFajr,
    // Report: titles and columns
    prayerTitle,    // "Prayer schedule for %s"
    moonTitle,      // "Moon Information for %s"
    prayerCaption,  // "Prayer Schedule for %s", the day's message box
    dateColumn,
    hijriDateColumn,
    dayColumn,
    ishaColumn,  // "Isha'a"
    moonRiseColumn,
    moonTransitColumn,
    moonSetColumn,
    // Report: the Moon at sunset
    geocentricNewMoon,
    topocentricNewMoon,
    moonDataTitle,
    moonsetLine,
    altitudeLine,
    azimuthLine,
    ageLine,
    elongationLine,
    distanceLine,
    brightLimbLine,
    illuminatedLine,
    possibleStartLine,
    noSunset,
    // Qibla
    qiblaFromMagneticNorth,
    magneticDeclination,
    sunBelowHorizon,
    shadowIsZero,
    qiblaFromShadow,
    shadowLength,
    qiblaFromGeographicNorth,
    meccaDistance,
    // kelmo-cli
    hijriDate,   // "%d %s %d AH"
    nextPrayer,  // "%s %s in %s (%s)": prayer, time, time left, place
    geocentricNewMoonLabel,
    topocentricNewMoonLabel,
    sunsetLabel,
    sunsetAndMoonset,
    notAvailableBecause,
    moonAltitudes,
    elongations,
    moonAges,
    illuminated,
    monthStartLabel,
    notAvailable,
    timesTitle,  // kelmo-cli times: the place, its coordinates and zone
    timesMethod,
    timesSettings,
    timesLegend,
};
inline constexpr std::size_t kPhraseCount = static_cast<std::size_t>(Phrase::timesLegend) + 1;

struct Words {
    std::array<const char*, 8> prayers;             // by PrayerName
    std::array<const char*, 12> hijriMonths;        // Muharram first
    std::array<const char*, 12> months;             // January first
    std::array<const char*, 7> weekdays;            // Monday first
    std::array<const char*, 7> shortWeekdays;       // "Mon" first
    std::array<const char*, 5> ordinals;            // summer-time rules: First .. Fourth, Last
    std::array<const char*, 5> fiqhs;               // by Config::fiqh
    std::array<const char*, 2> precisions;          // by Config::precision
    std::array<const char*, 10> highLatitudeRules;  // by Config::highLatitudeRule
    std::array<const char*, 3> hijriCalendars;      // by Config::hijriCalendar
    std::array<const char*, 3> markers;             // NotValid, AlwAbove, AlwBelow
    std::array<const char*, kPhraseCount> phrases;  // by Phrase

    const char* prayerName(PrayerName prayer) const {
        return prayers[static_cast<std::size_t>(prayer)];
    }
    // month 1..12; "" outside.
    const char* hijriMonth(int month) const { return entry(hijriMonths, month - 1); }
    const char* month(int month) const { return entry(months, month - 1); }
    // isoWeekday 1 (Monday) .. 7 (Sunday); "" outside.
    const char* weekday(int isoWeekday) const { return entry(weekdays, isoWeekday - 1); }
    const char* shortWeekday(int isoWeekday) const { return entry(shortWeekdays, isoWeekday - 1); }
    const char* phrase(Phrase p) const { return phrases[static_cast<std::size_t>(p)]; }

  private:
    template <std::size_t N>
    static const char* entry(const std::array<const char*, N>& table, int index) {
        return index >= 0 && static_cast<std::size_t>(index) < N ? table[index] : "";
    }
};

// The words of language; English for none (a report whose language was not chosen).
const Words& wordsOf(Language language);
const Words& wordsOf(const std::optional<Language>& chosen);

}  // namespace kelmo
