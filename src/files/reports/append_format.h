// printf-style formatting appended to a growing report text.
#pragma once

#include <string>

namespace kelmo {

// Appends the text formatted by the printf format to text; the text grows as needed. Numbers
// are written by the "C" locale (decimal point) whatever locale the process has set.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void appendFormat(std::string& text, const char* format, ...);

}  // namespace kelmo
