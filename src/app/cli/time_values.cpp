#include "app/cli/time_values.h"

#include <cstdio>

#include "base/angles.h"
#include "base/markers.h"

namespace kelmo::cli {

std::string secondsText(double time, bool quoteMarkers) {
    if (!isTime(time)) {
        const std::string word = markerName(time);
        return quoteMarkers ? "\"" + word + "\"" : word;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%.3f", time * kRadToHours * 3600.0);
    return text;
}

}  // namespace kelmo::cli
