#include "files/reports/qibla_texts.h"

#include "calendar/angle_format.h"
#include "files/reports/append_format.h"
#include "qibla/sun_shadow.h"

namespace kelmo {

namespace {

template <typename Value>
std::string line(const char* format, Value value) {
    std::string text;
    appendFormat(text, format, value);  // a decimal point whatever the user's locale
    return text;
}

std::string bearingLine(const char* format, double radians) {
    return line(format, formatBearing(radians, false).c_str());
}

}  // namespace

QiblaTexts qiblaTexts(int method, const QiblaResults& r) {
    QiblaTexts t;
    switch (method) {
        case kQiblaFromMagneticNorth:
            t.shownAngle = r.qiblaBearing - r.declination;
            t.firstLine = bearingLine("Qibla is %s from Magnetic North", t.shownAngle);
            t.secondLine =
                line("Magnetic Declination is %s", formatAngle(r.declination, true).c_str());
            t.note = magneticModelNote(r);
            break;
        case kQiblaFromSunShadow:
            if (r.shadowRatio <= 0.0) {
                t.message = r.shadowRatio < 0.0 ? "The Sun is below the horizon!"
                                                : "The length of shadow is zero!";
                break;
            }
            t.shownAngle = ShadowBearing(r.qiblaBearing, r.sunAzimuth);
            t.firstLine = bearingLine("Qibla is %s from the shadow of the Sun", t.shownAngle);
            t.secondLine = line("The length of shadow is %1.2f of original height", r.shadowRatio);
            break;
        default:
            t.shownAngle = r.qiblaBearing;
            t.firstLine = bearingLine("Qibla is %s from Geographic North", t.shownAngle);
            t.secondLine = line("Distance to Mecca is %5.2f km", r.meccaDistance);
            break;
    }
    return t;
}

}  // namespace kelmo
