// Windows-1252 and UTF-8: Kelmo.cfg keeps its place names in Windows-1252 while every name
// fits (so that older readers read them), the program holds every text in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kelmo {

// Every byte 0x80..0xFF becomes its Unicode character in UTF-8.
std::string utf8FromCp1252(std::string_view text);

// The reverse; characters that Windows-1252 cannot hold become '?'.
std::string cp1252FromUtf8(std::string_view text);

// Whether text is well-formed UTF-8 whose every character Windows-1252 can hold, so that
// cp1252FromUtf8 keeps it without loss.
bool fitsCp1252(std::string_view text);

}  // namespace kelmo
