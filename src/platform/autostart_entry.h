// The log-on start entry of the background Timer: an XDG autostart file "KelmoTimes.desktop"
// in the autostart folder of the first directory of $XDG_CONFIG_DIRS (default /etc/xdg), so
// that it holds for every user of the machine; a user who may not change that folder gets the
// entry in his own autostart folder instead, which desktops read as well.
// Source: the freedesktop.org standards "Desktop Application Autostart" 0.5 and
// "Desktop Entry" 1.5 (the Exec key and its quoting).
#pragma once

#include <string>
#include <string_view>

namespace kelmo::platform {

class AutostartEntry {
  public:
    virtual ~AutostartEntry() = default;
    // Writes the entry with the command line (already quoted as for Exec).
    // Returns 0, 114 when the folder cannot be created or this user may not change it, 115
    // when the entry cannot be written.
    virtual int write(const std::string& commandLine) = 0;
    // Removes the entry; a missing entry counts as removed. Returns 0, 114 or 115 as above.
    virtual int remove() = 0;
};

// The autostart folder: "<first of $XDG_CONFIG_DIRS, else /etc/xdg>/autostart" when this
// user may change it, else "<$XDG_CONFIG_HOME, else $HOME/.config>/autostart".
std::string defaultAutostartDirectory();

// One argument quoted for the Exec key: inside double quotes, each of " ` $ \ takes a
// backslash, and "%" is doubled (field codes).
std::string quoteExecArgument(std::string_view argument);

// The whole file text of the entry for the command line.
std::string desktopEntryText(std::string_view commandLine);

// The entry as a file in a folder.
class XdgAutostartEntry final : public AutostartEntry {
  public:
    explicit XdgAutostartEntry(std::string directory = defaultAutostartDirectory());
    int write(const std::string& commandLine) override;
    int remove() override;
    std::string path() const;

  private:
    std::string directory_;
};

}  // namespace kelmo::platform
