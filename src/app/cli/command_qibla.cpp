// kelmo-cli qibla: the direction of the Qibla from geographic north, magnetic north or the
// Sun's shadow at the present moment, with the distance to Mecca.
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/decimal_option.h"
#include "base/angles.h"
#include "calendar/angle_format.h"
#include "files/error_messages.h"
#include "platform/computer_zone.h"
#include "platform/encoding.h"
#include "qibla/compute_qibla.h"
#include "qibla/qibla_direction.h"
#include "qibla/sun_shadow.h"

namespace kelmo::cli {

namespace {

constexpr int kErrorNoQiblaInformation = 700;
constexpr int kErrorQiblaNotPossible = 902;

// An error of the message table as the tool reports it: its text without the TAB.
CliError tableError(int code) {
    std::string text = errorMessage(code);
    if (!text.empty() && text.back() == '\t') text.pop_back();
    return {kExitFailure, text};
}

std::string line(const char* format, const std::string& value) {
    char text[160];
    std::snprintf(text, sizeof text, format, value.c_str());
    return std::string(text) + "\n";
}

std::string line(const char* format, double value) {
    char text[160];
    std::snprintf(text, sizeof text, format, value);
    return std::string(text) + "\n";
}

// The two lines the Qibla window writes beside its compass (Windows-1252).
std::string windowLines(int method, const QiblaResults& r) {
    switch (method) {
        case kQiblaFromMagneticNorth:
            return line("Qibla is %s from Magnetic North",
                        formatBearing(r.qiblaBearing - r.declination, false)) +
                   line("Magnetic Declination is %s", formatAngle(r.declination, true));
        case kQiblaFromSunShadow:
            if (r.shadowRatio < 0.0) return "The Sun is below the horizon!\n";
            if (r.shadowRatio == 0.0) return "The length of shadow is zero!\n";
            return line("Qibla is %s from the shadow of the Sun",
                        formatBearing(ShadowBearing(r.qiblaBearing, r.sunAzimuth), false)) +
                   line("The length of shadow is %1.2f of original height", r.shadowRatio);
        default:
            return line("Qibla is %s from Geographic North", formatBearing(r.qiblaBearing, false)) +
                   line("Distance to Mecca is %5.2f km", r.meccaDistance);
    }
}

std::string jsonText(int method, const QiblaResults& r) {
    nlohmann::ordered_json j;
    j["bearing_deg"] = r.qiblaBearing * kRadToDeg;
    j["distance_km"] = r.meccaDistance;
    j["declination_deg"] = r.declination * kRadToDeg;
    if (method == kQiblaFromSunShadow) {
        j["shadow_ratio"] = r.shadowRatio;
        j["sun_azimuth_deg"] = r.sunAzimuth * kRadToDeg;
    }
    return j.dump() + "\n";
}

int runQibla(const CliOptions& options, const platform::Clock& clock, int method) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    if (r.location.name.empty()) return report(tableError(kErrorNoQiblaInformation));

    const ComputerTime computer = platform::computerTime(clock);
    QiblaResults results;
    ComputeQibla(kQiblaFromGeographicNorth, r.location, r.config, computer, results);
    if (results.meccaDistance < kMeccaItselfKm) return report(tableError(kErrorQiblaNotPossible));
    ComputeQibla(kQiblaFromMagneticNorth, r.location, r.config, computer, results);
    if (method == kQiblaFromSunShadow) {
        ComputeQibla(kQiblaFromSunShadow, r.location, r.config, computer, results);
    }

    const std::string text = options.output.format == "json"
                                 ? jsonText(method, results)
                                 : platform::utf8FromCp1252(windowLines(method, results));
    return report(writeOutput(options.output, text));
}

}  // namespace

void addQiblaCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.date = false;  // the magnetic model and the shadow use the computer's present moment
    auto method = std::make_shared<int>(kQiblaFromGeographicNorth);
    CLI::App* command =
        addCommand(app, run, "qibla", "direction of the Qibla and distance to Mecca", shape,
                   [method](const CliOptions& options, const platform::Clock& clock) {
                       return runQibla(options, clock, *method);
                   });
    command
        ->add_option("--method", *method,
                     "0 from geographic north, 1 from magnetic north, 2 from the Sun's shadow")
        ->transform(integerIn(0, 2));
}

}  // namespace kelmo::cli
