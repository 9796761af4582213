// The log-on start entry of the background Timer: an XDG autostart file "KelmoTimes.desktop"
// in the user's own autostart folder ($XDG_CONFIG_HOME/autostart), the place for a user's own
// programs (the machine-wide folders of $XDG_CONFIG_DIRS need the superuser). An entry left in
// a machine-wide folder would start the Timer as well: switching off removes it too, or says
// that it cannot.
// Source: the freedesktop.org standards "Desktop Application Autostart" 0.5 and
// "Desktop Entry" 1.5 (the Exec key and its quoting).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/user_folders.h"

namespace kelmo::platform {

class AutostartEntry {
  public:
    virtual ~AutostartEntry() = default;
    // Writes the entry that runs the command line (already quoted as for Exec) when
    // programFile, the program it starts, is still there: a program removed since is not
    // started at log-on. Returns 0, 114 when the folder cannot be created or this user may
    // not change it, 115 when the entry cannot be written.
    virtual int write(const std::string& programFile, const std::string& commandLine) = 0;
    // Removes the entry; a missing entry counts as removed. Returns 0, 114 when the folder
    // cannot be changed or an entry remains in a machine-wide folder, 115 when the entry
    // cannot be removed.
    virtual int remove() = 0;
    // The entry's file, for messages.
    virtual std::string path() const = 0;
};

// One argument quoted for the Exec key: inside double quotes, each of " ` $ \ takes a
// backslash, and "%" is doubled (field codes).
std::string quoteExecArgument(std::string_view argument);

// The whole file text of the entry for the command line, tried only when programFile exists
// (TryExec).
std::string desktopEntryText(std::string_view programFile, std::string_view commandLine);

// The entry as a file in a folder.
class XdgAutostartEntry final : public AutostartEntry {
  public:
    // directory: where the entry is written; systemDirectories: the machine-wide folders
    // whose entry of the same name is removed as well when switching off.
    explicit XdgAutostartEntry(
        std::string directory = userAutostartDirectory(),
        std::vector<std::string> systemDirectories = systemAutostartDirectories());
    int write(const std::string& programFile, const std::string& commandLine) override;
    int remove() override;
    std::string path() const override;

  private:
    std::string directory_;
    std::vector<std::string> systemDirectories_;
};

}  // namespace kelmo::platform
