// A time of the day frame the solvers work in (calendar/day_frame.h): radians after the frame's
// midnight (2 pi = 24 h, below 0 on the day before, 2 pi or more on the day after), or why there
// is none. A marker carries no angle, so no correction can move it and no comparison can take it
// for a time; the frame's times become events (calendar/event.h) through eventOfFrameTime.
#pragma once

#include <optional>

#include "calendar/event.h"

namespace kelmo {

class FrameTime {
  public:
    FrameTime() = default;  // NotValid
    static FrameTime at(double dayAngle) { return FrameTime(EventStatus::time, dayAngle); }
    static FrameTime marker(EventStatus status) { return FrameTime(status, 0.0); }

    EventStatus status() const { return status_; }
    bool isTime() const { return status_ == EventStatus::time; }
    // The radians of a time; none for a marker.
    std::optional<double> angle() const {
        return isTime() ? std::optional<double>(angle_) : std::nullopt;
    }
    // The same time moved by radians; a marker stays as it is.
    FrameTime movedBy(double radians) const { return isTime() ? at(angle_ + radians) : *this; }

    bool operator==(const FrameTime&) const = default;

  private:
    FrameTime(EventStatus status, double dayAngle) : status_(status), angle_(dayAngle) {}
    EventStatus status_ = EventStatus::notValid;
    double angle_ = 0.0;
};

}  // namespace kelmo
