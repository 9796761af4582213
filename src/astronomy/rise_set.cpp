#include "astronomy/rise_set.h"

#include <algorithm>
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

}  // namespace

BodyDay::BodyDay(double phi, double lambda, double theta0, double deltaTSeconds,
                 const std::array<EquatorialPosition, 3>& positions, double toleranceSeconds)
    : track_(phi, lambda, theta0, deltaTSeconds, positions),
      phi_(phi),
      delta2_(positions[1].declination),
      tolerance_(toleranceSeconds / kSecondsPerDay) {
    if (!track_.isFinite()) {
        transit_ = kNotValid;
        return;
    }
    // First estimate of the transit, reduced into the day.
    m0_ = (positions[1].rightAscension - lambda - theta0) / kTwoPi;
    m0_ -= std::floor(m0_);
    transit_ = track_.culmination(m0_, 0.0, tolerance_);
    if (!isTime(transit_)) return;
    altitudeTransit_ = track_.altitude(transit_);
    before_ = track_.culmination(transit_ - kHalfDay, kPi, tolerance_);
    after_ = track_.culmination(transit_ + kHalfDay, kPi, tolerance_);
    if (isTime(before_)) altitudeBefore_ = track_.altitude(before_);
    if (isTime(after_)) altitudeAfter_ = track_.altitude(after_);
}

EventTriple BodyDay::events(double h) const {
    if (!isTime(transit_)) return allMarked(kNotValid);
    if (altitudeTransit_ < h) return allMarked(kAlwBelow);
    if (!isTime(before_) || !isTime(after_)) return toDayAngles(transit_, kNotValid, kNotValid);
    // Meeus's first estimates, when the middle day's declination reaches h.
    const double halfArc = halfArcEstimate(phi_, delta2_, h);
    const bool estimated = isTime(halfArc);
    double rise = kAlwAbove;
    double set = kAlwAbove;
    if (altitudeBefore_ < h) {
        rise = track_.crossing(before_, transit_,
                               estimated ? m0_ - halfArc : 0.5 * (before_ + transit_), h,
                               tolerance_, true);
    }
    if (altitudeAfter_ < h) {
        set =
            track_.crossing(transit_, after_, estimated ? m0_ + halfArc : 0.5 * (transit_ + after_),
                            h, tolerance_, false);
    }
    return toDayAngles(transit_, rise, set);
}

EventTriple riseTransitSet(double phi, double lambda, double theta0, double deltaTSeconds,
                           const std::array<EquatorialPosition, 3>& positions,
                           double targetAltitude, double toleranceSeconds) {
    return BodyDay(phi, lambda, theta0, deltaTSeconds, positions, toleranceSeconds)
        .events(targetAltitude);
}

EventTriple riseTransitSetWithinDay(double phi, double lambda, double theta0, double deltaTSeconds,
                                    const std::array<EquatorialPosition, 3>& positions,
                                    double targetAltitude, double toleranceSeconds,
                                    Tabulation tabulation) {
    const SkyTrack track(phi, lambda, theta0, deltaTSeconds, positions, tabulation);
    if (!track.isFinite()) return allMarked(kNotValid);
    const double tolerance = toleranceSeconds / kSecondsPerDay;
    const double h = targetAltitude;

    // The highest and lowest points of the altitude inside the day cut it into pieces on which
    // the altitude only rises or only falls. They lie near the culminations (hour angle a
    // multiple of pi), a little off them while the declination moves; the culminations are
    // kept as cuts too, and those just outside the day are looked at for an extreme inside.
    const double startAngle = track.hourAngle(0.0);
    const double endAngle = track.hourAngle(1.0);
    const double reach = kExtremeReachDays * (endAngle - startAngle);
    std::vector<double> cuts = {0.0, 1.0};
    auto cutAt = [&cuts](double m) {
        if (isTime(m) && m > 0.0 && m < 1.0) cuts.push_back(m);
    };
    double transit = kNotValid;
    double lastCulmination = 0.0;
    for (double k = std::ceil((startAngle - reach) / kPi); k * kPi < endAngle + reach; k += 1.0) {
        const double guess = (k * kPi - startAngle) / (endAngle - startAngle);
        const bool upper = std::fmod(k, 2.0) == 0.0;
        const double m = track.culmination(guess, upper ? 0.0 : kPi, tolerance);
        if (!isTime(m)) continue;
        cutAt(track.altitudeExtreme(m, tolerance));
        const bool inDay = k * kPi >= startAngle && k * kPi < endAngle;
        if (!inDay || m <= lastCulmination || m >= 1.0) continue;
        if (upper) transit = m;
        lastCulmination = m;
        cuts.push_back(m);
    }
    std::sort(cuts.begin(), cuts.end());

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
        if (!isTime(event)) {
            event = track.crossing(cuts[i], cuts[i + 1], kNotValid, h, tolerance, belowAtStart);
        }
    }
    if (!everAbove) return allMarked(kAlwBelow);
    if (!everBelow) return toDayAngles(transit, kAlwAbove, kAlwAbove);
    return toDayAngles(transit, rise, set);
}

}  // namespace kelmo
