#include "files/startup_settings.h"

#include <cmath>
#include <string>

#include "files/config_file.h"
#include "files/error_messages.h"
#include "files/program_path.h"
#include "hijri/hijri_date.h"

namespace kelmo {

namespace {

// Loads Kelmo.cfg, or on the user's consent writes and loads the built-in file.
bool loadOrCreateConfig(Prompt& prompt, ApplicationRecords& records) {
    int code = loadConfig(records.home, records.config);
    if (code == 0) return true;
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
