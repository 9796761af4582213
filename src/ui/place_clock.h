// The clock of the place a window computes for, or the message that it cannot be read.
#pragma once

#include <optional>

#include "base/location.h"
#include "calendar/zone.h"
#include "platform/message_box.h"

namespace kelmo::ui {

// The place's zone; when its tz file cannot be read, a box says so (naming the zone and the
// reason) and there is none.
std::optional<Zone> placeZoneOrSay(const Location& place, platform::MessageBox& messages);

}  // namespace kelmo::ui
