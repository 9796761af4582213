#include "astronomy/sun_day.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "astronomy/rise_set.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "support/civil_date.h"
#include "support/erfa_sun.h"
#include "support/frame_times.h"
#include "support/places.h"

namespace kelmo {
namespace {

using test::radians;

using test::civil;
using test::place;

EventTriple event(const DayFrame& f, const Location& l, double target) {
    return riseTransitSet(l.latitude, l.longitude, f.siderealTime, f.deltaTSeconds, f.sun, target,
                          1.0);
}

struct ErfaSunSky {
    double altitude;   // geocentric, airless
    double hourAngle;  // [-pi, pi)
};

// The Sun's geocentric altitude and hour angle by ERFA at a day angle of the local day of date:
// apparent place as in erfa_sun.h, sidereal time eraGmst82 + eraEqeq94.
ErfaSunSky erfaSun(const CalendarDate& date, const Location& l, double dayAngle,
                   double deltaTSeconds) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const double jdUT = julianDay(midnight) - l.timeZone / 24.0 + dayAngle / kTwoPi;
    const double jdTT = jdUT + deltaTSeconds / 86400.0;
    const test::ErfaSun sun = test::erfaSun(jdTT);
    const double gast = eraGmst82(jdUT, 0.0) + eraEqeq94(jdTT, 0.0);
    const double hourAngle = reduceAngleSigned(gast + l.longitude - sun.rightAscension);
    return ErfaSunSky{
        std::asin(std::sin(l.latitude) * std::sin(sun.declination) +
                  std::cos(l.latitude) * std::cos(sun.declination) * std::cos(hourAngle)),
        hourAngle};
}

// The frame's time scales: local midnight in UT, Delta-T of the date at 0h (table: 2000.0 is
// 63.83 s, 1 January 2000 is a little before).
TEST(PrepareSunDay, TimeScalesOfLocalMidnight) {
    const Location mecca = place(21.4225, 39.8262, 3.0f);
    const DayFrame f = prepareSunDay(civil(2000, 1, 1), mecca, Config{});
    EXPECT_NEAR(f.tUT, (2451544.5 - 3.0 / 24.0 - kJ2000) / kDaysPerCentury, 1e-15);
    EXPECT_NEAR(f.deltaTSeconds, 63.83, 0.01);
    EXPECT_DOUBLE_EQ(f.obliquity, f.meanObliquity + f.nutation.deps);
    EXPECT_NEAR(f.sunDistance, 0.98333, 1e-4);  // early January: near perihelion
    EXPECT_NEAR(f.semidiameter, 959.63 / f.sunDistance * kArcsecToRad, 1e-15);
    // The fraction of the day is ignored.
    CalendarDate noon = civil(2000, 1, 1);
    noon.day = 1.5;
    EXPECT_DOUBLE_EQ(prepareSunDay(noon, mecca, Config{}).tUT, f.tUT);
}

// The Sun's semidiameter 959.63" / R and equatorial horizontal parallax 8.794" / R (Meeus,
// Astronomical Algorithms, ch. 25 and 40), and Bennett's refraction at the apparent horizon,
// 34.45' at 1010 mbar and 10 C (Meeus, ch. 16: cot(7.31 / 4.4 deg) minutes, less his
// correction 0.06 sin(14.7 R + 13 deg)).
constexpr double kSunSemidiameterArcsec = 959.63;
constexpr double kSunParallaxArcsec = 8.794;
const double kRefractionAtHorizonArcmin =
    1.0 / std::tan(7.31 / 4.4 * kDegToRad) -
    0.06 * std::sin((14.7 / std::tan(7.31 / 4.4 * kDegToRad) + 13.0) * kDegToRad);

// Horizon altitude with no height, standard conditions and R = 1: the upper limb's apparent
// altitude 0 is true -34.45', the centre 16' below, raised by the parallax: about -0.839 deg
// (the refraction taken at the horizon, not at the centre's -16').
TEST(SunHorizonAltitude, StandardConditions) {
    DayFrame f;
    f.sunDistance = 1.0;
    f.sinParallax = std::sin(kSunParallaxArcsec * kArcsecToRad);
    f.semidiameter = kSunSemidiameterArcsec * kArcsecToRad;
    Config config;
    config.temperature = 10;
    config.pressure = 1010;
    const double h0 = sunHorizonAltitude(f, place(0.0, 0.0, 0.0f), config);
    EXPECT_NEAR(kRefractionAtHorizonArcmin, 34.45, 0.01);
    EXPECT_NEAR(h0 * kRadToDeg * 3600.0,
                kSunParallaxArcsec - kSunSemidiameterArcsec - kRefractionAtHorizonArcmin * 60.0,
                0.05);
    // A height lowers the horizon by the dip, 0.0347 deg sqrt(h), and thins the air.
    const double high = sunHorizonAltitude(f, place(0.0, 0.0, 0.0f, 400), config);
    EXPECT_LT(high, h0 - 0.0347 * 20.0 * kDegToRad + 0.01 * kDegToRad);
    // Below sea level: no dip.
    const double low = sunHorizonAltitude(f, place(0.0, 0.0, 0.0f, -400), config);
    EXPECT_NEAR(low, h0, 0.001 * kDegToRad);
}

// The Sun's place at the three days agrees with ERFA within 2" and the three days are one day
// apart (the right ascension moves about a degree a day). They are tabulated at 0h dynamical
// time of local midnight's clock reading, the instant the solver reads at m + Delta-T.
TEST(PrepareSunDay, SunPlacesOfThreeDays) {
    const Location l = place(51.5, -0.12, 0.0f);
    const DayFrame f = prepareSunDay(civil(2024, 3, 20), l, Config{});
    const double jdTT = kJ2000 + f.tUT * kDaysPerCentury;
    for (int k = 0; k < 3; ++k) {
        const test::ErfaSun ref = test::erfaSun(jdTT + (k - 1));
        EXPECT_NEAR(reduceAngleSigned(f.sun[k].rightAscension - ref.rightAscension), 0.0,
                    3.0 * kArcsecToRad);
        // The day's single nutation and obliquity are used for the neighbours, which moves
        // them by well under an arcsecond.
        EXPECT_NEAR(f.sun[k].declination, ref.declination, 2.0 * kArcsecToRad);
    }
}

// Sunrise, transit and sunset at Mecca: at the computed rise and set ERFA puts the Sun's
// centre at the horizon altitude h0 (within the 1 s tolerance), at the transit on the meridian.
TEST(PrepareSunDay, SunriseAtMeccaAgreesWithErfa) {
    const Location mecca = place(21.4225, 39.8262, 3.0f);
    const CalendarDate date = civil(2024, 6, 15);
    const DayFrame f = prepareSunDay(date, mecca, Config{});
    const EventTriple e = event(f, mecca, f.horizonAltitude);
    ASSERT_TRUE(e.rise.isTime() && e.transit.isTime() && e.set.isTime());
    // Sunrise about 5:39, noon about 12:22, sunset about 19:05 local time (UTC+3).
    EXPECT_NEAR(radians(e.rise) * kRadToHours, 5.65, 0.1);
    EXPECT_NEAR(radians(e.transit) * kRadToHours, 12.36, 0.1);
    EXPECT_NEAR(radians(e.set) * kRadToHours, 19.07, 0.1);

    const double tol = 0.005 * kDegToRad;  // about 1 s of time at this latitude
    EXPECT_NEAR(erfaSun(date, mecca, radians(e.rise), f.deltaTSeconds).altitude, f.horizonAltitude,
                tol);
    EXPECT_NEAR(erfaSun(date, mecca, radians(e.set), f.deltaTSeconds).altitude, f.horizonAltitude,
                tol);
    // At the transit the hour angle is 0 within a second of time.
    EXPECT_NEAR(erfaSun(date, mecca, radians(e.transit), f.deltaTSeconds).hourAngle, 0.0,
                1.0 * kSecondToRad);
}

// At latitude 0 on the day of the March equinox (declination near 0) every target altitude
// between -89 and +89 degrees has a rise, a transit and a set.
TEST(SunDayTriples, EquatorReachesEveryAltitudeAtEquinox) {
    const Location equator = place(0.0, 30.0, 2.0f);
    const DayFrame f = prepareSunDay(civil(2024, 3, 20), equator, Config{});
    for (double h = -89.0; h <= 89.0; h += 1.0) {
        const EventTriple e = event(f, equator, h * kDegToRad);
        ASSERT_TRUE(e.transit.isTime() && e.rise.isTime() && e.set.isTime()) << h;
        EXPECT_LT(radians(e.rise), radians(e.transit)) << h;
        EXPECT_LT(radians(e.transit), radians(e.set)) << h;
    }
}

// 70 N: midnight sun on 21 June (rise and set AlwAbove, the transit a time), polar night on
// 21 December (AlwBelow in all three places, the transit included).
TEST(SunDayTriples, PolarDayAndNightAt70North) {
    const Location tromso = place(70.0, 19.0, 1.0f);
    const DayFrame june = prepareSunDay(civil(2024, 6, 21), tromso, Config{});
    const EventTriple day = event(june, tromso, june.horizonAltitude);
    EXPECT_EQ(day.rise, test::kAlwAboveTime);
    EXPECT_EQ(day.set, test::kAlwAboveTime);
    ASSERT_TRUE(day.transit.isTime());
    EXPECT_NEAR(radians(day.transit) * kRadToHours, 11.75,
                0.1);  // 12h + 1h - 19/15 h, plus 1.5 min

    const DayFrame december = prepareSunDay(civil(2024, 12, 21), tromso, Config{});
    const EventTriple night = event(december, tromso, december.horizonAltitude);
    EXPECT_EQ(night.transit, test::kAlwBelowTime);
    EXPECT_EQ(night.rise, test::kAlwBelowTime);
    EXPECT_EQ(night.set, test::kAlwBelowTime);
}

// 60 N in June: the Sun does not sink to -18 degrees (rise and set AlwAbove for that target)
// while it still rises and sets at the horizon.
TEST(SunDayTriples, WhiteNightsAt60North) {
    const Location helsinki = place(60.17, 24.94, 2.0f);
    const DayFrame f = prepareSunDay(civil(2024, 6, 15), helsinki, Config{});
    const EventTriple isha = event(f, helsinki, -18.0 * kDegToRad);
    EXPECT_EQ(isha.rise, test::kAlwAboveTime);
    EXPECT_EQ(isha.set, test::kAlwAboveTime);
    EXPECT_TRUE(isha.transit.isTime());
    const EventTriple horizon = event(f, helsinki, f.horizonAltitude);
    ASSERT_TRUE(horizon.rise.isTime() && horizon.set.isTime());
    // Sunrise about 3:54, sunset about 22:49 summer time, i.e. 2:54 and 21:49 zone time (UTC+2).
    EXPECT_NEAR(radians(horizon.rise) * kRadToHours, 2.9, 0.05);
    EXPECT_NEAR(radians(horizon.set) * kRadToHours, 21.82, 0.05);
}

// A place far west of its zone meridian (Kashgar, 76 E, on Beijing time UTC+8): noon comes
// near 15h local time, the times stay within the local day and agree with ERFA.
TEST(SunDayTriples, FarWestOfZoneMeridian) {
    const Location kashgar = place(39.47, 75.99, 8.0f, 1290);
    const CalendarDate date = civil(2024, 11, 3);
    const DayFrame f = prepareSunDay(date, kashgar, Config{});
    const EventTriple e = event(f, kashgar, f.horizonAltitude);
    ASSERT_TRUE(e.transit.isTime() && e.rise.isTime() && e.set.isTime());
    // 12h + (120 - 75.99) / 15 h less the equation of time (16.4 min early in November).
    EXPECT_NEAR(radians(e.transit) * kRadToHours, 12.0 + 44.01 / 15.0 - 16.4 / 60.0, 0.02);
    EXPECT_GT(radians(e.rise), 0.0);
    EXPECT_LT(radians(e.set), kTwoPi);
    const double tol = 0.005 * kDegToRad;
    EXPECT_NEAR(erfaSun(date, kashgar, radians(e.rise), f.deltaTSeconds).altitude,
                f.horizonAltitude, tol);
    EXPECT_NEAR(erfaSun(date, kashgar, radians(e.set), f.deltaTSeconds).altitude, f.horizonAltitude,
                tol);
}

// The six targets of a prayer day (Fajr -13.5, Imsak -16, Isha -18, the horizon, two Asr
// altitudes) at a mid-latitude place over a year: every rise and set found puts the Sun at its
// target altitude by ERFA, within about a second of time.
TEST(SunDayTriples, TwilightAndAsrTargetsAgreeWithErfaOverAYear) {
    const Location cairo = place(30.0444, 31.2357, 2.0f, 23);
    const double targets[] = {-13.5, -16.0, -18.0, 45.0, 26.57};
    for (int month = 1; month <= 12; ++month) {
        const CalendarDate date = civil(2025, month, 10);
        const DayFrame f = prepareSunDay(date, cairo, Config{});
        for (double target : targets) {
            const double h = target * kDegToRad;
            const EventTriple e = event(f, cairo, h);
            if (!e.rise.isTime()) continue;  // 45 deg is out of reach in winter
            // 1 s of time moves the Sun by up to 15" cos(phi) in altitude; allow 3 s.
            const double tol = 3.0 * 15.0 * kArcsecToRad;
            EXPECT_NEAR(erfaSun(date, cairo, radians(e.rise), f.deltaTSeconds).altitude, h, tol)
                << month << " " << target;
            EXPECT_NEAR(erfaSun(date, cairo, radians(e.set), f.deltaTSeconds).altitude, h, tol)
                << month << " " << target;
        }
    }
}

}  // namespace
}  // namespace kelmo
