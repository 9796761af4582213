// The questions and messages that start-up shows the user, behind an interface: the desktop
// program shows them in message boxes captioned "KelmoTimes", tests record them.
#pragma once

#include <string>
#include <vector>

#include "base/config.h"
#include "base/location.h"

namespace kelmo {

// What the user chose at the first start, when there is no Kelmo.cfg yet.
struct FirstStartChoice {
    enum class Answer { notAsked, cancelled, chosen };
    Answer answer = Answer::notAsked;
    Location place;         // the home place: one of the offered places, or a new one
    bool newPlace = false;  // place is not among the offered ones and joins the list
    int fiqh = 0;           // the school of law
    int method = 0;         // the calculation method (calculationMethods(), 0 "Custom")
};

class Prompt {
  public:
    virtual ~Prompt() = default;
    // Shows text with OK and Cancel and waits; true for OK.
    virtual bool askOkCancel(const std::string& text) = 0;
    // Shows text with one OK button and waits.
    virtual void showMessage(const std::string& text) = 0;
    // Asked when there is no Kelmo.cfg: the home place, out of places (the built-in list) or a
    // new one, and the school of law, starting from the built-in settings defaults. A prompt
    // that does not ask answers notAsked, and start-up offers the built-in file as it does
    // for a file that cannot be read.
    virtual FirstStartChoice chooseFirstSettings(const std::vector<Location>& places,
                                                 const Config& defaults) {
        (void)places;
        (void)defaults;
        return {};
    }
};

}  // namespace kelmo
