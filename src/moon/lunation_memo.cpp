#include "moon/lunation_memo.h"

#include <bit>
#include <cstdint>

namespace kelmo {

namespace {

// Bit for bit: -0.0 and 0.0 differ, and a NaN matches itself.
bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool sameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

}  // namespace

LunationMemo::PlaceKey::PlaceKey(double estimate, const Location& location)
    : estimate(estimate),
      latitude(location.latitude),
      longitude(location.longitude),
      height(location.height),
      timeZone(location.timeZone) {}

bool LunationMemo::PlaceKey::operator==(const PlaceKey& other) const {
    return sameBits(estimate, other.estimate) && sameBits(latitude, other.latitude) &&
           sameBits(longitude, other.longitude) && height == other.height &&
           sameBits(timeZone, other.timeZone);
}

LunationMemo::SettingsKey::SettingsKey(const Config& config)
    : temperature(config.temperature),
      pressure(config.pressure),
      maxAcceptableError(config.maxAcceptableError),
      moonVisibilityLimit(config.moonVisibilityLimit) {}

bool LunationMemo::SettingsKey::operator==(const SettingsKey& other) const {
    return temperature == other.temperature && pressure == other.pressure &&
           maxAcceptableError == other.maxAcceptableError &&
           sameBits(moonVisibilityLimit, other.moonVisibilityLimit);
}

NewMoonPair LunationMemo::refinedNewMoon(double estimate, const Location& location) {
    const PlaceKey key(estimate, location);
    for (const NewMoonEntry& entry : newMoons_) {
        if (entry.key == key) return entry.pair;
    }
    if (newMoons_.size() >= kMaxKept) newMoons_.clear();
    const NewMoonPair pair = refineNewMoonPair(location, estimate);
    newMoons_.push_back({key, pair});
    return pair;
}

const LunationMemo::SunsetResult* LunationMemo::sunsetResult(double estimate,
                                                             const Location& location,
                                                             const Config& config) const {
    const PlaceKey place(estimate, location);
    const SettingsKey settings(config);
    for (const SunsetEntry& entry : sunsets_) {
        if (entry.place == place && entry.settings == settings) return &entry.result;
    }
    return nullptr;
}

void LunationMemo::keepSunsetResult(double estimate, const Location& location, const Config& config,
                                    const SunsetResult& result) {
    if (sunsets_.size() >= kMaxKept) sunsets_.clear();
    sunsets_.push_back({PlaceKey(estimate, location), SettingsKey(config), result});
}

}  // namespace kelmo
