#include "files/append_format.h"

#include <cstdarg>
#include <cstdio>

namespace kelmo {

void appendFormat(std::string& text, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length > 0) {
        const std::size_t start = text.size();
        text.resize(start + static_cast<std::size_t>(length) + 1);
        std::vsnprintf(text.data() + start, static_cast<std::size_t>(length) + 1, format, args);
        text.resize(start + static_cast<std::size_t>(length));
    }
    va_end(args);
}

}  // namespace kelmo
