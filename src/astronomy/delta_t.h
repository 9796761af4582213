// Delta-T: Terrestrial Time minus Universal Time.
#pragma once

namespace kelmo {

// Delta-T seconds to Julian centuries (1 / (86400 * 36525)).
inline constexpr double kSecondsToCenturies = 3.168808781402895e-10;

// Delta-T in seconds at T Julian centuries since J2000.0 (decimal year 2000 + 100 T):
// polynomials before 1620 and after 2014, the yearly almanac table in between.
double deltaT(double t);

}  // namespace kelmo
