// Places of the built-in location list, as stored there, shared by tests and benchmarks.
#pragma once

#include "base/location.h"

namespace kelmo::test {

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

}  // namespace kelmo::test
