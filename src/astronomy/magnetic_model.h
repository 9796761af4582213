// The World Magnetic Model of a date: the newest published model whose epoch is not after the
// date (WMM-2000 before 2015, then WMM-2015v2, WMM-2020, WMM-2025), and how far from its epoch
// the date lies.
#pragma once

#include "astronomy/wmm_tables.h"
#include "calendar/calendar_date.h"

namespace kelmo {

// Years for which a model is published, counted from its epoch.
inline constexpr int kWmmValidYears = 5;

struct MagneticModelOfDate {
    const WmmModel* model = nullptr;
    double years = 0.0;         // since 1 January of the epoch year, 0h (365.25-day years)
    bool extrapolated = false;  // the date lies outside the model's five years
};

// The model for the civil date (its day with the fraction as stored).
MagneticModelOfDate magneticModelOfDate(const CalendarDate& date);

}  // namespace kelmo
