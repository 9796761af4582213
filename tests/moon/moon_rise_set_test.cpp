// Tests of the Moon's rise, transit and set.
#include "moon/moon_rise_set.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"
#include "base/markers.h"
#include "calendar/julian_day.h"
#include "moon/erfa_moon_reference.h"

#include "support/places.h"

namespace kelmo {
namespace {

constexpr double kDeltaTSeconds = 69.0;  // TT - UT around 2020..2027, for the reference
constexpr double kMinuteRad = kMinuteToRad;

using test::place;

// Reference events from ERFA positions, found by scanning: rise and set when the upper limb
// of the topocentric Moon meets the visible horizon (refraction 34.5' at the horizon, the
// value the program's refraction gives there with 10 C and 1010 mbar, and the dip
// 0.0347 deg sqrt(height)); transit when the geocentric apparent hour angle is 0.
struct ReferenceEvents {
    std::vector<double> rises, sets, transits;  // radians of the day from local midnight
};

ReferenceEvents referenceEvents(const Location& l, double localMidnightJd) {
    const double midnightUT = localMidnightJd - l.timeZone / 24.0;
    const double dip = 0.0347 * std::sqrt(static_cast<double>(l.height)) * kDegToRad;
    const testing::DayRotation rotation =
        testing::erfaDayRotation(midnightUT + 0.5, kDeltaTSeconds);
    auto limb = [&](double dayFraction) {
        const testing::TopocentricMoon m = testing::erfaTopocentricMoon(
            rotation, midnightUT + dayFraction, kDeltaTSeconds, l.latitude, l.longitude, l.height);
        return m.altitude + m.semidiameter + 34.5 / 60.0 * kDegToRad + dip;
    };
    auto hourAngle = [&](double dayFraction) {
        return testing::erfaTopocentricMoon(rotation, midnightUT + dayFraction, kDeltaTSeconds,
                                            l.latitude, l.longitude, l.height)
            .hourAngle;
    };
    auto bisect = [](auto f, double a, double b) {
        const double fa = f(a);
        for (int i = 0; i < 16; ++i) {  // 20 min / 2^16: 0.02 s
            const double m = 0.5 * (a + b);
            if ((f(m) < 0.0) == (fa < 0.0))
                a = m;
            else
                b = m;
        }
        return 0.5 * (a + b);
    };
    ReferenceEvents e;
    const double step = 20.0 / 1440.0;
    for (double x = -0.4; x < 1.4; x += step) {
        const double a = limb(x), b = limb(x + step);
        if (a < 0.0 && b >= 0.0) e.rises.push_back(bisect(limb, x, x + step) * kTwoPi);
        if (a >= 0.0 && b < 0.0) e.sets.push_back(bisect(limb, x, x + step) * kTwoPi);
        const double ha = hourAngle(x), hb = hourAngle(x + step);
        if (ha < 0.0 && hb >= 0.0 && hb - ha < 1.0) {
            e.transits.push_back(bisect(hourAngle, x, x + step) * kTwoPi);
        }
    }
    return e;
}

double nearest(const std::vector<double>& events, double x) {
    double best = 1e9;
    for (double e : events) {
        if (std::abs(e - x) < std::abs(best - x)) best = e;
    }
    return best;
}

// Sixty consecutive days at Mecca (two lunations: every hour of transit, so also the days on
// which the transit falls near midnight and the frame is moved by half a day).
TEST(MoonRiseTransitSet, AgreesWithErfaScanAtMecca) {
    const Location mecca = place(21.4225, 39.8262, 3.0, 277);
    const Config config;
    const double first = julianDay(CalendarDate{.year = 2026, .month = 1, .day = 1.0});
    int transitsInDay = 0;
    int daysWithoutTransit = 0;
    for (int day = 0; day < 60; ++day) {
        CalendarDate date;
        dateFromJulianDay(first + day, date);
        const EventTriple t = moonRiseTransitSet(date, mecca, config);
        const ReferenceEvents ref = referenceEvents(mecca, first + day);
        ASSERT_TRUE(isTime(t.transit) && isTime(t.rise) && isTime(t.set)) << day;
        EXPECT_NEAR(t.transit, nearest(ref.transits, t.transit), 1.0 * kMinuteRad) << day;
        EXPECT_NEAR(t.rise, nearest(ref.rises, t.rise), 2.0 * kMinuteRad) << day;
        EXPECT_NEAR(t.set, nearest(ref.sets, t.set), 2.0 * kMinuteRad) << day;
        // Rise before and set after the transit.
        EXPECT_LT(t.rise, t.transit) << day;
        EXPECT_GT(t.set, t.transit) << day;
        bool dayHasTransit = false;
        for (double r : ref.transits) {
            if (r >= 0.0 && r <= kTwoPi) {
                EXPECT_NEAR(t.transit, r, 1.0 * kMinuteRad) << day;
                dayHasTransit = true;
            }
        }
        if (dayHasTransit) {
            ++transitsInDay;
        } else {
            // About once a month the Moon does not cross the meridian during the local day:
            // the nearest transit, just before midnight or just after the day, is given,
            // still counted from this day's midnight.
            EXPECT_TRUE(t.transit < 0.0 || t.transit > kTwoPi) << day;
            EXPECT_LT(std::min(std::abs(t.transit), std::abs(t.transit - kTwoPi)), kPi / 12.0);
            ++daysWithoutTransit;
        }
    }
    EXPECT_EQ(transitsInDay + daysWithoutTransit, 60);
    EXPECT_EQ(daysWithoutTransit, 2);  // 60 days hold 58 transits
}

// West of the zone meridian and with the transit just before midnight: the day frame is
// moved and 12 hours are added back; the triple still counts from the day's midnight.
TEST(MoonRiseTransitSet, TimesCountFromTheDaysMidnightAfterTheShift) {
    const Location madrid = place(40.4, -3.7, 1.0, 650);  // 1h15m west of its zone meridian
    const Config config;
    const double first = julianDay(CalendarDate{.year = 2026, .month = 3, .day = 1.0});
    int nearMidnight = 0;
    for (int day = 0; day < 30; ++day) {
        CalendarDate date;
        dateFromJulianDay(first + day, date);
        const EventTriple t = moonRiseTransitSet(date, madrid, config);
        if (!isTime(t.transit)) continue;
        const ReferenceEvents ref = referenceEvents(madrid, first + day);
        EXPECT_NEAR(t.transit, nearest(ref.transits, t.transit), 1.0 * kMinuteRad) << day;
        if (t.transit < 30.0 * kMinuteRad || t.transit > kTwoPi - 30.0 * kMinuteRad) {
            ++nearMidnight;
        }
    }
    EXPECT_GE(nearMidnight, 1);
}

// Far north the Moon may stay up or down all day: markers pass through unchanged.
TEST(MoonRiseTransitSet, CircumpolarMoonGivesMarkers) {
    const Location svalbard = place(78.2, 15.6, 1.0);
    const Config config;
    const double first = julianDay(CalendarDate{.year = 2026, .month = 1, .day = 1.0});
    int above = 0, below = 0;
    for (int day = 0; day < 30; ++day) {
        CalendarDate date;
        dateFromJulianDay(first + day, date);
        const EventTriple t = moonRiseTransitSet(date, svalbard, config);
        if (t.rise == kAlwAbove) {
            EXPECT_EQ(t.set, kAlwAbove);
            EXPECT_TRUE(isTime(t.transit));
            ++above;
        }
        if (t.transit == kAlwBelow) {
            EXPECT_EQ(t.rise, kAlwBelow);
            EXPECT_EQ(t.set, kAlwBelow);
            ++below;
        }
    }
    EXPECT_GE(above, 3);  // the Moon spends about a week a month above and below
    EXPECT_GE(below, 3);
}

}  // namespace
}  // namespace kelmo
