// Mean obliquity of the ecliptic.
#pragma once

namespace kelmo {

// tTT: Julian centuries of TT since J2000.0; returns radians (Laskar's polynomial).
double meanObliquity(double tTT);

}  // namespace kelmo
