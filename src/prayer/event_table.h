// The six Sun event triples of one day and place from which the prayer times are taken.
#pragma once

#include <array>
#include <cstddef>

#include "astronomy/rise_set.h"

namespace kelmo {

// Rows of EventTable and the prayer times each gives.
enum class EventRow : int {
    horizon = 0,     // h0: true noon, sunrise, sunset
    imsakIsha = 1,   // noon, rise to the Imsak angle, set to the Isha angle
    fajr = 2,        // noon, rise to the Fajr angle, (set to the Fajr angle, unused)
    duhr = 3,        // h0 west of the place by the semidiameter: transit = Duhr
    asrShadow1 = 4,  // Asr altitude for shadow factor 1: set = Asr
    asrShadow2 = 5,  // Asr altitude for shadow factor 2: set = Asr
};

inline constexpr std::size_t kEventRowCount = 6;
// The times of the table seen as one list: row r, field f (0 transit, 1 rise, 2 set) is
// slot 3 r + f.
inline constexpr std::size_t kEventSlotCount = 3 * kEventRowCount;

enum EventField : std::size_t { kTransit = 0, kRise = 1, kSet = 2 };

// The slot of row r, field f.
constexpr std::size_t slotOf(EventRow r, EventField f) {
    return 3 * static_cast<std::size_t>(r) + f;
}

// Every time NotValid until found.
struct EventTable {
    std::array<EventTriple, kEventRowCount> rows{};

    EventTriple& operator[](EventRow r) { return rows[static_cast<std::size_t>(r)]; }
    const EventTriple& operator[](EventRow r) const { return rows[static_cast<std::size_t>(r)]; }

    FrameTime& slot(std::size_t i) {
        EventTriple& t = rows[i / 3];
        return i % 3 == 0 ? t.transit : (i % 3 == 1 ? t.rise : t.set);
    }
    FrameTime slot(std::size_t i) const {
        const EventTriple& t = rows[i / 3];
        return i % 3 == 0 ? t.transit : (i % 3 == 1 ? t.rise : t.set);
    }
};

}  // namespace kelmo
