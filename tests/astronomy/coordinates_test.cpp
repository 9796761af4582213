#include "astronomy/coordinates.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"

namespace kelmo {
namespace {

constexpr double kEps = 23.4392911 * kDegToRad;
constexpr double kTiny = 1e-12;

TEST(EclipticToEquatorial, SolsticePoint) {
    const EquatorialPosition p = eclipticToEquatorial(kPi / 2.0, 0.0, kEps);
    EXPECT_NEAR(p.rightAscension, kPi / 2.0, kTiny);
    EXPECT_NEAR(p.declination, kEps, kTiny);
}

// Reference: the ecliptic direction rotated about the x axis by -eps with ERFA's eraS2c,
// eraRx and eraC2s; over the whole sphere, the right ascension always in [0, 2 pi).
TEST(EclipticToEquatorial, AgreesWithRotationByErfa) {
    for (double lonDeg = 0.0; lonDeg < 360.0; lonDeg += 7.5) {
        for (double latDeg = -85.0; latDeg <= 85.0; latDeg += 17.0) {
            const double lon = lonDeg * kDegToRad;
            const double lat = latDeg * kDegToRad;
            double v[3];
            eraS2c(lon, lat, v);
            double r[3][3];
            eraIr(r);
            eraRx(-kEps, r);
            double w[3];
            eraRxp(r, v, w);
            double ra = 0.0;
            double dec = 0.0;
            eraC2s(w, &ra, &dec);

            const EquatorialPosition p = eclipticToEquatorial(lon, lat, kEps);
            ASSERT_GE(p.rightAscension, 0.0);
            ASSERT_LT(p.rightAscension, kTwoPi);
            EXPECT_NEAR(reduceAngleSigned(p.rightAscension - eraAnp(ra)), 0.0, 1e-12)
                << lonDeg << " " << latDeg;
            EXPECT_NEAR(p.declination, dec, 1e-12) << lonDeg << " " << latDeg;
        }
    }
}

// Just below longitude 0 the right ascension wraps to just below 2 pi, never negative.
TEST(EclipticToEquatorial, RightAscensionNeverNegative) {
    const EquatorialPosition p = eclipticToEquatorial(-1e-9, 0.0, kEps);
    EXPECT_GT(p.rightAscension, kTwoPi - 1e-8);
    EXPECT_LT(p.rightAscension, kTwoPi);
}

// Reference: ERFA's eraHd2ae (hour angle and declination to azimuth, from the north through
// the east, and elevation).
TEST(EquatorialToHorizontal, AgreesWithEraHd2ae) {
    for (double phiDeg : {-60.0, -20.0, 0.0, 21.4, 51.5, 78.0}) {
        for (double haDeg = -180.0; haDeg < 180.0; haDeg += 22.5) {
            for (double decDeg : {-50.0, -10.0, 0.0, 23.0, 70.0}) {
                const double phi = phiDeg * kDegToRad;
                const double dec = decDeg * kDegToRad;
                const double ha = haDeg * kDegToRad;
                double az = 0.0;
                double el = 0.0;
                eraHd2ae(ha, dec, phi, &az, &el);
                const double ra = 1.0;  // local sidereal time = ra + hour angle
                const HorizontalPosition h = equatorialToHorizontal(ra, dec, ra + ha, phi);
                ASSERT_GE(h.azimuth, 0.0);
                ASSERT_LT(h.azimuth, kTwoPi);
                EXPECT_NEAR(h.altitude, el, 1e-12);
                if (std::cos(el) > 1e-6) {
                    EXPECT_NEAR(reduceAngleSigned(h.azimuth - az), 0.0, 1e-9)
                        << phiDeg << " " << haDeg << " " << decDeg;
                }
            }
        }
    }
}

// Meeus, Astronomical Algorithms, example 13.b: Venus at Washington (38 deg 55' 17" N) with
// hour angle 64.352133 deg and declination -6 deg 43' 11.61": altitude 15.1249 deg, azimuth
// 68.0337 deg from the south westward, i.e. 248.0337 deg from the north.
TEST(EquatorialToHorizontal, MeeusExample13b) {
    const double phi = (38.0 + 55.0 / 60.0 + 17.0 / 3600.0) * kDegToRad;
    const double dec = -(6.0 + 43.0 / 60.0 + 11.61 / 3600.0) * kDegToRad;
    const HorizontalPosition h = equatorialToHorizontal(0.0, dec, 64.352133 * kDegToRad, phi);
    EXPECT_NEAR(h.altitude * kRadToDeg, 15.1249, 0.0001);
    EXPECT_NEAR(h.azimuth * kRadToDeg, 248.0337, 0.0001);
}

}  // namespace
}  // namespace kelmo
