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

QiblaTexts qiblaTexts(int method, const QiblaResults& r, const Words& w) {
    QiblaTexts t;
    switch (method) {
        case kQiblaFromMagneticNorth:
            t.shownAngle = r.qiblaBearing - r.declination;
            t.firstLine = bearingLine(w.phrase(Phrase::qiblaFromMagneticNorth), t.shownAngle);
            t.secondLine = line(w.phrase(Phrase::magneticDeclination),
                                formatAngle(r.declination, true).c_str());
            t.note = magneticModelNote(r);
            break;
        case kQiblaFromSunShadow:
            if (r.shadowRatio <= 0.0) {
                t.message =
                    w.phrase(r.shadowRatio < 0.0 ? Phrase::sunBelowHorizon : Phrase::shadowIsZero);
                break;
            }
            t.shownAngle = ShadowBearing(r.qiblaBearing, r.sunAzimuth);
            t.firstLine = bearingLine(w.phrase(Phrase::qiblaFromShadow), t.shownAngle);
            t.secondLine = line(w.phrase(Phrase::shadowLength), r.shadowRatio);
            break;
        default:
            t.shownAngle = r.qiblaBearing;
            t.firstLine = bearingLine(w.phrase(Phrase::qiblaFromGeographicNorth), t.shownAngle);
            t.secondLine = line(w.phrase(Phrase::meccaDistance), r.meccaDistance);
            break;
    }
    return t;
}

}  // namespace kelmo
