#include "ui/register_autostart.h"

#include "base/config.h"

namespace kelmo::ui {

std::string autostartCommand(const std::string& programFile) {
    return platform::quoteExecArgument(programFile) + " /t 0";
}

int registerAutostart(int alertFlags, const std::string& programFile,
                      platform::AutostartEntry& entry, platform::MessageBox& messages) {
    const bool backgroundWanted = (alertFlags & (alert::kNotifier | alert::kPlaySound)) != 0;
    const int code =
        backgroundWanted ? entry.write(programFile, autostartCommand(programFile)) : entry.remove();
    if (code != 0) {
        platform::showError(messages, code);
        return 0;
    }
    return 1;
}

}  // namespace kelmo::ui
