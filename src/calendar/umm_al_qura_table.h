// The month lengths of the Umm al-Qura calendar over the years of its official table.
#pragma once

#include <cstdint>

#include "calendar/umm_al_qura.h"

namespace kelmo {

inline constexpr int kUmmAlQuraYears = kLastUmmAlQuraYear - kFirstUmmAlQuraYear + 1;

// The Julian day number of 1 Muharram of kFirstUmmAlQuraYear.
extern const long kUmmAlQuraFirstJdn;

// For each year from kFirstUmmAlQuraYear, bit m-1 set when month m has 30 days (else 29).
extern const std::uint16_t kUmmAlQuraLongMonths[kUmmAlQuraYears];

}  // namespace kelmo
