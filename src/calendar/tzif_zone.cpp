#include "calendar/tzif_zone.h"

#include <algorithm>
#include <cctype>

namespace kelmo {

namespace {

constexpr std::size_t kHeaderSize = 44;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int32_t kSecondsPerHour = 3600;
constexpr std::int32_t kDefaultChangeTime = 2 * kSecondsPerHour;
constexpr int kLastWeek = 5;

std::uint32_t bigEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::int64_t bigEndian64(std::string_view bytes, std::size_t at) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(bigEndian32(bytes, at)) << 32) |
                                     bigEndian32(bytes, at + 4));
}

// The six counts of a header: isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt.
struct Counts {
    std::size_t utc = 0, standard = 0, leap = 0, time = 0, type = 0, chars = 0;
};

std::optional<Counts> header(std::string_view bytes, std::size_t at) {
    if (bytes.size() < at + kHeaderSize || bytes.substr(at, 4) != "TZif") return std::nullopt;
    Counts c;
    std::size_t* fields[] = {&c.utc, &c.standard, &c.leap, &c.time, &c.type, &c.chars};
    for (std::size_t i = 0; i < 6; ++i) *fields[i] = bigEndian32(bytes, at + 20 + 4 * i);
    return c;
}

// Size of a data block whose transition times and leap-second times take timeSize bytes.
std::size_t blockSize(const Counts& c, std::size_t timeSize) {
    return c.time * timeSize + c.time + c.type * 6 + c.chars + c.leap * (timeSize + 4) +
           c.standard + c.utc;
}

// Proleptic Gregorian days since 1970-01-01 (H. Hinnant, "chrono-Compatible Low-Level Date
// Algorithms", days_from_civil).
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The civil year of a day (the same paper, civil_from_days).
std::int64_t yearOfDay(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    return yoe + era * 400 + (mp >= 10 ? 1 : 0);
}

bool isGregorianLeap(std::int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Day (since 1970) of a change in year.
std::int64_t changeDay(std::int64_t year, const TzifRule::Change& c) {
    const std::int64_t january1 = daysFromCivil(year, 1, 1);
    if (c.kind == 'J') return january1 + c.day - 1 + (isGregorianLeap(year) && c.day >= 60);
    if (c.kind == 'D') return january1 + c.day;
    const std::int64_t first = daysFromCivil(year, c.month, 1);
    const std::int64_t firstWeekday = ((first + 4) % 7 + 7) % 7;  // 1970-01-01 was a Thursday
    std::int64_t day = first + (c.day - firstWeekday + 7) % 7 + 7 * (c.week - 1);
    const std::int64_t nextMonth =
        c.month == 12 ? daysFromCivil(year + 1, 1, 1) : daysFromCivil(year, c.month + 1, 1);
    while (day >= nextMonth) day -= 7;  // week 5: the last such weekday of the month
    return day;
}

TzifType ruleTypeAt(const TzifRule& rule, std::int64_t t) {
    if (!rule.summer) return rule.standard;
    const std::int64_t year = yearOfDay(floorDiv(t + rule.standard.offset, kSecondsPerDay));
    const std::int64_t start =
        changeDay(year, rule.start) * kSecondsPerDay + rule.start.time - rule.standard.offset;
    const std::int64_t end =
        changeDay(year, rule.end) * kSecondsPerDay + rule.end.time - rule.summer->offset;
    const bool summer = start < end ? (start <= t && t < end) : !(end <= t && t < start);
    return summer ? *rule.summer : rule.standard;
}

// Reading a POSIX TZ string from its start.
class RuleReader {
  public:
    explicit RuleReader(std::string_view text) : text_(text) {}
    bool atEnd() const { return at_ == text_.size(); }
    bool next(char c) {
        if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
        return false;
    }
    bool peekOffset() const {
        return at_ < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[at_])) ||
                                      text_[at_] == '+' || text_[at_] == '-');
    }
    // A zone abbreviation: "<...>" or three or more letters.
    bool name() {
        if (next('<')) {
            const std::size_t close = text_.find('>', at_);
            if (close == std::string_view::npos) return false;
            at_ = close + 1;
            return true;
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[at_]))) ++at_;
        return at_ - start >= 3;
    }
    // [+-]hh[:mm[:ss]] in seconds.
    bool time(std::int32_t& seconds) {
        const bool negative = next('-');
        if (!negative) next('+');
        std::int32_t parts[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && !next(':')) break;
            if (!number(parts[i])) return false;
        }
        seconds = parts[0] * kSecondsPerHour + parts[1] * 60 + parts[2];
        if (negative) seconds = -seconds;
        return true;
    }
    bool change(TzifRule::Change& c) {
        if (next('M')) {
            c.kind = 'M';
            if (!number(c.month) || !next('.') || !number(c.week) || !next('.') || !number(c.day))
                return false;
            if (c.month < 1 || c.month > 12 || c.week < 1 || c.week > kLastWeek || c.day > 6)
                return false;
        } else {
            c.kind = next('J') ? 'J' : 'D';
            if (!number(c.day) || c.day > 365 || (c.kind == 'J' && c.day < 1)) return false;
        }
        c.time = kDefaultChangeTime;
        return !next('/') || time(c.time);
    }

  private:
    template <typename Int>
    bool number(Int& value) {
        const std::size_t start = at_;
        value = 0;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) &&
               at_ - start < 4)
            value = value * 10 + (text_[at_++] - '0');
        return at_ > start;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<TzifRule> parseTzRule(std::string_view text) {
    RuleReader r(text);
    TzifRule rule;
    std::int32_t west = 0;  // POSIX offsets count west of Greenwich
    if (!r.name() || !r.time(west)) return std::nullopt;
    rule.standard.offset = -west;
    if (r.atEnd()) return rule;
    if (!r.name()) return std::nullopt;
    TzifType summer{rule.standard.offset + kSecondsPerHour, true};
    if (r.peekOffset()) {
        if (!r.time(west)) return std::nullopt;
        summer.offset = -west;
    }
    rule.summer = summer;
    if (!r.next(',')) {  // the POSIX default, the United States' rule
        rule.start = {'M', 3, 2, 0, kDefaultChangeTime};
        rule.end = {'M', 11, 1, 0, kDefaultChangeTime};
        return r.atEnd() ? std::optional<TzifRule>(rule) : std::nullopt;
    }
    if (!r.change(rule.start) || !r.next(',') || !r.change(rule.end) || !r.atEnd())
        return std::nullopt;
    return rule;
}

std::optional<TzifZone> parseTzif(std::string_view bytes) {
    const std::optional<Counts> first = header(bytes, 0);
    if (!first || bytes[4] < '2') return std::nullopt;  // version 1 has no 64-bit data
    const std::size_t second = kHeaderSize + blockSize(*first, 4);
    const std::optional<Counts> c = header(bytes, second);
    if (!c || c->type == 0) return std::nullopt;
    std::size_t at = second + kHeaderSize;
    const std::size_t end = at + blockSize(*c, 8);
    if (bytes.size() < end) return std::nullopt;
    TzifZone zone;
    for (std::size_t i = 0; i < c->time; ++i)
        zone.transitions.push_back(bigEndian64(bytes, at + 8 * i));
    at += 8 * c->time;
    for (std::size_t i = 0; i < c->time; ++i) {
        const auto type = static_cast<std::uint8_t>(bytes[at + i]);
        if (type >= c->type) return std::nullopt;
        zone.typeAfter.push_back(type);
    }
    at += c->time;
    for (std::size_t i = 0; i < c->type; ++i) {
        zone.types.push_back({static_cast<std::int32_t>(bigEndian32(bytes, at + 6 * i)),
                              bytes[at + 6 * i + 4] != 0});
    }
    // The footer: "\n<TZ string>\n" after the data block; an empty string gives no rule.
    const std::string_view footer = bytes.substr(end);
    if (footer.size() >= 2 && footer.front() == '\n') {
        const std::size_t close = footer.find('\n', 1);
        if (close != std::string_view::npos && close > 1)
            zone.rule = parseTzRule(footer.substr(1, close - 1));
    }
    return zone;
}

TzifType typeAt(const TzifZone& zone, std::int64_t utSeconds) {
    const auto after =
        std::upper_bound(zone.transitions.begin(), zone.transitions.end(), utSeconds);
    if (zone.rule && after == zone.transitions.end()) return ruleTypeAt(*zone.rule, utSeconds);
    if (after == zone.transitions.begin()) return zone.types.front();
    return zone
        .types[zone.typeAfter[static_cast<std::size_t>(after - zone.transitions.begin()) - 1]];
}

}  // namespace kelmo
