// The figures of a calculation method as the reports, kelmo-cli and the Configuration dialog
// describe them, in English (UTF-8).
#pragma once

#include <string>

#include "prayer/calculation_methods.h"

namespace kelmo {

// "Fajr 18.5°, Isha 90 min after Maghrib (120 min in Ramadan), Maghrib at sunset, Imsak 10
// min before Fajr, Asr by the configured school, no minute adjustments".
std::string methodFiguresText(const CalculationMethod& method);

// The method by its key and what it stands for: "UmmAlQura (Umm al-Qura University, Makkah)",
// "Custom (the angles of the configuration)".
std::string methodTitle(const CalculationMethod& method);

// "Duhr +5 min, Asr +4 min" (the prayers the method moves, in prayer order), or "" for none.
std::string adjustmentsText(const MinuteAdjustments& adjust);

}  // namespace kelmo
