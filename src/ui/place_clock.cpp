#include "ui/place_clock.h"

#include "calendar/place_zone.h"
#include "files/error_messages.h"
#include "files/settings/config_errors.h"

namespace kelmo::ui {

std::optional<Zone> placeZoneOrSay(const Location& place, platform::MessageBox& messages) {
    const ZoneLookup found = zoneOfPlace(place);
    if (!found.zone) {
        messages.show(errorMessage(kZoneUnreadable) + std::string("\n") +
                      zoneErrorText(place.zone, found.error));
    }
    return found.zone;
}

}  // namespace kelmo::ui
