// The file-open dialog of the platform.
#pragma once

#include <optional>
#include <string>

namespace kelmo::platform {

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // Lets the user pick an existing file, starting with the file-name pattern initialName
    // ("*.wav"); the full path chosen (the system's bytes), nothing when the user cancelled.
    virtual std::optional<std::string> chooseFile(const std::string& initialName) = 0;
};

}  // namespace kelmo::platform
