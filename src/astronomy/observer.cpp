#include "astronomy/observer.h"

#include <algorithm>
#include <cmath>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"

// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 11 (the observer's geocentric
// place), ch. 40 (parallax in ecliptic coordinates and in altitude).
namespace kelmo {

namespace {

constexpr double kFlattening = 0.0033528131778969143;  // 1 / 298.257223563
constexpr double kEquatorialRadiusMetres = 6378140.0;
constexpr double kAltitudeParallaxRadiusMetres = 6378137.0;

}  // namespace

ObserverPlace observerGeocentric(double phi, double heightMetres) {
    const double u = std::atan((1.0 - kFlattening) * std::tan(phi));
    const double h = heightMetres / kEquatorialRadiusMetres;
    ObserverPlace place;
    place.rhoSinPhi = (1.0 - kFlattening) * std::sin(u) + h * std::sin(phi);
    place.rhoCosPhi = std::cos(u) + h * std::cos(phi);
    return place;
}

void topocentricEcliptic(EclipticPosition& position, double& semidiameter,
                         const ObserverPlace& place, double eps, double localSidereal,
                         double sinParallax) {
    const double lambda = position.longitude;
    const double beta = position.latitude;
    const double s = place.rhoSinPhi;
    const double c = place.rhoCosPhi;
    const double sinE = std::sin(eps);
    const double cosE = std::cos(eps);
    const double sinTheta = std::sin(localSidereal);

    const double n = std::cos(lambda) * std::cos(beta) - c * sinParallax * std::cos(localSidereal);
    double lambdaTopo = std::atan2(
        std::sin(lambda) * std::cos(beta) - sinParallax * (s * sinE + c * cosE * sinTheta), n);
    if (lambdaTopo < 0.0) lambdaTopo += kTwoPi;
    const double cosLambdaTopo = std::cos(lambdaTopo);
    const double betaTopo = reduceHalfTurn(std::atan2(
        (std::sin(beta) - sinParallax * (s * cosE - c * sinE * sinTheta)) * cosLambdaTopo, n));

    // The division follows the arcsine (Meeus divides its argument); for the semidiameters of
    // the Sun and the Moon the two differ by at most a few milliarcseconds.
    semidiameter = std::asin(std::clamp(cosLambdaTopo * std::cos(betaTopo) * std::sin(semidiameter),
                                        -1.0, 1.0)) /
                   n;
    position.longitude = lambdaTopo;
    position.latitude = betaTopo;
}

double parallaxInAltitude(double phi, double sinParallax, double altitude, double heightMetres) {
    const double rho = 0.9983271 + 0.0016764 * std::cos(2.0 * phi) -
                       0.0000035 * std::cos(4.0 * phi) +
                       heightMetres / kAltitudeParallaxRadiusMetres;
    return std::asin(std::clamp(rho * sinParallax * std::cos(altitude), -1.0, 1.0));
}

}  // namespace kelmo
