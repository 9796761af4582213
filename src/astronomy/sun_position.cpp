#include "astronomy/sun_position.h"

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "astronomy/earth_heliocentric.h"
#include "base/angles.h"

// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 25 (the Sun with VSOP87,
// conversion to the FK5 frame, aberration) and ch. 40 (horizontal parallax).
namespace kelmo {

namespace {

constexpr double kFk5LongitudeShift = -0.09033 * kArcsecToRad;
constexpr double kFk5Factor = 0.03916 * kArcsecToRad;
constexpr double kAberration = 20.4898 * kArcsecToRad;                  // at R = 1 AU
constexpr double kSemidiameterArcsec = 959.63;                          // at R = 1 AU
constexpr double kEquatorialHorizontalParallax = 8.794 * kArcsecToRad;  // at R = 1 AU

}  // namespace

EclipticPosition sunGeometric(double tTT) {
    const EclipticPosition earth = earthHeliocentric(tTT);
    EclipticPosition sun;
    sun.longitude = reduceAngle(earth.longitude + kPi);
    sun.latitude = -earth.latitude;
    sun.distance = earth.distance;

    // From the dynamical ecliptic and equinox of VSOP87 to the FK5 frame.
    const double lambdaPrime = sun.longitude - (1.397 * tTT + 0.00031 * tTT * tTT) * kDegToRad;
    const double cosL = std::cos(lambdaPrime);
    const double sinL = std::sin(lambdaPrime);
    sun.longitude += kFk5LongitudeShift + kFk5Factor * (cosL + sinL) * std::tan(sun.latitude);
    sun.latitude += kFk5Factor * (cosL - sinL);
    sun.longitude = reduceAngle(sun.longitude);
    return sun;
}

EclipticPosition sunApparent(double tTT, double dpsi) {
    EclipticPosition sun = sunGeometric(tTT);
    sun.longitude = reduceAngle(sun.longitude + dpsi - kAberration / sun.distance);
    return sun;
}

double sunSemidiameter(double distance) {
    return kSemidiameterArcsec / distance;
}

double sunSinParallax(double distance) {
    return std::sin(kEquatorialHorizontalParallax) / distance;
}

}  // namespace kelmo
