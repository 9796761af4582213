#include "astronomy/rise_set.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/angles.h"

namespace kelmo {

namespace {

constexpr double kHalfDay = 0.5;

EventTriple allMarked(EventStatus status) {
    const FrameTime marker = FrameTime::marker(status);
    return EventTriple{marker, marker, marker};
}

// The solver's instant m (days after the frame's midnight) as a time of the frame.
FrameTime frameTime(double m) {
    return FrameTime::at(m * kTwoPi);
}

// The same for an instant that may not have been found: NotValid then.
FrameTime frameTime(std::optional<double> m) {
    return m ? frameTime(*m) : FrameTime();
}

// Meeus's first estimate of the half arc above the target, in days, from the declination of
// the middle day; none when that declination never reaches the target.
std::optional<double> halfArcEstimate(double phi, double delta2, double h) {
    const double cosH0 =
        (std::sin(h) - std::sin(phi) * std::sin(delta2)) / (std::cos(phi) * std::cos(delta2));
    if (std::abs(cosH0) > 1.0) return std::nullopt;
    return std::acos(cosH0) / kTwoPi;
}

}  // namespace

BodyDay::BodyDay(double phi, double lambda, double theta0, double deltaTSeconds,
                 const std::array<EquatorialPosition, 3>& positions, double toleranceSeconds)
    : track_(phi, lambda, theta0, deltaTSeconds, positions),
      phi_(phi),
      delta2_(positions[1].declination),
      tolerance_(toleranceSeconds / kSecondsPerDay) {
    if (!track_.isFinite()) return;
    // First estimate of the transit, reduced into the day.
    m0_ = (positions[1].rightAscension - lambda - theta0) / kTwoPi;
    m0_ -= std::floor(m0_);
    transit_ = track_.culmination(m0_, 0.0, tolerance_);
    if (!transit_) return;
    altitudeTransit_ = track_.altitude(*transit_);
    before_ = track_.culmination(*transit_ - kHalfDay, kPi, tolerance_);
    after_ = track_.culmination(*transit_ + kHalfDay, kPi, tolerance_);
    if (before_) altitudeBefore_ = track_.altitude(*before_);
    if (after_) altitudeAfter_ = track_.altitude(*after_);
}

EventTriple BodyDay::events(double h) const {
    if (!transit_) return allMarked(EventStatus::notValid);
    if (altitudeTransit_ < h) return allMarked(EventStatus::alwBelow);
    if (!before_ || !after_) return {frameTime(*transit_), FrameTime(), FrameTime()};
    const double transit = *transit_;
    // Meeus's first estimates, when the middle day's declination reaches h.
    const std::optional<double> halfArc = halfArcEstimate(phi_, delta2_, h);
    FrameTime rise = FrameTime::marker(EventStatus::alwAbove);
    FrameTime set = rise;
    if (altitudeBefore_ < h) {
        const double guess = halfArc ? m0_ - *halfArc : 0.5 * (*before_ + transit);
        rise = frameTime(track_.crossing(*before_, transit, guess, h, tolerance_, true));
    }
    if (altitudeAfter_ < h) {
        const double guess = halfArc ? m0_ + *halfArc : 0.5 * (transit + *after_);
        set = frameTime(track_.crossing(transit, *after_, guess, h, tolerance_, false));
    }
    return {frameTime(transit), rise, set};
}

EventTriple riseTransitSet(double phi, double lambda, double theta0, double deltaTSeconds,
                           const std::array<EquatorialPosition, 3>& positions,
                           double targetAltitude, double toleranceSeconds) {
    return BodyDay(phi, lambda, theta0, deltaTSeconds, positions, toleranceSeconds)
        .events(targetAltitude);
}

namespace {

// The local day [0, 1] cut into pieces on which the altitude only rises or only falls, and the
// transit within the day. The cuts are the altitude's highest and lowest points inside the day;
// they lie near the culminations (hour angle a multiple of pi), a little off them while the
// declination moves; the culminations are kept as cuts too, and those just outside the day are
// looked at for an extreme inside.
struct DayPieces {
    std::vector<double> cuts;  // sorted, from 0 to 1
    std::optional<double> transit;
};

DayPieces piecesOfDay(const SkyTrack& track, double tolerance) {
    const double startAngle = track.hourAngle(0.0);
    const double endAngle = track.hourAngle(1.0);
    const double reach = kExtremeReachDays * (endAngle - startAngle);
    DayPieces day{{0.0, 1.0}, std::nullopt};
    auto cutAt = [&day](std::optional<double> m) {
        if (m && *m > 0.0 && *m < 1.0) day.cuts.push_back(*m);
    };
    double lastCulmination = 0.0;
    for (double k = std::ceil((startAngle - reach) / kPi); k * kPi < endAngle + reach; k += 1.0) {
        const double guess = (k * kPi - startAngle) / (endAngle - startAngle);
        const bool upper = std::fmod(k, 2.0) == 0.0;
        const std::optional<double> found = track.culmination(guess, upper ? 0.0 : kPi, tolerance);
        if (!found) continue;
        const double m = *found;
        cutAt(track.altitudeExtreme(m, tolerance));
        const bool inDay = k * kPi >= startAngle && k * kPi < endAngle;
        if (!inDay || m <= lastCulmination || m >= 1.0) continue;
        if (upper) day.transit = m;
        lastCulmination = m;
        day.cuts.push_back(m);
    }
    std::sort(day.cuts.begin(), day.cuts.end());
    return day;
}

// The first crossing of h upward (rise) and downward (set) over the pieces, and whether the
// altitude is above or below h at any cut.
struct Crossings {
    std::optional<double> rise;
    std::optional<double> set;
    bool everAbove = false;
    bool everBelow = false;
};

Crossings firstCrossings(const SkyTrack& track, const std::vector<double>& cuts, double h,
                         double tolerance) {
    Crossings c;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const bool belowAtStart = track.altitude(cuts[i]) < h;
        const bool belowAtEnd = track.altitude(cuts[i + 1]) < h;
        (belowAtStart ? c.everBelow : c.everAbove) = true;
        (belowAtEnd ? c.everBelow : c.everAbove) = true;
        if (belowAtStart == belowAtEnd) continue;
        std::optional<double>& event = belowAtStart ? c.rise : c.set;
        if (!event) {
            const double middle = 0.5 * (cuts[i] + cuts[i + 1]);
            event = track.crossing(cuts[i], cuts[i + 1], middle, h, tolerance, belowAtStart);
        }
    }
    return c;
}

}  // namespace

EventTriple riseTransitSetWithinDay(double phi, double lambda, double theta0, double deltaTSeconds,
                                    const std::array<EquatorialPosition, 3>& positions,
                                    double targetAltitude, double toleranceSeconds,
                                    Tabulation tabulation) {
    const SkyTrack track(phi, lambda, theta0, deltaTSeconds, positions, tabulation);
    if (!track.isFinite()) return allMarked(EventStatus::notValid);
    const double tolerance = toleranceSeconds / kSecondsPerDay;
    const DayPieces day = piecesOfDay(track, tolerance);
    const Crossings c = firstCrossings(track, day.cuts, targetAltitude, tolerance);
    if (!c.everAbove) return allMarked(EventStatus::alwBelow);
    const FrameTime above = FrameTime::marker(EventStatus::alwAbove);
    if (!c.everBelow) return {frameTime(day.transit), above, above};
    return {frameTime(day.transit), frameTime(c.rise), frameTime(c.set)};
}

}  // namespace kelmo
