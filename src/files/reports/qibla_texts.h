// What the Qibla window writes beside its compass for a method and its results (the window and
// kelmo-cli show the same words), and the error codes of the Qibla.
#pragma once

#include <string>

#include "calendar/words.h"
#include "qibla/compute_qibla.h"

namespace kelmo {

inline constexpr int kErrorNoQiblaInformation = 700;  // "Could not read Qibla information!"
inline constexpr int kErrorQiblaNotPossible = 902;    // at Mecca itself

struct QiblaTexts {
    double shownAngle = 0.0;  // the needle, radians clockwise from the method's reference
    std::string firstLine;    // "Qibla is ... from ..."
    std::string secondLine;   // distance, declination or shadow length
    std::string note;         // the magnetic model is extrapolated (method 1), else empty
    std::string message;      // the Sun gives no shadow (method 2): drawn alone
};

// Method 0: the bearing from geographic north and the distance; 1: the bearing less the
// declination and the declination; 2: the bearing from the shadow and the shadow's length, or
// the message when the Sun gives no shadow. In words (English unless given); the note of an
// extrapolated magnetic model stays English.
QiblaTexts qiblaTexts(int method, const QiblaResults& results,
                      const Words& words = wordsOf(Language::english));

}  // namespace kelmo
