// The questions and messages that start-up shows the user, behind an interface: the desktop
// program shows them in message boxes captioned "KelmoTimes", tests record them.
#pragma once

#include <string>

namespace kelmo {

class Prompt {
  public:
    virtual ~Prompt() = default;
    // Shows text with OK and Cancel and waits; true for OK.
    virtual bool askOkCancel(const std::string& text) = 0;
    // Shows text with one OK button and waits.
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace kelmo
