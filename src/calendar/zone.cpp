#include "calendar/zone.h"

#include <algorithm>
#include <cmath>

namespace kelmo {

namespace {

constexpr Seconds kOneHour{3600.0L};
constexpr Seconds kSearchReach{36.0L * 3600.0L};  // clock changes around a reading to look at
constexpr int kBisections = 64;
constexpr Seconds kNoon{12.0L * 3600.0L};

}  // namespace

struct Zone::Data {
    std::string name;
    ZoneHistory history;
};

Zone Zone::fixed(Seconds offset) {
    return ofRule(ClockRule{offset, std::nullopt});
}

Zone Zone::ofRule(const ClockRule& rule) {
    ZoneHistory h;
    h.types.push_back({rule.standardOffset, false});
    h.rule = rule;
    return Zone(std::make_shared<const Data>(Data{"", std::move(h)}));
}

Zone Zone::ofHistory(std::string name, ZoneHistory history) {
    return Zone(std::make_shared<const Data>(Data{std::move(name), std::move(history)}));
}

const ClockType* Zone::listedTypeAt(Instant t) const {
    const ZoneHistory& h = data_->history;
    const long double unix = t.time_since_epoch().count();
    const auto after = std::upper_bound(
        h.changes.begin(), h.changes.end(), unix,
        [](long double v, std::int64_t change) { return v < static_cast<long double>(change); });
    if (after == h.changes.begin()) {
        return h.changes.empty() && h.rule ? nullptr : &h.types.front();
    }
    if (after == h.changes.end() && h.rule) return nullptr;
    return &h.types[h.typeAfter[static_cast<std::size_t>(after - h.changes.begin() - 1)]];
}

Seconds Zone::offsetAt(Instant t) const {
    const ClockType* type = listedTypeAt(t);
    return type ? type->offset : data_->history.rule->offsetAt(t);
}

bool Zone::isSummerAt(Instant t) const {
    const ClockType* type = listedTypeAt(t);
    return type ? type->summer : data_->history.rule->isSummerAt(t);
}

Seconds Zone::standardOffsetAt(Instant t) const {
    const ClockType* type = listedTypeAt(t);
    if (type == nullptr) return data_->history.rule->standardOffset;
    if (!type->summer && !type->belowStandard) return type->offset;
    const ZoneHistory& h = data_->history;
    const long double unix = t.time_since_epoch().count();
    auto i = std::upper_bound(
                 h.changes.begin(), h.changes.end(), unix,
                 [](long double v, std::int64_t c) { return v < static_cast<long double>(c); }) -
             h.changes.begin();
    for (auto j = i - 1; j >= 0; --j) {  // the standard time this summer time follows
        const ClockType& before = h.types[h.typeAfter[static_cast<std::size_t>(j)]];
        if (!before.summer && !before.belowStandard) return before.offset;
    }
    for (auto j = static_cast<std::size_t>(i); j < h.changes.size(); ++j) {
        const ClockType& later = h.types[h.typeAfter[j]];
        if (!later.summer && !later.belowStandard) return later.offset;
    }
    if (h.rule) return h.rule->standardOffset;
    return type->offset - kOneHour;
}

Instant Zone::firstInstantReading(LocalTime reading) const {
    const Instant asIfUtc{reading.time_since_epoch()};
    const Seconds early = offsetAt(asIfUtc - kSearchReach);
    const Seconds late = offsetAt(asIfUtc + kSearchReach);
    // Each offset met near the reading gives one candidate; a candidate holds when the clock
    // keeps that offset at it. The earliest that holds is the first such reading.
    const Instant byEarly = asIfUtc - early;
    const Instant byLate = asIfUtc - late;
    const bool earlyHolds = offsetAt(byEarly) == early;
    const bool lateHolds = offsetAt(byLate) == late;
    if (earlyHolds && lateHolds) return std::min(byEarly, byLate);
    if (earlyHolds) return byEarly;
    if (lateHolds) return byLate;
    // The clock skipped the reading: the day starts at the change, found by bisection between
    // the two candidates (the clock reads less than reading before it and more after it).
    Instant lo = std::min(byEarly, byLate), hi = std::max(byEarly, byLate);
    for (int i = 0; i < kBisections && lo < hi; ++i) {
        const Instant mid = lo + (hi - lo) / 2;
        (toLocal(mid) < reading ? lo : hi) = mid;
    }
    return hi;
}

Instant Zone::startOfDay(const CalendarDate& date) const {
    return firstInstantReading(localMidnightOf(date));
}

Instant Zone::noonOf(const CalendarDate& date) const {
    return firstInstantReading(localMidnightOf(date) + kNoon);
}

const std::string& Zone::name() const {
    return data_->name;
}

}  // namespace kelmo
