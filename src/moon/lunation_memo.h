// Refined new moons and Moon-at-sunset results kept by lunation, for runs of Hijri dates at one
// place (a month or a year of a report): converting consecutive days asks for the same few
// lunations again and again. Both results depend on the date only through the first estimate
// of the new moon (the Meeus value nextNewMoon steps to, newMoonEstimate), so keeping them by
// that exact value and by the place and settings they read gives the same results bit for bit.
// The caller owns the memo for as long as the run lasts; nothing is kept anywhere else.
#pragma once

#include <cstddef>
#include <vector>

#include "base/config.h"
#include "base/location.h"
#include "moon/moon_data_at_sunset.h"
#include "moon/new_moon.h"

namespace kelmo {

class LunationMemo {
  public:
    // refineNewMoonPair(location, estimate), computed once per estimate and place.
    NewMoonPair refinedNewMoon(double estimate, const Location& location);

    // What moonDataAtSunset gave for a date whose new-moon estimate is estimate: its return
    // value and (when 1) its data.
    struct SunsetResult {
        int found = 0;
        MoonSunsetData data;
    };

    // The result kept for estimate at this place and these settings, or nullptr.
    const SunsetResult* sunsetResult(double estimate, const Location& location,
                                     const Config& config) const;
    void keepSunsetResult(double estimate, const Location& location, const Config& config,
                          const SunsetResult& result);

    std::size_t size() const { return newMoons_.size() + sunsets_.size(); }

  private:
    // The fields of the place the new moon and the Moon at sunset are computed from, and the
    // settings of the rise and set search, refraction and visibility; compared bit for bit.
    struct PlaceKey {
        double estimate = 0.0;
        double latitude = 0.0;
        double longitude = 0.0;
        int height = 0;
        float timeZone = 0.0f;

        PlaceKey(double estimate, const Location& location);
        bool operator==(const PlaceKey& other) const;
    };
    struct SettingsKey {
        int temperature = 0;
        int pressure = 0;
        int maxAcceptableError = 0;
        float moonVisibilityLimit = 0.0f;

        explicit SettingsKey(const Config& config);
        bool operator==(const SettingsKey& other) const;
    };
    struct NewMoonEntry {
        PlaceKey key;
        NewMoonPair pair;
    };
    struct SunsetEntry {
        PlaceKey place;
        SettingsKey settings;
        SunsetResult result;
    };
    // A run of a year holds some fifteen lunations; the lists are emptied when full.
    static constexpr std::size_t kMaxKept = 256;

    std::vector<NewMoonEntry> newMoons_;
    std::vector<SunsetEntry> sunsets_;
};

}  // namespace kelmo
