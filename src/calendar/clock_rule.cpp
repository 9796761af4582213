#include "calendar/clock_rule.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "calendar/julian_day.h"

namespace kelmo {

namespace {

using Kind = ChangeDay::Kind;

constexpr int kDaysPerWeek = 7;
constexpr int kLastWeek = 5;
constexpr int kFebruary = 2;
constexpr int kLastDayNoLeap = 365;
constexpr long kSecondsPerHour = 3600;
constexpr long kMaxRuleHours = 167;  // the largest hour a change may name
constexpr long kMaxOffsetHours = 25;
constexpr Seconds kDefaultStartClock{2.0L * kSecondsPerHour};  // 02:00 when the rule omits it

CalendarDate civil(int year, int month, int day) {
    CalendarDate d;
    d.year = year;
    d.month = month;
    d.day = day;
    return d;
}

// 0 Sunday .. 6 Saturday.
int sundayBasedWeekday(const CalendarDate& date) {
    return weekday(julianDay(date)) % kDaysPerWeek;
}

CalendarDate monthWeekdayDate(const ChangeDay& rule, int year) {
    const int first = sundayBasedWeekday(civil(year, rule.month, 1));
    int day =
        1 + (rule.weekday - first + kDaysPerWeek) % kDaysPerWeek + kDaysPerWeek * (rule.week - 1);
    while (day > daysInMonth(year, rule.month)) day -= kDaysPerWeek;
    return civil(year, rule.month, day);
}

// Day n (0: 1 January) of year, as a date.
CalendarDate nthDayOf(int year, int n) {
    return daysLater(civil(year, 1, 1), n);
}

// The clock reading of a change day at clock seconds after its midnight, in Universal Time for
// a clock offset east of Greenwich.
Instant changeInstant(const ChangeDay& day, Seconds clock, int year, Seconds offset) {
    const LocalTime local = localMidnightOf(day.dateIn(year)) + clock;
    return Instant{local.time_since_epoch() - offset};
}

int yearOfClock(Instant t, Seconds offset) {
    return splitLocalTime(LocalTime{t.time_since_epoch() + offset}).date.year;
}

// A text reader for the TZ grammar.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}
    bool done() const { return pos_ == text_.size(); }
    bool take(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) return ++pos_, true;
        return false;
    }
    bool peek(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    bool peekDigit() const {
        return pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]));
    }
    std::optional<long> number(long max) {
        if (!peekDigit()) return std::nullopt;
        long n = 0;
        while (peekDigit()) {
            n = n * 10 + (text_[pos_++] - '0');
            if (n > max) return std::nullopt;
        }
        return n;
    }
    // A zone abbreviation: three or more letters, or "<...>" of letters, digits, '+', '-'.
    bool name() {
        const std::size_t start = pos_;
        if (take('<')) {
            while (pos_ < text_.size() && text_[pos_] != '>') {
                const char c = text_[pos_++];
                if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-')
                    return false;
            }
            return take('>') && pos_ - start >= 5;
        }
        while (pos_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        return pos_ - start >= 3;
    }
    // [+-]hh[:mm[:ss]] in seconds, with hours up to maxHours.
    std::optional<long> clock(long maxHours) {
        const long sign = take('-') ? -1 : (take('+'), 1);
        const std::optional<long> h = number(maxHours);
        if (!h) return std::nullopt;
        long seconds = *h * kSecondsPerHour;
        for (long unit : {60L, 1L}) {
            if (!take(':')) break;
            const std::optional<long> part = number(59);
            if (!part) return std::nullopt;
            seconds += *part * unit;
        }
        return sign * seconds;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<ChangeDay> readChangeDay(Reader& r) {
    ChangeDay day;
    if (r.take('M')) {
        day.kind = Kind::monthWeekday;
        const auto m = r.number(12);
        if (!m || *m < 1 || !r.take('.')) return std::nullopt;
        const auto w = r.number(kLastWeek);
        if (!w || *w < 1 || !r.take('.')) return std::nullopt;
        const auto d = r.number(kDaysPerWeek - 1);
        if (!d) return std::nullopt;
        day.month = static_cast<int>(*m), day.week = static_cast<int>(*w),
        day.weekday = static_cast<int>(*d);
        return day;
    }
    day.kind = r.take('J') ? Kind::dayNoLeap : Kind::dayOfYear;
    const auto n = r.number(kLastDayNoLeap);
    if (!n || (day.kind == Kind::dayNoLeap && *n < 1)) return std::nullopt;
    day.day = static_cast<int>(*n);
    return day;
}

// ",day[/clock]"; the clock is 02:00 when omitted.
bool readChange(Reader& r, ChangeDay& day, Seconds& clock) {
    if (!r.take(',')) return false;
    const std::optional<ChangeDay> d = readChangeDay(r);
    if (!d) return false;
    day = *d;
    clock = kDefaultStartClock;
    if (r.take('/')) {
        const std::optional<long> s = r.clock(kMaxRuleHours);
        if (!s) return false;
        clock = Seconds{static_cast<long double>(*s)};
    }
    return true;
}

// The United States' rule, which POSIX takes when a summer name comes without its days.
SummerRule defaultSummerDays(Seconds offset) {
    SummerRule s;
    s.offset = offset;
    s.start = {Kind::monthWeekday, 3, 2, 0, 1};
    s.end = {Kind::monthWeekday, 11, 1, 0, 1};
    s.startClock = s.endClock = kDefaultStartClock;
    return s;
}

}  // namespace

CalendarDate ChangeDay::dateIn(int year) const {
    switch (kind) {
        case Kind::monthWeekday:
            return monthWeekdayDate(*this, year);
        case Kind::monthDay:
            return civil(year, month, std::min(day, daysInMonth(year, month)));
        case Kind::dayNoLeap: {
            const bool afterLeapDay = isLeapYear(year) && day > 31 + 28;
            return nthDayOf(year, day - 1 + (afterLeapDay ? 1 : 0));
        }
        case Kind::dayOfYear:
            return nthDayOf(year, day);
    }
    return civil(year, 1, 1);
}

bool ClockRule::isSummerAt(Instant t) const {
    if (!summer) return false;
    const int year = yearOfClock(t, standardOffset);
    const Instant start = changeInstant(summer->start, summer->startClock, year, standardOffset);
    const Instant end = changeInstant(summer->end, summer->endClock, year, summer->offset);
    if (start < end) return t >= start && t < end;
    return t < end || t >= start;  // summer across the new year (southern hemisphere)
}

Seconds ClockRule::offsetAt(Instant t) const {
    return isSummerAt(t) ? summer->offset : standardOffset;
}

std::optional<ClockRule> parseClockRule(std::string_view text) {
    Reader r(text);
    if (!r.name()) return std::nullopt;
    const std::optional<long> west = r.clock(kMaxOffsetHours);  // POSIX counts west positive
    if (!west) return std::nullopt;
    ClockRule rule;
    rule.standardOffset = Seconds{static_cast<long double>(-*west)};
    if (r.done()) return rule;
    if (!r.name()) return std::nullopt;
    Seconds summerOffset = rule.standardOffset + Seconds{static_cast<long double>(kSecondsPerHour)};
    if (!r.done() && !r.peek(',')) {
        const std::optional<long> w = r.clock(kMaxOffsetHours);
        if (!w) return std::nullopt;
        summerOffset = Seconds{static_cast<long double>(-*w)};
    }
    SummerRule s = defaultSummerDays(summerOffset);
    if (!r.done() &&
        (!readChange(r, s.start, s.startClock) || !readChange(r, s.end, s.endClock) || !r.done())) {
        return std::nullopt;
    }
    // A negative saving (Ireland's "IST-1GMT0,...") is the same clock with winter as standard.
    if (s.offset < rule.standardOffset) {
        std::swap(s.offset, rule.standardOffset);
        std::swap(s.start, s.end);
        std::swap(s.startClock, s.endClock);
        rule.winterWasSaving = true;
    }
    rule.summer = s;
    return rule;
}

}  // namespace kelmo
