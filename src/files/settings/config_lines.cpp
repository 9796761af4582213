#include "files/settings/config_lines.h"

namespace kelmo {

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    return text;
}

NameEncoding nameEncodingOf(std::string_view fileText) {
    return fileText.starts_with(kUtf8ByteOrderMark) ? NameEncoding::utf8
                                                    : NameEncoding::windows1252;
}

bool ConfigLines::nextPlace(std::string_view& line) {
    while (lines_.next(line)) {
        for (char c : line)
            if (!isBlank(c)) return true;
    }
    return false;
}

}  // namespace kelmo
