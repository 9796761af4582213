// The first step of start-up (and of every reload of the Timer): the configuration and the
// home location from Kelmo.cfg, with the offer of the built-in file when it cannot be read,
// then the current location, today's date with its Hijri date (decided by the crescent at the
// current location, hijri/hijri_date.h), temperature and pressure.
#pragma once

#include <string>
#include <string_view>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "files/settings/prompt.h"

namespace kelmo {

// The records the application keeps for the life of the process.
struct ApplicationRecords {
    Config config;
    Location home;      // named on the first line of Kelmo.cfg
    Location current;   // a copy of home at start; computations use it
    CalendarDate date;  // the chosen date; today at start
};

// Temperature and pressure are reset to these at every start; they are never stored.
inline constexpr int kStartTemperatureCelsius = 10;
inline constexpr int kStartPressureMillibar = 1010;

// The question appended to the error text when Kelmo.cfg cannot be loaded.
inline constexpr const char* kCreateConfigQuestion =
    "\nDo you want to create new configuration file?";

// The message of a first start whose questions were cancelled: the built-in home place and
// school of law it goes on with.
std::string builtInSettingsKeptText(const ApplicationRecords& records);

// commandLine is the whole command line of the process and arguments the part after the
// program name (they give the program directory, see program_path.h); today is the
// computer's local civil date (year, month, day). When there is no Kelmo.cfg, prompt asks for
// the first start's place and school (chooseFirstSettings): the built-in file is written with
// them, or as it is when the user cancels (and prompt says so). When Kelmo.cfg cannot be
// loaded (or the prompt does not ask those questions), prompt asks whether the built-in file
// is to be written; Cancel, or a failure to write or load it (shown with prompt), ends
// start-up. Returns 1 when the application may continue, 0 when it must end.
int loadStartupSettings(std::string_view commandLine, std::string_view arguments,
                        const CalendarDate& today, Prompt& prompt, ApplicationRecords& records);

}  // namespace kelmo
