// The program's name table: English texts indexed by the fields they name (the reports take
// theirs in the chosen language from calendar/words.h).
#pragma once

#include <array>
#include <cstddef>

namespace kelmo::names {

// Entry index of a name table, or fallback for an index outside it.
template <std::size_t N>
constexpr const char* nameAt(const std::array<const char*, N>& table, int index,
                             const char* fallback = "") {
    return index >= 0 && static_cast<std::size_t>(index) < N ? table[index] : fallback;
}

inline constexpr std::array<const char*, 7> kWeekdays = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};  // weekday - 1
inline constexpr std::array<const char*, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};  // month - 1
inline constexpr std::array<const char*, 12> kShortMonths = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
inline constexpr std::array<const char*, 12> kHijriMonths = {
    "Muharram", "Safar",   "Rabi'I",  "Rabi'II", "Jumada I",     "Jumada II",
    "Rajab",    "Sha'ban", "Ramadan", "Shawwal", "Thu Al-Qa'da", "Thu Al-Hijja"};  // hijriMonth - 1
inline constexpr std::array<const char*, 5> kFiqhs = {"Jafari", "Shafi'i", "Hanafi", "Maliki",
                                                      "Hanbali"};                  // fiqh
inline constexpr std::array<const char*, 2> kPrecisions = {"Seconds", "Minutes"};  // precision
inline constexpr std::array<const char*, 5> kPrayers = {"Fajr", "Duhr", "Asr", "Maghrib",
                                                        "Isha"};  // alert index
inline constexpr std::array<const char*, 10> kHighLatitudeRules = {
    "Non",
    "1/7 of day when needed",
    "1/7 of day always",
    "1/7 of night when needed",
    "1/7 of night always",
    "Nearest location-all prayers",
    "Nearest location-needed prayers",
    "Nearest day-all prayers",
    "Nearest day-needed prayers",
    "minutes for Fajr and Isha prayers"};  // highLatitudeRule
// The Hijri calendars, by Config::hijriCalendar: the words of Kelmo.cfg and kelmo-cli
// --calendar, and the titles the windows and reports show.
inline constexpr std::array<const char*, 3> kHijriCalendarKeys = {"crescent", "umm-al-qura",
                                                                  "tabular"};
inline constexpr std::array<const char*, 3> kHijriCalendars = {"Crescent at the place",
                                                               "Umm al-Qura", "Tabular"};

}  // namespace kelmo::names
