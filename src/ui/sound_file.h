// The sound files of the Timer and the alert (soundFile, preAlertSoundFile of Config): a name
// without a directory is looked for beside the executable, where the program's own sounds
// are installed, so that the Timer started at log-on (whatever its working directory) finds
// "Athan.wav" and "PreAth.wav".
#pragma once

#include <string>

namespace kelmo::ui {

// The file the configured name stands for (Windows-1252 in and out).
std::string soundFilePath(const std::string& name);

// True when the file exists and may be read (the test before playing).
bool canReadSoundFile(const std::string& path);

}  // namespace kelmo::ui
