// The Qibla in the three references of the Qibla window: from geographic north, from magnetic
// north and from the shadow of the Sun at the present moment.
#pragma once

#include <string>

#include "base/config.h"
#include "base/location.h"
#include "qibla/computer_time.h"

namespace kelmo {

enum QiblaMethod {
    kQiblaFromGeographicNorth = 0,
    kQiblaFromMagneticNorth = 1,
    kQiblaFromSunShadow = 2,
};

// The results the Qibla window holds.
struct QiblaResults {
    double qiblaBearing = 0.0;   // radians in [0, 2 pi), from geographic north
    double meccaDistance = 0.0;  // km
    double declination = 0.0;    // magnetic declination, radians, east positive
    double shadowRatio = 0.0;    // shadow / stick; -1 Sun below the horizon, 0 no shadow
    double sunAzimuth = 0.0;     // radians in [0, 2 pi), from north through east
    // The magnetic model the declination came from, and whether the date lies outside its
    // five years (the model is then extrapolated).
    const char* magneticModel = nullptr;  // "WMM-2025"
    int magneticModelEpoch = 0;
    bool magneticModelExtrapolated = false;
};

// Fills the results of one method:
//   0  qiblaBearing and meccaDistance (QiblaFromNorth);
//   1  declination at the place (height / 1000 km) on the computer's local date today by the
//      magnetic model of that date (the bearing from magnetic north is qiblaBearing -
//      declination, not reduced);
//   2  shadowRatio and sunAzimuth at the computer's present moment.
// Methods 1 and 2 expect qiblaBearing to be set already. The location is not changed: the
// computer's zone is used for the moment, the place keeps its own. Other methods change
// nothing. Always returns 1 (nothing here fails; the results tell the cases the window
// catches: a distance below 0.001 km, a negative or zero shadowRatio).
int ComputeQibla(int method, const Location& location, const Config& config,
                 const ComputerTime& computer, QiblaResults& results);

// The note shown beside a declination from an extrapolated model, "Extrapolated from WMM-2020
// (valid 2020-2025)"; empty when the model covers the date or no declination was computed.
std::string magneticModelNote(const QiblaResults& results);

}  // namespace kelmo
