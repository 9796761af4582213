#include "astronomy/sky_track.h"

#include <algorithm>
#include <cmath>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"

namespace kelmo {

namespace {

constexpr double kSiderealPerDay = 360.985647 * kDegToRad;  // Earth's rotation per solar day
constexpr int kMaxCorrections = 1000;     // a culmination is given up after 1001 passes
constexpr double kExtremeSpacing = 1e-3;  // days between the altitudes of a parabola (86 s)
constexpr int kExtremeSteps = 8;

bool finite(const std::array<double, 3>& y) {
    return std::all_of(y.begin(), y.end(), [](double x) { return std::isfinite(x); });
}

}  // namespace

double interpolate3(double y1, double y2, double y3, double n) {
    const double a = y2 - y1;
    const double b = y3 - y2;
    return y2 + n * (a + b + n * (b - a)) / 2.0;
}

SkyTrack::SkyTrack(double phi, double lambda, double theta0, double deltaTSeconds,
                   const std::array<EquatorialPosition, 3>& positions, Tabulation tabulation)
    : sinPhi_(std::sin(phi)),
      cosPhi_(std::cos(phi)),
      lambda_(lambda),
      theta0_(theta0),
      readingOffset_(deltaTSeconds / kSecondsPerDay),
      tabulation_(tabulation) {
    // Right ascensions unwrapped around the middle day, so that 0h between them does no harm.
    const double alpha2 = positions[1].rightAscension;
    alpha_ = {alpha2 + reduceAngleSigned(positions[0].rightAscension - alpha2), alpha2,
              alpha2 + reduceAngleSigned(positions[2].rightAscension - alpha2)};
    delta_ = {positions[0].declination, positions[1].declination, positions[2].declination};
}

bool SkyTrack::isFinite() const {
    return finite(alpha_) && finite(delta_) && std::isfinite(sinPhi_) && std::isfinite(lambda_) &&
           std::isfinite(theta0_) && std::isfinite(readingOffset_) &&
           std::isfinite(tabulation_.middle) && std::isfinite(tabulation_.spacing);
}

double SkyTrack::readingAt(double m) const {
    return (m + readingOffset_ - tabulation_.middle) / tabulation_.spacing;
}

double SkyTrack::hourAngle(double m) const {
    const double theta = theta0_ + kSiderealPerDay * m;
    return theta + lambda_ - interpolate3(alpha_[0], alpha_[1], alpha_[2], readingAt(m));
}

SkyTrack::Sample SkyTrack::sample(double m) const {
    const double hourAngle = reduceAngleSigned(this->hourAngle(m));
    const double delta = interpolate3(delta_[0], delta_[1], delta_[2], readingAt(m));
    const double cosDelta = std::cos(delta);
    Sample s;
    s.altitude = std::asin(std::clamp(
        sinPhi_ * std::sin(delta) + cosPhi_ * cosDelta * std::cos(hourAngle), -1.0, 1.0));
    // d(altitude)/dm = 2 pi cos(delta) cos(phi) sin(H) / cos(altitude), with the sign of the
    // hour angle's growth taken into the step below.
    s.rate = kTwoPi * cosDelta * cosPhi_ * std::sin(hourAngle);
    return s;
}

double SkyTrack::altitude(double m) const {
    return sample(m).altitude;
}

std::optional<double> SkyTrack::culmination(double m, double hourAngle, double tolerance) const {
    for (int j = 0; j <= kMaxCorrections; ++j) {
        const double dm = -reduceAngleSigned(this->hourAngle(m) - hourAngle) / kTwoPi;
        m += dm;
        if (std::abs(dm) <= tolerance) return m;
    }
    return std::nullopt;
}

std::optional<double> SkyTrack::altitudeExtreme(double m, double tolerance) const {
    const double culmination = m;
    for (int j = 0; j < kExtremeSteps; ++j) {
        const double before = altitude(m - kExtremeSpacing);
        const double at = altitude(m);
        const double after = altitude(m + kExtremeSpacing);
        const double curvature = before - 2.0 * at + after;
        if (curvature == 0.0) return std::nullopt;
        const double step = 0.5 * kExtremeSpacing * (before - after) / curvature;
        m += step;
        if (std::abs(m - culmination) > kExtremeReachDays) return std::nullopt;
        if (std::abs(step) <= tolerance) return m;
    }
    return std::nullopt;
}

double SkyTrack::crossing(double lo, double hi, double guess, double h, double tolerance,
                          bool belowAtLo) const {
    double m = guess > lo && guess < hi ? guess : 0.5 * (lo + hi);
    double lastStep = hi - lo;
    for (int j = 0; j <= kMaxCorrections; ++j) {
        const Sample s = sample(m);
        if ((s.altitude < h) == belowAtLo) {
            lo = m;
        } else {
            hi = m;
        }
        const double d = s.rate == 0.0 ? 1.0 : s.rate;
        double step = std::cos(s.altitude) * (s.altitude - h) / d;
        const double next = m + step;
        if (next > lo && next < hi && std::abs(step) <= 0.5 * lastStep) {
            m = next;
        } else {  // the correction would leave the bracket or stall: bisect instead
            step = 0.5 * (lo + hi) - m;
            m = 0.5 * (lo + hi);
        }
        if (std::abs(step) <= tolerance) return m;
        lastStep = std::abs(step);
    }
    return m;
}

}  // namespace kelmo
