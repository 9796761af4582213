// kelmo-cli methods: the named calculation methods with their figures and sources.
#include <nlohmann/json.hpp>
#include <string>

#include "app/cli/commands.h"
#include "files/reports/method_text.h"
#include "prayer/calculation_methods.h"

namespace kelmo::cli {

namespace {

// null for a figure the method leaves to the configuration.
nlohmann::json figure(double value) {
    return value == 0.0 ? nlohmann::json() : nlohmann::json(value);
}

nlohmann::ordered_json jsonMethod(const CalculationMethod& m) {
    const MinuteAdjustments& a = m.adjust;
    nlohmann::ordered_json j;
    j["key"] = m.key;
    j["name"] = m.name;
    j["fajr_angle_deg"] = figure(m.fajrAngle);
    j["isha_angle_deg"] = figure(m.ishaAngle);
    j["isha_minutes_after_maghrib"] = figure(m.ishaMinutes);
    j["isha_minutes_in_ramadan"] = figure(m.ishaMinutesRamadan);
    j["maghrib_angle_deg"] = figure(m.maghribAngle);
    j["imsak_minutes_before_fajr"] = figure(m.imsakMinutes);
    j["fiqh"] = m.fiqh == kFiqhNotFixed ? nlohmann::json() : nlohmann::json(m.fiqh);
    j["duhr_from"] = m.duhrFrom == DuhrFrom::centre ? "centre" : "western limb";
    j["adjustments_min"] = {{"imsak", a.imsak}, {"fajr", a.fajr}, {"shuruq", a.shuruq},
                            {"duhr", a.duhr},   {"asr", a.asr},   {"maghrib", a.maghrib},
                            {"isha", a.isha}};
    j["source"] = m.source;
    return j;
}

// "UmmAlQura  Umm al-Qura University, Makkah", then the figures and the source, indented.
std::string textMethod(const CalculationMethod& m) {
    return std::string(m.key) + "  " + m.name + "\n    " + methodFiguresText(m) +
           "\n    source: " + m.source + "\n";
}

int runMethods(const CliOptions& options, const platform::Clock&) {
    std::string out;
    if (options.output.format == "json") {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const CalculationMethod& m : calculationMethods()) list.push_back(jsonMethod(m));
        out = list.dump() + "\n";
    } else {
        for (const CalculationMethod& m : calculationMethods()) out += textMethod(m);
        out += std::string("\n") + methodSources();
    }
    return report(writeOutput(options.output, out));
}

}  // namespace

void addMethodsCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.place = false;
    shape.settings = false;
    shape.date = false;
    addCommand(app, run, "methods",
               "the calculation methods for --method: figures and their sources", shape,
               runMethods);
}

}  // namespace kelmo::cli
