#include "app/cli/time_values.h"

#include <cstdio>

#include "base/angles.h"
#include "base/markers.h"

namespace kelmo::cli {

const char* markerWord(double marker) {
    if (marker == kAlwAbove) return "AlwAbove";
    if (marker == kAlwBelow) return "AlwBelow";
    return "NotValid";
}

std::string secondsText(double time, bool quoteMarkers) {
    if (!isTime(time)) {
        const std::string word = markerWord(time);
        return quoteMarkers ? "\"" + word + "\"" : word;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%.3f", time * kRadToHours * 3600.0);
    return text;
}

}  // namespace kelmo::cli
