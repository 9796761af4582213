#include "files/settings/field_scanner.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <type_traits>

namespace kelmo {

namespace {

// from_chars takes no leading "+", the C library does: drop one before a digit or a point.
std::string_view withoutPlus(std::string_view text) {
    if (text.size() >= 2 && text[0] == '+' && text[1] != '-' && text[1] != '+') {
        return text.substr(1);
    }
    return text;
}

// Parses the longest leading number of text into value; returns the characters used, 0 when
// nothing converts.
template <typename T>
std::size_t parseLeading(std::string_view text, T& value) {
    const std::string_view digits = withoutPlus(text);
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc{}) return 0;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) return 0;
    }
    return static_cast<std::size_t>(stop - text.data());
}

}  // namespace

bool LineReader::next(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    const std::size_t end = text_.find('\n', position_);
    if (end == std::string_view::npos) {
        line = text_.substr(position_);
        position_ = text_.size();
    } else {
        line = text_.substr(position_, end - position_);
        position_ = end + 1;
    }
    return true;
}

void FieldScanner::skipSpace() {
    while (position_ < line_.size() && isBlank(line_[position_])) ++position_;
}

bool FieldScanner::word(std::string_view& out) {
    skipSpace();
    const std::size_t start = position_;
    while (position_ < line_.size() && !isBlank(line_[position_])) ++position_;
    out = line_.substr(start, position_ - start);
    return !out.empty();
}

bool FieldScanner::word(std::string& out, std::size_t maxLength) {
    std::string_view whole;
    if (!word(whole)) return false;
    out.assign(whole.substr(0, maxLength));
    return true;
}

bool FieldScanner::integer(int& out) {
    skipSpace();
    const std::size_t used = parseLeading(line_.substr(position_), out);
    position_ += used;
    return used > 0;
}

bool FieldScanner::real(float& out) {
    skipSpace();
    const std::size_t used = parseLeading(line_.substr(position_), out);
    position_ += used;
    return used > 0;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool finiteLeadingNumber(std::string_view word, double& value) {
    const std::string_view digits = withoutPlus(word);
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::invalid_argument) value = 0.0;  // no number at all
    return error != std::errc::result_out_of_range && std::isfinite(value);
}

double leadingNumber(std::string_view word) {
    double value = 0.0;
    return parseLeading(word, value) > 0 ? value : 0.0;
}

bool holdsControl(std::string_view text) {
    for (char c : text)
        if (isControl(c)) return true;
    return false;
}

}  // namespace kelmo
