// The present moment, read through an interface so that tests can fix it.
#pragma once

#include "calendar/local_time.h"

namespace kelmo::platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // The present moment in Universal Time.
    virtual UtcTime utcNow() const = 0;
    // The same as an instant.
    Instant now() const { return instantOf(utcNow()); }
};

// The computer's system clock.
class SystemClock final : public Clock {
  public:
    UtcTime utcNow() const override;
};

// A clock that stands at a set moment until moved (tests, reproducible runs).
class FixedClock final : public Clock {
  public:
    explicit FixedClock(const UtcTime& moment) : moment_(moment) {}
    UtcTime utcNow() const override { return moment_; }
    void set(const UtcTime& moment) { moment_ = moment; }

  private:
    UtcTime moment_;
};

}  // namespace kelmo::platform
