// The message boxes of the program shown as modal Qt dialogs.
#pragma once

#include "platform/message_box.h"

class QWidget;

namespace kelmo::platform {

class QtMessageBox final : public MessageBox {
  public:
    // parent: the window the boxes belong to, may be null.
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    using MessageBox::ask;
    using MessageBox::show;
    void show(const std::string& text, const std::string& caption) override;
    bool ask(const std::string& text, const std::string& caption) override;

  private:
    QWidget* parent_;
};

}  // namespace kelmo::platform
