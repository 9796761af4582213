#include "astronomy/magnetic_model.h"

#include "calendar/julian_day.h"

namespace kelmo {

namespace {

double epochJulianDay(const WmmModel& model) {
    CalendarDate epoch;
    epoch.year = model.epochYear;
    epoch.month = 1;
    epoch.day = 1;
    return julianDay(epoch);
}

}  // namespace

MagneticModelOfDate magneticModelOfDate(const CalendarDate& date) {
    const WmmModel* chosen = &kWmmModels[0];
    for (const WmmModel& model : kWmmModels) {
        if (model.epochYear <= date.year) chosen = &model;
    }
    MagneticModelOfDate result;
    result.model = chosen;
    result.years = (julianDay(date) - epochJulianDay(*chosen)) / kDaysPerJulianYear;
    result.extrapolated = result.years < 0.0 || result.years >= kWmmValidYears;
    return result;
}

}  // namespace kelmo
