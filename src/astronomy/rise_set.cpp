#include "astronomy/rise_set.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"
#include "base/markers.h"

// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 3 (interpolation) and ch. 15
// (rising, transit and setting), with the altitude correction divided by cos h as the derivative
// of the altitude with respect to the hour angle asks.
namespace kelmo {

namespace {

constexpr double kSiderealDegPerDay = 360.985647;  // sidereal rotation per solar day
constexpr double kSiderealPerDay = kSiderealDegPerDay * kDegToRad;
constexpr int kMaxCorrections = 1000;  // an event is given up after 1001 passes
constexpr double kLargest = std::numeric_limits<double>::max();

struct Interpolation {
    double alpha[3];
    double delta[3];
};

// Corrects the transit m (fraction of a day) until the hour angle vanishes.
double iterateTransit(double m, double lambda, double theta0, double deltaTSeconds,
                      const Interpolation& table, double tolerance) {
    for (int j = 0;; ++j) {
        // Bounded like rise and set: a position that never converges gives NotValid.
        if (j > kMaxCorrections) return kNotValid;
        const double theta = theta0 + kSiderealPerDay * m;
        const double n = m + deltaTSeconds / kSecondsPerDay;
        const double alpha = interpolate3(table.alpha[0], table.alpha[1], table.alpha[2], n);
        const double hourAngle = reduceAngleSigned(theta + lambda - alpha);
        const double dm = -hourAngle / kTwoPi;
        m += dm;
        if (std::abs(dm) <= tolerance) return m;
    }
}

// Corrects a rise or set m until the altitude reaches h.
double iterateRiseSet(double m, double phi, double lambda, double theta0, double deltaTSeconds,
                      const Interpolation& table, double h, double tolerance) {
    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);
    for (int j = 0;; ++j) {
        const double theta = theta0 + kSiderealPerDay * m;
        const double n = m + deltaTSeconds / kSecondsPerDay;
        const double alpha = interpolate3(table.alpha[0], table.alpha[1], table.alpha[2], n);
        const double delta = interpolate3(table.delta[0], table.delta[1], table.delta[2], n);
        if (j > kMaxCorrections || std::abs(alpha) >= kLargest || std::abs(delta) >= kLargest) {
            return kNotValid;
        }
        const double hourAngle = reduceAngleSigned(theta + lambda - alpha);
        const double cosDelta = std::cos(delta);
        const double altitude = std::asin(std::clamp(
            sinPhi * std::sin(delta) + cosPhi * cosDelta * std::cos(hourAngle), -1.0, 1.0));
        double d = kTwoPi * cosDelta * cosPhi * std::sin(hourAngle);
        if (d == 0.0) d = 1.0;
        const double dm = std::cos(altitude) * (altitude - h) / d;
        m += dm;
        if (std::abs(dm) <= tolerance) return m;
    }
}

double toDayAngle(double m) {
    return isTime(m) ? m * kTwoPi : m;
}

}  // namespace

double interpolate3(double y1, double y2, double y3, double n) {
    const double a = y2 - y1;
    const double b = y3 - y2;
    return y2 + n * (a + b + n * (b - a)) / 2.0;
}

EventTriple riseTransitSet(double phi, double lambda, double theta0, double deltaTSeconds,
                           const std::array<EquatorialPosition, 3>& positions,
                           double targetAltitude, double toleranceSeconds) {
    // Right ascensions unwrapped around the middle day, so that 0h between them does no harm.
    const double alpha2 = positions[1].rightAscension;
    const Interpolation table{
        {alpha2 + reduceAngleSigned(positions[0].rightAscension - alpha2), alpha2,
         alpha2 + reduceAngleSigned(positions[2].rightAscension - alpha2)},
        {positions[0].declination, positions[1].declination, positions[2].declination}};
    const double delta2 = positions[1].declination;

    const double cosH0 = (std::sin(targetAltitude) - std::sin(phi) * std::sin(delta2)) /
                         (std::cos(phi) * std::cos(delta2));
    double m0 = (alpha2 - lambda - theta0) / kTwoPi;
    if (m0 < 0.0) m0 += 1.0;

    double m1 = kAlwAbove;
    double m2 = kAlwAbove;
    if (std::abs(cosH0) <= 1.0) {
        const double h0 = std::acos(cosH0) / kTwoPi;
        m1 = m0 - h0;
        m2 = m0 + h0;
    } else if (!(cosH0 < -1.0)) {  // above 1 or not a number: the Sun never reaches h
        m0 = m1 = m2 = kAlwBelow;
    }

    const double tolerance = toleranceSeconds / kSecondsPerDay;
    if (m0 != kAlwBelow) {
        m0 = iterateTransit(m0, lambda, theta0, deltaTSeconds, table, tolerance);
    }
    if (isTime(m1)) {
        m1 = iterateRiseSet(m1, phi, lambda, theta0, deltaTSeconds, table, targetAltitude,
                            tolerance);
    }
    if (isTime(m2)) {
        m2 = iterateRiseSet(m2, phi, lambda, theta0, deltaTSeconds, table, targetAltitude,
                            tolerance);
    }
    return EventTriple{toDayAngle(m0), toDayAngle(m1), toDayAngle(m2)};
}

}  // namespace kelmo
