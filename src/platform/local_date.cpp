#include "platform/local_date.h"

#include <ctime>

namespace kelmo::platform {

CalendarDate localToday(const Clock& clock) {
    const UtcTime now = clock.utcNow();
    std::tm utc{};
    utc.tm_year = now.year - 1900;
    utc.tm_mon = now.month - 1;
    utc.tm_mday = now.day;
    utc.tm_hour = now.hour;
    utc.tm_min = now.minute;
    utc.tm_sec = static_cast<int>(now.second);
    const std::time_t moment = timegm(&utc);
    std::tm local{};
    localtime_r(&moment, &local);
    CalendarDate today;
    today.year = local.tm_year + 1900;
    today.month = local.tm_mon + 1;
    today.day = local.tm_mday;
    return today;
}

}  // namespace kelmo::platform
