#include "qibla/computer_time.h"

namespace kelmo {

CalendarDate computerLocalNow(const ComputerTime& computer) {
    const ClockReading local = splitLocalTime(computer.zone.toLocal(computer.now));
    CalendarDate date = local.date;
    date.day += static_cast<double>(local.secondsOfDay / kSecondsPerDayL);
    return date;
}

}  // namespace kelmo
