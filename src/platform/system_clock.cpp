#include <chrono>

#include "platform/clock.h"

namespace kelmo::platform {

UtcTime SystemClock::utcNow() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto today = floor<days>(now);
    const year_month_day ymd{today};
    const hh_mm_ss<microseconds> tod{duration_cast<microseconds>(now - today)};
    UtcTime t;
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.hour = static_cast<int>(tod.hours().count());
    t.minute = static_cast<int>(tod.minutes().count());
    t.second = static_cast<double>(tod.seconds().count()) + tod.subseconds().count() * 1e-6;
    return t;
}

}  // namespace kelmo::platform
