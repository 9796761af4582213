// The marker stored in place of an angle that could not be found. Times carry their markers as
// the status of an event (calendar/event.h), never as a number.
#pragma once

namespace kelmo {

// Printed "NotValid" by the angle texts.
inline constexpr double kNotValid = -2147483648.0;

}  // namespace kelmo
