#include "ui/place_clock.h"

#include "calendar/place_zone.h"
#include "files/settings/config_errors.h"
#include "ui/error_box.h"

namespace kelmo::ui {

std::optional<Zone> placeZoneOrSay(const Location& place, platform::MessageBox& messages) {
    const ZoneLookup found = zoneOfPlace(place);
    if (!found.zone) {
        showError(messages, kZoneUnreadable, zoneErrorText(place.zone, found.error));
    }
    return found.zone;
}

}  // namespace kelmo::ui
