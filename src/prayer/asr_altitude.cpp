#include "prayer/asr_altitude.h"

#include <cmath>

#include "astronomy/coordinates.h"
#include "astronomy/delta_t.h"
#include "astronomy/nutation.h"
#include "astronomy/obliquity.h"
#include "astronomy/observer.h"
#include "astronomy/refraction.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/sun_position.h"
#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {

NoonSun noonSun(const CalendarDate& date, const Location& location, const DayFrame& frame,
                double transit) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const double tNoon =
        centuriesSinceJ2000(julianDay(midnight)) + transit / kTwoPi / kDaysPerCentury;
    const double tTT = tNoon + frame.deltaTSeconds * kSecondsToCenturies;

    NoonSun noon;
    noon.transit = transit;
    noon.longitude = location.longitude;
    const Nutation nut = nutation(tTT);
    noon.obliquity = meanObliquity(tTT) + nut.deps;
    noon.localSidereal = apparentSiderealTime(meanSiderealTime(tNoon), nut.dpsi, noon.obliquity) +
                         location.longitude - location.timeZone * kHoursToRad;
    noon.sun = sunApparent(tTT, nut.dpsi);
    return noon;
}

double noonShadowLength(const NoonSun& noon, const Location& location, const Config& config,
                        const DayFrame& frame) {
    EclipticPosition sun = noon.sun;
    double semidiameter = frame.semidiameter;
    topocentricEcliptic(sun, semidiameter, frame.observer, noon.obliquity, noon.localSidereal,
                        frame.sinParallax);
    const EquatorialPosition eq = eclipticToEquatorial(sun.longitude, sun.latitude, noon.obliquity);
    const HorizontalPosition hz = equatorialToHorizontal(eq.rightAscension, eq.declination,
                                                         noon.localSidereal, location.latitude);
    const double apparent =
        refract(hz.altitude, location, config, RefractionDirection::TrueToApparent);
    return std::tan(kPi / 2.0 - apparent);
}

double asrAltitude(double noonShadow, int shadowFactor) {
    return kPi / 2.0 - std::atan(shadowFactor + noonShadow);
}

}  // namespace kelmo
