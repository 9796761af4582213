// The encoding in which a rewrite of Kelmo.cfg holds its place names: Windows-1252 while it
// holds every one of them, so that older readers and today's files stay as they are, else
// UTF-8 for the whole file after a byte-order mark (config_lines.h).
#pragma once

#include <string>
#include <string_view>

#include "files/settings/config_lines.h"

namespace kelmo {

// True when every name of location lines (names first, every other field ASCII) held in
// encoding fits Windows-1252 (config_line.h: nameFitsWindows1252).
bool linesFitWindows1252(std::string_view lines, NameEncoding encoding);

// Location lines held in encoding `from` as encoding `to` holds them.
std::string linesIn(std::string_view lines, NameEncoding from, NameEncoding to);

// The encoding of a rewritten file whose names fit Windows-1252 (namesFit) or not.
constexpr NameEncoding encodingFor(bool namesFit) {
    return namesFit ? NameEncoding::windows1252 : NameEncoding::utf8;
}

// The start of a file text in encoding: the byte-order mark for UTF-8, nothing else.
std::string_view fileStart(NameEncoding encoding);

}  // namespace kelmo
