// The file-open and file-save dialogs on Qt.
#pragma once

#include "platform/file_chooser.h"

class QWidget;

namespace kelmo::platform {

class QtFileChooser final : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::string> chooseFile(const std::string& initialName) override;
    std::optional<std::string> chooseSaveFile(const std::string& suggestedName) override;

  private:
    QWidget* parent_;
};

}  // namespace kelmo::platform
