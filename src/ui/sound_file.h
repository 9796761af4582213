// The sound files of the Timer and the alert (soundFile, preAlertSoundFile of Config): a name
// without a directory is looked for where the program's own sounds are (beside the executable
// or in the installed share folder, platform/user_folders.h), so that the Timer started at
// log-on (whatever its working directory) finds "Athan.wav" and "PreAth.wav". Paths are the
// system's bytes.
#pragma once

#include <string>

namespace kelmo::ui {

// The file the configured name stands for.
std::string soundFilePath(const std::string& name);

// True when the file exists and may be read (the test before playing).
bool canReadSoundFile(const std::string& path);

}  // namespace kelmo::ui
