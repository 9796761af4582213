// Places of the built-in location list, as stored there, shared by tests and benchmarks.
#pragma once

#include "base/angles.h"
#include "base/location.h"

namespace kelmo::test {

// A nameless place from degrees (north and east positive), zone hours and height in metres.
inline Location place(double latDeg, double lonDeg, double zone, int height = 0) {
    Location l;
    l.latitude = latDeg * kDegToRad;
    l.longitude = lonDeg * kDegToRad;
    l.timeZone = static_cast<float>(zone);
    l.height = height;
    return l;
}

// "Manama,Bahrain 0.45790652 0.88284087 0 3.0000 0 0", the default home.
inline Location manama() {
    Location l;
    l.name = "Manama,Bahrain";
    l.latitude = 0.45790652;
    l.longitude = 0.88284087;
    l.timeZone = 3.0f;
    return l;
}

// "London,Uk 0.89884456 -0.00203622 0 0.0000 834 2626": European summer time.
inline Location london() {
    Location l;
    l.name = "London,Uk";
    l.latitude = 0.89884456;
    l.longitude = -0.00203622;
    l.dstStart = 834;
    l.dstEnd = 2626;
    return l;
}

// Longyearbyen, Svalbard (78.2 N): polar day and polar night.
inline Location longyearbyen() {
    return place(78.2232, 15.6267, 1.0);
}

}  // namespace kelmo::test
