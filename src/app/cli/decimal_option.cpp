#include "app/cli/decimal_option.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace kelmo::cli {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips the digits at text[i]; returns how many there were.
std::size_t skipDigits(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    return i - start;
}

// [+-]digits with integral, else [+-]digits[.digits] or [+-].digits, then [eE][+-]digits.
bool isDecimalText(std::string_view text, bool integral) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = skipDigits(text, i);
    if (integral) return digits > 0 && i == text.size();
    if (i < text.size() && text[i] == '.') digits += skipDigits(text, ++i);
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (skipDigits(text, i) == 0) return false;
    }
    return i == text.size();
}

// The value of a text that passed isDecimalText; false when it does not fit a T.
template <typename T>
bool decimalValue(std::string_view text, T& value) {
    if (text.front() == '+') text.remove_prefix(1);  // from_chars takes only "-"
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

template <typename T>
std::string rangeText(T low, T high) {
    return CLI::detail::to_string(low) + " to " + CLI::detail::to_string(high);
}

constexpr const char* kNotANumber = "not a number: ";

}  // namespace

CLI::Validator decimalIn(double low, double high) {
    return CLI::Validator(
        [low, high](std::string& text) -> std::string {
            double value = 0.0;
            if (!isDecimalText(text, false)) return kNotANumber + text;
            if (!decimalValue(text, value) || !std::isfinite(value) || value < low ||
                value > high) {
                return text + " not in range " + rangeText(low, high);
            }
            return {};
        },
        "NUMBER in [" + rangeText(low, high) + "]");
}

CLI::Validator integerIn(int low, int high) {
    return CLI::Validator(
        [low, high](std::string& text) -> std::string {
            int value = 0;
            if (!isDecimalText(text, true)) return kNotANumber + text;
            if (!decimalValue(text, value) || value < low || value > high) {
                return text + " not in range " + rangeText(low, high);
            }
            text = std::to_string(value);
            return {};
        },
        "INT in [" + rangeText(low, high) + "]");
}

CLI::Validator decimalIn(const Limits& range) {
    return decimalIn(range.low, range.high);
}

CLI::Validator integerIn(const Limits& range) {
    return integerIn(static_cast<int>(range.low), static_cast<int>(range.high));
}

}  // namespace kelmo::cli
