// Delta-T: Terrestrial Time minus Universal Time.
#pragma once

namespace kelmo {

// Delta-T seconds to Julian centuries (1 / (86400 * 36525)).
inline constexpr double kSecondsToCenturies = 3.168808781402895e-10;

// Delta-T in seconds at T Julian centuries since J2000.0 (decimal year 2000 + 100 T):
// polynomials before 1620, the yearly table from 1620 to 2027 (observed values from 2000 on)
// and after it the table's last rate carried on, passing into the long-term parabola over a
// century without a jump in the value or the rate.
double deltaT(double t);

}  // namespace kelmo
