// Registration of the background Timer to start at every log-on while the Notifier or the
// prayer sound is enabled, and its removal when both are off.
#pragma once

#include <string>

#include "platform/autostart_entry.h"
#include "platform/message_box.h"

namespace kelmo::ui {

// The command of the entry: the program's full path in double quotes, then " /t 0".
std::string autostartCommand(const std::string& programFile);

// With alertFlags AND 3 not 0 writes the entry for programFile, else removes it (a missing
// entry counts as removed). Returns 1 on success, 0 after showing error 114 or 115.
int registerAutostart(int alertFlags, const std::string& programFile,
                      platform::AutostartEntry& entry, platform::MessageBox& messages);

}  // namespace kelmo::ui
