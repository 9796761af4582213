#include "ui/register_autostart.h"

#include "base/config.h"

namespace kelmo::ui {

namespace {

constexpr int kCannotOpenFolder = 114;

// What failed, with the entry's file: the codes' texts name the Windows registry, which this
// system does not have.
std::string failureText(int code, const std::string& entryFile) {
    if (code == kCannotOpenFolder) {
        return "Could not change the autostart folder of " + entryFile + "!\t";
    }
    return "Could not write or remove the autostart entry " + entryFile + "!\t";
}

}  // namespace

std::string autostartCommand(const std::string& programFile) {
    return platform::quoteExecArgument(programFile) + " /t 0";
}

int registerAutostart(int alertFlags, const std::string& programFile,
                      platform::AutostartEntry& entry, platform::MessageBox& messages) {
    const bool backgroundWanted = (alertFlags & (alert::kNotifier | alert::kPlaySound)) != 0;
    const int code =
        backgroundWanted ? entry.write(programFile, autostartCommand(programFile)) : entry.remove();
    if (code != 0) {
        messages.show(failureText(code, entry.path()));
        return 0;
    }
    return 1;
}

}  // namespace kelmo::ui
