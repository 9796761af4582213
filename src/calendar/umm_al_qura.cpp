// The Umm al-Qura calendar through ICU: the only file that includes ICU.
#include "calendar/umm_al_qura.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>

namespace kelmo {

namespace {

// One calendar per thread, made on first use (making one reads ICU's data).
icu::Calendar* ummAlQuraCalendar() {
    thread_local std::unique_ptr<icu::Calendar> calendar = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Calendar> made(icu::Calendar::createInstance(
            icu::TimeZone::getGMT()->clone(), icu::Locale("@calendar=islamic-umalqura"), status));
        if (U_FAILURE(status)) made.reset();
        if (made) made->setLenient(false);
        return made;
    }();
    return calendar.get();
}

bool inTable(int year) {
    return year >= kFirstUmmAlQuraYear && year <= kLastUmmAlQuraYear;
}

}  // namespace

bool ummAlQuraFromJdn(long jdn, HijriDay& day) {
    icu::Calendar* calendar = ummAlQuraCalendar();
    if (calendar == nullptr) return false;
    UErrorCode status = U_ZERO_ERROR;
    calendar->clear();
    calendar->set(UCAL_JULIAN_DAY, static_cast<int32_t>(jdn));
    const HijriDay found{calendar->get(UCAL_EXTENDED_YEAR, status),
                         calendar->get(UCAL_MONTH, status) + 1, calendar->get(UCAL_DATE, status)};
    if (U_FAILURE(status) || !inTable(found.year)) return false;
    day = found;
    return true;
}

bool jdnFromUmmAlQura(const HijriDay& day, long& jdn) {
    icu::Calendar* calendar = ummAlQuraCalendar();
    if (calendar == nullptr || !inTable(day.year) || day.month < 1 || day.month > 12 ||
        day.day < 1) {
        return false;
    }
    UErrorCode status = U_ZERO_ERROR;
    calendar->clear();
    calendar->set(UCAL_EXTENDED_YEAR, day.year);
    calendar->set(UCAL_MONTH, day.month - 1);
    calendar->set(UCAL_DATE, day.day);
    const int32_t found = calendar->get(UCAL_JULIAN_DAY, status);  // refuses a day past the end
    if (U_FAILURE(status)) return false;
    jdn = found;
    return true;
}

}  // namespace kelmo
