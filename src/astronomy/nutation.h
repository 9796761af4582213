// Nutation in longitude and obliquity, IAU 1980 theory (106 terms).
#pragma once

namespace kelmo {

struct Nutation {
    double dpsi = 0.0;  // nutation in longitude, radians
    double deps = 0.0;  // nutation in obliquity, radians
};

// tTT: Julian centuries of TT since J2000.0.
Nutation nutation(double tTT);

}  // namespace kelmo
