// Named calculation methods: the figures of the authorities whose timetables people follow.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "base/config.h"

namespace kelmo {

// Minutes added to a prayer time after everything else (negative: earlier). Asr moves both
// shadow factors.
struct MinuteAdjustments {
    int imsak = 0;
    int fajr = 0;
    int shuruq = 0;
    int duhr = 0;
    int asr = 0;
    int maghrib = 0;
    int isha = 0;
};

// Where a method's Duhr lies before its minutes are added: the transit of the Sun's centre (true
// noon) or of its western limb, when the whole disc has passed the meridian (the Duhr that
// computeDayTimes finds for the configuration's own figures).
enum class DuhrFrom { centre, westernLimb };

// One method. A zero interval or angle means "not used": Isha is at ishaAngle unless
// ishaMinutes is set, Maghrib at sunset unless maghribAngle is set, Imsak at imsakAngle unless
// imsakMinutes is set.
struct CalculationMethod {
    const char* key;         // the word of Kelmo.cfg and kelmo-cli --method
    const char* name;        // the authority
    float fajrAngle;         // degrees, negative
    float ishaAngle;         // degrees, negative; 0 with an interval
    int ishaMinutes;         // after Maghrib, 0 = at ishaAngle
    int ishaMinutesRamadan;  // after Maghrib in the month of Ramadan, 0 = as ishaMinutes
    float maghribAngle;      // degrees, negative; 0 = at sunset
    int imsakMinutes;        // before Fajr, 0 = at the configured imsakAngle
    int fiqh;                // the school the authority fixes, kFiqhNotFixed when none
    MinuteAdjustments adjust;
    const char* source;  // where the figures are documented
    DuhrFrom duhrFrom = DuhrFrom::centre;
};

inline constexpr int kFiqhNotFixed = -1;
// The index of "Custom" (the free angles of the configuration) in calculationMethods().
inline constexpr int kCustomMethod = 0;

// The documents the sources of the table name by letter ("[A] adhan ...\n[B] ..."), one line
// each.
const char* methodSources();

// Every method, "Custom" first.
std::span<const CalculationMethod> calculationMethods();

// True for the row "Custom", whose figures are the configuration's own.
bool isCustom(const CalculationMethod& method);

// The method of config.method ("Custom" for an index out of range).
const CalculationMethod& methodOf(const Config& config);

// The index of the method whose key is word (any letter case), or none.
std::optional<int> findMethod(std::string_view word);

// Sets config.method and the figures of config that the method fixes: the Fajr angle, the
// Isha angle when Isha is at an angle, the Imsak angle (the Fajr angle when Imsak is minutes
// before Fajr, so that a reader of the angles alone keeps Imsak <= Fajr) and the school when
// the authority fixes it. "Custom" changes nothing but config.method.
void applyMethod(int method, Config& config);

// True when the figures of config are those applyMethod(config.method) sets.
bool figuresMatchMethod(const Config& config);

}  // namespace kelmo
