#include "files/settings/startup_settings.h"

#include <cmath>
#include <filesystem>
#include <string>

#include "calendar/names.h"
#include "files/error_messages.h"
#include "files/settings/config_file.h"
#include "files/settings/default_locations.h"
#include "files/settings/location_database.h"
#include "files/settings/program_path.h"
#include "hijri/hijri_date.h"
#include "prayer/calculation_methods.h"

namespace kelmo {

namespace {

using Answer = FirstStartChoice::Answer;

// The user's place and school put into the freshly written built-in file.
int applyFirstChoice(const FirstStartChoice& choice, std::vector<Location> places,
                     ApplicationRecords& records) {
    if (choice.newPlace) places.push_back(choice.place);
    int code = saveLocations(choice.place.name, places);
    records.config.fiqh = choice.fiqh;
    applyMethod(choice.method, records.config);  // the school too, where its authority fixes one
    if (code == 0) code = saveConfig(records.config);
    if (code == 0) code = loadConfig(records.home, records.config);
    return code;
}

// The first start, without Kelmo.cfg: the user chooses the place and the school, or keeps
// the built-in settings (and is told which they are). The built-in file is written either
// way. Returns notAsked when the prompt does not ask; cancelled or chosen as answered, with
// ok false when the file could not be written (the error has been shown).
Answer firstStart(Prompt& prompt, ApplicationRecords& records, bool& ok) {
    const std::string builtIn = defaultConfigText();
    std::vector<Location> places;
    Location home;
    Config defaults;
    if (locationsFromText(builtIn, places) != 0 || configFromText(builtIn, home, defaults) != 0)
        return Answer::notAsked;
    const FirstStartChoice choice = prompt.chooseFirstSettings(places, defaults);
    if (choice.answer == Answer::notAsked) return Answer::notAsked;
    makeSettingsFolder();
    int code = createDefaultConfig(records.home, records.config);
    if (code == 0 && choice.answer == Answer::chosen)
        code = applyFirstChoice(choice, std::move(places), records);
    ok = code == 0;
    if (!ok) {
        prompt.showMessage(errorMessage(code));
    } else if (choice.answer == Answer::cancelled) {
        prompt.showMessage(builtInSettingsKeptText(records));
    }
    return choice.answer;
}

// Loads Kelmo.cfg, or asks the first start's questions when there is none, or on the user's
// consent writes and loads the built-in file.
bool loadOrCreateConfig(Prompt& prompt, ApplicationRecords& records) {
    int code = loadConfig(records.home, records.config);
    if (code == 0) return true;
    std::error_code error;
    if (!std::filesystem::exists(configFilePath(), error) && !error) {
        bool ok = false;
        if (firstStart(prompt, records, ok) != Answer::notAsked) return ok;
    }
    if (!prompt.askOkCancel(std::string(errorMessage(code)) + kCreateConfigQuestion)) return false;
    // The user's folder of the settings is made on this first save (a folder that cannot be
    // made shows as the write's own error).
    makeSettingsFolder();
    code = replaceUnreadableConfig(records.home, records.config);
    if (code == 0) return true;
    prompt.showMessage(errorMessage(code));
    return false;
}

}  // namespace

std::string builtInSettingsKeptText(const ApplicationRecords& records) {
    // In short lines: a message box does not wrap its text.
    return "No place was chosen: KelmoTimes uses its built-in settings,\nthe place " +
           records.home.name + " and the " + names::nameAt(names::kFiqhs, records.config.fiqh) +
           " school of law.\nThe Location and Configuration buttons change them.";
}

int loadStartupSettings(std::string_view commandLine, std::string_view arguments,
                        const CalendarDate& today, Prompt& prompt, ApplicationRecords& records) {
    setProgramDir(commandLine, arguments);
    if (!loadOrCreateConfig(prompt, records)) return 0;
    records.current = records.home;
    records.date = CalendarDate{};
    records.date.year = today.year;
    records.date.month = today.month;
    records.date.day = std::floor(today.day);
    records.config.temperature = kStartTemperatureCelsius;
    records.config.pressure = kStartPressureMillibar;
    hijriFromDate(records.date, records.current, records.config);
    return 1;
}

}  // namespace kelmo
