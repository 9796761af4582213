// The Umm al-Qura calendar by its table of month lengths (calendar/umm_al_qura_table.h).
#include "calendar/umm_al_qura.h"

#include <bit>

#include "calendar/umm_al_qura_table.h"

namespace kelmo {

namespace {

bool inTable(int year) {
    return year >= kFirstUmmAlQuraYear && year <= kLastUmmAlQuraYear;
}

int monthLength(int year, int month) {
    return kUmmAlQuraLongMonths[year - kFirstUmmAlQuraYear] >> (month - 1) & 1 ? 30 : 29;
}

int yearLength(int year) {
    return 12 * 29 + std::popcount(kUmmAlQuraLongMonths[year - kFirstUmmAlQuraYear]);
}

}  // namespace

bool ummAlQuraFromJdn(long jdn, HijriDay& day) {
    long daysIn = jdn - kUmmAlQuraFirstJdn;  // days since 1 Muharram of the first year
    if (daysIn < 0) return false;
    int year = kFirstUmmAlQuraYear;
    for (; inTable(year) && daysIn >= yearLength(year); ++year) daysIn -= yearLength(year);
    if (!inTable(year)) return false;
    int month = 1;
    for (; daysIn >= monthLength(year, month); ++month) daysIn -= monthLength(year, month);
    day = {year, month, static_cast<int>(daysIn) + 1};
    return true;
}

bool jdnFromUmmAlQura(const HijriDay& day, long& jdn) {
    if (!inTable(day.year) || day.month < 1 || day.month > 12 || day.day < 1 ||
        day.day > monthLength(day.year, day.month)) {
        return false;
    }
    long found = kUmmAlQuraFirstJdn + day.day - 1;
    for (int year = kFirstUmmAlQuraYear; year < day.year; ++year) found += yearLength(year);
    for (int month = 1; month < day.month; ++month) found += monthLength(day.year, month);
    jdn = found;
    return true;
}

}  // namespace kelmo
