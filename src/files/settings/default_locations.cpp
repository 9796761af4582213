#include "files/settings/default_locations.h"

namespace kelmo {

std::string defaultConfigText() {
    std::string text = kDefaultConfigLine;
    text += '\n';
    for (const char* line : kDefaultLocationLines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace kelmo
