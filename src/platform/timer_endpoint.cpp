#include "platform/timer_endpoint.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace kelmo::platform {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Reads the next blank-separated word of text as a number in the given base.
template <typename Int>
bool readNumber(std::string_view& text, int base, Int& value) {
    text = trimmed(text);
    const auto end = text.find(' ');
    const std::string_view word = text.substr(0, end);
    if (word.empty()) return false;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    if (ec != std::errc() || ptr != word.data() + word.size()) return false;
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end);
    return true;
}

}  // namespace

std::string encodeTimerMessage(const TimerMessage& message) {
    char line[64];
    std::snprintf(line, sizeof line, "0x%x %ld %ld\n", static_cast<unsigned>(message.message),
                  message.wParam, message.lParam);
    return line;
}

std::optional<TimerMessage> decodeTimerMessage(std::string_view line) {
    std::string_view rest = trimmed(line);
    if (!rest.starts_with("0x") && !rest.starts_with("0X")) return std::nullopt;
    rest.remove_prefix(2);
    // The hexadecimal digits follow "0x" at once; a message number has no sign.
    if (rest.empty() || !std::isxdigit(static_cast<unsigned char>(rest.front()))) {
        return std::nullopt;
    }
    TimerMessage message;
    if (!readNumber(rest, 16, message.message) || !readNumber(rest, 10, message.wParam) ||
        !readNumber(rest, 10, message.lParam) || !trimmed(rest).empty())
        return std::nullopt;
    return message;
}

std::string encodeTimerResult(long result) {
    return std::to_string(result) + "\n";
}

std::optional<long> decodeTimerResult(std::string_view line) {
    std::string_view rest = line;
    long result = 0;
    if (!readNumber(rest, 10, result) || !trimmed(rest).empty()) return std::nullopt;
    return result;
}

}  // namespace kelmo::platform
