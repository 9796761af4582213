#include "files/settings/name_encoding.h"

#include "files/settings/config_line.h"
#include "files/settings/field_scanner.h"
#include "files/settings/windows1252.h"

namespace kelmo {

bool linesFitWindows1252(std::string_view lines, NameEncoding encoding) {
    if (encoding == NameEncoding::windows1252) return true;
    LineReader reader(lines);
    for (std::string_view line; reader.next(line);) {
        if (!fitsCp1252(line) || !nameFitsWindows1252(line.substr(0, line.find(' ')))) return false;
    }
    return true;
}

std::string linesIn(std::string_view lines, NameEncoding from, NameEncoding to) {
    if (from == to) return std::string(lines);
    return to == NameEncoding::utf8 ? utf8FromCp1252(lines) : cp1252FromUtf8(lines);
}

std::string_view fileStart(NameEncoding encoding) {
    return encoding == NameEncoding::utf8 ? kUtf8ByteOrderMark : std::string_view();
}

}  // namespace kelmo
