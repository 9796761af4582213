// Kelmo.cfg: reading the settings and the home location, rewriting the settings line, and
// writing the built-in file. Every operation opens and closes the file itself and returns an
// error code (0 = success; config_errors.h). A rewrite is atomic: the file holds either its
// old or its new contents, whatever fails (file_replace.h).
//
// The text functions do the same work on the contents of a file in memory.
#pragma once

#include <string>
#include <string_view>

#include "base/config.h"
#include "base/location.h"
#include "files/settings/program_path.h"

namespace kelmo {

// The whole of Kelmo.cfg into text: 0, 100 (cannot be read) or 117 (beyond kMaxReadBytes).
int readConfigText(const std::string& file, std::string& text);

// Reads line 1 into config and the home name into home.name, then looks the home location up
// among the location lines (findLocation). Returns 0, 100, 101, 102, 103 or 117. Fields are filled
// in place, so after a failure they hold whatever was read.
int loadConfig(Location& home, Config& config, const std::string& file = configFilePath());
int configFromText(std::string_view fileText, Location& home, Config& config);

// Rewrites line 1 from config under the file's lock (config_lock.h), keeping the stored home name
// as it is and every location line byte for byte (a UTF-8 file whose names all fit Windows-1252
// again is written in Windows-1252: name_encoding.h). Returns 0, 100, 101, 102, 105 (write failed),
// 106 (the file may not be written or could not be replaced), 116 (no temporary file beside it) or
// 117. A setting the reader would refuse is never written: such a config gives 102 and the file
// stays as it is.
int saveConfig(const Config& config, const std::string& file = configFilePath());
// The new file text for saveConfig: 0, 101 or 102 (no home name, or config holds a setting the
// reader refuses).
int configTextWithSettings(std::string_view fileText, const Config& config, std::string& newText);

// The copy of a file that createDefaultConfig replaces: "Kelmo.cfg.bak" beside "Kelmo.cfg".
inline constexpr const char* kBackupSuffix = ".bak";

// Writes the built-in file (default_locations.h) over file and loads it, under the file's lock
// (config_lock.h). The file that is there (corrupt, most likely, and holding the user's places)
// is first kept as file + kBackupSuffix, or, when that name holds an earlier backup, as the
// first free file + kBackupSuffix + ".N": no backup is ever written over. When that copy cannot
// be made nothing is replaced. Returns 104 (could not create), 105 (write failed) or the code
// of loadConfig.
int createDefaultConfig(Location& home, Config& config, const std::string& file = configFilePath());

// The answer OK to "Configuration file is corrupt! ... create new configuration file?": the
// file is read again under the lock, and only when it still does not read is it replaced as by
// createDefaultConfig. So a second answer (the Timer's after the main window's) loads the file
// the first one wrote, and the backup stays the user's file.
int replaceUnreadableConfig(Location& home, Config& config,
                            const std::string& file = configFilePath());

}  // namespace kelmo
