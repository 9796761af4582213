// The file-open and file-save dialogs of the platform.
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
    // Lets the user name a file to write, suggesting suggestedName ("KelmoChart.png") in the
    // current directory and listing the files with its extension; the full path chosen (the
    // system's bytes), nothing when the user cancelled.
    virtual std::optional<std::string> chooseSaveFile(const std::string& suggestedName) = 0;
};

}  // namespace kelmo::platform
