// Scan of the Sun's crossings over every day of a year on a grid of high latitudes and of
// time zones from -12 to +14: every time the program shows is a real crossing of its target
// altitude, in the right direction, within its own solar day; every crossing that exists by
// more than a quarter degree is found; every marker is of the right kind.
//
// Reference: the Sun's place evaluated afresh at each instant (the engine's own planetary
// theory, nutation and sidereal time, but none of the day frame, the interpolation or the
// solver under test), with crossings, culminations and extremes found by plain bisection.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <string>

#include "astronomy/angle_reduction.h"
#include "astronomy/coordinates.h"
#include "astronomy/delta_t.h"
#include "astronomy/nutation.h"
#include "astronomy/obliquity.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/sun_day.h"
#include "astronomy/sun_position.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "prayer/day_times.h"
#include "prayer_test_support.h"

namespace kelmo {
namespace {

using test::radians;

using S = PrayerSlot;

constexpr double kSecond = 1.0 / 86400.0;  // in days
constexpr double kMargin = 0.25 * kDegToRad;

// The Sun seen from a place at the UT instant jdUT: true geocentric altitude and the hour angle
// in [-pi, pi).
struct Sky {
    double altitude;
    double hourAngle;
};

Sky sunAt(double jdUT, const Location& at) {
    const double tUT = centuriesSinceJ2000(jdUT);
    const double tTT = tUT + deltaT(tUT) * kSecondsToCenturies;
    const Nutation n = nutation(tTT);
    const double eps = meanObliquity(tTT) + n.deps;
    const EclipticPosition sun = sunApparent(tTT, n.dpsi);
    const EquatorialPosition eq = eclipticToEquatorial(sun.longitude, sun.latitude, eps);
    const double theta = apparentSiderealTime(meanSiderealTime(tUT), n.dpsi, eps);
    const double h = reduceAngleSigned(theta + at.longitude - eq.rightAscension);
    const double sinAlt = std::sin(at.latitude) * std::sin(eq.declination) +
                          std::cos(at.latitude) * std::cos(eq.declination) * std::cos(h);
    return Sky{std::asin(sinAlt), h};
}

// Bisection of f between a and b where f changes sign.
template <typename F>
double bisect(F f, double a, double b) {
    const bool negativeAtA = f(a) < 0.0;
    for (int i = 0; i < 24; ++i) {  // half a day / 2^24: 3 ms
        const double m = 0.5 * (a + b);
        ((f(m) < 0.0) == negativeAtA ? a : b) = m;
    }
    return 0.5 * (a + b);
}

// The instant near guess (JD of UT) at which the Sun's hour angle is hourAngle.
double culmination(double guess, double hourAngle, const Location& at) {
    for (int i = 0; i < 6; ++i) {
        guess -= reduceAngleSigned(sunAt(guess, at).hourAngle - hourAngle) / kTwoPi;
    }
    return guess;
}

// The solar day of the zone date whose local midnight is midnightUT: the upper culmination
// within the date and the lower culminations around it (JD of UT).
struct SolarDay {
    double before, transit, after;
};

SolarDay solarDayOf(double midnightUT, const Location& at) {
    double meanNoon = 0.5 + at.timeZone / 24.0 - at.longitude / kTwoPi;  // in the zone day
    meanNoon -= std::floor(meanNoon);
    double transit = culmination(midnightUT + meanNoon, 0.0, at);
    if (transit < midnightUT) transit = culmination(transit + 1.0, 0.0, at);
    if (transit >= midnightUT + 1.0) transit = culmination(transit - 1.0, 0.0, at);
    return SolarDay{culmination(transit - 0.5, kPi, at), transit,
                    culmination(transit + 0.5, kPi, at)};
}

struct Tally {
    int times = 0;
    int markers = 0;
    double largestMiss = 0.0;  // seconds from the nearest reference crossing
};

// Checks one rise (from = lower culmination before, to = transit) or set (from = transit,
// to = lower culmination after) shown as value (radians of the zone day).
void checkCrossing(const char* what, FrameTime value, double target, bool rising, double from,
                   double to, double midnightUT, const Location& at, Tally& tally) {
    auto above = [&](double jd) { return sunAt(jd, at).altitude - target; };
    const double low = rising ? above(from) : above(to);
    const double high = rising ? above(to) : above(from);
    if (!value.isTime()) {
        ++tally.markers;
        if (value == test::kAlwAboveTime) {
            EXPECT_GT(low, -kMargin) << what;
        } else if (value == test::kAlwBelowTime) {
            EXPECT_LT(high, kMargin) << what;
        } else {  // NotValid: only for a grazing crossing
            EXPECT_LT(std::min(std::fabs(low), std::fabs(high)), kMargin) << what;
        }
        EXPECT_FALSE(low < -kMargin && high > kMargin) << what << ": a clear crossing was missed";
        return;
    }
    ++tally.times;
    const double jd = midnightUT + radians(value) / kTwoPi;
    ASSERT_GT(jd, from - 2.0 * kSecond) << what << ": before its solar day";
    ASSERT_LT(jd, to + 2.0 * kSecond) << what << ": after its solar day";
    ASSERT_LT(low, 0.0) << what;
    ASSERT_GT(high, 0.0) << what;
    // The altitude crosses the target in the stated direction within 2 s.
    const double reference = bisect(above, rising ? from : to, rising ? to : from);
    const double miss = std::fabs(jd - reference) / kSecond;
    tally.largestMiss = std::max(tally.largestMiss, miss);
    EXPECT_LT(miss, 2.0) << what;
}

struct Zone {
    double longitude;
    float hours;
};

// Zones -12 to +14 at longitudes where they are kept (Baker Island, Samoa, Kiribati's Line
// Islands, New Zealand) and one ordinary zone.
constexpr Zone kZones[] = {{-176.5, -12}, {15.0, 1}, {174.8, 12}, {-171.8, 13}, {-157.4, 14}};

TEST(SunCrossingScan, EveryDayOfAYearAtHighLatitudesAndExtremeZones) {
    Config config = test::settings(0, 0);
    config.fiqh = 1;
    config.imsakAngle = -18.0f;
    config.fajrAngle = -12.0f;
    config.ishaAngle = -15.0f;
    Tally tally;
    for (double lat = -80.0; lat <= 80.0; lat += 10.0) {
        if (std::fabs(lat) < 40.0) continue;
        for (const Zone& zone : kZones) {
            const Location at = test::place(lat, zone.longitude, zone.hours);
            const CalendarDate first = test::civil(2024, 1, 1);
            for (int day = 0; day < 366; ++day) {
                const CalendarDate date = daysLater(first, day);
                const double midnightUT = julianDay(date) - zone.hours / 24.0;
                const PrayerTimes t = computeDayTimes(date, at, config);
                const SolarDay sd = solarDayOf(midnightUT, at);
                const double h0 = prepareSunDay(date, at, config).horizonAltitude;
                const std::string where = "lat " + std::to_string(lat) + " zone " +
                                          std::to_string(zone.hours) + " day " +
                                          std::to_string(day);
                const struct {
                    S slot;
                    double target;
                    bool rising;
                } events[] = {{S::imsak, config.imsakAngle * kDegToRad, true},
                              {S::fajr, config.fajrAngle * kDegToRad, true},
                              {S::shuruq, h0, true},
                              {S::maghrib, h0, false},
                              {S::isha, config.ishaAngle * kDegToRad, false}};
                for (const auto& e : events) {
                    const std::string what = where + " slot " + std::to_string(int(e.slot));
                    checkCrossing(what.c_str(), t[e.slot], e.target, e.rising,
                                  e.rising ? sd.before : sd.transit,
                                  e.rising ? sd.transit : sd.after, midnightUT, at, tally);
                }
                // True noon: the transit of the day, unless the Sun stays below the horizon.
                if (t[S::noon].isTime()) {
                    EXPECT_NEAR(midnightUT + radians(t[S::noon]) / kTwoPi, sd.transit,
                                2.0 * kSecond)
                        << where;
                } else {
                    EXPECT_LT(sunAt(sd.transit, at).altitude, h0 + kMargin) << where;
                }
            }
        }
    }
    std::cout << tally.times << " times, " << tally.markers
              << " markers; largest distance from the reference crossing " << tally.largestMiss
              << " s\n";
}

}  // namespace
}  // namespace kelmo
