// The calculation, display and notifier settings, with the program's defaults.
#pragma once

#include <optional>
#include <string>

#include "base/language.h"

namespace kelmo {

// Bits of Config::alertFlags.
namespace alert {
inline constexpr int kNotifier = 1 << 0;       // Notifier window active
inline constexpr int kPlaySound = 1 << 1;      // play soundFile at prayer time
inline constexpr int kFajrSound = 1 << 2;      // bits 2..6: Fajr, Duhr, Asr, Maghrib, Isha
inline constexpr int kPreAlertSound = 1 << 7;  // play preAlertSoundFile before prayer time
inline constexpr int kPeriodShift = 8;         // bits 8..9: 0 day, 1 month, 2 year
inline constexpr int kPeriodMask = 3 << kPeriodShift;
inline constexpr int kHijriDate = 1 << 12;    // date entered as Hijri
inline constexpr int kQiblaMethodShift = 13;  // bits 13..14: 0 north, 1 magnetic, 2 shadow
inline constexpr int kQiblaMethodMask = 3 << kQiblaMethodShift;
}  // namespace alert

// The calendar by which Hijri dates are shown and read.
enum class HijriCalendar : int {
    crescent = 0,   // the new crescent judged visible at the place (hijri/hijri_date.h)
    ummAlQura = 1,  // the official calendar of Saudi Arabia, 1300..1600 AH
    tabular = 2,    // the arithmetic calendar: 30-year cycle, epoch Friday 16 July 622 (Julian)
};

struct Config {
    float imsakAngle = -16.0f;          // Sun's altitude for Imsak, degrees
    float fajrAngle = -13.5f;           // Sun's altitude for Fajr, degrees
    float ishaAngle = -18.0f;           // Sun's altitude for Isha, degrees
    int fiqh = 0;                       // 0 Jafari, 1 Shafi'i, 2 Hanafi, 3 Maliki, 4 Hanbali
    int areaRadius = 10;                // km, 0 .. 100
    int precision = 1;                  // 0 seconds, 1 minutes (display only)
    int maghribDelay = 0;               // minutes added to Maghrib, 0 .. 30
    int temperature = 10;               // degrees Celsius, not stored
    int pressure = 1010;                // millibar, not stored
    int refraction = 0;                 // kept in the file, used by no computation
    int correctionSeconds = 2;          // seconds added to every prayer time
    int maxAcceptableError = 1;         // tolerance of the rise and set iteration
    float moonVisibilityLimit = 15.0f;  // degrees
    int highLatitudeRule = 5;           // 0 .. 9
    int alertFlags = 0;                 // see namespace alert
    int hijriAdjust = 0;                // days added to the Hijri date
    int nMinutes = 90;                  // minutes of high-latitude rule 9, 0 .. 120
    int timerMode = 0;                  // 1 when this process runs as the Timer, not stored
    int preAlertMinutes = 1;            // minutes of the pre-alert sound, at most 30
    int method = 0;                     // index of prayer/calculation_methods.h, 0 = Custom
    HijriCalendar hijriCalendar = HijriCalendar::crescent;
    std::optional<Language> language;  // none: follow the system (LANG, LC_MESSAGES)
    std::string editor = "notepad.exe";
    std::string soundFile = "Athan.wav";
    std::string preAlertSoundFile = "PreAth.wav";

    static constexpr std::size_t kTextLength = 119;
};

}  // namespace kelmo
