#include "astronomy/rise_set.h"

#include <cmath>
#include <vector>

#include "base/angles.h"
#include "base/markers.h"

namespace kelmo {

namespace {

constexpr double kHalfDay = 0.5;

EventTriple allMarked(double marker) {
    return EventTriple{marker, marker, marker};
}

double toDayAngle(double m) {
    return isTime(m) ? m * kTwoPi : m;
}

EventTriple toDayAngles(double transit, double rise, double set) {
    return EventTriple{toDayAngle(transit), toDayAngle(rise), toDayAngle(set)};
}

// Meeus's first estimate of the half arc above the target, in days, from the declination of
// the middle day; none when that declination never reaches the target.
double halfArcEstimate(double phi, double delta2, double h) {
    const double cosH0 =
        (std::sin(h) - std::sin(phi) * std::sin(delta2)) / (std::cos(phi) * std::cos(delta2));
    return std::abs(cosH0) <= 1.0 ? std::acos(cosH0) / kTwoPi : kNotValid;
}

// The crossing of h in [lo, hi] when the altitude lies on either side of h there, from guess
// (when it is a time); otherwise marker.
double crossingOrMarker(const SkyTrack& track, double lo, double hi, double guess, double h,
                        double tolerance, double marker) {
    const bool crosses = (track.altitude(lo) < h) != (track.altitude(hi) < h);
    if (!crosses) return marker;
    const double start = isTime(guess) ? guess : 0.5 * (lo + hi);
    return track.crossing(lo, hi, start, h, tolerance);
}

}  // namespace

EventTriple riseTransitSet(double phi, double lambda, double theta0, double deltaTSeconds,
                           const std::array<EquatorialPosition, 3>& positions,
                           double targetAltitude, double toleranceSeconds) {
    const SkyTrack track(phi, lambda, theta0, deltaTSeconds, positions);
    if (!track.isFinite()) return allMarked(kNotValid);
    const double tolerance = toleranceSeconds / kSecondsPerDay;
    const double h = targetAltitude;

    // First estimate of the transit, reduced into the day.
    double m0 = (positions[1].rightAscension - lambda - theta0) / kTwoPi;
    m0 -= std::floor(m0);
    const double transit = track.culmination(m0, 0.0, tolerance);
    if (!isTime(transit)) return allMarked(kNotValid);
    if (track.altitude(transit) < h) return allMarked(kAlwBelow);

    const double before = track.culmination(transit - kHalfDay, kPi, tolerance);
    const double after = track.culmination(transit + kHalfDay, kPi, tolerance);
    if (!isTime(before) || !isTime(after)) return toDayAngles(transit, kNotValid, kNotValid);
    const double halfArc = halfArcEstimate(phi, positions[1].declination, h);
    const bool estimated = isTime(halfArc);
    const double rise = crossingOrMarker(
        track, before, transit, estimated ? m0 - halfArc : kNotValid, h, tolerance, kAlwAbove);
    const double set = crossingOrMarker(track, transit, after, estimated ? m0 + halfArc : kNotValid,
                                        h, tolerance, kAlwAbove);
    return toDayAngles(transit, rise, set);
}

EventTriple riseTransitSetWithinDay(double phi, double lambda, double theta0, double deltaTSeconds,
                                    const std::array<EquatorialPosition, 3>& positions,
                                    double targetAltitude, double toleranceSeconds) {
    const SkyTrack track(phi, lambda, theta0, deltaTSeconds, positions);
    if (!track.isFinite()) return allMarked(kNotValid);
    const double tolerance = toleranceSeconds / kSecondsPerDay;
    const double h = targetAltitude;

    // The culminations inside the day (hour angle a multiple of pi) cut it into pieces on
    // which the altitude only rises or only falls.
    const double startAngle = track.hourAngle(0.0);
    const double endAngle = track.hourAngle(1.0);
    std::vector<double> cuts = {0.0};
    double transit = kNotValid;
    for (double k = std::ceil(startAngle / kPi); k * kPi < endAngle; k += 1.0) {
        const double guess = (k * kPi - startAngle) / (endAngle - startAngle);
        const double m = track.culmination(guess, std::fmod(k, 2.0) == 0.0 ? 0.0 : kPi, tolerance);
        if (!isTime(m) || m <= cuts.back() || m >= 1.0) continue;
        if (std::fmod(k, 2.0) == 0.0) transit = m;
        cuts.push_back(m);
    }
    cuts.push_back(1.0);

    double rise = kNotValid;
    double set = kNotValid;
    bool everAbove = false;
    bool everBelow = false;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const bool belowAtStart = track.altitude(cuts[i]) < h;
        const bool belowAtEnd = track.altitude(cuts[i + 1]) < h;
        (belowAtStart ? everBelow : everAbove) = true;
        (belowAtEnd ? everBelow : everAbove) = true;
        if (belowAtStart == belowAtEnd) continue;
        double& event = belowAtStart ? rise : set;
        if (!isTime(event)) event = track.crossing(cuts[i], cuts[i + 1], kNotValid, h, tolerance);
    }
    if (!everAbove) return allMarked(kAlwBelow);
    if (!everBelow) return toDayAngles(transit, kAlwAbove, kAlwAbove);
    return toDayAngles(transit, rise, set);
}

}  // namespace kelmo
