// Tests of the Moon data at the first qualifying sunset and of the possible month start.
#include "moon/moon_data_at_sunset.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "astronomy/delta_t.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "moon/erfa_moon_reference.h"
#include "moon/new_moon.h"

#include "support/places.h"

namespace kelmo {
namespace {

using test::place;

const Location kMecca = test::mecca();

CalendarDate dateOf(double jd) {
    CalendarDate d;
    dateFromJulianDay(jd, d);
    return d;
}

double newMoonDay(const MoonSunsetData& m) {
    return std::floor(m.topocentricNewMoon - 0.5) + 0.5;
}

// For three years of lunations at Mecca: the evening chosen is the new moon's day or the next,
// its sunset follows the topocentric new moon and precedes the moonset, and the month starts
// one or two days after it.
TEST(MoonDataAtSunset, ChoosesTheFirstQualifyingEvening) {
    const Config config;
    const double first = julianDay(CalendarDate{.year = 2024, .month = 1, .day = 1.0});
    int sameDay = 0, nextDay = 0, afterSunset = 0;
    for (int lunation = 0; lunation < 37; ++lunation) {
        const CalendarDate date = dateOf(first + lunation * kSynodicMonthDays);
        MoonSunsetData m;
        ASSERT_EQ(moonDataAtSunset(date, kMecca, config, m), 1) << lunation;
        const NewMoonPair n = nextNewMoon(date, kMecca);
        EXPECT_NEAR(m.geocentricNewMoon, n.geocentric - m.deltaTSeconds / 86400.0, 1e-9);
        EXPECT_NEAR(m.topocentricNewMoon, n.topocentric - m.deltaTSeconds / 86400.0, 1e-9);
        const double sunsetLocal = m.sunsetDay + m.sunset / kTwoPi;
        EXPECT_GE(sunsetLocal, m.topocentricNewMoon);
        EXPECT_GE(m.moonset, m.sunset);
        EXPECT_NEAR(m.topocentricAge, sunsetLocal - m.topocentricNewMoon, 1e-12);
        EXPECT_TRUE(m.monthStart == m.sunsetDay + 1.0 || m.monthStart == m.sunsetDay + 2.0);
        // A new moon after the day's sunset (at Mecca never later than about 19h10m local):
        // the first evening cannot qualify and the second day is evaluated.
        if ((m.topocentricNewMoon - newMoonDay(m)) * 24.0 > 19.25) {
            EXPECT_EQ(m.sunsetDay, newMoonDay(m) + 1.0) << lunation;
            ++afterSunset;
        }
        if (m.sunsetDay == newMoonDay(m)) {
            ++sameDay;
        } else {
            EXPECT_EQ(m.sunsetDay, newMoonDay(m) + 1.0);
            // The first evening did not qualify: its sunset came before the new moon, or the
            // Moon set first. Either way this evening is less than two days after it.
            EXPECT_LT(m.topocentricAge, 2.0);
            ++nextDay;
        }
    }
    EXPECT_GT(sameDay, 3);
    EXPECT_GT(nextDay, 3);
    EXPECT_GT(afterSunset, 0);
}

// Reference: ERFA positions (eraMoon98, eraEpv00) at the same sunset instant: the geocentric
// elongation (angle between the two directions) and the illuminated fraction from the phase
// angle Sun-Moon-Earth, (1 + cos i) / 2.
TEST(MoonDataAtSunset, ElongationAndIlluminationAgreeWithErfa) {
    const Config config;
    const double first = julianDay(CalendarDate{.year = 2025, .month = 1, .day = 1.0});
    for (int lunation = 0; lunation < 12; ++lunation) {
        MoonSunsetData m;
        ASSERT_EQ(moonDataAtSunset(dateOf(first + lunation * kSynodicMonthDays), kMecca, config, m),
                  1);
        const double sunsetUT = m.sunsetDay + m.sunset / kTwoPi - kMecca.timeZone / 24.0;
        const double jdTT = sunsetUT + deltaT(centuriesSinceJ2000(sunsetUT)) / 86400.0;
        testing::Vector3 moon = testing::erfaMoonGcrs(jdTT);
        testing::Vector3 sun = testing::erfaSunGcrs(jdTT);
        const double elongation = eraSepp(moon.v, sun.v);
        double moonToSun[3], moonToEarth[3];
        eraPmp(sun.v, moon.v, moonToSun);
        eraSxp(-1.0, moon.v, moonToEarth);
        const double fraction = (1.0 + std::cos(eraSepp(moonToSun, moonToEarth))) / 2.0;
        EXPECT_NEAR(m.geocentricElongation * kRadToDeg, elongation * kRadToDeg, 0.02) << lunation;
        EXPECT_NEAR(m.illuminatedGeocentric, fraction, 0.0005) << lunation;
        // A young crescent: thin, and the place's view differs by at most the parallax.
        EXPECT_LT(m.illuminated, 0.1);
        EXPECT_NEAR(m.topocentricElongation, m.geocentricElongation, 1.1 * kDegToRad);
    }
}

// At the sunset found, the Sun's upper limb is on the visible horizon, the Moon stands above it
// and west, the bright limb faces down toward the Sun, and the derived sizes hang together.
TEST(MoonDataAtSunset, TheSceneAtSunset) {
    const Config config;
    MoonSunsetData m;
    ASSERT_EQ(
        moonDataAtSunset(CalendarDate{.year = 2026, .month = 12, .day = 1.0}, kMecca, config, m),
        1);
    // The upper limb on the visible horizon: the centre's true altitude lies the refraction at
    // the horizon (34.45'), the semidiameter (16.2' in December) and the dip below the
    // horizontal; the refraction there (Saemundsson's, Meeus ch. 16: 42.6' at -1.42 deg) lifts
    // the apparent centre to -0.71 deg, less than the dip and semidiameter (the setting Sun
    // is flattened: its lower part is lifted more).
    const double dipDeg = 0.0347 * std::sqrt(277.0);
    const double trueDeg = -(34.45 + 16.2) / 60.0 - dipDeg;
    const double refractionDeg = 1.02 / std::tan((trueDeg + 10.3 / (trueDeg + 5.11)) * kDegToRad);
    EXPECT_NEAR(m.sunAltitude * kRadToDeg, trueDeg + refractionDeg / 60.0, 0.01);
    EXPECT_GT(m.moonAltitude, m.sunAltitude);
    EXPECT_GT(m.sunAzimuth, kPi);  // both in the west
    EXPECT_GT(m.moonAzimuth, kPi);
    EXPECT_LT(std::abs(reduceAngleSigned(m.brightLimb - kPi)), kPi / 2.0);
    EXPECT_NEAR(m.crescentWidth, 2.0 * m.semidiameter * m.illuminated, 1e-15);
    EXPECT_NEAR(m.semidiameter * kRadToDeg * 60.0, 15.5, 1.5);  // arcminutes
    EXPECT_GT(m.geocentricDistanceKm - m.topocentricDistanceKm, 6360.0);
    EXPECT_LT(m.geocentricDistanceKm - m.topocentricDistanceKm, 6380.0);
    EXPECT_GT(m.geocentricAge, 0.0);
}

// The visibility limit decides between the two start days: 0 always gives the next day,
// 90 degrees never; the default 15 degrees gives both over a year of months, on the new moon's
// own evening too.
TEST(MoonDataAtSunset, VisibilityLimitChoosesTheStartDay) {
    Config low, high, standard;
    low.moonVisibilityLimit = 0.0f;
    high.moonVisibilityLimit = 90.0f;
    const double first = julianDay(CalendarDate{.year = 2024, .month = 1, .day = 1.0});
    int visibleOnNewMoonDay = 0, notVisibleOnNewMoonDay = 0;
    for (int lunation = 0; lunation < 37; ++lunation) {
        const CalendarDate date = dateOf(first + lunation * kSynodicMonthDays);
        MoonSunsetData a, b, c;
        ASSERT_EQ(moonDataAtSunset(date, kMecca, low, a), 1);
        ASSERT_EQ(moonDataAtSunset(date, kMecca, high, b), 1);
        ASSERT_EQ(moonDataAtSunset(date, kMecca, standard, c), 1);
        EXPECT_EQ(a.monthStart, a.sunsetDay + 1.0);
        EXPECT_EQ(b.monthStart, b.sunsetDay + 2.0);
        const double sum = (c.moonAltitude - c.sunAltitude) + c.topocentricElongation;
        EXPECT_EQ(c.monthStart, c.sunsetDay + (sum >= 15.0 * kDegToRad ? 1.0 : 2.0));
        if (c.sunsetDay == newMoonDay(c)) {
            (c.monthStart == c.sunsetDay + 1.0 ? visibleOnNewMoonDay : notVisibleOnNewMoonDay)++;
        }
    }
    EXPECT_GT(visibleOnNewMoonDay, 0);
    EXPECT_GT(notVisibleOnNewMoonDay, 0);
}

// In polar night (and in midnight sun) there is no sunset: 0, and the record is left alone.
TEST(MoonDataAtSunset, NoSunsetNoResult) {
    const Config config;
    const Location north = place(80.0, 15.0, 1.0);
    for (const CalendarDate date : {CalendarDate{.year = 2026, .month = 12, .day = 1.0},
                                    CalendarDate{.year = 2026, .month = 6, .day = 1.0}}) {
        MoonSunsetData m;
        m.monthStart = 123.0;
        m.sunset = 4.5;
        EXPECT_EQ(moonDataAtSunset(date, north, config, m), 0);
        EXPECT_EQ(m.monthStart, 123.0);
        EXPECT_EQ(m.sunset, 4.5);
    }
}

}  // namespace
}  // namespace kelmo
