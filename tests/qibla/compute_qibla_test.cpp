// Tests of the Qibla in its three references.
// References: the values quoted in the program's requirements for the built-in default location
// (Manama: 246.30 deg, 1217.95 km; declination 2.15 deg on 2005-01-01).
#include "qibla/compute_qibla.h"

#include <gtest/gtest.h>

#include "astronomy/magnetic_declination.h"
#include "base/angles.h"
#include "calendar/local_time.h"
#include "calendar/place_zone.h"
#include "qibla/qibla_direction.h"
#include "qibla/sun_shadow.h"

#include "support/civil_date.h"
#include "support/places.h"

namespace kelmo {
namespace {

using test::manama;

// The computer's clock at an hour of Universal Time, in a zone of hours east with the European
// summer-time rule when summer is set.
ComputerTime computerAt(int year, int month, int day, int hour, float zoneHours = 0.0f,
                        bool summer = false) {
    const ClockRule rule = ruleOfCodes(zoneHours, summer ? 3 * 256 + 66 : 0, 10 * 256 + 66);
    return {instantOf(UtcTime{year, month, day, hour, 0, 0.0}), Zone::ofRule(rule)};
}

using test::civil;

TEST(ComputeQibla, FromGeographicNorth) {
    QiblaResults r;
    r.declination = 0.5;
    EXPECT_EQ(ComputeQibla(kQiblaFromGeographicNorth, manama(), Config{},
                           computerAt(2026, 12, 7, 9, 3.0f), r),
              1);
    EXPECT_NEAR(r.qiblaBearing * kRadToDeg, 246.30, 0.005);
    EXPECT_NEAR(r.meccaDistance, 1217.95, 0.005);
    EXPECT_EQ(r.declination, 0.5);  // left alone
}

TEST(ComputeQibla, FromMagneticNorthOnTheComputersLocalDate) {
    const Location place = manama();
    // 22:00 UT on 31 December 2004 is already 1 January 2005 on a computer at +3.
    QiblaResults r;
    ComputeQibla(kQiblaFromMagneticNorth, place, Config{}, computerAt(2004, 12, 31, 22, 3.0f), r);
    EXPECT_NEAR(r.declination * kRadToDeg, 2.15, 0.005);
    EXPECT_DOUBLE_EQ(r.declination,
                     MagneticDeclination(place.latitude, place.longitude, 0.0, civil(2005, 1, 1)));
    // The same moment at -3 is still 31 December (no time of day enters).
    ComputeQibla(kQiblaFromMagneticNorth, place, Config{}, computerAt(2004, 12, 31, 22, -3.0f), r);
    EXPECT_DOUBLE_EQ(r.declination, MagneticDeclination(place.latitude, place.longitude, 0.0,
                                                        civil(2004, 12, 31)));
}

TEST(ComputeQibla, MagneticNorthAtThePlacesHeight) {
    Location high = manama();
    high.height = 4000;  // metres
    QiblaResults r;
    ComputeQibla(kQiblaFromMagneticNorth, high, Config{}, computerAt(2005, 1, 1, 9), r);
    EXPECT_DOUBLE_EQ(r.declination,
                     MagneticDeclination(high.latitude, high.longitude, 4.0, civil(2005, 1, 1)));
}

TEST(ComputeQibla, FromTheSunsShadowKeepsTheLocationsZone) {
    Location place = manama();
    place.dstStart = 3 * 256 + 66;
    place.dstEnd = 10 * 256 + 66;
    const Location before = place;
    const ComputerTime computer = computerAt(2026, 6, 21, 6, 1.0f, true);
    QiblaResults r;
    r.qiblaBearing = 1.0;
    EXPECT_EQ(ComputeQibla(kQiblaFromSunShadow, place, Config{}, computer, r), 1);
    EXPECT_EQ(place.timeZone, before.timeZone);
    EXPECT_EQ(place.dstStart, before.dstStart);
    EXPECT_EQ(place.dstEnd, before.dstEnd);
    EXPECT_EQ(r.qiblaBearing, 1.0);

    // The shadow of the computer's present instant, whatever its zone.
    const SunShadow expected = sunShadow(place, Config{}, computer.now);
    EXPECT_EQ(r.shadowRatio, expected.shadowRatio);
    EXPECT_EQ(r.sunAzimuth, expected.sunAzimuth);
    EXPECT_GT(r.shadowRatio, 0.0);  // mid-morning in Manama (09:00 local)
}

TEST(ComputeQibla, UnknownMethodChangesNothing) {
    QiblaResults r;
    r.qiblaBearing = 1.0;
    r.meccaDistance = 2.0;
    r.declination = 3.0;
    r.shadowRatio = 4.0;
    r.sunAzimuth = 5.0;
    EXPECT_EQ(ComputeQibla(3, manama(), Config{}, computerAt(2026, 1, 1, 0), r), 1);
    EXPECT_EQ(r.qiblaBearing, 1.0);
    EXPECT_EQ(r.meccaDistance, 2.0);
    EXPECT_EQ(r.declination, 3.0);
    EXPECT_EQ(r.shadowRatio, 4.0);
    EXPECT_EQ(r.sunAzimuth, 5.0);
}

}  // namespace
}  // namespace kelmo
