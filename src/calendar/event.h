// An event of the sky at a place: the instant it happens, or why there is none. A marker has no
// instant, so no correction or conversion can move it by mistake.
#pragma once

#include <optional>

#include "calendar/instant.h"

namespace kelmo {

enum class EventStatus {
    time,      // the event happens at instant()
    alwAbove,  // the body stays above the asked altitude all day
    alwBelow,  // the body stays below the asked altitude all day
    notValid,  // the event could not be found, or lies more than a day away
};

class Event {
  public:
    Event() = default;  // NotValid
    static Event at(Instant t) { return Event(EventStatus::time, t); }
    static Event marker(EventStatus status) { return Event(status, Instant{}); }

    EventStatus status() const { return status_; }
    bool isTime() const { return status_ == EventStatus::time; }
    // The instant of a time; none for a marker.
    std::optional<Instant> instant() const {
        return isTime() ? std::optional<Instant>(at_) : std::nullopt;
    }
    // The same event moved by d; a marker stays as it is.
    Event movedBy(Seconds d) const { return isTime() ? at(at_ + d) : *this; }

    bool operator==(const Event&) const = default;

  private:
    Event(EventStatus status, Instant t) : status_(status), at_(t) {}
    EventStatus status_ = EventStatus::notValid;
    Instant at_{};
};

// The word printed for a marker: "AlwAbove", "AlwBelow", else "NotValid".
constexpr const char* statusName(EventStatus status) {
    if (status == EventStatus::alwAbove) return "AlwAbove";
    if (status == EventStatus::alwBelow) return "AlwBelow";
    return "NotValid";
}

}  // namespace kelmo
