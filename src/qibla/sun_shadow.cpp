#include "qibla/sun_shadow.h"

#include <cmath>

#include "astronomy/coordinates.h"
#include "astronomy/delta_t.h"
#include "astronomy/nutation.h"
#include "astronomy/obliquity.h"
#include "astronomy/observer.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/sun_position.h"
#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {

namespace {

// Saemundsson's refraction, arcminutes and degrees.
constexpr double kRefractionScale = 1.02;
constexpr double kRefractionA = 10.3;
constexpr double kRefractionB = 5.11;
constexpr double kRefractionAtZenith = 0.0019279;
constexpr double kStandardPressure = 1010.0;  // mbar
constexpr double kStandardKelvin = 283.0;
constexpr double kCelsiusToKelvin = 273.0;
// Below this true altitude (degrees) no refraction is applied: the formula's pole lies at
// -5.11 degrees, and the Sun is far below the horizon there.
constexpr double kRefractionFloorDeg = -5.0;

}  // namespace

double refractionForShadow(double altitude, const Config& config) {
    const double d = altitude * kRadToDeg;
    if (d < kRefractionFloorDeg) return 0.0;
    const double argument = (d + kRefractionA / (d + kRefractionB)) * kDegToRad;
    const double arcminutes = (kRefractionScale / std::tan(argument) + kRefractionAtZenith) *
                              (config.pressure / kStandardPressure) *
                              (kStandardKelvin / (kCelsiusToKelvin + config.temperature));
    return arcminutes / 60.0 * kDegToRad;
}

double shadowRatio(double apparentAltitude) {
    if (apparentAltitude < 0.0) return kSunBelowHorizon;
    if (apparentAltitude >= kShadowlessAltitudeDeg * kDegToRad) return 0.0;
    return std::tan(kPi / 2.0 - apparentAltitude);
}

SunShadow sunShadow(const Location& location, const Config& config, Instant now) {
    const double jd = julianDayOf(now);

    const double tUT = centuriesSinceJ2000(jd);
    const double tTT = tUT + deltaT(tUT) * kSecondsToCenturies;
    const Nutation nut = nutation(tTT);
    const double eps = meanObliquity(tTT) + nut.deps;
    const double localSidereal =
        apparentSiderealTime(meanSiderealTime(tUT), nut.dpsi, eps) + location.longitude;

    EclipticPosition sun = sunApparent(tTT, nut.dpsi);
    double semidiameter = 0.0;  // not needed for the shadow
    topocentricEcliptic(sun, semidiameter, observerGeocentric(location.latitude, location.height),
                        eps, localSidereal, sunSinParallax(sun.distance));
    const EquatorialPosition equatorial = eclipticToEquatorial(sun.longitude, sun.latitude, eps);
    const HorizontalPosition horizontal = equatorialToHorizontal(
        equatorial.rightAscension, equatorial.declination, localSidereal, location.latitude);

    SunShadow shadow;
    shadow.sunAzimuth = horizontal.azimuth;
    shadow.shadowRatio =
        shadowRatio(horizontal.altitude + refractionForShadow(horizontal.altitude, config));
    return shadow;
}

double ShadowBearing(double qiblaBearing, double sunAzimuth) {
    double b = qiblaBearing - sunAzimuth + kPi;
    if (b < 0.0) b += kTwoPi;
    if (b > kTwoPi) b -= kTwoPi;
    return b;
}

}  // namespace kelmo
