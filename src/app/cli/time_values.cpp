#include "app/cli/time_values.h"

#include <cstdio>

namespace kelmo::cli {

std::string secondsText(const RowTime& time, bool quoteMarkers) {
    if (!time.isTime()) {
        const std::string word = statusName(time.status);
        return quoteMarkers ? "\"" + word + "\"" : word;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(time.seconds));
    return text;
}

}  // namespace kelmo::cli
