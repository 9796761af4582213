// The Umm al-Qura calendar, the official calendar of Saudi Arabia, by the table of month
// lengths that ICU's "islamic-umalqura" calendar keeps for 1300..1600 AH (copied into
// calendar/umm_al_qura_table.cpp by a generator; ICU goes on arithmetically outside those
// years, which this interface refuses instead).
#pragma once

namespace kelmo {

inline constexpr int kFirstUmmAlQuraYear = 1300;
inline constexpr int kLastUmmAlQuraYear = 1600;

struct HijriDay {
    int year = 0;
    int month = 0;  // 1 .. 12
    int day = 0;    // 1 .. 30
};

// The Umm al-Qura date of the civil day with Julian day number jdn (the Julian day at its noon);
// false when it lies outside 1300..1600 AH (day unchanged).
bool ummAlQuraFromJdn(long jdn, HijriDay& day);

// The Julian day number of an Umm al-Qura date; false when the year lies outside 1300..1600,
// the month outside 1..12 or the day beyond the month's length (jdn unchanged).
bool jdnFromUmmAlQura(const HijriDay& day, long& jdn);

}  // namespace kelmo
