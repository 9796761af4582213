#include "files/settings/config_lines.h"

namespace kelmo {

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    return text;
}

bool ConfigLines::nextPlace(std::string_view& line) {
    while (lines_.next(line)) {
        for (char c : line)
            if (!isBlank(c)) return true;
    }
    return false;
}

}  // namespace kelmo
