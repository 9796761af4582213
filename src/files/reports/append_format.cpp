#include "files/reports/append_format.h"

#include <locale.h>

#include <cstdarg>
#include <cstdio>

namespace kelmo {

namespace {

// The "C" locale, made once: numbers in texts and files always have a decimal point, whatever
// locale the program runs in (a window toolkit takes the user's, which may write "3,00").
locale_t classicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

// Switches the calling thread to classicLocale() for its lifetime.
class ClassicNumbers {
  public:
    ClassicNumbers() : previous_(uselocale(classicLocale())) {}
    ~ClassicNumbers() { uselocale(previous_); }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

  private:
    locale_t previous_;
};

}  // namespace

void appendFormat(std::string& text, const char* format, ...) {
    const ClassicNumbers numbers;
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
