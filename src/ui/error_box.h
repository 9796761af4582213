// Message boxes of the windows in the user's language: the windows' own texts, and the error
// texts of the core's table translated here (the terminal tool keeps them in English). The
// boxes take UTF-8, so a translation in any script reaches them whole.
#pragma once

#include <QString>
#include <string>

#include "platform/message_box.h"

namespace kelmo::ui {

// The text of an error code in the user's language, TAB included (the core's English when the
// language has no translation of it).
QString errorTextOf(int code);

// A text of the core (UTF-8: start-up's errors and questions) in the user's language:
// each of its lines that is an error text or a question of the core translated, the rest as
// it is.
QString coreText(const std::string& text);

// A box with one OK button showing text; ask() with OK and Cancel, true for OK.
void say(platform::MessageBox& box, const QString& text);
void say(platform::MessageBox& box, const QString& text, const QString& caption);
bool ask(platform::MessageBox& box, const QString& text);

// The standard report of a failure: the error code's text, and detail (UTF-8, such as a file
// path and why the action failed) on the lines below it.
void showError(platform::MessageBox& box, int code);
void showError(platform::MessageBox& box, int code, const std::string& detail);

}  // namespace kelmo::ui
