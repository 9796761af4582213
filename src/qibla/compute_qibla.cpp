#include "qibla/compute_qibla.h"

#include <cmath>

#include "astronomy/magnetic_declination.h"
#include "astronomy/magnetic_model.h"
#include "qibla/qibla_direction.h"
#include "qibla/sun_shadow.h"

namespace kelmo {

namespace {

constexpr double kMetresPerKm = 1000.0;

}  // namespace

int ComputeQibla(int method, const Location& location, const Config& config,
                 const ComputerTime& computer, QiblaResults& results) {
    switch (method) {
        case kQiblaFromGeographicNorth: {
            const QiblaDirection direction = QiblaFromNorth(location);
            results.qiblaBearing = direction.qiblaBearing;
            results.meccaDistance = direction.meccaDistance;
            break;
        }
        case kQiblaFromMagneticNorth: {
            CalendarDate today = computerLocalNow(computer);
            today.day = std::floor(today.day);
            results.declination = MagneticDeclination(location.latitude, location.longitude,
                                                      location.height / kMetresPerKm, today);
            const MagneticModelOfDate model = magneticModelOfDate(today);
            results.magneticModel = model.model->name;
            results.magneticModelEpoch = model.model->epochYear;
            results.magneticModelExtrapolated = model.extrapolated;
            break;
        }
        case kQiblaFromSunShadow: {
            const SunShadow shadow = sunShadow(location, config, computer.now);
            results.shadowRatio = shadow.shadowRatio;
            results.sunAzimuth = shadow.sunAzimuth;
            break;
        }
        default:
            break;
    }
    return 1;
}

std::string magneticModelNote(const QiblaResults& results) {
    if (results.magneticModel == nullptr || !results.magneticModelExtrapolated) return {};
    return "Extrapolated from " + std::string(results.magneticModel) + " (valid " +
           std::to_string(results.magneticModelEpoch) + "-" +
           std::to_string(results.magneticModelEpoch + kWmmValidYears) + ")";
}

}  // namespace kelmo
