// The help viewer: the help page "Kelmo.html" beside the executable in a window of its own.
#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>

#include "platform/message_box.h"

namespace kelmo::ui {

inline constexpr const char* kHelpFileName = "Kelmo.html";

class HelpViewer {
  public:
    explicit HelpViewer(platform::MessageBox& messages) : messages_(messages) {}
    ~HelpViewer() { quit(); }
    // Shows the page (Windows-1252 path); "Failed to launch help." when it cannot be read.
    void show(const std::string& helpFile);
    // Closes the help window ("quit").
    void quit();
    QTextBrowser* window() const { return window_; }

  private:
    platform::MessageBox& messages_;
    QPointer<QTextBrowser> window_;
};

}  // namespace kelmo::ui
