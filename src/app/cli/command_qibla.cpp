// kelmo-cli qibla: the direction of the Qibla from geographic north, magnetic north or the
// Sun's shadow at the present moment or at a local date and time of the place, with the
// distance to Mecca.
#include <cmath>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/decimal_option.h"
#include "app/cli/settings_source.h"
#include "base/angles.h"
#include "calendar/angle_format.h"
#include "calendar/local_time.h"
#include "calendar/row_time.h"
#include "files/reports/qibla_texts.h"
#include "files/reports/report_words.h"
#include "platform/computer_zone.h"
#include "qibla/compute_qibla.h"
#include "qibla/qibla_direction.h"
#include "qibla/sun_shadow.h"

namespace kelmo::cli {

namespace {

// The two lines the Qibla window writes beside its compass, or its message.
std::string windowLines(int method, const QiblaResults& r, const Words& words) {
    const QiblaTexts t = qiblaTexts(method, r, words);
    if (!t.message.empty()) return t.message + "\n";
    return t.firstLine + "\n" + t.secondLine + "\n";
}

// The window's lines, and under the declination the note of an extrapolated magnetic model.
std::string textLines(int method, const QiblaResults& r, const Words& words) {
    std::string text = windowLines(method, r, words);
    const std::string note = magneticModelNote(r);
    if (method == kQiblaFromMagneticNorth && !note.empty()) text += note + "\n";
    return text;
}

std::string jsonText(int method, const QiblaResults& r) {
    nlohmann::ordered_json j;
    j["bearing_deg"] = r.qiblaBearing * kRadToDeg;
    j["distance_km"] = r.meccaDistance;
    j["declination_deg"] = r.declination * kRadToDeg;
    j["magnetic_model"] = r.magneticModel;
    j["model_extrapolated"] = r.magneticModelExtrapolated;
    if (method == kQiblaFromSunShadow) {
        j["shadow_ratio"] = r.shadowRatio;
        j["sun_azimuth_deg"] = r.sunAzimuth * kRadToDeg;
    }
    return j.dump() + "\n";
}

struct MomentOptions {
    int method = kQiblaFromGeographicNorth;
    std::optional<std::string> time;  // HH:MM, local time at the place
};

constexpr int kNoonMinutes = 12 * kMinutesPerHour;

bool parseClock(const std::string& text, int& minutes) {
    int hours = 0, minute = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d:%d%c", &hours, &minute, &tail) != 2 || hours < 0 ||
        hours > 23 || minute < 0 || minute > 59) {
        return false;
    }
    minutes = hours * kMinutesPerHour + minute;
    return true;
}

// The moment of a local date and time on the place's clock, the place's zone standing in for
// the computer's.
ComputerTime momentAtPlace(const Zone& zone, const CalendarDate& date, int minutes) {
    return {instantOfRowTime(minutes * 60.0L, zone, date), zone};
}

int runQibla(const CliOptions& options, const platform::Clock& clock, const MomentOptions& moment) {
    const int method = moment.method;
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    if (r.location.name.empty()) return report(tableError(kErrorNoQiblaInformation));
    int minutes = kNoonMinutes;
    if (moment.time && !parseClock(*moment.time, minutes)) {
        return report({kExitUsage, "--time: expected HH:MM, got \"" + *moment.time + "\""});
    }

    const bool chosenMoment = options.date.date || options.date.hijriDate || moment.time;
    const ComputerTime computer =
        chosenMoment ? momentAtPlace(*r.zone, r.date, minutes) : platform::computerTime(clock);
    QiblaResults results;
    ComputeQibla(kQiblaFromGeographicNorth, r.location, r.config, computer, results);
    if (results.meccaDistance < kMeccaItselfKm) return report(tableError(kErrorQiblaNotPossible));
    ComputeQibla(kQiblaFromMagneticNorth, r.location, r.config, computer, results);
    if (method == kQiblaFromSunShadow) {
        ComputeQibla(kQiblaFromSunShadow, r.location, r.config, computer, results);
    }

    const std::string text = options.output.format == "json"
                                 ? jsonText(method, results)
                                 : textLines(method, results, reportWords(r.config));
    return report(writeOutput(options.output, text));
}

}  // namespace

void addQiblaCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;  // --date: the local date at the place (default: the present moment)
    auto moment = std::make_shared<MomentOptions>();
    CLI::App* command =
        addCommand(app, run, "qibla", "direction of the Qibla and distance to Mecca", shape,
                   [moment](const CliOptions& options, const platform::Clock& clock) {
                       return runQibla(options, clock, *moment);
                   });
    command
        ->add_option("--method", moment->method,
                     "0 from geographic north, 1 from magnetic north, 2 from the Sun's shadow")
        ->transform(integerIn(0, 2));
    command->add_option("--time", moment->time,
                        "local time HH:MM at the place for the magnetic model and the shadow "
                        "(with --date; default 12:00, or now when neither is given)");
}

}  // namespace kelmo::cli
