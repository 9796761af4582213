// Tests of the Sun's shadow and the Qibla measured from it.
// References: ERFA (the Sun's apparent place by eraEpv00, eraAb and eraPnm80, see
// support/erfa_sun.h; Greenwich apparent sidereal time eraGst94; horizon coordinates
// eraHd2ae) for the Sun's azimuth and altitude; Bennett's refraction formula (J. Meeus,
// Astronomical Algorithms, 2nd ed., eq. 16.3), which Saemundsson's formula inverts to 0.1'.
#include "qibla/sun_shadow.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/place_zone.h"
#include "support/erfa_sun.h"

namespace kelmo {
namespace {

constexpr double kDeg = kDegToRad;

CalendarDate localDate(int year, int month, int day, double hours) {
    CalendarDate d;
    d.year = year;
    d.month = month;
    d.day = day + hours / 24.0;
    return d;
}

Location place(double latitudeDeg, double longitudeDeg, int heightMetres = 0) {
    Location l;
    l.latitude = latitudeDeg * kDeg;
    l.longitude = longitudeDeg * kDeg;
    l.height = heightMetres;
    return l;
}

// The instant a clock of zone shows the local date (the day's fraction its time of day).
Instant atClock(const CalendarDate& local, const Zone& zone) {
    const long double days = static_cast<long double>(julianDay(local)) - kUnixEpochJulianDay;
    return zone.firstInstantReading(LocalTime{Seconds{days * kSecondsPerDayL}});
}

Zone hoursZone(float hours) {
    return Zone::fixed(Seconds{static_cast<long double>(hours) * 3600.0L});
}

const Zone kUtc = hoursZone(0.0f);

TEST(ShadowRatio, LengthOfTheShadow) {
    EXPECT_NEAR(shadowRatio(45.0 * kDeg), 1.0, 1e-12);
    EXPECT_NEAR(shadowRatio(30.0 * kDeg), std::sqrt(3.0), 1e-12);
    EXPECT_EQ(shadowRatio(-1e-9), kSunBelowHorizon);
    EXPECT_EQ(shadowRatio(-30.0 * kDeg), -1.0);
    EXPECT_GT(shadowRatio(0.0), 1e6);  // on the horizon: a very long shadow, not "night"
    EXPECT_EQ(shadowRatio(89.9 * kDeg), 0.0);
    EXPECT_EQ(shadowRatio(89.95 * kDeg), 0.0);
    EXPECT_EQ(shadowRatio(90.0 * kDeg), 0.0);
    EXPECT_NEAR(shadowRatio(89.89 * kDeg), std::tan(0.11 * kDeg), 1e-12);
}

// Bennett: refraction (arcminutes) of an apparent altitude h0 (degrees).
double bennettArcminutes(double h0) {
    return 1.0 / std::tan((h0 + 7.31 / (h0 + 4.4)) * kDeg);
}

TEST(RefractionForShadow, InvertsBennettsFormula) {
    const Config standard;  // 10 C, 1010 mbar
    for (double h : {-0.5, 0.0, 1.0, 5.0, 15.0, 30.0, 60.0, 85.0}) {
        const double r = refractionForShadow(h * kDeg, standard) * kRadToDeg * 60.0;
        EXPECT_NEAR(r, bennettArcminutes(h + r / 60.0), 0.1) << h;
    }
    // About 29' on the horizon, nothing at the zenith.
    EXPECT_NEAR(refractionForShadow(0.0, standard) * kRadToDeg * 60.0, 29.0, 0.1);
    EXPECT_NEAR(refractionForShadow(90.0 * kDeg, standard) * kRadToDeg * 3600.0, 0.0, 0.01);
}

TEST(RefractionForShadow, ScalesWithPressureAndTemperature) {
    Config c;
    const double standard = refractionForShadow(10.0 * kDeg, c);
    c.pressure = 2020;
    EXPECT_NEAR(refractionForShadow(10.0 * kDeg, c), 2.0 * standard, 1e-15);
    c.pressure = 1010;
    c.temperature = -10;
    EXPECT_NEAR(refractionForShadow(10.0 * kDeg, c), standard * 283.0 / 263.0, 1e-15);
    c.pressure = 0;  // taken as it stands: no air, no refraction
    EXPECT_EQ(refractionForShadow(10.0 * kDeg, c), 0.0);
}

TEST(RefractionForShadow, NoSpuriousDaylightNearTheFormulasPole) {
    // Saemundsson's formula has a pole at -5.11 deg, where 1 / tan swings through every value
    // and could lift a Sun deep below the horizon above it. Whatever the air, the Sun stays
    // below the horizon there.
    Config dense;
    dense.pressure = 1100;
    dense.temperature = -40;
    for (double h = -8.0; h <= -1.5; h += 0.0005) {
        const double r = refractionForShadow(h * kDeg, dense);
        EXPECT_TRUE(std::isfinite(r)) << h;
        EXPECT_EQ(shadowRatio(h * kDeg + r), kSunBelowHorizon) << h;
    }
    EXPECT_EQ(refractionForShadow(-5.11 * kDeg, dense), 0.0);  // the formula gives NaN
    // Here the formula itself would give 10 degrees of refraction: a Sun 5.17 deg below the
    // horizon seen 5.16 deg above it.
    EXPECT_EQ(shadowRatio(-5.168945802 * kDeg + refractionForShadow(-5.168945802 * kDeg, Config{})),
              kSunBelowHorizon);
}

TEST(ShadowBearing, MeasuredFromTheShadow) {
    // The shadow points away from the Sun: with the Sun behind the Kaaba, the Qibla is
    // straight against the shadow.
    EXPECT_NEAR(ShadowBearing(246.3 * kDeg, 246.3 * kDeg), kPi, 1e-12);
    EXPECT_NEAR(ShadowBearing(0.0, kPi), 0.0, 1e-12);
    EXPECT_NEAR(ShadowBearing(10.0 * kDeg, 350.0 * kDeg), 200.0 * kDeg, 1e-12);
    EXPECT_NEAR(ShadowBearing(350.0 * kDeg, 10.0 * kDeg), 160.0 * kDeg, 1e-12);
    EXPECT_NEAR(ShadowBearing(359.0 * kDeg, 1.0 * kDeg), 178.0 * kDeg, 1e-12);
    EXPECT_NEAR(ShadowBearing(1.0 * kDeg, 359.0 * kDeg), 182.0 * kDeg, 1e-12);
}

// The Sun's azimuth and unrefracted altitude from ERFA at a UTC moment (UT1 taken as UTC).
struct Horizon {
    double azimuth;
    double altitude;
};

Horizon erfaSunHorizon(const CalendarDate& utc, const Location& where) {
    const double jdUtc = julianDay(utc);
    double tai1 = 0.0, tai2 = 0.0, tt1 = 0.0, tt2 = 0.0;
    eraUtctai(jdUtc, 0.0, &tai1, &tai2);
    eraTaitt(tai1, tai2, &tt1, &tt2);
    const test::ErfaSun sun = test::erfaSun(tt1 + tt2);
    const double last = eraGst94(jdUtc, 0.0) + where.longitude;
    Horizon h{};
    eraHd2ae(last - sun.rightAscension, sun.declination, where.latitude, &h.azimuth, &h.altitude);
    return h;
}

TEST(SunShadow, AgreesWithErfa) {
    // Daylight moments at several places and seasons; the shadow's altitude within 0.0005 deg
    // and the azimuth within 0.002 deg (observed: 0.0003 and 0.0004 deg). The reference is
    // geocentric; the Sun's parallax in altitude, 8.794" cos h, is taken off it.
    struct Case {
        Location where;
        CalendarDate utc;
    };
    const Case cases[] = {
        {place(26.236, 50.583), localDate(2026, 12, 7, 7.5)},      // Manama, morning
        {place(51.5, -0.13, 30), localDate(2026, 6, 21, 15.0)},    // London, afternoon
        {place(-33.87, 151.21), localDate(2025, 1, 15, 23.0)},     // Sydney, morning
        {place(64.15, -21.94), localDate(2024, 3, 20, 13.0)},      // Reykjavik, equinox
        {place(40.71, -74.01), localDate(2000, 1, 1, 17.0)},       // New York, noon
        {place(-1.29, 36.82, 1795), localDate(2010, 9, 1, 6.25)},  // Nairobi, morning
    };
    const Config config;
    for (const Case& c : cases) {
        const SunShadow shadow = sunShadow(c.where, config, atClock(c.utc, kUtc));
        const Horizon ref = erfaSunHorizon(c.utc, c.where);
        ASSERT_GT(ref.altitude, 5.0 * kDeg);
        const double apparent = kPi / 2.0 - std::atan(shadow.shadowRatio);
        const double topocentric = ref.altitude - 8.794 * kArcsecToRad * std::cos(ref.altitude);
        const double expected = topocentric + refractionForShadow(topocentric, config);
        EXPECT_NEAR(apparent * kRadToDeg, expected * kRadToDeg, 0.0005) << c.utc.year;
        EXPECT_NEAR(shadow.sunAzimuth * kRadToDeg, ref.azimuth * kRadToDeg, 0.002) << c.utc.year;
        EXPECT_GE(shadow.sunAzimuth, 0.0);
        EXPECT_LT(shadow.sunAzimuth, kTwoPi);
    }
}

TEST(SunShadow, NightGivesMinusOne) {
    const Config config;
    // Manama at local midnight (zone +3), and the winter polar night of Longyearbyen at noon.
    EXPECT_EQ(sunShadow(place(26.236, 50.583), config,
                        atClock(localDate(2026, 12, 7, 0.0), hoursZone(3.0f)))
                  .shadowRatio,
              kSunBelowHorizon);
    EXPECT_EQ(sunShadow(place(78.22, 15.65), config,
                        atClock(localDate(2026, 12, 21, 12.0), hoursZone(1.0f)))
                  .shadowRatio,
              kSunBelowHorizon);
}

TEST(SunShadow, NoShadowWithTheSunOverhead) {
    // The place where the Sun stands in the zenith at the moment (ERFA's declination and
    // hour angle 0): no shadow.
    const CalendarDate utc = localDate(2026, 6, 1, 9.0);
    const double jdUtc = julianDay(utc);
    double tai1 = 0.0, tai2 = 0.0, tt1 = 0.0, tt2 = 0.0;
    eraUtctai(jdUtc, 0.0, &tai1, &tai2);
    eraTaitt(tai1, tai2, &tt1, &tt2);
    const test::ErfaSun sun = test::erfaSun(tt1 + tt2);
    Location subsolar;
    subsolar.latitude = sun.declination;
    subsolar.longitude = eraAnpm(sun.rightAscension - eraGst94(jdUtc, 0.0));
    EXPECT_EQ(sunShadow(subsolar, Config{}, atClock(utc, kUtc)).shadowRatio, 0.0);
    // A degree away the shadow is back.
    subsolar.latitude += 1.0 * kDeg;
    EXPECT_GT(sunShadow(subsolar, Config{}, atClock(utc, kUtc)).shadowRatio, 0.01);
}

TEST(SunShadow, TheMomentIsReadInTheComputersZone) {
    const Location manama = place(26.236, 50.583);
    const Config config;
    const SunShadow utc = sunShadow(manama, config, atClock(localDate(2026, 6, 21, 9.0), kUtc));
    const SunShadow plus3 =
        sunShadow(manama, config, atClock(localDate(2026, 6, 21, 12.0), hoursZone(3.0f)));
    EXPECT_DOUBLE_EQ(plus3.shadowRatio, utc.shadowRatio);
    EXPECT_DOUBLE_EQ(plus3.sunAzimuth, utc.sunAzimuth);

    // Central European rules (+1 h; last Sunday of March .. last Sunday of October): the
    // clock shows 12:00 at 10:00 UT in June and at 11:00 UT in January. (Tolerance: the
    // rounding of a Julian day near 2.46e6, some 40 microseconds.)
    const Zone cet = Zone::ofRule(ruleOfCodes(1.0f, 3 * 256 + 66, 10 * 256 + 66));
    for (int month : {6, 1}) {
        const double ut = month == 6 ? 10.0 : 11.0;
        const SunShadow byUt =
            sunShadow(manama, config, atClock(localDate(2026, month, 21, ut), kUtc));
        const SunShadow byCet =
            sunShadow(manama, config, atClock(localDate(2026, month, 21, 12.0), cet));
        EXPECT_NEAR(byCet.sunAzimuth, byUt.sunAzimuth, 1e-7) << month;
        EXPECT_NEAR(byCet.shadowRatio, byUt.shadowRatio, 1e-7) << month;
    }
}

TEST(SunShadow, ThePlacesOwnZoneDoesNotMatter) {
    Location a = place(21.0, 80.0);
    Location b = a;
    b.timeZone = 5.5f;
    b.dstStart = 3 * 256 + 66;
    b.dstEnd = 10 * 256 + 66;
    const CalendarDate now = localDate(2026, 4, 2, 10.0);
    const SunShadow sa = sunShadow(a, Config{}, atClock(now, hoursZone(2.0f)));
    const SunShadow sb = sunShadow(b, Config{}, atClock(now, hoursZone(2.0f)));
    EXPECT_EQ(sa.shadowRatio, sb.shadowRatio);
    EXPECT_EQ(sa.sunAzimuth, sb.sunAzimuth);
}

}  // namespace
}  // namespace kelmo
